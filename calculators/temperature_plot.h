#pragma once

#include "calculators/thermal_profile.h"
#include "plot/plot.h"

namespace calc {

/// The tubing anchor catcher's temperature profile: straight-line, flowing and geothermal
/// temperatures against depth. Texts come from the string table in the current language.
class TemperaturePlot {
public:
    static constexpr std::uint32_t kStraightLineColor = 0xFFFF00FFu;  // magenta
    static constexpr std::uint32_t kFlowingColor = 0xFFFF0000u;       // red
    static constexpr std::uint32_t kGeothermalColor = 0xFF008000u;    // dark green

    TemperaturePlot();

    /// Replaces the three curves; empty outputs remove them.
    void SetProfile(const ThermalProfileOutputs& profile);
    plot::CPlot& Plot() { return m_plot; }

private:
    plot::CPlot m_plot;
};

}  // namespace calc
