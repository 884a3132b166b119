#pragma once

#include "plot/geometry.h"

namespace plot {

/// Where an object sits inside its parent rectangle: fractions of the parent, or fixed sizes
/// and distances from the parent's edges in 96-dpi pixels (-1 means unset), plus pixel offsets.
struct CLayoutRect {
    static constexpr double kUnset = -1.0;

    double relX = 0.0;
    double relY = 0.0;
    double relW = 0.0;
    double relH = 0.0;
    double x = 0.0;  ///< resolved rectangle, device units
    double y = 0.0;
    double w = 0.0;
    double h = 0.0;
    double width = kUnset;
    double height = kUnset;
    double left = kUnset;
    double top = kUnset;
    double right = kUnset;
    double bottom = kUnset;
    double offsetX = 0.0;  ///< never scaled
    double offsetY = 0.0;

    static bool IsSet(double v) { return v != kUnset; }

    /// No fixed value set and all four fractions 0.
    bool IsEmpty() const;

    /// Resolves the rectangle against the parent (px, py, pw, ph); `s` scales the fixed values
    /// (1 on screen, dpi / 96 on a printed page). Stores and returns the result.
    RectF Resolve(double px, double py, double pw, double ph, double s);
    RectF Resolve(const RectF& parent, double s) {
        return Resolve(parent.x, parent.y, parent.w, parent.h, s);
    }

    RectF Rect() const { return {x, y, w, h}; }
};

}  // namespace plot
