#include "plot/line_annotation.h"

#include <algorithm>

namespace plot {

CLineAnnotation::CLineAnnotation(std::string name, double slope, double intercept)
    : CDataAreaObject(name), m_slope(slope), m_intercept(intercept), m_label(name) {
    m_label.multiLine = 0;
}

void CLineAnnotation::SetSlope(double slope) {
    if (slope != m_slope) {
        m_slope = slope;
        m_dirty = 1;
    }
}

void CLineAnnotation::SetIntercept(double intercept) {
    if (intercept != m_intercept) {
        m_intercept = intercept;
        m_dirty = 1;
    }
}

void CLineAnnotation::SetLimits(double xStart, double xLength, double yStart, double yLength) {
    if (xStart != m_xLimitStart || xLength != m_xLimitLength || yStart != m_yLimitStart ||
        yLength != m_yLimitLength) {
        m_xLimitStart = xStart;
        m_xLimitLength = xLength;
        m_yLimitStart = yStart;
        m_yLimitLength = yLength;
        m_dirty = 1;
    }
}

void CLineAnnotation::ClearDirty() {
    CDataAreaObject::ClearDirty();
    m_label.dirty = 0;
}

void CLineAnnotation::Layout(Graphics& g, double x, double y, double w, double h) {
    const RectF rect{x, y, w, h};
    if (!IsDirty() && rect == m_rect) {
        return;
    }
    m_rect = rect;
    const RectF& data = m_transform.data;
    double y0 = std::min(data.y, data.y + data.h);
    double y1 = std::max(data.y, data.y + data.h);
    if (m_yLimitLength > 0.0) {
        y0 = std::max(y0, m_yLimitStart);
        y1 = std::min(y1, m_yLimitStart + m_yLimitLength);
    }
    PointF a;
    PointF b;
    if (m_slope == kVerticalSlope) {
        a = {(y0 - m_intercept) / m_slope, y0};
        b = {(y1 - m_intercept) / m_slope, y1};
    } else {
        double x0 = std::min(data.x, data.x + data.w);
        double x1 = std::max(data.x, data.x + data.w);
        if (m_xLimitLength > 0.0) {
            x0 = std::max(x0, m_xLimitStart);
            x1 = std::min(x1, m_xLimitStart + m_xLimitLength);
        }
        // Pull each end back to where the line crosses the Y bounds.
        auto clampEnd = [&](double xe) {
            const double ye = m_slope * xe + m_intercept;
            if (m_slope != 0.0 && ye > y1) {
                return (y1 - m_intercept) / m_slope;
            }
            if (m_slope != 0.0 && ye < y0) {
                return (y0 - m_intercept) / m_slope;
            }
            return xe;
        };
        x0 = clampEnd(x0);
        x1 = clampEnd(x1);
        a = {x0, m_slope * x0 + m_intercept};
        b = {x1, m_slope * x1 + m_intercept};
    }
    m_start = {m_transform.DataToDeviceX(a.x), m_transform.DataToDeviceY(a.y)};
    m_end = {m_transform.DataToDeviceX(b.x), m_transform.DataToDeviceY(b.y)};
    // The label goes at the upper end of the line (smaller device y).
    const PointF& top = m_start.y <= m_end.y ? m_start : m_end;
    const SizeF size = m_label.Measure(g, SizeF{0.0, 0.0});
    m_labelRect = RectF{top.x, top.y, size.width, size.height};
    if (!m_rect.containsRect(m_labelRect)) {
        m_labelRect.x -= size.width;
        m_labelRect.y -= size.height;
        if (!m_rect.containsRect(m_labelRect)) {
            m_labelRect.x = top.x - size.width / 2.0;
        }
    }
}

void CLineAnnotation::Draw(Graphics& g) {
    if (!m_visible) {
        return;
    }
    g.save();
    g.intersectClip(RectF{m_rect.x - 1.0, m_rect.y - 1.0, m_rect.w + 4.0, m_rect.h + 4.0});
    g.drawLine(g.makePen(m_line), m_start.x, m_start.y, m_end.x, m_end.y);
    if (m_label.visible) {
        m_label.Draw(g, m_labelRect);
    }
    g.restore();
    ClearDirty();
}

}  // namespace plot
