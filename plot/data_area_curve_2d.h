#pragma once

#include "plot/data_area_curve.h"

namespace plot {

/// A curve of y against x from two series (the first and second series of the curve).
class CDataAreaCurve2D : public CDataAreaCurve {
public:
    CDataAreaCurve2D(std::string name, std::unique_ptr<CCurveData> xSeries,
                     std::unique_ptr<CCurveData> ySeries);

    CCurveData* XSeries() const { return m_series[0].get(); }
    CCurveData* YSeries() const { return m_series[1].get(); }

    double XMin() const override { return XSeries()->MinValue(); }
    double XMax() const override { return XSeries()->MaxValue(); }
    double YMin() const override { return YSeries()->MinValue(); }
    double YMax() const override { return YSeries()->MaxValue(); }
    int XMinIndex() const override { return XSeries()->MinIndex(); }
    int XMaxIndex() const override { return XSeries()->MaxIndex(); }
    int YMinIndex() const override { return YSeries()->MinIndex(); }
    int YMaxIndex() const override { return YSeries()->MaxIndex(); }

    /// Replaces both series; the curve is laid out again.
    virtual void SetData(std::unique_ptr<CCurveData> xSeries, std::unique_ptr<CCurveData> ySeries);
    /// Maps the points of both series through the transform into the point cache.
    virtual void ComputeDevicePoints();
    void Layout(Graphics& g, double x, double y, double w, double h) override;
};

}  // namespace plot
