#include "units/format_info.h"

#include <cmath>

namespace units {

namespace {

const PrintfFormat& GeneralFormat() {
    static const PrintfFormat format = PrintfFormat::Parse("%g", PrintfFormat::Kind::Floating);
    return format;
}

}  // namespace

CFormatInfo::CFormatInfo() {
    SetFormat("%g");
}

CFormatInfo::CFormatInfo(const std::string& format, int sigDigits) : m_sigDigits(sigDigits) {
    SetFormat(format);
}

void CFormatInfo::SetFormat(const std::string& format) {
    m_format = format;
    std::string plain;
    plain.reserve(format.size());
    m_separators = false;
    for (char c : format) {
        if (c == ',') {
            m_separators = true;
        } else {
            plain += c;
        }
    }
    if (plain.empty()) {
        plain = "%g";
    }
    m_compiled = PrintfFormat::Parse(plain, PrintfFormat::Kind::Floating);
}

double CFormatInfo::RoundToSignificant(double value, int digits) {
    if (digits <= 0 || value == 0.0 || !std::isfinite(value)) {
        return value;
    }
    const double magnitude = std::fabs(value);
    const double scale = std::pow(10.0, digits - std::floor(std::log10(magnitude)) - 1.0);
    const double scaled = scale * magnitude;
    // Very small or very large values with many digits would overflow the scale; they are
    // left as they are rather than turned into NaN.
    if (!std::isfinite(scale) || !std::isfinite(scaled) || scale == 0.0) {
        return value;
    }
    const double rounded = std::floor(scaled + 0.5) / (value < 0.0 ? -scale : scale);
    // Rounding the largest doubles up can leave the range of double.
    return std::isfinite(rounded) ? rounded : value;
}

void CFormatInfo::InsertSeparators(std::string& text) {
    // The integer digits start at the first digit (after a sign or padding) and end at the
    // first character that is not a digit: the decimal point, an exponent or the end.
    std::size_t start = 0;
    while (start < text.size() && (text[start] < '0' || text[start] > '9')) {
        ++start;
    }
    std::size_t end = start;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9') {
        ++end;
    }
    for (std::size_t k = end; k > start + 3;) {
        k -= 3;
        text.insert(k, 1, ',');
    }
}

std::string CFormatInfo::Format(double value) const {
    const double rounded = RoundToSignificant(value, m_sigDigits);
    const PrintfFormat& format = m_compiled.IsValid() ? m_compiled : GeneralFormat();
    std::string text = format.FormatDouble(rounded);
    if (m_separators) {
        InsertSeparators(text);
    }
    return text;
}

}  // namespace units
