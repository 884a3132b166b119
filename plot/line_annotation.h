#pragma once

#include "plot/data_area_object.h"
#include "plot/text.h"

namespace plot {

/// The straight line y = slope * x + intercept in data units, labelled with its own name.
/// A slope of exactly kVerticalSlope marks a vertical line; give it the intercept
/// -c * kVerticalSlope to stand at x = c.
class CLineAnnotation : public CDataAreaObject {
public:
    static constexpr double kVerticalSlope = 1e15;

    CLineAnnotation(std::string name, double slope, double intercept);

    double GetSlope() const { return m_slope; }
    double GetIntercept() const { return m_intercept; }
    void SetSlope(double slope);
    void SetIntercept(double intercept);
    /// Limits in data units (start and length); a length of 0 or less means no limit.
    void SetLimits(double xStart, double xLength, double yStart, double yLength);
    CText& GetLabel() { return m_label; }
    const PointF& Start() const { return m_start; }
    const PointF& End() const { return m_end; }

    int IsDirty() const override { return CDataAreaObject::IsDirty() || m_label.dirty; }
    void ClearDirty() override;
    void Layout(Graphics& g, double x, double y, double w, double h) override;
    void Draw(Graphics& g) override;

private:
    double m_slope;
    double m_intercept;
    CText m_label;
    PointF m_start;
    PointF m_end;
    double m_xLimitStart = 0.0;
    double m_xLimitLength = 0.0;
    double m_yLimitStart = 0.0;
    double m_yLimitLength = 0.0;
    RectF m_labelRect;
};

}  // namespace plot
