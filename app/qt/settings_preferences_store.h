#pragma once

#include "units/preferences_store.h"

#include <memory>

class QSettings;
class QString;

namespace app {

/// The per-user preferences of the program in QSettings (organisation "Brantwick Company",
/// application "Zelk"), or in one settings file for tests. "\\" in a key separates a subkey.
/// Integers are kept as "dword:" and eight hex digits so that they read back as integers and a
/// text never turns into a number; a text that would look like that is kept with an "sz:" mark.
class SettingsPreferencesStore : public units::PreferencesStore {
public:
    /// The user's own preferences.
    SettingsPreferencesStore();
    /// A store in the given settings file (created on first write).
    explicit SettingsPreferencesStore(const QString& filePath);
    ~SettingsPreferencesStore() override;

    bool has(const std::string& key) const override;
    std::optional<std::string> stringValue(const std::string& key) const override;
    std::optional<std::int32_t> intValue(const std::string& key) const override;
    void setString(const std::string& key, const std::string& value) override;
    void setInt(const std::string& key, std::int32_t value) override;
    void remove(const std::string& key) override;

    /// Writes pending changes to permanent storage.
    void sync();

private:
    std::unique_ptr<QSettings> m_settings;
};

}  // namespace app
