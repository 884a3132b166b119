#pragma once

#include "plot/plot_notification.h"

#include <string>
#include <vector>

namespace plot {

/// What a plot needs from the window that shows it, without knowing any window system:
/// popup menus at a point and delivery of its notifications.
class PlotWindow {
public:
    virtual ~PlotWindow() = default;

    /// Shows a popup menu at the client point (x, y) and waits for the choice. An empty
    /// item is a separator. Returns the chosen item's index, or -1 when nothing was chosen.
    virtual int TrackPopupMenu(double x, double y, const std::vector<std::string>& items) = 0;

    /// Receives a notification of the plot; `post` says whether it may be handled later.
    virtual void OnPlotNotification(const CPlotNotification& notification) = 0;

    /// False once the window is gone; notifications to it are then dropped.
    virtual bool IsWindow() const { return true; }
};

}  // namespace plot
