#include "report/sucker_rod_plots.h"

#include "app/string_table.h"
#include "plot/data_area_curve.h"
#include "plot/standard_plot.h"
#include "units/units_manager.h"

#include <cmath>

namespace report {

namespace {

void SetUp(plot::CPlot& plot, int title, int xLabel, int yLabel) {
    plot::BuildStandardPlot(plot, nullptr, nullptr);
    plot::AddStandardTextBlocks(plot, app::loadString(title), app::loadString(xLabel),
                                app::loadString(yLabel));
}

int Row(const char* categoryKey) {
    return units::CUnitsManager::CategoryIndexOf(categoryKey);
}

void Put(plot::CPlot& plot, const char* name, const std::vector<double>& x,
         const std::vector<double>& y, const char* xCategory, const char* yCategory,
         std::uint32_t color) {
    // A point that is not a number cannot be drawn, and would spoil the automatic ranges.
    std::vector<double> xs;
    std::vector<double> ys;
    for (std::size_t i = 0; i < x.size() && i < y.size(); ++i) {
        if (std::isfinite(x[i]) && std::isfinite(y[i])) {
            xs.push_back(x[i]);
            ys.push_back(y[i]);
        }
    }
    plot::CDataAreaCurve* curve =
        plot::ReplaceCurve(plot, name, xs, ys, Row(xCategory), Row(yCategory));
    if (curve != nullptr) {
        curve->SetColor(color);
        curve->SetLineWidth(1.5);
    }
}

}  // namespace

SuckerRodPlots::SuckerRodPlots() {
    SetUp(m_cards, 200, 202, 201);
    SetUp(m_pumpVelocity, 203, 202, 204);
    SetUp(m_torque, 205, 209, 208);
}

void SuckerRodPlots::SetResults(const ZelkEngine::ZelkResults& r) {
    Put(m_cards, "SurfaceCard", r.PolishedRodPositionCurve, r.PolishedRodLoadCurve, "SMALL_LENGTH",
        "SMALL_WEIGHT", kSurfaceCardColor);
    Put(m_cards, "PumpCard", r.PumpPositionCurve, r.PumpLoadCurve, "SMALL_LENGTH", "SMALL_WEIGHT",
        kPumpCardColor);
    Put(m_pumpVelocity, "PumpVelocity", r.PumpPositionCurve, r.PumpVelocityCurve, "SMALL_LENGTH",
        "SMALL_VELOCITY", kVelocityColor);
    Put(m_torque, "NetTorque", r.CrankAngleCurve, r.NetTorqueCurve, "ANGLE", "INLB", kTorqueColor);
}

}  // namespace report
