// Mouse handling of CPlot: dispatch to objects, the pointer marker and its lock, menus.
#include "plot/plot.h"

#include <algorithm>
#include <cmath>

namespace plot {

namespace {

// A right click this close to a marker (pixels, in x and in y, inclusive) opens its lock menu.
constexpr double kMarkerHitDistance = 5.0;

}  // namespace

void CPlot::Raise(CPlotNotification n) {
    n.plot = this;
    if (n.code == kNotifyCurveAdded || n.code == kNotifyCurveRemoved) {
        return;  // legends would refresh here; no window needs to know
    }
    if (m_window == nullptr || !m_window->IsWindow()) {
        return;
    }
    m_window->OnPlotNotification(n);
}

void CPlot::RequestRedraw() {
    CPlotNotification n;
    n.code = kNotifyRedraw;
    n.args = {1};
    n.post = 1;
    Raise(n);
}

CDataAreaCurve* CPlot::MarkerNear(double x, double y) const {
    for (const auto& area : m_dataAreas) {
        for (const auto& curve : area->Curves()) {
            if (!curve->IsPointerMarker() || curve->PointerX() < 0.0 || curve->PointerY() < 0.0) {
                continue;
            }
            if (std::fabs(curve->PointerX() - x) <= kMarkerHitDistance &&
                std::fabs(curve->PointerY() - y) <= kMarkerHitDistance) {
                return curve.get();
            }
        }
    }
    return nullptr;
}

void CPlot::ShowLockMenu(double x, double y, PlotWindow* window) {
    if (window == nullptr) {
        return;
    }
    const std::vector<std::string> items{m_pointerLocked ? "Unlock" : "Lock"};
    if (window->TrackPopupMenu(x, y, items) == 0) {
        m_pointerLocked = m_pointerLocked ? 0 : 1;
        CPlotNotification n;
        n.code = kNotifyPointerLock;
        Raise(n);
    }
}

void CPlot::TrackPointer(double x, double y) {
    CDataAreaCurve* best = nullptr;
    int bestIndex = -1;
    PointF bestPoint;
    double bestDistance = 0.0;
    std::vector<CDataAreaCurve*> trackers;
    for (const auto& area : m_dataAreas) {
        for (const auto& curve : area->Curves()) {
            if (!curve->IsPointerMarker()) {
                continue;
            }
            trackers.push_back(curve.get());
            PointF p;
            const int index = curve->NearestPoint(x, y, &p);
            if (index < 0) {
                continue;
            }
            const double d = std::hypot(p.x - x, p.y - y);
            if (best == nullptr || d < bestDistance) {
                best = curve.get();
                bestIndex = index;
                bestPoint = p;
                bestDistance = d;
            }
        }
    }
    bool changed = false;
    for (CDataAreaCurve* curve : trackers) {
        if (curve != best && (curve->PointerX() != -1.0 || curve->PointerY() != -1.0)) {
            curve->SetPointerPosition(-1.0, -1.0, 0);
            changed = true;
        }
    }
    if (best != nullptr && (best->PointerX() != bestPoint.x || best->PointerY() != bestPoint.y)) {
        best->SetPointerPosition(bestPoint.x, bestPoint.y, best->ShowCoordinates());
        CPlotNotification n;
        n.code = kNotifyPointerMoved;
        n.args = {bestIndex};
        n.curve = best;
        Raise(n);
        changed = true;
    }
    if (changed) {
        RequestRedraw();
    }
}

int CPlot::HandleMouse(int message, double x, double y, PlotWindow* window) {
    PlotWindow* host = window != nullptr ? window : m_window;
    switch (message) {
        case kLeftButtonDown:
        case kMiddleButtonDown:
            m_buttonDown = message;
            break;
        case kLeftButtonUp:
        case kRightButtonUp:
        case kMiddleButtonUp:
            m_buttonDown = 0;
            break;
        case kRightButtonDown:
            if (MarkerNear(x, y) != nullptr) {
                ShowLockMenu(x, y, host);
                return kMouseHandled;
            }
            break;
        case kMouseLeave: {
            m_tracking = 0;
            CPlotNotification n;
            n.code = kNotifyMouseLeave;
            Raise(n);
            return kMouseHandled;
        }
        default:
            break;
    }
    const RectF& r = m_lastDrawRect;
    if (r.w > 0.0 && r.h > 0.0) {
        x = std::clamp(x, r.x, r.x + r.w);
        y = std::clamp(y, r.y, r.y + r.h);
    }
    int result = kMouseNotHandled;
    if (m_captured != nullptr) {
        result = m_captured->HandleMouse(message, x, y, host);
        if (result == kMouseNotHandled) {
            m_captured = nullptr;
        }
    } else {
        auto offer = [&](CPlotObject& o) {
            if (result == kMouseNotHandled && o.IsVisible()) {
                result = o.HandleMouse(message, x, y, host);
                if (result != kMouseNotHandled) {
                    m_captured = &o;
                }
            }
        };
        for (const auto& o : m_dataAreas) {
            offer(*o);
        }
        for (const auto& o : m_axes) {
            offer(*o);
        }
        for (const auto& o : m_textBlocks) {
            offer(*o);
        }
        for (const auto& o : m_plotObjects) {
            offer(*o);
        }
    }
    if (result == kMouseHandledRedraw) {
        RequestRedraw();
    }
    if (message == kRightButtonDown && m_contextMenuEnabled && !m_contextMenuItems.empty() &&
        host != nullptr) {
        std::vector<std::string> items = m_contextMenuItems;
        if (!m_actionNames.empty()) {
            items.emplace_back();
            items.insert(items.end(), m_actionNames.begin(), m_actionNames.end());
        }
        const int chosen = host->TrackPopupMenu(x, y, items);
        if (chosen >= 0 && static_cast<std::size_t>(chosen) < items.size() &&
            !items[static_cast<std::size_t>(chosen)].empty()) {
            m_lastCommand = items[static_cast<std::size_t>(chosen)];
            CPlotNotification n;
            n.code = kNotifyMenuCommand;
            n.text = m_lastCommand;
            n.args = {static_cast<std::int32_t>(y) * 65536 + static_cast<std::int32_t>(x)};
            Raise(n);
        }
    }
    switch (message) {
        case kMouseMove:
            if (!m_tracking) {
                m_tracking = 1;
                CPlotNotification n;
                n.code = kNotifyMouseEnter;
                Raise(n);
            }
            if (m_buttonDown == 0 && !m_pointerLocked) {
                TrackPointer(x, y);
            }
            break;
        case kLeftButtonDoubleClick: {
            CPlotNotification n;
            n.code = kNotifyDoubleClick;
            Raise(n);
            break;
        }
        case kRightButtonDown: {
            CPlotNotification n;
            n.code = kNotifyRightButton;
            Raise(n);
            break;
        }
        default:
            break;
    }
    return result;
}

std::string CPlot::GetTooltipText(double x, double y) {
    auto ask = [&](CPlotObject& o) {
        return o.IsVisible() ? o.GetTooltipText(x, y) : std::string();
    };
    for (const auto& o : m_dataAreas) {
        if (std::string t = ask(*o); !t.empty()) {
            return t;
        }
    }
    for (const auto& o : m_axes) {
        if (std::string t = ask(*o); !t.empty()) {
            return t;
        }
    }
    for (const auto& o : m_textBlocks) {
        if (std::string t = ask(*o); !t.empty()) {
            return t;
        }
    }
    for (const auto& o : m_plotObjects) {
        if (std::string t = ask(*o); !t.empty()) {
            return t;
        }
    }
    return std::string();
}

}  // namespace plot
