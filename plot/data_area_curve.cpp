#include "plot/data_area_curve.h"

#include "plot/tick_label.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace plot {

namespace {

// A tooltip belongs to a point when the mouse is this close in x and in y (pixels).
constexpr double kTooltipDistance = 3.0;

}  // namespace

CDataAreaCurve::CDataAreaCurve(std::string name) : CDataAreaObject(std::move(name)) {}

void CDataAreaCurve::SetSymbolPlacement(int placement) {
    if (placement != m_symbolPlacement) {
        m_symbolPlacement = placement;
        m_symbolDirty = 1;
    }
}

void CDataAreaCurve::SetHighlightColor(Color c) {
    if (c != m_highlightColor) {
        m_highlightColor = c;
        m_dirty = 1;
    }
}

void CDataAreaCurve::SetHighlighted(int highlighted) {
    if (highlighted != m_highlighted) {
        m_highlighted = highlighted;
        m_dirty = 1;
    }
}

void CDataAreaCurve::SetLineVisible(int visible) {
    if (visible != m_lineVisible) {
        m_lineVisible = visible;
        m_dirty = 1;
    }
}

int CDataAreaCurve::IsDirty() const {
    return CDataAreaObject::IsDirty() || m_symbolDirty || m_symbol.outline.changed ||
           m_symbol.label.dirty;
}

void CDataAreaCurve::ClearDirty() {
    CDataAreaObject::ClearDirty();
    m_symbolDirty = 0;
    m_symbol.outline.changed = 0;
    m_symbol.label.dirty = 0;
}

void CDataAreaCurve::SetTransform(const CTransform& transform) {
    if (transform != m_transform) {
        m_laidOut = 0;
    }
    CDataAreaObject::SetTransform(transform);
}

int CDataAreaCurve::PointCount() const {
    if (m_series.empty()) {
        return 0;
    }
    int n = std::numeric_limits<int>::max();
    for (const auto& s : m_series) {
        n = std::min(n, s ? s->Count() : 0);
    }
    return n;
}

void CDataAreaCurve::SetPointerPosition(double x, double y, int showCoordinates) {
    if (x == m_pointerX && y == m_pointerY) {
        return;
    }
    m_pointerX = x;
    m_pointerY = y;
    if (showCoordinates) {
        const double dx = m_transform.DeviceToDataX(x);
        const double dy = m_transform.DeviceToDataY(y);
        m_symbol.label.SetText("(" + FormatFixed(dx, 1) + ", " + FormatFixed(dy, 1) + ")");
    }
    m_dirty = 1;
}

