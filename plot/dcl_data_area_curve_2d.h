#pragma once

#include "plot/data_area_curve_2d.h"

#include <memory>

namespace units {
class CDataObject;
}

namespace plot {

/// A 2D curve whose pointer read-out shows the point in the current display units of two
/// unit categories, through two value objects the curve owns.
class CDCLDataAreaCurve2D : public CDataAreaCurve2D {
public:
    /// The rows are application category rows: they give each axis's category and the
    /// internal unit the values are stored in.
    CDCLDataAreaCurve2D(std::string name, std::unique_ptr<CCurveData> xSeries,
                        std::unique_ptr<CCurveData> ySeries, int xCategoryRow, int yCategoryRow);
    ~CDCLDataAreaCurve2D() override;

    units::CDataObject* XValueObject() const { return m_xValueObject.get(); }
    units::CDataObject* YValueObject() const { return m_yValueObject.get(); }
    double PointerXValue() const { return m_pointerXValue; }
    double PointerYValue() const { return m_pointerYValue; }

    void SetPointerPosition(double x, double y, int showCoordinates) override;

    /// The read-out text of a unit key: lower case with '/' for '_'; on the Y side "inlb",
    /// "c" and "f" read "in-lb", "°C" and "°F".
    static std::string UnitText(const std::string& unitKey, bool ySide);

private:
    std::unique_ptr<units::CDataObject> m_xValueObject;
    std::unique_ptr<units::CDataObject> m_yValueObject;
    double m_pointerXValue = 0.0;
    double m_pointerYValue = 0.0;
};

}  // namespace plot
