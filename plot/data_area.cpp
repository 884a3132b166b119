#include "plot/data_area.h"

#include "plot/dcl_data_area_curve_2d.h"
#include "plot/plot.h"
#include "plot/range.h"
#include "plot/scale_arithmetic.h"

#include <algorithm>

namespace plot {

namespace {

// The data areas leave 2 % of the data span free at each end.
constexpr double kAutoMargin = 0.02;

}  // namespace

CDataArea::CDataArea(std::string name, CRange* xRange, CRange* yRange)
    : CPlotObject(std::move(name)), m_xRange(xRange), m_yRange(yRange) {}

CDataArea::~CDataArea() = default;

CDataAreaCurve2D* CDataArea::AddCurve2D(const std::string& name,
                                        std::unique_ptr<CCurveData> xSeries,
                                        std::unique_ptr<CCurveData> ySeries) {
    auto curve = std::make_unique<CDataAreaCurve2D>(name, std::move(xSeries), std::move(ySeries));
    return static_cast<CDataAreaCurve2D*>(AddCurve(std::move(curve)));
}

CDataAreaCurve2D* CDataArea::AddDCLCurve2D(const std::string& name,
                                           std::unique_ptr<CCurveData> xSeries,
                                           std::unique_ptr<CCurveData> ySeries, int xCategoryRow,
                                           int yCategoryRow) {
    auto curve = std::make_unique<CDCLDataAreaCurve2D>(name, std::move(xSeries), std::move(ySeries),
                                                       xCategoryRow, yCategoryRow);
    return static_cast<CDataAreaCurve2D*>(AddCurve(std::move(curve)));
}

CDataAreaCurve* CDataArea::AddCurve(std::unique_ptr<CDataAreaCurve> curve) {
    if (!curve) {
        return nullptr;
    }
    CDataAreaCurve* raw = curve.get();
    const bool first = m_curves.empty();
    m_curves.push_back(std::move(curve));
    m_curveMap[raw->GetName()] = raw;
    if (raw->PointCount() > 0) {
        const RectF e{raw->XMin(), raw->YMin(), raw->XMax() - raw->XMin(),
                      raw->YMax() - raw->YMin()};
        if (first) {
            m_dataExtent = e;
        } else {
            const double x0 = std::min(m_dataExtent.x, e.x);
            const double y0 = std::min(m_dataExtent.y, e.y);
            const double x1 = std::max(m_dataExtent.right(), e.right());
            const double y1 = std::max(m_dataExtent.bottom(), e.bottom());
            m_dataExtent = RectF{x0, y0, x1 - x0, y1 - y0};
        }
    }
    m_dirty = 1;
    RaiseCurveEvent(kNotifyCurveAdded);
    return raw;
}

CDataAreaCurve* CDataArea::FindCurve(const std::string& name) const {
    auto it = m_curveMap.find(name);
    return it == m_curveMap.end() ? nullptr : it->second;
}

std::unique_ptr<CDataAreaCurve> CDataArea::RemoveCurve(const std::string& name) {
    auto it = m_curveMap.find(name);
    if (it == m_curveMap.end()) {
        return nullptr;
    }
    CDataAreaCurve* raw = it->second;
    m_curveMap.erase(it);
    std::unique_ptr<CDataAreaCurve> removed;
    for (auto c = m_curves.begin(); c != m_curves.end(); ++c) {
        if (c->get() == raw) {
            removed = std::move(*c);
            m_curves.erase(c);
            break;
        }
    }
    // Another curve registered earlier under the same name becomes reachable again.
    for (const auto& c : m_curves) {
        if (c->GetName() == name) {
            m_curveMap[name] = c.get();
        }
    }
    // Fills between two curves must not keep pointing at the removed one.
    for (const auto& c : m_curves) {
        for (int i = 0; i < 2; ++i) {
            if (c->Fill(i).otherCurve == raw) {
                c->Fill(i).otherCurve = nullptr;
                c->SetDirty();
            }
        }
    }
    RaiseCurveEvent(kNotifyCurveRemoved);
    if (m_selectedCurve == raw) {
        m_selectedCurve = nullptr;
    }
    m_dirty = 1;
    return removed;
}

CDataAreaObject* CDataArea::AddObject(std::unique_ptr<CDataAreaObject> object) {
    if (!object) {
        return nullptr;
    }
    CDataAreaObject* raw = object.get();
    m_objects.push_back(std::move(object));
    m_objectMap[raw->GetName()] = raw;
    m_dirty = 1;
    return raw;
}

CDataAreaObject* CDataArea::FindObject(const std::string& name) const {
    auto it = m_objectMap.find(name);
    return it == m_objectMap.end() ? nullptr : it->second;
}

void CDataArea::HideObjects() {
    for (const auto& o : m_objects) {
        o->SetVisible(0);
    }
}

void CDataArea::ShowObjects() {
    for (const auto& o : m_objects) {
        o->SetVisible(1);
    }
}

void CDataArea::SetCurveOffset(double offset) {
    if (offset != m_curveOffset) {
        m_curveOffset = offset;
        m_dirty = 1;
    }
}

void CDataArea::SetInset(int left, int top, int right, int bottom) {
    m_insetLeft = left;
    m_insetTop = top;
    m_insetRight = right;
    m_insetBottom = bottom;
    m_dirty = 1;
}

void CDataArea::SetBackgroundImage(const Image& image, int mode) {
    m_backgroundImage = image;
    m_imageMode = mode;
    m_dirty = 1;
}

void CDataArea::RaiseCurveEvent(int code) {
    if (m_plot != nullptr) {
        CPlotNotification n;
        n.code = code;
        n.post = 1;
        m_plot->Raise(n);
    }
}

const RectF& CDataArea::ComputeDataExtent() {
    bool first = true;
    double x0 = 0.0;
    double x1 = 0.0;
    double y0 = 0.0;
    double y1 = 0.0;
    for (const auto& c : m_curves) {
        // A curve without points has no extent; it must not pull the range towards 0.
        if (!c->IsVisible() || c->PointCount() == 0) {
            continue;
        }
        if (first) {
            x0 = c->XMin();
            x1 = c->XMax();
            y0 = c->YMin();
            y1 = c->YMax();
            first = false;
        } else {
            x0 = std::min(x0, c->XMin());
            x1 = std::max(x1, c->XMax());
            y0 = std::min(y0, c->YMin());
            y1 = std::max(y1, c->YMax());
        }
    }
    m_dataExtent = RectF{x0, y0, x1 - x0, y1 - y0};
    return m_dataExtent;
}

RectF CDataArea::GetDataRect() {
    ComputeDataExtent();
    double xmin = 0.0;
    double xmax = 0.0;
    double ymin = 0.0;
    double ymax = 0.0;
    auto rangeFor = [](CRange* range, double lo, double hi, double& outLo, double& outHi) {
        if (range == nullptr) {
            outLo = lo;
            outHi = hi;
            return;
        }
        if (range->AutoScale()) {
            AutoRange(kAutoMargin, kAutoMargin, 1.0, 1.0, lo, hi);
            range->SetMinMax(lo, hi);
            range->SetAutoMinMax(lo, hi);
        }
        outLo = range->Min();
        outHi = range->Max();
    };
    rangeFor(m_xRange, m_dataExtent.x, m_dataExtent.x + m_dataExtent.w, xmin, xmax);
    rangeFor(m_yRange, m_dataExtent.y, m_dataExtent.y + m_dataExtent.h, ymin, ymax);
    return RectF{xmin, ymin, xmax - xmin, ymax - ymin};
}

RectF CDataArea::GetAutoRect() const {
    const double xa = m_xRange ? m_xRange->AutoMin() : 0.0;
    const double xb = m_xRange ? m_xRange->AutoMax() : 0.0;
    const double ya = m_yRange ? m_yRange->AutoMin() : 0.0;
    const double yb = m_yRange ? m_yRange->AutoMax() : 0.0;
    return RectF{xa, ya, xb - xa, yb - ya};
}

int CDataArea::IsDirty() const {
    if (CPlotObject::IsDirty()) {
        return 1;
    }
    if ((m_xRange && m_xRange->Changed()) || (m_yRange && m_yRange->Changed())) {
        return 1;
    }
    for (const auto& c : m_curves) {
        if (c->IsDirty()) {
            return 1;
        }
    }
    for (const auto& o : m_objects) {
        if (o->IsDirty()) {
            return 1;
        }
    }
    return 0;
}

void CDataArea::SetDirty() {
    m_dirty = 1;
    for (const auto& c : m_curves) {
        c->SetDirty();
    }
}

void CDataArea::ClearDirty() {
    CPlotObject::ClearDirty();
}

void CDataArea::Layout(Graphics& g, double x, double y, double w, double h) {
    const RectF parent{x, y, w, h};
    if (!IsDirty() && parent == m_lastParentRect) {
        return;
    }
    m_lastParentRect = parent;
    const RectF outer = m_layout.Resolve(parent, g.deviceScale());
    CTransform t;
    t.device = RectF{outer.x + m_insetLeft, outer.y + m_insetTop,
                     outer.w - m_insetLeft - m_insetRight, outer.h - m_insetTop - m_insetBottom};
    t.data = GetDataRect();
    t.invertY = m_transform.invertY;
    m_transform = t;
    int index = 0;
    for (const auto& c : m_curves) {
        CTransform ct = t;
        ct.data.y -= index * m_curveOffset;  // stacked curves each sit one offset higher
        c->SetTransform(ct);
        ++index;
    }
    for (const auto& o : m_objects) {
        o->SetTransform(t);
    }
    for (const auto& c : m_curves) {
        c->Layout(g, outer.x, outer.y, outer.w, outer.h);
    }
    for (const auto& o : m_objects) {
        o->Layout(g, outer.x, outer.y, outer.w, outer.h);
    }
}

void CDataArea::DrawFills(Graphics& g, int inFront) {
    for (int pass = 0; pass < 2; ++pass) {
        for (const auto& c : m_curves) {
            if (c->IsVisible() && c->FillInFront() == inFront &&
                (c->IsHighlighted() != 0) == (pass == 1)) {
                c->DrawFill(g);
            }
        }
    }
}

void CDataArea::DrawBackground(Graphics& g) {
    if (!m_visible) {
        return;
    }
    CPlotObject::DrawBackground(g);
    const RectF r = GetRect();
    if (!m_backgroundImage.isNull() && r.w > 0.0 && r.h > 0.0) {
        const double iw = m_backgroundImage.width;
        const double ih = m_backgroundImage.height;
        RectF target = r;
        if (m_imageMode == kImageFit) {
            const double k = std::min(r.w / iw, r.h / ih);
            target = RectF{r.x + (r.w - iw * k) / 2.0, r.y + (r.h - ih * k) / 2.0, iw * k, ih * k};
        } else if (m_imageMode == kImageNatural) {
            const double s = g.deviceScale();
            target = RectF{r.x + (r.w - iw * s) / 2.0, r.y + (r.h - ih * s) / 2.0, iw * s, ih * s};
        }
        g.save();
        g.intersectClip(r);
        g.drawImage(m_backgroundImage, target);
        g.restore();
    }
    DrawFills(g, 0);
}

void CDataArea::DrawContent(Graphics& g) {
    if (!m_visible) {
        return;
    }
    DrawFills(g, 1);
    for (int pass = 0; pass < 2; ++pass) {
        for (const auto& c : m_curves) {
            if (c->IsVisible() && (c->IsHighlighted() != 0) == (pass == 1)) {
                c->DrawLine(g);
            }
        }
    }
    for (const auto& o : m_objects) {
        if (o->IsVisible()) {
            o->Draw(g);
        }
    }
}

std::string CDataArea::GetTooltipText(double x, double y) {
    for (const auto& c : m_curves) {
        if (c->IsVisible()) {
            std::string text = c->GetTooltipText(x, y);
            if (!text.empty()) {
                return text;
            }
        }
    }
    return std::string();
}

}  // namespace plot
