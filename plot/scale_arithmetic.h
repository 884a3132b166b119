#pragma once

#include <vector>

namespace plot {

/// Chooses a displayed range and a step that enclose [lo, hi] with margins and start and end
/// on whole multiples of the step. a, b: lower and upper margin fractions; c, d: zero
/// thresholds (all taken as absolute values). Rewrites lo and hi and returns the step.
/// A negative lower end always gains one step beyond the next multiple.
double AutoRange(double a, double b, double c, double d, double& lo, double& hi);

/// A "nice" number (1, 2, 5 or 10 times a power of ten) near x (nearest set) or not below x.
/// Values that are not positive and finite come back unchanged.
double NiceNumber(double x, bool nearest);

/// Step and values of loose labels: about n labels covering [lo, hi] at a nice step. Gives
/// no values when the span is too small to choose a step.
struct LooseLabelResult {
    double step = 0.0;
    std::vector<double> values;
};
LooseLabelResult LooseLabels(int n, double lo, double hi);

}  // namespace plot
