#pragma once

#include "plot/geometry.h"

#include <string>

namespace plot {

/// One computed tick of an axis.
struct CTickMarkInfo {
    double value = 0.0;     ///< axis units
    double position = 0.0;  ///< device coordinate along the axis
    std::string label;
    RectF labelRect;
    int labelled = 1;
};

}  // namespace plot
