#include "plot/transform.h"

#include <algorithm>

namespace plot {

namespace {

struct Span {
    double lo;
    double hi;
};

Span ordered(double start, double length) {
    return {std::min(start, start + length), std::max(start, start + length)};
}

double mapForward(double v, Span from, Span to, bool inverted) {
    if (from.hi == from.lo) {
        return 0.0;
    }
    const double t = (v - from.lo) / (from.hi - from.lo);
    return inverted ? to.hi - t * (to.hi - to.lo) : to.lo + t * (to.hi - to.lo);
}

double mapBack(double d, Span from, Span to, bool inverted) {
    if (to.hi == to.lo) {
        return 0.0;
    }
    const double t = inverted ? (to.hi - d) / (to.hi - to.lo) : (d - to.lo) / (to.hi - to.lo);
    return from.lo + t * (from.hi - from.lo);
}

}  // namespace

double CTransform::DataToDeviceX(double v) const {
    return mapForward(v, ordered(data.x, data.w), ordered(device.x, device.w), false);
}

double CTransform::DataToDeviceY(double v) const {
    return mapForward(v, ordered(data.y, data.h), ordered(device.y, device.h), invertY != 0);
}

double CTransform::DeviceToDataX(double d) const {
    return mapBack(d, ordered(data.x, data.w), ordered(device.x, device.w), false);
}

double CTransform::DeviceToDataY(double d) const {
    return mapBack(d, ordered(data.y, data.h), ordered(device.y, device.h), invertY != 0);
}

}  // namespace plot
