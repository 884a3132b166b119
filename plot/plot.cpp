#include "plot/plot.h"

#include "plot/dcl_axis.h"
#include "plot/scale_arithmetic.h"

#include <algorithm>

namespace plot {

namespace {

constexpr double kAutoMargin = 0.02;

template <typename T>
T* findIn(const std::unordered_map<std::string, T*>& map, const std::string& name) {
    auto it = map.find(name);
    return it == map.end() ? nullptr : it->second;
}

}  // namespace

CPlot::CPlot()
    : m_overlay(std::make_unique<CTextBlock>("TextBlockOverlay", kDockTop)),
      m_selectionBox("SelectBox") {
    m_plotArea.relX = 0.1;
    m_plotArea.relY = 0.1;
    m_plotArea.relW = 0.8;
    m_plotArea.relH = 0.8;
    m_border.SetBorder(1.0, 0xFF000000u);
}

CPlot::~CPlot() = default;

CRange* CPlot::AddRange(const std::string& name, int orientation) {
    m_ranges.push_back(std::make_unique<CRange>(name, orientation));
    CRange* range = m_ranges.back().get();
    range->SetAutoScale(1);
    m_rangeMap[name] = range;
    return range;
}

CDataArea* CPlot::AddDataArea(const std::string& name, CRange* xRange, CRange* yRange) {
    m_dataAreas.push_back(std::make_unique<CDataArea>(name, xRange, yRange));
    CDataArea* area = m_dataAreas.back().get();
    area->SetLayoutRect(m_plotArea);
    m_dataAreaMap[name] = area;
    for (CRange* r : {xRange, yRange}) {
        if (r != nullptr) {
            std::vector<CDataArea*>& users = m_rangeUsers[r];
            if (std::find(users.begin(), users.end(), area) == users.end()) {
                users.push_back(area);
            }
        }
    }
    area->SetPlot(this);
    return area;
}

void CPlot::SetPlotAreaLayout(const CLayoutRect& layout) {
    m_plotArea = layout;
    for (const auto& area : m_dataAreas) {
        area->SetLayoutRect(layout);
    }
    if (m_overlay->GetLayoutRect().IsEmpty()) {
        m_overlay->SetLayoutRect(layout);
        m_overlay->GetLayoutRect().Resolve(m_lastDrawRect, 1.0);
    }
}

std::unique_ptr<CAxis> CPlot::CreateAxis(const std::string& name, CDataArea* dataArea, int dockSide,
                                         units::CDataObject* dataObject) {
    // Every axis is unit-aware; without a data object it shows data values as they are.
    return std::make_unique<CDCLAxis>(name, dataArea, dockSide, dataObject);
}

CAxis* CPlot::AddAxis(const std::string& name, CDataArea* dataArea, int dockSide, bool sizeInPixels,
                      units::CDataObject* dataObject, double size) {
    m_axes.push_back(CreateAxis(name, dataArea, dockSide, dataObject));
    CAxis* axis = m_axes.back().get();
    Dock(axis, dockSide, sizeInPixels, size);
    m_axisMap[name] = axis;
    return axis;
}

CTextBlock* CPlot::AddTextBlock(const std::string& name, const std::string& text, int dockSide,
                                bool sizeInPixels, double size) {
    m_textBlocks.push_back(std::make_unique<CTextBlock>(name, dockSide));
    CTextBlock* block = m_textBlocks.back().get();
    block->SetText(text);
    Dock(block, dockSide, sizeInPixels, size);
    m_textBlockMap[name] = block;
    return block;
}

CPlotObject* CPlot::AddPlotObject(std::unique_ptr<CPlotObject> object) {
    if (!object) {
        return nullptr;
    }
    m_plotObjects.push_back(std::move(object));
    CPlotObject* raw = m_plotObjects.back().get();
    m_plotObjectMap[raw->GetName()] = raw;
    return raw;
}

void CPlot::Dock(CDockablePlotObject* object, int side, bool sizeInPixels, double size) {
    if (side < kDockTop || side > kDockRight) {
        side = kDockBottom;
    }
    const CLayoutRect& p = m_plotArea;
    CLayoutRect l = p;
    auto sum = [](double a, double b) {
        return CLayoutRect::IsSet(a) && CLayoutRect::IsSet(b) ? a + b : CLayoutRect::kUnset;
    };
    if (sizeInPixels) {
        switch (side) {
            case kDockBottom:
                l.height = size;
                l.top = sum(p.height, p.top);
                break;
            case kDockTop:
                l.height = size;
                l.bottom = sum(p.height, p.bottom);
                break;
            case kDockLeft:
                l.width = size;
                l.right = sum(p.width, p.right);
                break;
            default:
                l.width = size;
                l.left = sum(p.width, p.left);
                break;
        }
    } else {
        switch (side) {
            case kDockTop:
                l.relX = p.relX;
                l.relY = p.relY - size;
                l.relW = p.relW;
                l.relH = size;
                l.top = l.bottom = l.height = CLayoutRect::kUnset;
                break;
            case kDockBottom:
                l.relX = p.relX;
                l.relY = p.relY + p.relH;
                l.relW = p.relW;
                l.relH = size;
                l.top = l.bottom = l.height = CLayoutRect::kUnset;
                if (CLayoutRect::IsSet(p.top)) {
                    l.offsetY = p.top;
                }
                break;
            case kDockLeft:
                l.relX = p.relX - size;
                l.relY = p.relY;
                l.relW = size;
                l.relH = p.relH;
                l.left = l.right = l.width = CLayoutRect::kUnset;
                break;
            default:
                l.relX = p.relX + p.relW;
                l.relY = p.relY;
                l.relW = size;
                l.relH = p.relH;
                l.left = l.right = l.width = CLayoutRect::kUnset;
                if (CLayoutRect::IsSet(p.left)) {
                    l.offsetX = p.left;
                }
                break;
        }
    }
    object->SetSizeInPixels(sizeInPixels);
    std::vector<CDockablePlotObject*>& list = m_dockLists[side];
    list.push_back(object);
    // Sizes of everything docked on this side so far, the new object included: pixel sizes
    // from pixel-docked objects, fractions from fraction-docked ones.
    double sumWidth = 0.0;
    double sumHeight = 0.0;
    double sumRelW = 0.0;
    double sumRelH = 0.0;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const CDockablePlotObject* o = list[i];
        const CLayoutRect& ol = o == object ? l : o->GetLayoutRect();
        const double gap = i > 0 ? m_dockGap : 0.0;
        if (o->IsSizeInPixels()) {
            sumWidth += (CLayoutRect::IsSet(ol.width) ? ol.width : 0.0) + gap;
            sumHeight += (CLayoutRect::IsSet(ol.height) ? ol.height : 0.0) + gap;
        } else {
            sumRelW += ol.relW + gap;
            sumRelH += ol.relH + gap;
        }
    }
    // Push the object outward past everything docked before it.
    if (sizeInPixels) {
        switch (side) {
            case kDockBottom:
                if (CLayoutRect::IsSet(l.bottom)) {
                    l.bottom -= sumHeight;
                }
                break;
            case kDockTop:
                if (CLayoutRect::IsSet(l.top)) {
                    l.top -= sumHeight;
                }
                break;
            case kDockLeft:
                if (CLayoutRect::IsSet(l.left)) {
                    l.left -= sumWidth;
                }
                break;
            default:
                if (CLayoutRect::IsSet(l.right)) {
                    l.right -= sumWidth;
                }
                break;
        }
    } else {
        switch (side) {
            case kDockTop:
                l.relY = p.relY - sumRelH;
                break;
            case kDockBottom:
                l.relY = p.relY + p.relH + sumRelH - size;
                break;
            case kDockLeft:
                l.relX = p.relX - sumRelW;
                break;
            default:
                l.relX = p.relX + p.relW + sumRelW - size;
                break;
        }
    }
    object->SetLayoutRect(l);
}

