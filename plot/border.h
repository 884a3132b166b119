#pragma once

#include "plot/graphics.h"
#include "plot/line_style.h"

namespace plot {

/// Four border lines around a rectangle. Sides default to width 0 and a transparent colour,
/// so a fresh border draws nothing.
class CBorder {
public:
    CBorder();

    LineStyle top;
    LineStyle left;
    LineStyle bottom;
    LineStyle right;
    int enabled = 1;
    int changed = 1;

    /// Sets the colour of each side that differs and marks those sides changed.
    void SetBorderColor(Color argb);
    /// Sets width and colour of all four sides.
    void SetBorder(double width, Color argb);
    bool IsChanged() const;
    void ClearChanged();

    /// Each side with a visible colour as one line with its own pen.
    void Draw(Graphics& g, const RectF& rect) const;
};

}  // namespace plot
