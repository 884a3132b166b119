#include "app/qt/settings_preferences_store.h"

#include <QSettings>
#include <QString>

namespace app {

namespace {

const QString kIntMark = QStringLiteral("dword:");
const QString kTextMark = QStringLiteral("sz:");

QString settingsKey(const std::string& key) {
    QString text = QString::fromStdString(key);
    text.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return text;
}

std::optional<QString> storedText(const QSettings& settings, const std::string& key) {
    const QVariant value = settings.value(settingsKey(key));
    if (!value.isValid()) {
        return std::nullopt;
    }
    return value.toString();
}

std::optional<std::int32_t> parseInt(const QString& text) {
    if (!text.startsWith(kIntMark) || text.size() != kIntMark.size() + 8) {
        return std::nullopt;
    }
    bool ok = false;
    const uint bits = text.mid(kIntMark.size()).toUInt(&ok, 16);
    if (!ok) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(bits);
}

}  // namespace

SettingsPreferencesStore::SettingsPreferencesStore()
    : m_settings(std::make_unique<QSettings>(QStringLiteral("Brantwick Company"),
                                             QStringLiteral("Zelk"))) {}

SettingsPreferencesStore::SettingsPreferencesStore(const QString& filePath)
    : m_settings(std::make_unique<QSettings>(filePath, QSettings::IniFormat)) {}

SettingsPreferencesStore::~SettingsPreferencesStore() = default;

bool SettingsPreferencesStore::has(const std::string& key) const {
    return m_settings->contains(settingsKey(key));
}

std::optional<std::string> SettingsPreferencesStore::stringValue(const std::string& key) const {
    const std::optional<QString> text = storedText(*m_settings, key);
    if (!text || parseInt(*text)) {
        return std::nullopt;
    }
    if (text->startsWith(kTextMark)) {
        return text->mid(kTextMark.size()).toStdString();
    }
    return text->toStdString();
}

std::optional<std::int32_t> SettingsPreferencesStore::intValue(const std::string& key) const {
    const std::optional<QString> text = storedText(*m_settings, key);
    return text ? parseInt(*text) : std::nullopt;
}

void SettingsPreferencesStore::setString(const std::string& key, const std::string& value) {
    QString text = QString::fromStdString(value);
    if (text.startsWith(kIntMark) || text.startsWith(kTextMark)) {
        text.prepend(kTextMark);
    }
    m_settings->setValue(settingsKey(key), text);
}

void SettingsPreferencesStore::setInt(const std::string& key, std::int32_t value) {
    const auto bits = static_cast<quint32>(value);
    m_settings->setValue(settingsKey(key),
                         kIntMark + QStringLiteral("%1").arg(bits, 8, 16, QLatin1Char('0')));
}

void SettingsPreferencesStore::remove(const std::string& key) {
    m_settings->remove(settingsKey(key));
}

void SettingsPreferencesStore::sync() {
    m_settings->sync();
}

}  // namespace app
