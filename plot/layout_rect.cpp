#include "plot/layout_rect.h"

namespace plot {

bool CLayoutRect::IsEmpty() const {
    return !IsSet(width) && !IsSet(height) && !IsSet(left) && !IsSet(top) && !IsSet(right) &&
           !IsSet(bottom) && relX == 0.0 && relY == 0.0 && relW == 0.0 && relH == 0.0;
}

RectF CLayoutRect::Resolve(double px, double py, double pw, double ph, double s) {
    if (IsSet(left)) {
        x = left * s;
    } else if (IsSet(right) && IsSet(width)) {
        x = pw - right * s - width * s;
    } else {
        x = pw * relX + offsetX;
    }
    x += px;
    if (IsSet(top)) {
        y = top * s;
    } else if (IsSet(bottom) && IsSet(height)) {
        y = ph - bottom * s - height * s;
    } else {
        y = ph * relY + offsetY;
    }
    y += py;
    if (IsSet(width)) {
        w = width * s;
    } else if (IsSet(right)) {
        w = (px + pw) - right * s - x;
    } else {
        w = pw * relW;
    }
    if (IsSet(height)) {
        h = height * s;
    } else if (IsSet(bottom)) {
        h = (py + ph) - bottom * s - y;
    } else {
        h = ph * relH;
    }
    return Rect();
}

}  // namespace plot
