#pragma once

#include "plot/color.h"

#include <vector>

namespace plot {

/// Dash styles, numbered as the plots store them.
enum DashStyle : int {
    kDashSolid = 0,
    kDashDash = 1,
    kDashDot = 2,
    kDashDashDot = 3,
    kDashDashDotDot = 4,
    kDashCustom = 5,  ///< uses dashPattern
};

/// A pen description for borders, axis lines, ticks, grids and curves.
/// Widths are 96-dpi pixels; they are scaled for printed pages when a pen is made.
struct LineStyle {
    double width = 1.0;
    Color color = 0xFF000000u;
    int dashStyle = kDashSolid;
    std::vector<double> dashPattern;  ///< dash and gap lengths in line widths, style 5 only
    int changed = 0;                  ///< set on any change, cleared once the owner redrew

    void SetWidth(double w) {
        if (w != width) {
            width = w;
            changed = 1;
        }
    }
    void SetColor(Color c) {
        if (c != color) {
            color = c;
            changed = 1;
        }
    }
    void SetDashStyle(int style) {
        if (style != dashStyle) {
            dashStyle = style;
            changed = 1;
        }
    }
    void SetDashPattern(const std::vector<double>& pattern) {
        if (pattern != dashPattern) {
            dashPattern = pattern;
            changed = 1;
        }
    }
};

}  // namespace plot
