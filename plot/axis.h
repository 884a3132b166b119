#pragma once

#include "plot/dockable_plot_object.h"
#include "plot/line_style.h"
#include "plot/text.h"
#include "plot/tick_label.h"
#include "plot/tick_mark_info.h"
#include "plot/transform.h"

#include <vector>

namespace plot {

class CDataArea;
class CRange;

/// An axis docked beside a data area: line, ticks, labels, grid and an optional title.
/// Left and right axes follow the area's Y range, top and bottom ones its X range.
class CAxis : public CDockablePlotObject {
public:
    CAxis(std::string name, CDataArea* dataArea, int dockSide);

    CDataArea* GetDataArea() const { return m_dataArea; }
    /// The range this axis follows.
    CRange* GetRange() const;

    int IsDirty() const override;
    void ClearDirty() override;
    void Layout(Graphics& g, double x, double y, double w, double h) override;
    void DrawBackground(Graphics& g) override;
    void DrawContent(Graphics& g) override;

    double MajorTickLength(const Graphics& g) const { return m_majorTickLength * g.deviceScale(); }
    double MinorTickLength(const Graphics& g) const { return m_minorTickLength * g.deviceScale(); }
    /// The value the axis shows for a data value.
    virtual double ToAxisUnits(double v) const { return m_unitScale * v + m_unitOffset; }
    virtual double FromAxisUnits(double u) const { return (u - m_unitOffset) / m_unitScale; }

    /// Recomputes the ticks, labels and grid values from the current transform.
    void ComputeTicks(Graphics& g);

    const std::vector<CTickMarkInfo>& MajorTicks() const { return m_majorTicks; }
    std::vector<CTickMarkInfo>& MinorTicks() { return m_minorTicks; }
    const std::vector<double>& GridValues() const { return m_gridValues; }
    double TickStep() const { return m_tickStep; }
    const CTransform& GetTransform() const { return m_transform; }

    CText& GetTitle() { return m_title; }
    CText& GetLabelText() { return m_labelText; }
    LineStyle& GetAxisLine() { return m_axisLine; }
    LineStyle& GetMinorTickStyle() { return m_minorTickStyle; }
    LineStyle& GetGridStyle() { return m_gridStyle; }

    void SetLabelSpacing(int pixels);
    void SetMajorTickLength(double pixels);
    void SetMajorTicksVisible(int visible);
    void SetMinorTickLength(double pixels);
    void SetMinorTicksVisible(int visible);
    void SetGridVisible(int visible);
    void SetLabelDivisor(double divisor);
    void SetUnitOffset(double offset);
    void SetUnitScale(double scale);
    void SetLabelFormat(int format);
    int GetMajorTicksVisible() const { return m_majorTicksVisible; }
    int GetMinorTicksVisible() const { return m_minorTicksVisible; }
    int GetGridVisible() const { return m_gridVisible; }
    int GetLabelFormat() const { return m_labelFormat; }
    /// Where the title was last placed (empty when it is not drawn).
    const RectF& GetTitleRect() const { return m_titleRect; }

protected:
    void PlaceLabel(Graphics& g, CTickMarkInfo& tick) const;
    void PruneTicks();
    void BuildGridValues();
    /// The followed data span (Y for vertical axes), ordered low to high.
    void DataSpan(double& lo, double& hi) const;

    int m_labelSpacing = 0;
    double m_tickStep = 0.0;
    CText m_title;
    std::vector<CTickMarkInfo> m_majorTicks;
    std::vector<CTickMarkInfo> m_minorTicks;
    CText m_labelText;
    CTransform m_transform;
    LineStyle m_axisLine;
    double m_majorTickLength = 6.0;
    int m_majorTicksVisible = 1;
    LineStyle m_minorTickStyle;
    double m_minorTickLength = 3.0;
    int m_minorTicksVisible = 1;
    LineStyle m_gridStyle;
    int m_gridVisible = 1;
    std::vector<double> m_gridValues;
    double m_labelDivisor = 1.0;
    CDataArea* m_dataArea;
    double m_unitOffset = 0.0;
    double m_unitScale = 1.0;
    int m_labelFormat = kLabelNumber;
    RectF m_titleRect;
    RectF m_tickRect{-1.0, -1.0, -1.0, -1.0};  ///< rectangle of the last tick computation
    CTransform m_tickTransform;
};

}  // namespace plot
