#include "calculators/slippage_plot.h"

#include "app/string_table.h"
#include "plot/data_area_curve.h"
#include "plot/standard_plot.h"
#include "units/units_manager.h"

#include <vector>

namespace calc {

SlippagePlot::SlippagePlot() {
    plot::BuildStandardPlot(m_plot, nullptr, nullptr);
    // Title 276, axes "Clearance (C)" (267) and "Slippage " (268).
    plot::AddStandardTextBlocks(m_plot, app::loadString(276), app::loadString(267),
                                app::loadString(268));
}

void SlippagePlot::SetCurve(const SlippageCurve& curve) {
    const std::vector<double> x(curve.m_clearances.begin(), curve.m_clearances.end());
    const std::vector<double> y(curve.m_slippages.begin(), curve.m_slippages.end());
    plot::CDataAreaCurve* shown = plot::ReplaceCurve(
        m_plot, "SlippageCurve", x, y, units::CUnitsManager::CategoryIndexOf("SMALL_LENGTH_2"),
        units::CUnitsManager::CategoryIndexOf("FLOWRATE"));
    if (shown != nullptr) {
        shown->SetColor(kCurveColor);
        shown->SetLineWidth(1.5);
    }
}

}  // namespace calc
