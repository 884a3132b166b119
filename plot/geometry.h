#pragma once

namespace plot {

/// A point in device units (pixels of the target, after any device scaling).
struct PointF {
    double x = 0.0;
    double y = 0.0;
};

struct SizeF {
    double width = 0.0;
    double height = 0.0;
};

/// An axis-aligned rectangle: top-left corner and size, in device units.
struct RectF {
    double x = 0.0;
    double y = 0.0;
    double w = 0.0;
    double h = 0.0;

    double right() const { return x + w; }
    double bottom() const { return y + h; }
    bool contains(double px, double py) const {
        return px >= x && px <= x + w && py >= y && py <= y + h;
    }
    bool containsRect(const RectF& r) const {
        return r.x >= x && r.y >= y && r.x + r.w <= x + w && r.y + r.h <= y + h;
    }
    /// True when the two rectangles share interior area (touching edges do not count).
    bool intersects(const RectF& r) const {
        return r.x < x + w && x < r.x + r.w && r.y < y + h && y < r.y + r.h;
    }
    RectF inflated(double dx, double dy) const { return {x - dx, y - dy, w + 2 * dx, h + 2 * dy}; }

    friend bool operator==(const RectF& a, const RectF& b) {
        return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h;
    }
    friend bool operator!=(const RectF& a, const RectF& b) { return !(a == b); }
};

}  // namespace plot
