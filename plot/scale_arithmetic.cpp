#include "plot/scale_arithmetic.h"

#include <algorithm>
#include <cmath>

namespace plot {

namespace {

// Repeated stepping must end even when the step is lost against the values' magnitude.
constexpr int kMaxSteps = 100000;

}  // namespace

double AutoRange(double a, double b, double c, double d, double& lo, double& hi) {
    a = std::fabs(a);
    b = std::fabs(b);
    c = std::fabs(c);
    d = std::fabs(d);
    if (!std::isfinite(lo) || !std::isfinite(hi) || (lo == 0.0 && hi == 0.0)) {
        lo = -1.0;
        hi = 1.0;
        return 0.5;
    }
    if (lo > 0.0 && (hi - lo) / hi > c) {
        lo = 0.0;
    } else if (a > 0.0) {
        if (lo < 0.0) {
            lo = lo - a * (hi - lo);
        } else if (lo > 0.0) {
            lo = lo - a * std::min(hi - lo, lo);
        }
    }
    if (hi < 0.0 && std::fabs((hi - lo) / lo) > d) {
        hi = 0.0;
    } else if (b > 0.0) {
        if (hi > 0.0) {
            hi = hi + b * (hi - lo);
        } else if (hi < 0.0) {
            hi = hi + b * std::min(hi - lo, std::fabs(lo));
        }
    }
    if (hi == lo && lo > 0.0) {
        const double m = 0.1 * hi;
        lo -= m;
        hi += m;
    } else if (hi == lo && lo < 0.0) {
        const double m = 0.1 * hi;
        lo += m;
        hi -= m;
    }
    const double r = hi - lo;
    if (!(r > 0.0) || !std::isfinite(r)) {
        // Reversed or degenerate input: keep the ends, give a step that spans them.
        return std::fabs(r) > 0.0 && std::isfinite(r) ? std::fabs(r) : 1.0;
    }
    const double w = std::pow(10.0, std::ceil(std::log10(r) - 1.0));
    const int k = std::clamp(static_cast<int>(std::floor(r / w)), 1, 10);
    static const double kFactor[11] = {0.2, 0.2, 0.5, 0.5, 1, 1, 1, 2, 2, 2, 2};
    double factor = kFactor[k];
    const double alo = std::fabs(lo);
    const double ahi = std::fabs(hi);
    if (alo > 0.0 && alo < 1.0 && ahi > 0.0 && ahi < 1.0) {
        factor = k <= 2 ? 0.5 : 1.0;
    }
    const double step = factor * w;
    double newLo = std::floor(alo / step) * step;
    if (lo < 0.0) {
        newLo = -(newLo + step);
    }
    double newHi = newLo;
    for (int i = 0; newHi < hi && i < kMaxSteps; ++i) {
        const double next = newHi + step;
        if (next == newHi) {
            break;
        }
        newHi = next;
    }
    if (newHi < hi) {
        newHi = hi;
    }
    lo = newLo;
    hi = newHi;
    return step;
}

double NiceNumber(double x, bool nearest) {
    if (!(x > 0.0) || !std::isfinite(x)) {
        return x;
    }
    const double e = std::floor(std::log10(x));
    const double p = std::pow(10.0, e);
    const double f = x / p;
    double nice = 10.0;
    if (nearest) {
        nice = f < 1.5 ? 1.0 : f < 3.0 ? 2.0 : f < 7.0 ? 5.0 : 10.0;
    } else {
        nice = f <= 1.0 ? 1.0 : f <= 2.0 ? 2.0 : f <= 5.0 ? 5.0 : 10.0;
    }
    return nice * p;
}

LooseLabelResult LooseLabels(int n, double lo, double hi) {
    LooseLabelResult result;
    if (n < 2 || !std::isfinite(lo) || !std::isfinite(hi)) {
        return result;
    }
    const double range = NiceNumber(std::round(hi - lo), false);
    const double step = NiceNumber(range / (n - 1), true);
    if (!(step > 0.0) || !std::isfinite(step)) {
        return result;
    }
    const double start = std::floor(lo / step) * step;
    const double end = std::ceil(hi / step) * step;
    result.step = step;
    for (int i = 0; i < kMaxSteps; ++i) {
        const double v = start + i * step;
        if (!(v < end + step / 2.0)) {
            break;
        }
        result.values.push_back(v);
    }
    return result;
}

}  // namespace plot
