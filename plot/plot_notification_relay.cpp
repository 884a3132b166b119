#include "plot/plot_notification_relay.h"

#include <algorithm>

namespace plot {

void CPlotNotificationRelay::AddListener(int code, PlotListener* listener) {
    if (listener == nullptr) {
        return;
    }
    std::vector<PlotListener*>& list = m_listeners[code];
    if (std::find(list.begin(), list.end(), listener) == list.end()) {
        list.push_back(listener);
    }
}

void CPlotNotificationRelay::RemoveListener(int code, PlotListener* listener) {
    auto it = m_listeners.find(code);
    if (it == m_listeners.end()) {
        return;
    }
    std::vector<PlotListener*>& list = it->second;
    list.erase(std::remove(list.begin(), list.end(), listener), list.end());
    if (list.empty()) {
        m_listeners.erase(it);
    }
}

void CPlotNotificationRelay::RemoveListener(PlotListener* listener) {
    for (auto it = m_listeners.begin(); it != m_listeners.end();) {
        std::vector<PlotListener*>& list = it->second;
        list.erase(std::remove(list.begin(), list.end(), listener), list.end());
        it = list.empty() ? m_listeners.erase(it) : std::next(it);
    }
}

std::size_t CPlotNotificationRelay::ListenerCount(int code) const {
    auto it = m_listeners.find(code);
    return it == m_listeners.end() ? 0 : it->second.size();
}

std::size_t CPlotNotificationRelay::Deliver(const CPlotNotification& n) {
    switch (n.code) {
        case kNotifyRedraw:
            if (onRedraw) {
                onRedraw(!n.args.empty() && n.args[0] != 0);
            }
            return 0;
        case kNotifyCaptureMouse:
            if (onCaptureMouse) {
                onCaptureMouse();
            }
            return 0;
        case kNotifyReleaseMouse:
            if (onReleaseMouse) {
                onReleaseMouse();
            }
            return 0;
        default:
            break;
    }
    auto it = m_listeners.find(n.code);
    if (it == m_listeners.end()) {
        return 0;
    }
    // A listener may unregister itself while handling; work on a copy of the list.
    const std::vector<PlotListener*> listeners = it->second;
    for (PlotListener* listener : listeners) {
        listener->OnPlotEvent(n);
    }
    return listeners.size();
}

}  // namespace plot
