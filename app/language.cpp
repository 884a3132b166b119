#include "app/language.h"

namespace app {

namespace {
// Only the user-interface thread reads or changes the language.
int g_currentLanguage = kEnglish;

int normalised(int languageId) {
    return languageId == kSpanish ? kSpanish : kEnglish;
}
}  // namespace

int languageFromText(const std::string& text) {
    return text == "2058" ? kSpanish : kEnglish;
}

int currentLanguage() {
    return g_currentLanguage;
}

void setCurrentLanguage(int languageId) {
    g_currentLanguage = normalised(languageId);
}

int languageFromIndex(int index) {
    return index == 1 ? kSpanish : kEnglish;
}

int indexFromLanguage(int languageId) {
    return normalised(languageId) == kSpanish ? 1 : 0;
}

}  // namespace app