CRange* CPlot::FindRange(const std::string& name) const {
    return findIn(m_rangeMap, name);
}
CDataArea* CPlot::FindDataArea(const std::string& name) const {
    return findIn(m_dataAreaMap, name);
}
CAxis* CPlot::FindAxis(const std::string& name) const {
    return findIn(m_axisMap, name);
}
CTextBlock* CPlot::FindTextBlock(const std::string& name) const {
    return findIn(m_textBlockMap, name);
}
CPlotObject* CPlot::FindPlotObject(const std::string& name) const {
    return findIn(m_plotObjectMap, name);
}

const std::vector<CDataArea*>& CPlot::RangeUsers(const CRange* range) const {
    static const std::vector<CDataArea*> kNone;
    auto it = m_rangeUsers.find(range);
    return it == m_rangeUsers.end() ? kNone : it->second;
}

void CPlot::AutoRangeSharedRanges() {
    for (const auto& range : m_ranges) {
        const std::vector<CDataArea*>& users = RangeUsers(range.get());
        if (users.size() < 2 || !range->AutoScale()) {
            continue;
        }
        double lo = 0.0;
        double hi = 0.0;
        bool first = true;
        for (CDataArea* area : users) {
            const RectF& e = area->ComputeDataExtent();
            const double a = range->Orientation() == 0 ? e.x : e.y;
            const double b = range->Orientation() == 0 ? e.x + e.w : e.y + e.h;
            lo = first ? a : std::min(lo, a);
            hi = first ? b : std::max(hi, b);
            first = false;
        }
        if (lo > hi) {
            std::swap(lo, hi);
        }
        AutoRange(kAutoMargin, kAutoMargin, 1.0, 1.0, lo, hi);
        range->SetMinMax(lo, hi);
        range->SetAutoScale(0);
        range->SetAutoMinMax(lo, hi);
    }
}

