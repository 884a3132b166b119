#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace units {

/// A printf-style format holding exactly one numeric conversion, checked before use so that a
/// format string taken from data can never reach the C library's printf. Supported: literal
/// text with "%%", flags "-+ 0", a width and a precision of up to three digits each, an
/// optional "l" or "h" length letter, and f F e E g G (floating) or d i (integer). Formatting
/// never consults the process locale: the decimal point is always ".".
class PrintfFormat {
public:
    enum class Kind { Floating, Integer };

    /// An invalid format (IsValid() false) until Parse succeeds.
    PrintfFormat() = default;

    /// Parses text; the result is invalid unless it holds exactly one conversion of the kind.
    static PrintfFormat Parse(std::string_view text, Kind kind);

    bool IsValid() const { return m_conversion != 0; }
    std::string FormatDouble(double value) const;
    std::string FormatInteger(std::int64_t value) const;

private:
    void Pad(std::string& digits) const;

    std::string m_prefix;
    std::string m_suffix;
    char m_conversion = 0;
    bool m_leftAlign = false;
    bool m_plusSign = false;
    bool m_spaceSign = false;
    bool m_zeroPad = false;
    int m_width = 0;
    int m_precision = -1;  // -1: none given
};

}  // namespace units
