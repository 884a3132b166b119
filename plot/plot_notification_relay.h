#pragma once

#include "plot/plot_notification.h"

#include <functional>
#include <unordered_map>
#include <vector>

namespace plot {

/// Receives the plot notifications it registered for.
class PlotListener {
public:
    virtual ~PlotListener() = default;
    virtual void OnPlotEvent(const CPlotNotification& notification) = 0;
};

/// What a plot window does with the notifications of its plot: a redraw request lays the plot
/// out and repaints, capture requests grab or release the mouse, and every other code goes to
/// the listeners registered for it. A notification nobody listens to is dropped.
class CPlotNotificationRelay {
public:
    std::function<void(bool updateNow)> onRedraw;
    std::function<void()> onCaptureMouse;
    std::function<void()> onReleaseMouse;

    /// Registers a listener for a code; a listener is registered once per code.
    void AddListener(int code, PlotListener* listener);
    void RemoveListener(int code, PlotListener* listener);
    /// Removes the listener from every code (call it before the listener goes away).
    void RemoveListener(PlotListener* listener);
    std::size_t ListenerCount(int code) const;

    /// Handles one notification; returns how many listeners received it.
    std::size_t Deliver(const CPlotNotification& notification);

private:
    std::unordered_map<int, std::vector<PlotListener*>> m_listeners;
};

}  // namespace plot
