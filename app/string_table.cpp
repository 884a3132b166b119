#include "app/string_table.h"

#include "app/language.h"

namespace app {

namespace detail {
extern const unsigned char kStrings1033[];
extern const unsigned char kStrings2058[];
}  // namespace detail

namespace {

bool unescape(const std::string& raw, std::string& out) {
    out.clear();
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] != '\\') {
            out += raw[i];
            continue;
        }
        if (i + 1 == raw.size()) {
            return false;
        }
        const char next = raw[++i];
        if (next == 'n') {
            out += '\n';
        } else if (next == 't') {
            out += '\t';
        } else if (next == '\\') {
            out += '\\';
        } else {
            return false;
        }
    }
    return true;
}

bool parseIdentifier(const std::string& text, int& id) {
    if (text.empty() || text.size() > 5) {
        return false;
    }
    id = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
        id = id * 10 + (c - '0');
    }
    return id > 0 && id <= 65535;
}

std::string asText(const unsigned char* bytes) {
    return std::string(reinterpret_cast<const char*>(bytes));
}

}  // namespace

void StringTable::addLanguage(int languageId, const std::string& data) {
    std::map<int, std::string>& texts = m_texts[languageId];
    std::size_t start = 0;
    int lineNumber = 0;
    while (start < data.size()) {
        std::size_t end = data.find('\n', start);
        if (end == std::string::npos) {
            end = data.size();
        }
        std::string line = data.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty() || line[0] == '#') {
            continue;
        }
        const std::string where =
            "language " + std::to_string(languageId) + ", line " + std::to_string(lineNumber);
        const std::size_t tab = line.find('\t');
        int id = 0;
        std::string text;
        if (tab == std::string::npos || !parseIdentifier(line.substr(0, tab), id)) {
            m_errors.push_back(where + ": expected an identifier, a tab and a text");
            continue;
        }
        if (!unescape(line.substr(tab + 1), text)) {
            m_errors.push_back(where + ": unknown escape in the text of " + std::to_string(id));
            continue;
        }
        if (!texts.emplace(id, text).second) {
            m_errors.push_back(where + ": identifier " + std::to_string(id) + " repeated");
        }
    }
}

std::string StringTable::text(int id, int languageId) const {
    for (int language : {languageId, kEnglish}) {
        auto table = m_texts.find(language);
        if (table == m_texts.end()) {
            continue;
        }
        auto found = table->second.find(id);
        if (found != table->second.end()) {
            return found->second;
        }
    }
    return std::string();
}

bool StringTable::contains(int id, int languageId) const {
    auto table = m_texts.find(languageId);
    return table != m_texts.end() && table->second.count(id) != 0;
}

std::vector<int> StringTable::identifiers(int languageId) const {
    std::vector<int> ids;
    auto table = m_texts.find(languageId);
    if (table != m_texts.end()) {
        for (const auto& entry : table->second) {
            ids.push_back(entry.first);
        }
    }
    return ids;
}

const StringTable& StringTable::builtIn() {
    static const StringTable table = [] {
        StringTable t;
        t.addLanguage(kEnglish, asText(detail::kStrings1033));
        t.addLanguage(kSpanish, asText(detail::kStrings2058));
        return t;
    }();
    return table;
}

std::string loadString(int id) {
    return StringTable::builtIn().text(id, currentLanguage());
}

}  // namespace app
