#include "plot/dcl_data_area_curve_2d.h"

#include "units/data_object.h"
#include "units/units.h"
#include "units/units_category.h"
#include "units/units_manager.h"

namespace plot {

namespace {

std::unique_ptr<units::CDataObject> MakeValueObject(const std::string& curve, const char* axis,
                                                    int row, double* value) {
    auto object = std::make_unique<units::CDataObject>();
    object->SetName(curve + "_DCL_" + axis);
    object->SetDescription(curve + " DCL Data Area Curve 2D (" + axis + ")");
    object->SetUnits(units::CUnitsManager::InternalUnitAt(row),
                     units::CUnitsManager::CategoryKeyAt(row));
    object->InitValue(value);
    return object;
}

std::string CurrentUnitKey(const units::CDataObject& object) {
    const units::CUnitsCategory* category = object.GetCategory();
    const units::CUnits* unit = category != nullptr ? category->GetCurrentUnit() : nullptr;
    return unit != nullptr ? unit->GetKey() : std::string();
}

}  // namespace

CDCLDataAreaCurve2D::CDCLDataAreaCurve2D(std::string name, std::unique_ptr<CCurveData> xSeries,
                                         std::unique_ptr<CCurveData> ySeries, int xCategoryRow,
                                         int yCategoryRow)
    : CDataAreaCurve2D(std::move(name), std::move(xSeries), std::move(ySeries)) {
    m_xValueObject = MakeValueObject(m_name, "X", xCategoryRow, &m_pointerXValue);
    m_yValueObject = MakeValueObject(m_name, "Y", yCategoryRow, &m_pointerYValue);
}

CDCLDataAreaCurve2D::~CDCLDataAreaCurve2D() = default;

std::string CDCLDataAreaCurve2D::UnitText(const std::string& unitKey, bool ySide) {
    std::string text;
    for (char c : unitKey) {
        if (c == '_') {
            text += '/';
        } else if (c >= 'A' && c <= 'Z') {
            text += static_cast<char>(c - 'A' + 'a');
        } else {
            text += c;
        }
    }
    if (ySide) {
        if (text == "inlb") {
            return "in-lb";
        }
        if (text == "c") {
            return "\xC2\xB0"
                   "C";
        }
        if (text == "f") {
            return "\xC2\xB0"
                   "F";
        }
    }
    return text;
}

void CDCLDataAreaCurve2D::SetPointerPosition(double x, double y, int showCoordinates) {
    if (x == m_pointerX && y == m_pointerY) {
        return;
    }
    m_pointerX = x;
    m_pointerY = y;
    if (showCoordinates) {
        m_pointerXValue = m_transform.DeviceToDataX(x);
        m_pointerYValue = m_transform.DeviceToDataY(y);
        const std::string xText = m_xValueObject->GetText(units::Cell(), units::kTextValue) +
                                  UnitText(CurrentUnitKey(*m_xValueObject), false);
        const std::string yText = m_yValueObject->GetText(units::Cell(), units::kTextValue) +
                                  UnitText(CurrentUnitKey(*m_yValueObject), true);
        m_symbol.label.SetText("(" + xText + ", " + yText + ")");
    }
    m_dirty = 1;
}

}  // namespace plot
