#pragma once

#include <string>

namespace units {
class PreferencesStore;
}

namespace app {

/// The start-up preferences kept beside the options: the user-interface language ("Lang") and the
/// picture counter ("AdvertNumber"). Both are stored as integers whose bytes are ASCII digits and
/// are read back from their bytes whatever type the stored value has, so a value written by any
/// earlier version is read the same way.
class AppPreferences {
public:
    static constexpr const char* kLangKey = "Lang";
    static constexpr const char* kAdvertNumberKey = "AdvertNumber";
    static constexpr const char* kUnitsKey = "Units";

    explicit AppPreferences(units::PreferencesStore& store) : m_store(store) {}

    /// The first four characters of the stored "Lang" bytes; empty when nothing is stored.
    std::string languageText() const;
    /// The stored language: 2058 for "2058", 1033 for anything else (also on first run).
    int storedLanguage() const;
    /// Stores the language as its four decimal digits (1033 becomes the bytes 31 30 33 33).
    void writeLanguage(int languageId);

    /// Reads the picture counter (the value of its first character, 0 when missing or not a
    /// digit), adds 1 modulo 6, stores the result and returns it.
    int stepPictureCounter();

private:
    std::string rawText(const char* key) const;

    units::PreferencesStore& m_store;
};

}  // namespace app
