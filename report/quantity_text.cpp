#include "report/quantity_text.h"

#include "units/format_info.h"
#include "units/units.h"
#include "units/units_category.h"
#include "units/units_manager.h"

namespace report {

namespace {

const units::CUnits* InternalUnit(const std::string& categoryKey) {
    const int row = units::CUnitsManager::CategoryIndexOf(categoryKey);
    if (units::CUnitsManager::CategoryKeyAt(row) != categoryKey) {
        return nullptr;
    }
    return units::FindUnit(units::CUnitsManager::InternalUnitAt(row));
}

}  // namespace

std::string NumberText(double value, const std::string& format) {
    return units::CFormatInfo(format).Format(value);
}

double DisplayValue(double internalValue, const std::string& categoryKey) {
    const units::CUnitsCategory* category = units::FindCategory(categoryKey);
    if (category == nullptr) {
        return internalValue;
    }
    return units::Convert(internalValue, InternalUnit(categoryKey), category->GetCurrentUnit());
}

std::string QuantityText(double internalValue, const std::string& categoryKey,
                         const std::string& format) {
    const units::CUnitsCategory* category = units::FindCategory(categoryKey);
    if (category == nullptr) {
        return NumberText(internalValue, format.empty() ? std::string("%g") : format);
    }
    const double shown = DisplayValue(internalValue, categoryKey);
    std::string text;
    if (!format.empty()) {
        text = NumberText(shown, format);
    } else {
        const units::CUnits* unit = category->GetCurrentUnit();
        const units::CFormatInfo* stored =
            unit != nullptr ? category->FindFormat(unit->GetKey()) : nullptr;
        text = stored != nullptr ? stored->Format(shown) : NumberText(shown, "%g");
    }
    const std::string symbol = units::CategoryUnitSymbol(category);
    if (!symbol.empty()) {
        text += " " + symbol;
    }
    return text;
}

}  // namespace report
