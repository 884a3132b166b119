#pragma once

#include "engine/calculation_case.h"
#include "plot/plot.h"

#include <array>
#include <memory>
#include <string>

namespace units {
class CDataObject;
}

namespace report {

/// The three result plots of a design, set up as the main window shows them: dynamometer cards
/// (surface and pump card), pump velocity against pump position, and net gearbox torque against
/// crank angle. Axes show the current display units; titles and axis labels come from the string
/// table in the current language, each axis label followed by its unit symbol. The units library
/// must be started before the plots are made.
class SuckerRodPlots {
public:
    /// Line colours of the curves.
    static constexpr std::uint32_t kSurfaceCardColor = 0xFF0000C0u;
    static constexpr std::uint32_t kPumpCardColor = 0xFFC00000u;
    static constexpr std::uint32_t kVelocityColor = 0xFF008000u;
    static constexpr std::uint32_t kTorqueColor = 0xFF800080u;

    SuckerRodPlots();
    ~SuckerRodPlots();
    SuckerRodPlots(const SuckerRodPlots&) = delete;
    SuckerRodPlots& operator=(const SuckerRodPlots&) = delete;

    /// Replaces the curves with those of a calculation. Points that are not numbers are left out.
    void SetResults(const ZelkEngine::ZelkResults& results);

    /// Rewrites the X and Y labels with the current display unit symbols. The axis values follow
    /// a display-unit change by themselves; the labels are texts and need this call. The main
    /// window keeps its own plain labels and does not call it.
    void UpdateAxisLabels();

    plot::CPlot& Cards() { return m_cards; }
    plot::CPlot& PumpVelocity() { return m_pumpVelocity; }
    plot::CPlot& Torque() { return m_torque; }

private:
    struct Labels {
        int xLabel;
        const char* xCategory;
        int yLabel;
        const char* yCategory;
    };

    void SetUp(plot::CPlot& plot, int index, int title, int xLabel, const char* xCategory,
               int yLabel, const char* yCategory);

    // The axes' unit objects (X and Y of each plot), kept as long as the plots.
    std::array<std::unique_ptr<units::CDataObject>, 6> m_axisObjects;
    std::array<double, 6> m_axisValues{};
    plot::CPlot m_cards;
    plot::CPlot m_pumpVelocity;
    plot::CPlot m_torque;
    std::array<Labels, 3> m_labels{};
};

}  // namespace report
