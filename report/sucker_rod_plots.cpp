#include "report/sucker_rod_plots.h"

#include "app/string_table.h"
#include "plot/data_area_curve.h"
#include "plot/standard_plot.h"
#include "plot/text_block.h"
#include "units/data_object.h"
#include "units/units_manager.h"

#include <cmath>

namespace report {

namespace {

int Row(const char* categoryKey) {
    return units::CUnitsManager::CategoryIndexOf(categoryKey);
}

std::string LabelWithUnit(int id, const char* categoryKey) {
    const std::string symbol = units::CategoryUnitSymbol(categoryKey);
    std::string label = app::loadString(id);
    if (!symbol.empty()) {
        label += " (" + symbol + ")";
    }
    return label;
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
    SetUp(m_cards, 0, 200, 202, "SMALL_LENGTH", 201, "SMALL_WEIGHT");
    SetUp(m_pumpVelocity, 1, 203, 202, "SMALL_LENGTH", 204, "SMALL_VELOCITY");
    SetUp(m_torque, 2, 205, 209, "ANGLE", 208, "INLB");
}

SuckerRodPlots::~SuckerRodPlots() = default;

void SuckerRodPlots::SetUp(plot::CPlot& plot, int index, int title, int xLabel,
                           const char* xCategory, int yLabel, const char* yCategory) {
    m_labels[static_cast<std::size_t>(index)] = Labels{xLabel, xCategory, yLabel, yCategory};
    const char* categories[2] = {xCategory, yCategory};
    for (int axis = 0; axis < 2; ++axis) {
        const auto slot = static_cast<std::size_t>(2 * index + axis);
        const int row = Row(categories[axis]);
        auto object = std::make_unique<units::CDataObject>();
        object->SetName(app::loadString(title) + (axis == 0 ? " X_DCL" : " Y_DCL"));
        object->SetDescription(app::loadString(title) + " DCL Axis");
        object->SetUnits(units::CUnitsManager::InternalUnitAt(row),
                         units::CUnitsManager::CategoryKeyAt(row));
        object->InitValue(&m_axisValues[slot]);
        m_axisObjects[slot] = std::move(object);
    }
    plot::BuildStandardPlot(plot, m_axisObjects[static_cast<std::size_t>(2 * index)].get(),
                            m_axisObjects[static_cast<std::size_t>(2 * index + 1)].get());
    plot::AddStandardTextBlocks(plot, app::loadString(title), LabelWithUnit(xLabel, xCategory),
                                LabelWithUnit(yLabel, yCategory));
}

void SuckerRodPlots::UpdateAxisLabels() {
    plot::CPlot* plots[3] = {&m_cards, &m_pumpVelocity, &m_torque};
    for (std::size_t i = 0; i < m_labels.size(); ++i) {
        const Labels& l = m_labels[i];
        if (plot::CTextBlock* x = plots[i]->FindTextBlock("XLabel")) {
            x->SetText(LabelWithUnit(l.xLabel, l.xCategory));
        }
        if (plot::CTextBlock* y = plots[i]->FindTextBlock("YLabel")) {
            y->SetText(LabelWithUnit(l.yLabel, l.yCategory));
        }
    }
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
