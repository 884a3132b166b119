#include "units/printf_format.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>

namespace units {

namespace {

constexpr int kMaxFieldDigits = 3;  // width and precision up to 999 keep the text bounded

// Reads up to kMaxFieldDigits digits at pos; false when there are more.
bool ReadNumber(std::string_view text, std::size_t& pos, int& value) {
    value = 0;
    int digits = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        if (++digits > kMaxFieldDigits) {
            return false;
        }
        value = value * 10 + (text[pos] - '0');
        ++pos;
    }
    return true;
}

bool IsConversionOf(char c, PrintfFormat::Kind kind) {
    if (kind == PrintfFormat::Kind::Floating) {
        return c == 'f' || c == 'F' || c == 'e' || c == 'E' || c == 'g' || c == 'G';
    }
    return c == 'd' || c == 'i';
}

}  // namespace

PrintfFormat PrintfFormat::Parse(std::string_view text, Kind kind) {
    PrintfFormat result;
    PrintfFormat invalid;
    bool found = false;
    std::string literal;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char c = text[pos++];
        if (c != '%') {
            literal += c;
            continue;
        }
        if (pos < text.size() && text[pos] == '%') {
            literal += '%';
            ++pos;
            continue;
        }
        if (found) {
            return invalid;  // a second conversion would read an argument that is not there
        }
        found = true;
        result.m_prefix = literal;
        literal.clear();
        for (; pos < text.size(); ++pos) {
            const char flag = text[pos];
            if (flag == '-') {
                result.m_leftAlign = true;
            } else if (flag == '+') {
                result.m_plusSign = true;
            } else if (flag == ' ') {
                result.m_spaceSign = true;
            } else if (flag == '0') {
                result.m_zeroPad = true;
            } else {
                break;
            }
        }
        if (!ReadNumber(text, pos, result.m_width)) {
            return invalid;
        }
        if (pos < text.size() && text[pos] == '.') {
            ++pos;
            if (!ReadNumber(text, pos, result.m_precision)) {
                return invalid;
            }
        }
        if (pos < text.size() && (text[pos] == 'l' || text[pos] == 'h')) {
            ++pos;
        }
        if (pos >= text.size() || !IsConversionOf(text[pos], kind)) {
            return invalid;
        }
        result.m_conversion = text[pos++];
    }
    if (!found) {
        return invalid;
    }
    result.m_suffix = literal;
    return result;
}

void PrintfFormat::Pad(std::string& digits) const {
    if (m_plusSign && (digits.empty() || digits[0] != '-')) {
        digits.insert(digits.begin(), '+');
    } else if (m_spaceSign && (digits.empty() || digits[0] != '-')) {
        digits.insert(digits.begin(), ' ');
    }
    const auto width = static_cast<std::size_t>(m_width);
    if (digits.size() < width) {
        const std::size_t fill = width - digits.size();
        if (m_leftAlign) {
            digits.append(fill, ' ');
        } else if (m_zeroPad && !digits.empty() &&
                   std::isdigit(static_cast<unsigned char>(digits.back()))) {
            const std::size_t signLength =
                (digits[0] == '-' || digits[0] == '+' || digits[0] == ' ') ? 1 : 0;
            digits.insert(signLength, fill, '0');
        } else {
            digits.insert(0, fill, ' ');
        }
    }
}

std::string PrintfFormat::FormatDouble(double value) const {
    if (!IsValid()) {
        return std::string();
    }
    // 309 integer digits of the largest double, 999 decimals, sign, point and exponent.
    std::array<char, 1400> buffer{};
    const int precision = m_precision < 0 ? 6 : m_precision;
    std::chars_format style = std::chars_format::general;
    switch (m_conversion) {
        case 'f':
        case 'F':
            style = std::chars_format::fixed;
            break;
        case 'e':
        case 'E':
            style = std::chars_format::scientific;
            break;
        default:
            break;
    }
    std::string digits;
    if (std::isnan(value)) {
        digits = std::signbit(value) ? "-nan" : "nan";
    } else {
        const auto result =
            std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, style, precision);
        digits.assign(buffer.data(), result.ptr);
    }
    if (m_conversion == 'F' || m_conversion == 'E' || m_conversion == 'G') {
        for (char& c : digits) {
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
    }
    Pad(digits);
    return m_prefix + digits + m_suffix;
}

std::string PrintfFormat::FormatInteger(std::int64_t value) const {
    if (!IsValid()) {
        return std::string();
    }
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    std::string digits(buffer.data(), result.ptr);
    if (m_precision >= 0) {
        const std::size_t signLength = (value < 0) ? 1 : 0;
        const auto wanted = static_cast<std::size_t>(m_precision);
        if (digits.size() - signLength < wanted) {
            digits.insert(signLength, wanted - (digits.size() - signLength), '0');
        }
        if (m_precision == 0 && value == 0) {
            digits.clear();
        }
    }
    Pad(digits);
    return m_prefix + digits + m_suffix;
}

}  // namespace units
