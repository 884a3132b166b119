#include "units/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace units {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::string TrimBlanks(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && IsBlank(text[end - 1])) {
        --end;
    }
    return std::string(text.substr(begin, end - begin));
}

std::string StripSeparators(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        if (c != ',') {
            result += c;
        }
    }
    return result;
}

double ParseDecimal(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos])) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    // from_chars takes neither a sign nor a leading "+"; the sign is applied here. A second
    // sign ("--5") leaves no valid number, which gives 0 as the C library does.
    if (pos >= text.size() || text[pos] == '+' || text[pos] == '-') {
        return 0.0;
    }
    const char* first = text.data() + pos;
    const char* last = text.data() + text.size();
    double value = 0.0;
    const auto result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec == std::errc::invalid_argument) {
        return 0.0;
    }
    if (result.ec == std::errc::result_out_of_range) {
        // Overflow unless the digits hold nothing but zeros before a negative exponent.
        bool negativeExponent = false;
        bool nonZeroMantissa = false;
        for (const char* p = first; p < result.ptr; ++p) {
            if (*p == 'e' || *p == 'E') {
                negativeExponent = (p + 1 < result.ptr && p[1] == '-');
                break;
            }
            if (*p >= '1' && *p <= '9') {
                nonZeroMantissa = true;
            }
        }
        value = (negativeExponent || !nonZeroMantissa) ? 0.0 : HUGE_VAL;
    }
    return negative ? -value : value;
}

std::int64_t ParseInteger(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos])) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    std::int64_t value = 0;
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
        const int digit = text[pos] - '0';
        if (value > (kMax - digit) / 10) {
            return negative ? std::numeric_limits<std::int64_t>::min() : kMax;
        }
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

}  // namespace units
