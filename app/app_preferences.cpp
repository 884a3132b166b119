#include "app/app_preferences.h"

#include "app/language.h"
#include "units/preferences_store.h"

#include <cstdint>

namespace app {

namespace {

// The four bytes of a 32-bit value in storage order (least significant first), read as text up
// to the first zero byte, the way a registry DWORD read as a string would come out.
std::string bytesAsText(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    std::string text;
    for (int i = 0; i < 4; ++i) {
        const char c = static_cast<char>((bits >> (8 * i)) & 0xFFu);
        if (c == '\0') {
            break;
        }
        text += c;
    }
    return text;
}

std::int32_t textAsBytes(const std::string& text) {
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < text.size() && i < 4; ++i) {
        bits |= static_cast<std::uint32_t>(static_cast<unsigned char>(text[i])) << (8 * i);
    }
    return static_cast<std::int32_t>(bits);
}

}  // namespace

std::string AppPreferences::rawText(const char* key) const {
    if (auto number = m_store.intValue(key)) {
        return bytesAsText(*number);
    }
    std::string text = m_store.stringValue(key).value_or(std::string());
    const std::size_t zero = text.find('\0');
    return zero == std::string::npos ? text : text.substr(0, zero);
}

std::string AppPreferences::languageText() const {
    return rawText(kLangKey).substr(0, 4);
}

int AppPreferences::storedLanguage() const {
    return languageFromText(languageText());
}

void AppPreferences::writeLanguage(int languageId) {
    const int language = languageId == kSpanish ? kSpanish : kEnglish;
    m_store.setInt(kLangKey, textAsBytes(std::to_string(language)));
}

int AppPreferences::stepPictureCounter() {
    const std::string text = rawText(kAdvertNumberKey);
    int counter = 0;
    if (!text.empty() && text[0] >= '0' && text[0] <= '9') {
        counter = text[0] - '0';
    }
    counter = (counter + 1) % 6;
    m_store.setInt(kAdvertNumberKey, textAsBytes(std::to_string(counter)));
    return counter;
}

}  // namespace app
