#include "calculators/check_messages.h"

#include "calculators/text_format.h"

#include <utility>

namespace calc {

std::string CheckMessages::Text() const {
    std::string text = m_header;
    for (const std::string& line : m_lines) {
        text += line;
        text += '\n';
    }
    return text;
}

std::string InclusiveRangeLine(const std::string& rangeTemplate, const std::string& label,
                               double lowInternal, double highInternal, const DisplayUnit& unit) {
    double low = unit.ToDisplay(lowInternal);
    double high = unit.ToDisplay(highInternal);
    if (low > high) {
        std::swap(low, high);
    }
    return FormatText(rangeTemplate, {label, low, high, unit.m_symbol});
}

std::string GreaterThanLine(const std::string& greaterTemplate, const std::string& label,
                            double boundInternal, const DisplayUnit& unit) {
    return FormatText(greaterTemplate, {label, unit.ToDisplay(boundInternal), unit.m_symbol});
}

}  // namespace calc
