#include "calculators/text_format.h"

#include <cstdio>
#include <cstring>

namespace calc {
namespace {

// Writes one numeric conversion with the C library so width, precision and flags behave as
// the string table's authors expect; the conversion text is rebuilt from checked parts only.
std::string FormatNumber(const std::string& spec, double value) {
    char buffer[512];
    const int written = std::snprintf(buffer, sizeof buffer, spec.c_str(), value);
    if (written < 0) {
        return spec;
    }
    return std::string(buffer, static_cast<std::size_t>(written) < sizeof buffer
                                   ? static_cast<std::size_t>(written)
                                   : sizeof buffer - 1);
}

}  // namespace

std::string FormatText(const std::string& format, const std::vector<FormatArg>& args) {
    std::string out;
    std::size_t next = 0;
    std::size_t i = 0;
    while (i < format.size()) {
        const char c = format[i];
        if (c != '%') {
            out += c;
            ++i;
            continue;
        }
        if (i + 1 < format.size() && format[i + 1] == '%') {
            out += '%';
            i += 2;
            continue;
        }
        // Parse %[flags][width][.precision]conversion, with small widths only.
        std::size_t j = i + 1;
        while (j < format.size() && std::strchr("-+ 0#", format[j]) != nullptr) {
            ++j;
        }
        std::size_t digits = 0;
        while (j < format.size() && format[j] >= '0' && format[j] <= '9' && digits < 2) {
            ++j;
            ++digits;
        }
        if (j < format.size() && format[j] == '.') {
            ++j;
            digits = 0;
            while (j < format.size() && format[j] >= '0' && format[j] <= '9' && digits < 2) {
                ++j;
                ++digits;
            }
        }
        if (j >= format.size()) {
            out.append(format, i, std::string::npos);
            break;
        }
        const char conversion = format[j];
        const std::string spec = format.substr(i, j - i + 1);
        const bool isNumber = std::strchr("fFeEgG", conversion) != nullptr;
        const bool isText = conversion == 's';
        if (next < args.size() && isText && std::holds_alternative<std::string>(args[next])) {
            out += std::get<std::string>(args[next]);
            ++next;
        } else if (next < args.size() && isNumber && std::holds_alternative<double>(args[next])) {
            out += FormatNumber(spec, std::get<double>(args[next]));
            ++next;
        } else {
            out += spec;
        }
        i = j + 1;
    }
    return out;
}

std::string LabelBeforeParenthesis(const std::string& label) {
    const std::size_t cut = label.find('(');
    return cut == std::string::npos ? label : label.substr(0, cut);
}

}  // namespace calc
