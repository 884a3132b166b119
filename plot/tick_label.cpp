#include "plot/tick_label.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace plot {

std::string TrimTrailingZeros(std::string text) {
    while (!text.empty() && text.back() == '0') {
        text.pop_back();
    }
    if (!text.empty() && text.back() == '.') {
        text.pop_back();
    }
    return text;
}

std::string FormatFixed(double value, int precision) {
    if (!std::isfinite(value)) {
        return std::isnan(value) ? "nan" : (value > 0 ? "inf" : "-inf");
    }
    char buf[400];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, precision);
    return std::string(buf, res.ptr);
}

std::string FormatTickNumber(double value) {
    if (!std::isfinite(value)) {
        return FormatFixed(value, 6);
    }
    std::string text = TrimTrailingZeros(FormatFixed(value, 6));
    if (text == "-0" || text.empty()) {
        text = "0";  // sums of steps leave tiny negative remainders at zero
    }
    return text;
}

std::string FormatElapsedTime(double v) {
    if (!std::isfinite(v)) {
        return FormatTickNumber(v);
    }
    const bool negative = v < 0.0;
    const double a = std::fabs(v);
    if (a >= 9.0e15) {
        return FormatTickNumber(v);
    }
    const long long s = static_cast<long long>(a);
    const long long hours = (s / 3600) % 24;
    const long long minutes = (s / 60) % 60;
    const long long secs = s % 60;
    char buf[64];
    if (s < 3600) {
        std::snprintf(buf, sizeof buf, "%02lld:%02lld", minutes, secs);
    } else {
        std::snprintf(buf, sizeof buf, "%02lld:%02lld:%02lld", hours, minutes, secs);
    }
    std::string text = buf;
    if (a != std::floor(a)) {
        const long long ms = static_cast<long long>(a * 1000.0 - static_cast<double>(s) * 1000.0);
        std::snprintf(buf, sizeof buf, ".%03lld", ms);
        text = TrimTrailingZeros(text + buf);
    }
    return negative ? "-" + text : text;
}

std::string FormatDateSerial(double serial) {
    // Serial 0 is 30 December 1899; the valid span is 1 January 100 to 31 December 9999.
    if (!std::isfinite(serial) || serial < -657434.0 || serial >= 2958466.0) {
        return "Invalid DateTime";
    }
    long long days = static_cast<long long>(std::floor(serial));
    // Days from 1970-01-01 (civil algorithm on the proleptic Gregorian calendar).
    long long z = days - 25569 + 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    long long y = yoe + era * 400;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const long long d = doy - (153 * mp + 2) / 5 + 1;
    const long long m = mp < 10 ? mp + 3 : mp - 9;
    if (m <= 2) {
        ++y;
    }
    return std::to_string(m) + "/" + std::to_string(d) + "/" + std::to_string(y);
}

std::string FormatTickLabel(double value, int labelFormat) {
    switch (labelFormat) {
        case kLabelElapsedTime:
            return FormatElapsedTime(value);
        case kLabelDate:
            return FormatDateSerial(value);
        default:
            return FormatTickNumber(value);
    }
}

}  // namespace plot
