#pragma once

#include <map>
#include <string>
#include <vector>

namespace app {

/// The numbered user-interface texts in English (1033) and Spanish (2058). The program's own
/// table is built from the data files carried in the build; tests and tools may parse others.
/// Texts are UTF-8 and may hold line feeds and printf-style placeholders.
class StringTable {
public:
    /// Reads one language's data: lines "identifier<TAB>text", blank lines and lines starting
    /// with '#' skipped, escapes \n, \t and \\ in the text. Malformed lines and repeated
    /// identifiers are reported in `errors()` (one line each, with the line number) and skipped.
    void addLanguage(int languageId, const std::string& data);

    /// The text of the identifier in the language; the English text when that language lacks it;
    /// empty when neither holds it.
    std::string text(int id, int languageId) const;
    bool contains(int id, int languageId) const;
    /// Identifiers held by the language, ascending.
    std::vector<int> identifiers(int languageId) const;
    const std::vector<std::string>& errors() const { return m_errors; }

    /// The program's own table, parsed once on first use.
    static const StringTable& builtIn();

private:
    std::map<int, std::map<int, std::string>> m_texts;  // language -> identifier -> text
    std::vector<std::string> m_errors;
};

/// The built-in text of the identifier in the current language (empty for an unknown one).
std::string loadString(int id);

}  // namespace app
