#pragma once

#include <string>

namespace app {

/// The two user-interface languages, by their Windows language identifiers, which are also what
/// the preferences store and design files keep.
constexpr int kEnglish = 1033;
constexpr int kSpanish = 2058;

/// The language named by a stored "Lang" text: "2058" is Spanish, "1033" and anything else
/// (missing, damaged, another language) is English.
int languageFromText(const std::string& text);

/// The language in force for every text the program shows. Starts as English; setting anything
/// other than 1033 or 2058 selects English.
int currentLanguage();
void setCurrentLanguage(int languageId);

/// The language dialog lists "English" (index 0) and "Español" (index 1).
int languageFromIndex(int index);
int indexFromLanguage(int languageId);

}  // namespace app
