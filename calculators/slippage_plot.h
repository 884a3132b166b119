#pragma once

#include "calculators/patterson_slippage.h"
#include "plot/plot.h"

namespace calc {

/// The pump slippage calculator's plot: slippage against clearance over the ten curve
/// clearances, one curve named "SlippageCurve". Texts come from the string table in the current
/// language.
class SlippagePlot {
public:
    static constexpr std::uint32_t kCurveColor = 0xFF0000FFu;

    SlippagePlot();

    void SetCurve(const SlippageCurve& curve);
    plot::CPlot& Plot() { return m_plot; }

private:
    plot::CPlot m_plot;
};

}  // namespace calc
