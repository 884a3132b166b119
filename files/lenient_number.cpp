#include "files/lenient_number.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace files {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool failsNumberTest(std::string_view text) {
    static constexpr std::string_view kSymbols = "!#$%^&*()_=<>?/;':{}|[]`~@\"\\";
    for (char c : text) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
            return true;
        }
        if (kSymbols.find(c) != std::string_view::npos) {
            return true;
        }
    }
    return false;
}

std::string withoutCommas(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        if (c != ',') {
            result.push_back(c);
        }
    }
    return result;
}

}  // namespace

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

double decimalPrefix(std::string_view text) {
    while (!text.empty() &&
           (isBlank(text.front()) || text.front() == '\n' || text.front() == '\r' ||
            text.front() == '\v' || text.front() == '\f')) {
        text.remove_prefix(1);
    }
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // from_chars takes no sign of its own here, so "+-5" and "--5" have no prefix, as with strtod.
    if (text.empty() || !(isDigit(text.front()) || text.front() == '.')) {
        return 0.0;
    }
    double value = 0.0;
    const auto result =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // As strtod: an overflow gives infinity, an underflow 0. Only a negative exponent can
        // underflow.
        std::string_view digits(text.data(), static_cast<std::size_t>(result.ptr - text.data()));
        const bool hasNegativeExponent = digits.find("e-") != std::string_view::npos ||
                                         digits.find("E-") != std::string_view::npos;
        value = hasNegativeExponent ? 0.0 : std::numeric_limits<double>::infinity();
    } else if (result.ec != std::errc()) {
        return 0.0;
    }
    return negative ? -value : value;
}

std::int32_t integerPrefix(std::string_view text) {
    while (!text.empty() &&
           (isBlank(text.front()) || text.front() == '\n' || text.front() == '\r' ||
            text.front() == '\v' || text.front() == '\f')) {
        text.remove_prefix(1);
    }
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::int64_t value = 0;
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    for (char c : text) {
        if (!isDigit(c)) {
            break;
        }
        value = value * 10 + (c - '0');
        if (value > kLimit) {
            value = kLimit;
        }
    }
    if (negative) {
        value = -value;
    }
    if (value > std::numeric_limits<std::int32_t>::max()) {
        value = std::numeric_limits<std::int32_t>::max();
    }
    return static_cast<std::int32_t>(value);
}

double lenientNumber(std::string_view text) {
    const std::string cleaned = withoutCommas(text);
    if (failsNumberTest(cleaned)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return decimalPrefix(trimBlanks(cleaned));
}

std::int32_t lenientInteger(std::string_view text) {
    const std::string cleaned = withoutCommas(text);
    if (failsNumberTest(cleaned)) {
        return 0;
    }
    return integerPrefix(trimBlanks(cleaned));
}

std::int32_t truncateToInt32(double value) {
    constexpr double kMin = static_cast<double>(std::numeric_limits<std::int32_t>::min());
    constexpr double kMax = static_cast<double>(std::numeric_limits<std::int32_t>::max());
    if (std::isnan(value) || value <= kMin - 1.0 || value >= kMax + 1.0) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace files
