#include "calculators/display_unit.h"

#include "units/data_object.h"
#include "units/units_manager.h"

namespace calc {

DisplayUnit DisplayUnitOf(const units::CDataObject& object) {
    return {units::CategoryUnitSymbol(object.GetCategory()),
            [&object](double value) { return object.ToDisplay(value); }};
}

}  // namespace calc
