#pragma once

namespace plot {

/// Mouse messages a plot window forwards to its plot.
enum MouseMessage : int {
    kMouseMove = 0,
    kLeftButtonDown,
    kLeftButtonUp,
    kLeftButtonDoubleClick,
    kRightButtonDown,
    kRightButtonUp,
    kMiddleButtonDown,
    kMiddleButtonUp,
    kMouseLeave,
};

/// Handler results of HandleMouse.
enum MouseResult : int {
    kMouseNotHandled = 0,
    kMouseHandled = 1,
    kMouseHandledRedraw = 2,
};

}  // namespace plot
