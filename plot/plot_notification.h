#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace plot {

class CPlot;
class CDataAreaCurve;

/// Notification codes a plot raises to its window.
enum PlotNotificationCode : int {
    kNotifyPointerMoved = 1229,  ///< args: point index; `curve` is the curve
    kNotifyPointerLock = 1230,   ///< the marker was locked or unlocked
    kNotifyDoubleClick = 1245,
    kNotifyRightButton = 1246,
    kNotifyMenuCommand = 1247,  ///< `text` is the command; args: y * 65536 + x
    kNotifyMouseEnter = 1248,
    kNotifyMouseLeave = 1249,
    kNotifyRedraw = 1250,  ///< args: update-now flag
    kNotifyCaptureMouse = 1251,
    kNotifyReleaseMouse = 1252,
    kNotifyCurveAdded = 1253,    ///< stays inside the plot
    kNotifyCurveRemoved = 1254,  ///< stays inside the plot
};

/// The window message number that carries plot notifications to the plot's window.
constexpr int kPlotNotificationMessage = 1224;

/// An event passed from a plot to its window and on to listeners.
struct CPlotNotification {
    int code = 0;
    std::vector<std::int32_t> args;
    int post = 0;  ///< 1: deliver later (posted), 0: deliver at once (sent)
    CPlot* plot = nullptr;
    CDataAreaCurve* curve = nullptr;  ///< the curve of code 1229
    std::string text;                 ///< the command text of code 1247
};

}  // namespace plot
