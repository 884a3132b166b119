#include "app/qt/unit_text.h"

#include "app/qt/ui_text.h"
#include "app/text_format.h"
#include "units/format_info.h"
#include "units/units_category.h"
#include "units/units_manager.h"

namespace app {

double toDisplayUnit(const char* category, const char* valueUnit, double value) {
    const units::CUnitsCategory* c = units::FindCategory(category);
    if (c == nullptr) {
        return value;
    }
    return units::Convert(value, units::FindUnit(valueUnit), c->GetCurrentUnit());
}

QString unitSymbol(const char* category) {
    return toQString(units::CategoryUnitSymbol(category));
}

QString valueWithUnit(const char* category, const char* valueUnit, double value,
                      const std::string& format) {
    const double shown = toDisplayUnit(category, valueUnit, value);
    std::string text;
    if (!format.empty()) {
        text = formatText(format, {shown});
    } else {
        const units::CUnitsCategory* c = units::FindCategory(category);
        units::CFormatInfo info;
        if (c != nullptr && c->GetCurrentUnit() != nullptr) {
            units::CUnitsManager::GetFormat(c, c->GetCurrentUnit()->GetKey(), info);
        }
        text = info.Format(shown);
    }
    const QString symbol = unitSymbol(category);
    return symbol.isEmpty() ? toQString(text) : toQString(text) + QLatin1Char(' ') + symbol;
}

DisplayBound displayBound(const std::string& category, double internalValue) {
    const int row = units::CUnitsManager::CategoryIndexOf(category);
    const std::string internalUnit = units::CUnitsManager::InternalUnitAt(row);
    const double shown = toDisplayUnit(category.c_str(), internalUnit.c_str(), internalValue);
    return DisplayBound{shown, units::CategoryUnitSymbol(category)};
}

}  // namespace app
