#pragma once

#include "calculators/display_unit.h"

#include <string>
#include <vector>

namespace calc {

/// The outcome of an input check: one line per failing input, in checking order, under a
/// header. A dialog shows Text() in one message box when any line was added.
struct CheckMessages {
    std::string m_header;
    std::vector<std::string> m_lines;

    bool IsEmpty() const { return m_lines.empty(); }
    /// The header followed by every line, each ending in a line feed.
    std::string Text() const;
};

/// "%s must be a number between %0.3f and %0.3f %s, inclusive." filled with the label and the
/// two bounds in the display unit, smaller first (a conversion such as API gravity to density
/// reverses their order).
std::string InclusiveRangeLine(const std::string& rangeTemplate, const std::string& label,
                               double lowInternal, double highInternal, const DisplayUnit& unit);

/// "%s must be a number greater than %0.3f %s." filled with the label, the bound in the
/// display unit and the unit symbol.
std::string GreaterThanLine(const std::string& greaterTemplate, const std::string& label,
                            double boundInternal, const DisplayUnit& unit);

}  // namespace calc
