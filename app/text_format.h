#pragma once

#include <initializer_list>
#include <string>

namespace app {

/// One argument of `formatText`: a number or a text.
class FormatArg {
public:
    FormatArg(double value) : m_kind(Kind::Number), m_number(value) {}
    FormatArg(int value) : m_kind(Kind::Number), m_number(value) {}
    FormatArg(const std::string& value) : m_kind(Kind::Text), m_text(value) {}
    FormatArg(const char* value) : m_kind(Kind::Text), m_text(value ? value : "") {}

    bool isText() const { return m_kind == Kind::Text; }
    double number() const { return m_number; }
    const std::string& text() const { return m_text; }

private:
    enum class Kind { Number, Text };
    Kind m_kind;
    double m_number = 0.0;
    std::string m_text;
};

/// Fills the printf-style placeholders of a string-table text ("%s", "%0.2f", "%.0f%%", "%d").
/// Unlike printf it never trusts the pattern: each placeholder takes the next argument and
/// converts it to what the placeholder asks for, a missing argument prints nothing, an unknown
/// conversion is copied as written, a "%" followed by a blank is plain text ("100% eff."), and
/// widths and precisions are capped so a damaged text cannot produce huge output. Numbers always
/// use "." as the decimal point.
std::string formatText(const std::string& pattern, std::initializer_list<FormatArg> args);

}  // namespace app
