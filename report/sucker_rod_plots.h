#pragma once

#include "engine/calculation_case.h"
#include "plot/plot.h"

namespace report {

/// The three result plots of a design, set up as the main window shows them: dynamometer cards
/// (surface and pump card), pump velocity against pump position, and net gearbox torque against
/// crank angle. Titles and axis labels come from the string table in the current language.
class SuckerRodPlots {
public:
    /// Line colours of the curves.
    static constexpr std::uint32_t kSurfaceCardColor = 0xFF0000C0u;
    static constexpr std::uint32_t kPumpCardColor = 0xFFC00000u;
    static constexpr std::uint32_t kVelocityColor = 0xFF008000u;
    static constexpr std::uint32_t kTorqueColor = 0xFF800080u;

    SuckerRodPlots();

    /// Replaces the curves with those of a calculation.
    void SetResults(const ZelkEngine::ZelkResults& results);

    plot::CPlot& Cards() { return m_cards; }
    plot::CPlot& PumpVelocity() { return m_pumpVelocity; }
    plot::CPlot& Torque() { return m_torque; }

private:
    plot::CPlot m_cards;
    plot::CPlot m_pumpVelocity;
    plot::CPlot m_torque;
};

}  // namespace report