int CDataAreaCurve::NearestPoint(double x, double y, PointF* point) const {
    const CPointCache& cache = Cache();
    int best = -1;
    double bestDistance = 0.0;
    for (int i = cache.start; i < cache.end; ++i) {
        const PointF& p = cache.points[static_cast<std::size_t>(i)];
        const double d = std::hypot(p.x - x, p.y - y);
        if (!std::isfinite(d)) {
            continue;  // a point that is not a number is nowhere
        }
        if (best < 0 || d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    if (point != nullptr) {
        *point = best < 0 ? PointF{-1.0, -1.0} : cache.points[static_cast<std::size_t>(best)];
    }
    return best;
}

std::string CDataAreaCurve::GetTooltipText(double x, double y) {
    if (!m_tooltipsEnabled || m_series.size() < 2) {
        return std::string();
    }
    const CPointCache& cache = Cache();
    for (int i = cache.start; i < cache.end; ++i) {
        const PointF& p = cache.points[static_cast<std::size_t>(i)];
        if (std::fabs(p.x - x) <= kTooltipDistance && std::fabs(p.y - y) <= kTooltipDistance) {
            std::string text = m_series[0]->LabelAt(i) + m_series[1]->LabelAt(i);
            if (text.empty()) {
                text = FormatTickNumber(m_series[0]->At(i)) + ", " +
                       FormatTickNumber(m_series[1]->At(i));
            }
            return text;
        }
    }
    return std::string();
}

RectF CDataAreaCurve::ClipRect() const {
    const RectF& d = m_transform.device;
    return RectF{d.x + 1.0, d.y + 1.0, d.w - 2.0, d.h - 2.0};
}

void CDataAreaCurve::Draw(Graphics& g) {
    DrawFill(g);
    DrawLine(g);
}

void CDataAreaCurve::DrawFill(Graphics& g) {
    if (!m_visible || (m_fills[0].fillMode == kFillNone && m_fills[1].fillMode == kFillNone)) {
        return;
    }
    g.save();
    g.intersectClip(ClipRect());
    FillPolygons(g);
    g.restore();
}

void CDataAreaCurve::FillPolygons(Graphics& g) {
    for (const CCurveFill& fill : m_fills) {
        if (fill.fillMode == kFillNone || fill.polygon.size() < 3) {
            continue;
        }
        const bool hatched = m_highlighted ? fill.hatchedHighlighted : fill.hatched;
        const Color color = m_highlighted ? fill.fillColorHighlighted : fill.fillColor;
        const int style = m_highlighted ? fill.hatchStyleHighlighted : fill.hatchStyle;
        g.fillPolygon(hatched ? Brush::hatch(style, color) : Brush(color), fill.polygon);
    }
}

void CDataAreaCurve::DrawLine(Graphics& g) {
    if (!m_visible) {
        return;
    }
    g.save();
    g.intersectClip(ClipRect());
    Pen pen = g.makePen(m_line);
    if (m_highlighted) {
        pen.color = m_highlightColor;
    }
    const CPointCache& cache = Cache();
    if (m_lineVisible && cache.end - cache.start >= 2) {
        // Points that are not finite numbers break the line into runs instead of sending
        // the painter coordinates it cannot draw.
        auto finite = [](const PointF& p) { return std::isfinite(p.x) && std::isfinite(p.y); };
        const auto first = cache.points.begin() + cache.start;
        const auto last = cache.points.begin() + cache.end;
        if (std::all_of(first, last, finite)) {
            if (cache.start == 0 && static_cast<std::size_t>(cache.end) == cache.points.size()) {
                g.drawPolyline(pen, cache.points);
            } else {
                g.drawPolyline(pen, std::vector<PointF>(first, last));
            }
        } else {
            std::vector<PointF> run;
            for (auto it = first; it != last; ++it) {
                if (finite(*it)) {
                    run.push_back(*it);
                    continue;
                }
                if (run.size() >= 2) {
                    g.drawPolyline(pen, run);
                }
                run.clear();
            }
            if (run.size() >= 2) {
                g.drawPolyline(pen, run);
            }
        }
    }
    DrawSymbols(g);
    g.restore();
    ClearDirty();
}

void CDataAreaCurve::DrawSymbols(Graphics& g) {
    if (m_symbol.shape == kSymbolNone) {
        return;
    }
    const CPointCache& cache = Cache();
    const int n = cache.end - cache.start;
    auto at = [&](int i) {
        const PointF& p = cache.points[static_cast<std::size_t>(i)];
        m_symbol.Draw(g, p.x, p.y, m_transform.device);
    };
    switch (m_symbolPlacement) {
        case kPlaceEveryPoint:
            for (int i = cache.start; i < cache.end; ++i) {
                at(i);
            }
            break;
        case kPlaceFirst:
            if (n > 0) {
                at(cache.start);
            }
            break;
        case kPlaceLast:
            if (n > 0) {
                at(cache.end - 1);
            }
            break;
        case kPlaceFirstAndLast:
            if (n > 0) {
                at(cache.start);
            }
            if (n >= 2) {
                at(cache.end - 1);
            }
            break;
        case kPlacePointer:
            if (m_pointerX >= 0.0 && m_pointerY >= 0.0) {
                m_symbol.Draw(g, m_pointerX, m_pointerY, m_transform.device);
            }
            break;
        default:
            break;
    }
}

void CDataAreaCurve::ResetPointCache() {
    for (CPointCache& cache : m_caches) {
        cache = CPointCache{};
    }
}

void CDataAreaCurve::BuildFillPolygon(CCurveFill& fill) {
    fill.polygon.clear();
    if (fill.fillMode == kFillNone) {
        return;
    }
    const CPointCache& cache = Cache();
    if (cache.end <= cache.start) {
        return;
    }
    fill.polygon.assign(cache.points.begin() + cache.start, cache.points.begin() + cache.end);
    const RectF& d = m_transform.device;
    switch (fill.fillMode) {
        case kFillToLeft:
            fill.polygon.push_back({d.x, m_transform.DataToDeviceY(YMax())});
            fill.polygon.push_back({d.x, m_transform.DataToDeviceY(YMin())});
            break;
        case kFillToRight:
            fill.polygon.push_back({d.x + d.w, m_transform.DataToDeviceY(YMax())});
            fill.polygon.push_back({d.x + d.w, m_transform.DataToDeviceY(YMin())});
            break;
        case kFillToTop:
            fill.polygon.push_back({m_transform.DataToDeviceX(XMax()), d.y});
            fill.polygon.push_back({m_transform.DataToDeviceX(XMin()), d.y});
            break;
        case kFillToBottom:
            fill.polygon.push_back({m_transform.DataToDeviceX(XMax()), d.y + d.h});
            fill.polygon.push_back({m_transform.DataToDeviceX(XMin()), d.y + d.h});
            break;
        case kFillToCurve:
            if (fill.otherCurve != nullptr && fill.otherCurve != this) {
                const CDataAreaCurve* other = fill.otherCurve;
                // The second curve runs backwards so the outline goes round the region
                // between the two curves instead of crossing itself.
                const CPointCache& oc = other->Cache();
                for (int i = oc.end - 1; i >= oc.start; --i) {
                    fill.polygon.push_back(oc.points[static_cast<std::size_t>(i)]);
                }
            }
            break;
        default:
            break;
    }
}

void CDataAreaCurve::BuildFills() {
    for (CCurveFill& fill : m_fills) {
        BuildFillPolygon(fill);
    }
}

}  // namespace plot
