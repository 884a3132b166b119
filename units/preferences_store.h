#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace units {

/// Per-user preferences: string and integer values under key paths relative to the program's
/// settings root, with "\\" separating a subkey ("Units", "Lang", "UserDefinedUnits\\DEPTH").
/// Values keep their type: reading a string value as an integer (or the reverse) finds nothing,
/// so a caller can tell a hand-edited value of the wrong type from a good one. Writes never
/// report failure; a store that cannot write simply keeps nothing.
class PreferencesStore {
public:
    virtual ~PreferencesStore() = default;

    /// True when a value of any type is stored under the key.
    virtual bool has(const std::string& key) const = 0;
    /// The string stored under the key; none when missing or not a string.
    virtual std::optional<std::string> stringValue(const std::string& key) const = 0;
    /// The integer stored under the key; none when missing or not an integer.
    virtual std::optional<std::int32_t> intValue(const std::string& key) const = 0;
    virtual void setString(const std::string& key, const std::string& value) = 0;
    virtual void setInt(const std::string& key, std::int32_t value) = 0;
    /// Removes the value; nothing happens when there is none.
    virtual void remove(const std::string& key) = 0;

    std::string getString(const std::string& key, const std::string& defaultValue) const {
        return stringValue(key).value_or(defaultValue);
    }
    std::int32_t getInt(const std::string& key, std::int32_t defaultValue) const {
        return intValue(key).value_or(defaultValue);
    }
};

/// In-memory store for tests and for runs that must not touch the user's settings.
class MemoryPreferencesStore : public PreferencesStore {
public:
    bool has(const std::string& key) const override { return m_values.count(key) != 0; }
    std::optional<std::string> stringValue(const std::string& key) const override {
        auto it = m_values.find(key);
        if (it == m_values.end() || !it->second.isString) {
            return std::nullopt;
        }
        return it->second.text;
    }
    std::optional<std::int32_t> intValue(const std::string& key) const override {
        auto it = m_values.find(key);
        if (it == m_values.end() || it->second.isString) {
            return std::nullopt;
        }
        return it->second.number;
    }
    void setString(const std::string& key, const std::string& value) override {
        m_values[key] = Value{true, value, 0};
    }
    void setInt(const std::string& key, std::int32_t value) override {
        m_values[key] = Value{false, std::string(), value};
    }
    void remove(const std::string& key) override { m_values.erase(key); }

    /// Number of stored values, for tests that check nothing else was written.
    std::size_t size() const { return m_values.size(); }

private:
    struct Value {
        bool isString;
        std::string text;
        std::int32_t number;
    };
    std::map<std::string, Value> m_values;
};

}  // namespace units