void CPlot::Layout(Graphics& g, double left, double top, double right, double bottom) {
    if (!m_visible) {
        return;
    }
    const RectF target{left, top, right - left, bottom - top};
    if (target != m_lastDrawRect) {
        // A marker placed in the old geometry would point at the wrong place.
        for (const auto& area : m_dataAreas) {
            for (const auto& curve : area->Curves()) {
                if (curve->IsPointerMarker()) {
                    curve->SetPointerPosition(-1.0, -1.0, 0);
                }
            }
        }
        m_lastDrawRect = target;
    }
    AutoRangeSharedRanges();
    m_plotArea.Resolve(target, g.deviceScale());
    for (const auto& area : m_dataAreas) {
        area->Layout(g, target.x, target.y, target.w, target.h);
    }
    for (const auto& area : m_dataAreas) {
        area->ClearDirty();
    }
    for (const auto& axis : m_axes) {
        axis->Layout(g, target.x, target.y, target.w, target.h);
    }
    for (const auto& block : m_textBlocks) {
        block->Layout(g, target.x, target.y, target.w, target.h);
    }
    m_overlay->Layout(g, target.x, target.y, target.w, target.h);
    for (const auto& object : m_plotObjects) {
        object->Layout(g, target.x, target.y, target.w, target.h);
    }
    if (m_selectionBox.IsShown()) {
        m_selectionBox.Layout(g, target.x, target.y, target.w, target.h);
    }
    // Every axis has now seen the range changes of this pass.
    for (const auto& range : m_ranges) {
        range->ClearChanged();
    }
}

void CPlot::DrawBackground(Graphics& g) {
    if (!m_visible) {
        return;
    }
    for (const auto& area : m_dataAreas) {
        if (area->IsVisible()) {
            area->DrawBackground(g);
        }
    }
    for (const auto& axis : m_axes) {
        if (axis->IsVisible()) {
            axis->DrawBackground(g);
        }
    }
    for (const auto& block : m_textBlocks) {
        if (block->IsVisible()) {
            block->DrawBackground(g);
        }
    }
    for (const auto& object : m_plotObjects) {
        if (object->IsVisible()) {
            object->DrawBackground(g);
        }
    }
}

void CPlot::DrawContent(Graphics& g) {
    if (!m_visible) {
        return;
    }
    auto draw = [&](CPlotObject& o) {
        if (o.IsVisible()) {
            o.DrawContent(g);
            o.DrawBorder(g);
            o.ClearDirty();
        }
    };
    for (const auto& axis : m_axes) {
        draw(*axis);
    }
    for (const auto& area : m_dataAreas) {
        draw(*area);
    }
    for (const auto& block : m_textBlocks) {
        draw(*block);
    }
    draw(*m_overlay);
    if (m_selectionBox.IsShown()) {
        m_selectionBox.DrawContent(g);
    }
    for (const auto& object : m_plotObjects) {
        if (object->IsVisible()) {
            object->DrawContent(g);
            object->DrawBorder(g);
        }
    }
    // The plot's own border runs just inside the target so all four sides stay visible.
    const RectF& r = m_lastDrawRect;
    if (r.w > 1.0 && r.h > 1.0) {
        m_border.Draw(g, RectF{r.x, r.y, r.w - 1.0, r.h - 1.0});
    }
}

void CPlot::Draw(Graphics& g, const RectF& rect) {
    Layout(g, rect.x, rect.y, rect.x + rect.w, rect.y + rect.h);
    DrawBackground(g);
    DrawContent(g);
}

void CPlot::InvalidateAll() {
    for (const auto& area : m_dataAreas) {
        area->SetDirty();
        for (const auto& o : area->Objects()) {
            o->SetDirty();
        }
    }
    for (const auto& axis : m_axes) {
        axis->SetDirty();
    }
    for (const auto& block : m_textBlocks) {
        block->SetDirty();
    }
    m_overlay->SetDirty();
    for (const auto& object : m_plotObjects) {
        object->SetDirty();
    }
    m_selectionBox.SetDirty();
}

void CPlot::SetBorderColor(Color argb) {
    m_border.SetBorderColor(argb);
}

void CPlot::SetContextMenu(bool enabled, const std::vector<std::string>& items) {
    m_contextMenuEnabled = enabled;
    m_contextMenuItems = items;
}

}  // namespace plot
