#pragma once

#include "plot/geometry.h"

namespace plot {

/// Linear mapping from data units to device units. `data` holds the minimum values and the
/// spans; with `invertY` set the smallest Y value lands at the bottom of the device rectangle.
/// A zero span on either side maps to 0 rather than dividing by zero.
class CTransform {
public:
    RectF device;
    RectF data;
    int invertY = 1;

    double DataToDeviceX(double v) const;
    double DataToDeviceY(double v) const;
    double DeviceToDataX(double d) const;
    double DeviceToDataY(double d) const;

    friend bool operator==(const CTransform& a, const CTransform& b) {
        return a.device == b.device && a.data == b.data && a.invertY == b.invertY;
    }
    friend bool operator!=(const CTransform& a, const CTransform& b) { return !(a == b); }
};

}  // namespace plot
