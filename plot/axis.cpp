#include "plot/axis.h"

#include "plot/data_area.h"
#include "plot/range.h"
#include "plot/scale_arithmetic.h"
#include "plot/tick_label.h"

#include <algorithm>
#include <cmath>

namespace plot {

namespace {

// Ticks and grid lines within this distance of the span still count as inside; transforms
// place the far end of a span with rounding error.
constexpr double kSpanTolerance = 0.0001;
constexpr int kMaxTicks = 100;

}  // namespace

CAxis::CAxis(std::string name, CDataArea* dataArea, int dockSide)
    : CDockablePlotObject(std::move(name), dockSide), m_dataArea(dataArea) {
    m_gridStyle.color = 0xFFD3D3D3u;
    m_gridStyle.width = 1.0;
    m_title.visible = 0;
}

CRange* CAxis::GetRange() const {
    if (m_dataArea == nullptr) {
        return nullptr;
    }
    return IsVertical() ? m_dataArea->GetYRange() : m_dataArea->GetXRange();
}

int CAxis::IsDirty() const {
    if (CPlotObject::IsDirty() || m_axisLine.changed || m_minorTickStyle.changed ||
        m_gridStyle.changed || m_labelText.dirty || m_title.dirty) {
        return 1;
    }
    const CRange* range = GetRange();
    return range != nullptr && range->Changed() ? 1 : 0;
}

void CAxis::ClearDirty() {
    CPlotObject::ClearDirty();
    m_axisLine.changed = 0;
    m_minorTickStyle.changed = 0;
    m_gridStyle.changed = 0;
    m_labelText.dirty = 0;
    m_title.dirty = 0;
}

#define ZELK_AXIS_SETTER(Name, member, Type) \
    void CAxis::Name(Type value) {           \
        if (value != member) {               \
            member = value;                  \
            m_dirty = 1;                     \
        }                                    \
    }
ZELK_AXIS_SETTER(SetLabelSpacing, m_labelSpacing, int)
ZELK_AXIS_SETTER(SetMajorTickLength, m_majorTickLength, double)
ZELK_AXIS_SETTER(SetMajorTicksVisible, m_majorTicksVisible, int)
ZELK_AXIS_SETTER(SetMinorTickLength, m_minorTickLength, double)
ZELK_AXIS_SETTER(SetMinorTicksVisible, m_minorTicksVisible, int)
ZELK_AXIS_SETTER(SetGridVisible, m_gridVisible, int)
ZELK_AXIS_SETTER(SetUnitOffset, m_unitOffset, double)
ZELK_AXIS_SETTER(SetLabelFormat, m_labelFormat, int)
#undef ZELK_AXIS_SETTER

void CAxis::SetLabelDivisor(double divisor) {
    // A zero divisor would turn every label into a division by zero.
    if (divisor != 0.0 && std::isfinite(divisor) && divisor != m_labelDivisor) {
        m_labelDivisor = divisor;
        m_dirty = 1;
    }
}

void CAxis::SetUnitScale(double scale) {
    if (scale != 0.0 && std::isfinite(scale) && scale != m_unitScale) {
        m_unitScale = scale;
        m_dirty = 1;
    }
}

void CAxis::Layout(Graphics& g, double x, double y, double w, double h) {
    const bool dirty = IsDirty();
    CPlotObject::Layout(g, x, y, w, h);
    if (m_dataArea != nullptr) {
        m_transform = m_dataArea->GetTransform();
    }
    if (dirty || GetRect() != m_tickRect || m_transform != m_tickTransform) {
        ComputeTicks(g);
    }
}

void CAxis::DataSpan(double& lo, double& hi) const {
    if (IsVertical()) {
        lo = m_transform.data.y;
        hi = m_transform.data.y + m_transform.data.h;
    } else {
        lo = m_transform.data.x;
        hi = m_transform.data.x + m_transform.data.w;
    }
    if (lo > hi) {
        std::swap(lo, hi);
    }
}

void CAxis::ComputeTicks(Graphics& g) {
    m_tickRect = GetRect();
    m_tickTransform = m_transform;
    m_majorTicks.clear();
    double dlo = 0.0;
    double dhi = 0.0;
    DataSpan(dlo, dhi);
    double lo = ToAxisUnits(dlo);
    double hi = ToAxisUnits(dhi);
    if (lo > hi) {
        std::swap(lo, hi);
    }
    std::vector<double> values;
    if (m_labelSpacing >= 1) {
        const double spacing = m_labelSpacing * g.deviceScale();
        const double length = IsVertical() ? m_tickRect.h : m_tickRect.w;
        const int n = static_cast<int>(std::round(length / spacing)) - 1;
        if (n > 1) {
            LooseLabelResult loose = LooseLabels(n, lo, hi);
            m_tickStep = loose.step;
            values = std::move(loose.values);
            if (values.size() > static_cast<std::size_t>(kMaxTicks)) {
                values.resize(kMaxTicks);
            }
        }
    } else {
        double a = lo / m_labelDivisor;
        double b = hi / m_labelDivisor;
        double step = AutoRange(0.0, 0.0, 1.0, 1.0, a, b);
        a *= m_labelDivisor;
        step *= m_labelDivisor;
        m_tickStep = step;
        if (step > 0.0 && std::isfinite(step)) {
            const double countReal = std::round((b * m_labelDivisor - a) / step) + 1.0;
            const int count = static_cast<int>(std::clamp(countReal, 0.0, double{kMaxTicks}));
            for (int i = 0; i < count; ++i) {
                values.push_back(a + i * step);
            }
        }
    }
    for (double v : values) {
        CTickMarkInfo tick;
        tick.value = v;
        tick.label = FormatTickLabel(v / m_labelDivisor, m_labelFormat);
        const double data = FromAxisUnits(v);
        tick.position =
            IsVertical() ? m_transform.DataToDeviceY(data) : m_transform.DataToDeviceX(data);
        PlaceLabel(g, tick);
        m_majorTicks.push_back(std::move(tick));
    }
    PruneTicks();
    BuildGridValues();
}

void CAxis::PlaceLabel(Graphics& g, CTickMarkInfo& tick) const {
    const SizeF size = g.measureString(tick.label, m_labelText.GetFont(), SizeF{0.0, 0.0},
                                       TextFormat(1, 1, false));
    const RectF r = GetRect();
    const double len = MajorTickLength(g);
    RectF& lr = tick.labelRect;
    lr.w = size.width;
    lr.h = size.height;
    switch (m_dockSide) {
        case kDockTop:
            lr.x = tick.position - size.width / 2.0;
            lr.y = r.y + r.h - len - size.height;
            break;
        case kDockBottom:
            lr.x = tick.position - size.width / 2.0;
            lr.y = r.y + len;
            break;
        case kDockLeft:
            lr.x = r.x + r.w - len - size.width;
            lr.y = tick.position - size.height / 2.0;
            break;
        default:
            lr.x = r.x + len;
            lr.y = tick.position - size.height / 2.0;
            break;
    }
}

void CAxis::PruneTicks() {
    const RectF r = GetRect();
    const double lo = (IsVertical() ? r.y : r.x) - kSpanTolerance;
    const double hi = (IsVertical() ? r.y + r.h : r.x + r.w) + kSpanTolerance;
    m_majorTicks.erase(
        std::remove_if(m_majorTicks.begin(), m_majorTicks.end(),
                       [&](const CTickMarkInfo& t) { return t.position < lo || t.position > hi; }),
        m_majorTicks.end());
    auto overlapping = [this] {
        for (std::size_t i = 1; i < m_majorTicks.size(); ++i) {
            if (m_majorTicks[i - 1].labelRect.intersects(m_majorTicks[i].labelRect)) {
                return true;
            }
        }
        return false;
    };
    while (m_majorTicks.size() > 2 && overlapping()) {
        for (std::size_t i = m_majorTicks.size() - 1; i >= 1; --i) {
            if (i % 2 == 1) {
                m_majorTicks.erase(m_majorTicks.begin() + static_cast<std::ptrdiff_t>(i));
            }
        }
    }
}

void CAxis::BuildGridValues() {
    m_gridValues.clear();
    double lo = 0.0;
    double hi = 0.0;
    DataSpan(lo, hi);
    for (const CTickMarkInfo& tick : m_majorTicks) {
        const double v = FromAxisUnits(tick.value);
        if (v >= lo - kSpanTolerance && v <= hi + kSpanTolerance) {
            m_gridValues.push_back(v);
        }
    }
}

void CAxis::DrawBackground(Graphics& g) {
    CPlotObject::DrawBackground(g);
    if (!m_visible || !m_gridVisible || m_dataArea == nullptr ||
        m_gridStyle.color.isTransparent()) {
        return;
    }
    const RectF area = m_dataArea->GetRect();
    const Pen pen = g.makePen(m_gridStyle);
    g.save();
    g.intersectClip(area);
    for (double v : m_gridValues) {
        if (IsVertical()) {
            const double y = m_transform.DataToDeviceY(v);
            g.drawLine(pen, area.x, y, area.x + area.w, y);
        } else {
            const double x = m_transform.DataToDeviceX(v);
            g.drawLine(pen, x, area.y, x, area.y + area.h);
        }
    }
    g.restore();
}

void CAxis::DrawContent(Graphics& g) {
    if (!m_visible) {
        return;
    }
    const RectF r = GetRect();
    m_titleRect = RectF{};
    if (m_title.visible && !m_title.text.empty()) {
        // The title takes the outer edge of the axis rectangle, beyond the labels.
        const SizeF size = m_title.Measure(g, SizeF{r.w, r.h});
        switch (m_dockSide) {
            case kDockTop:
                m_titleRect = RectF{r.x, r.y, r.w, size.height};
                break;
            case kDockBottom:
                m_titleRect = RectF{r.x, r.y + r.h - size.height, r.w, size.height};
                break;
            case kDockLeft:
                m_titleRect = RectF{r.x, r.y, size.width, r.h};
                break;
            default:
                m_titleRect = RectF{r.x + r.w - size.width, r.y, size.width, r.h};
                break;
        }
        m_title.Draw(g, m_titleRect);
    }
    if (!m_axisLine.color.isTransparent()) {
        const Pen pen = g.makePen(m_axisLine);
        switch (m_dockSide) {
            case kDockTop:
                g.drawLine(pen, r.x, r.y + r.h, r.x + r.w, r.y + r.h);
                break;
            case kDockBottom:
                g.drawLine(pen, r.x, r.y, r.x + r.w, r.y);
                break;
            case kDockLeft:
                g.drawLine(pen, r.x + r.w, r.y, r.x + r.w, r.y + r.h);
                break;
            default:
                g.drawLine(pen, r.x, r.y, r.x, r.y + r.h);
                break;
        }
    }
    auto drawTicks = [&](const std::vector<CTickMarkInfo>& ticks, const LineStyle& style,
                         double length) {
        const Pen pen = g.makePen(style);
        const double lo = (IsVertical() ? r.y : r.x) - kSpanTolerance;
        const double hi = (IsVertical() ? r.y + r.h : r.x + r.w) + kSpanTolerance;
        for (const CTickMarkInfo& t : ticks) {
            if (t.position < lo || t.position > hi) {
                continue;
            }
            switch (m_dockSide) {
                case kDockTop:
                    g.drawLine(pen, t.position, r.y + r.h, t.position, r.y + r.h - length);
                    break;
                case kDockBottom:
                    g.drawLine(pen, t.position, r.y, t.position, r.y + length);
                    break;
                case kDockLeft:
                    g.drawLine(pen, r.x + r.w, t.position, r.x + r.w - length, t.position);
                    break;
                default:
                    g.drawLine(pen, r.x, t.position, r.x + length, t.position);
                    break;
            }
        }
    };
    if (m_majorTicksVisible && !m_axisLine.color.isTransparent()) {
        drawTicks(m_majorTicks, m_axisLine, MajorTickLength(g));
    }
    const TextFormat format(1, 1, false);
    for (const CTickMarkInfo& t : m_majorTicks) {
        if (t.labelled && !t.label.empty()) {
            g.drawString(t.label, m_labelText.GetFont(), m_labelText.color, t.labelRect, format);
        }
    }
    if (m_minorTicksVisible && !m_minorTicks.empty() && !m_minorTickStyle.color.isTransparent()) {
        drawTicks(m_minorTicks, m_minorTickStyle, MinorTickLength(g));
    }
}

}  // namespace plot
