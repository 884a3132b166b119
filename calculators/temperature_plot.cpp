#include "calculators/temperature_plot.h"

#include "app/string_table.h"
#include "plot/data_area_curve.h"
#include "plot/standard_plot.h"
#include "units/units_manager.h"

namespace calc {
namespace {

void Put(plot::CPlot& plot, const char* name, const std::vector<double>& depths,
         const std::vector<double>& temperatures, std::uint32_t color) {
    plot::CDataAreaCurve* curve = plot::ReplaceCurve(
        plot, name, depths, temperatures, units::CUnitsManager::CategoryIndexOf("DEPTH"),
        units::CUnitsManager::CategoryIndexOf("TEMPERATURE"));
    if (curve != nullptr) {
        curve->SetColor(color);
        curve->SetLineWidth(1.5);
    }
}

}  // namespace

TemperaturePlot::TemperaturePlot() {
    plot::BuildStandardPlot(m_plot, nullptr, nullptr);
    // "Temperature Profile" (335) over "Depth" (300) and "Temperature" (336).
    plot::AddStandardTextBlocks(m_plot, app::loadString(335), app::loadString(300),
                                app::loadString(336));
}

void TemperaturePlot::SetProfile(const ThermalProfileOutputs& profile) {
    Put(m_plot, "m_adStraightLineTemperatures", profile.m_nodeDepths,
        profile.m_adStraightLineTemperatures, kStraightLineColor);
    Put(m_plot, "m_adFlowingTemperatures", profile.m_nodeDepths, profile.m_adFlowingTemperatures,
        kFlowingColor);
    Put(m_plot, "m_adGeothermalTemperatures", profile.m_nodeDepths,
        profile.m_adGeothermalTemperatures, kGeothermalColor);
}

}  // namespace calc
