#pragma once

#include <functional>
#include <string>

namespace units {
class CDataObject;
}

namespace calc {

/// How a value held in its category's internal unit is shown to the user: the display unit's
/// symbol and its conversion. Validation messages show their bounds this way. An empty
/// conversion shows the internal value itself.
struct DisplayUnit {
    std::string m_symbol;
    std::function<double(double)> m_fromInternal;

    double ToDisplay(double internalValue) const {
        return m_fromInternal ? m_fromInternal(internalValue) : internalValue;
    }
};

/// The display unit of a data object's category: its current symbol and the object's
/// conversion from the storage unit. The object must outlive the result.
DisplayUnit DisplayUnitOf(const units::CDataObject& object);

}  // namespace calc
