#pragma once

#include "report/page_item.h"

namespace report {

/// A straight line between two points of the page, in inches.
class CPageItemLine : public CPageItem {
public:
    CPageItemLine();

    virtual double GetX1() const { return m_x1; }
    virtual double GetY1() const { return m_y1; }
    virtual double GetX2() const { return m_x2; }
    virtual double GetY2() const { return m_y2; }
    /// Sets both end points, in inches; the item's rectangle becomes their bounding box.
    virtual void SetPoints(double x1, double y1, double x2, double y2);
    virtual double GetLineWidth() const { return m_lineWidth; }
    virtual void SetLineWidth(double pixels) { m_lineWidth = pixels; }
    virtual plot::Color GetLineColor() const { return m_lineColor; }
    virtual void SetLineColor(plot::Color color) { m_lineColor = color; }
    virtual int GetDashStyle() const { return m_dashStyle; }
    virtual void SetDashStyle(int style) { m_dashStyle = style; }

    void Draw(plot::Graphics& graphics) override;

private:
    double m_x1 = 0.0;
    double m_y1 = 0.0;
    double m_x2 = 0.0;
    double m_y2 = 0.0;
    double m_lineWidth = 1.0;  // 96-dpi pixels
    plot::Color m_lineColor = 0xFF000000u;
    int m_dashStyle = 0;
};

}  // namespace report
