#include "app/text_format.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

namespace app {

namespace {

constexpr int kMaxWidth = 64;
constexpr int kMaxPrecision = 20;

std::string formatNumber(const std::string& spec, char conversion, double value) {
    char buffer[512];
    if (std::strchr("diouxX", conversion) != nullptr) {
        long long whole = 0;
        if (std::isfinite(value)) {
            // Inside the range of long long (whose maximum is not exactly representable).
            const double limit = 9.0e18;
            whole = static_cast<long long>(std::fmax(-limit, std::fmin(limit, std::trunc(value))));
        }
        const std::string full = spec + "ll" + conversion;
        std::snprintf(buffer, sizeof buffer, full.c_str(), whole);
    } else {
        const std::string full = spec + conversion;
        std::snprintf(buffer, sizeof buffer, full.c_str(), value);
    }
    return buffer;
}

// Reads up to `limit` digits and returns the number, capped at `cap`.
int readNumber(const std::string& pattern, std::size_t& i, int cap) {
    int value = 0;
    while (i < pattern.size() && pattern[i] >= '0' && pattern[i] <= '9') {
        value = value * 10 + (pattern[i] - '0');
        if (value > cap) {
            value = cap;
        }
        ++i;
    }
    return value;
}

}  // namespace

std::string formatText(const std::string& pattern, std::initializer_list<FormatArg> args) {
    std::vector<FormatArg> values(args);
    std::size_t next = 0;
    std::string out;
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char c = pattern[i];
        if (c != '%') {
            out += c;
            ++i;
            continue;
        }
        const std::size_t start = i++;
        if (i < pattern.size() && pattern[i] == '%') {
            out += '%';
            ++i;
            continue;
        }
        std::string spec = "%";
        while (i < pattern.size() && std::strchr("-+#0", pattern[i]) != nullptr) {
            spec += pattern[i++];
        }
        const bool hasWidth = i < pattern.size() && pattern[i] >= '1' && pattern[i] <= '9';
        const int width = hasWidth ? readNumber(pattern, i, kMaxWidth) : 0;
        if (hasWidth) {
            spec += std::to_string(width);
        }
        if (i < pattern.size() && pattern[i] == '.') {
            ++i;
            spec += '.' + std::to_string(readNumber(pattern, i, kMaxPrecision));
        }
        while (i < pattern.size() && std::strchr("hlLqjzt", pattern[i]) != nullptr) {
            ++i;  // length modifiers: the argument's own type decides
        }
        if (i >= pattern.size() || std::strchr("sdiouxXfFeEgG", pattern[i]) == nullptr) {
            out += pattern.substr(start, i - start);  // not a placeholder: keep it as written
            continue;
        }
        const char conversion = pattern[i++];
        if (next >= values.size()) {
            continue;
        }
        const FormatArg& arg = values[next++];
        if (conversion == 's') {
            std::string text = arg.isText() ? arg.text() : formatNumber("%", 'g', arg.number());
            if (static_cast<int>(text.size()) < width) {
                const std::string pad(static_cast<std::size_t>(width) - text.size(), ' ');
                text = spec.find('-') != std::string::npos ? text + pad : pad + text;
            }
            out += text;
        } else {
            const double number =
                arg.isText() ? std::strtod(arg.text().c_str(), nullptr) : arg.number();
            out += formatNumber(spec, conversion, number);
        }
    }
    return out;
}

}  // namespace app
