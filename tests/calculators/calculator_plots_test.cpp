#include "calculators/slippage_plot.h"
#include "calculators/temperature_plot.h"
#include "plot/curve_data.h"
#include "plot/data_area.h"
#include "plot/data_area_curve.h"

#include <gtest/gtest.h>

namespace {

const plot::CDataAreaCurve* Curve(plot::CPlot& plot, const std::string& name) {
    const plot::CDataArea* area = plot.FindDataArea("DataArea");
    return area == nullptr ? nullptr : area->FindCurve(name);
}

TEST(CalculatorPlots, SlippageCurveOverTheTenClearances) {
    calc::SlippagePlot shown;
    calc::SlippageCase pump;
    pump.m_clearance = 0.0005;
    pump.m_pumpDisplacement = 200.0;
    const calc::SlippageCurve curve = calc::ComputeSlippageCurve(pump);
    shown.SetCurve(curve);
    shown.SetCurve(curve);  // replaced, not added twice
    ASSERT_EQ(shown.Plot().FindDataArea("DataArea")->Curves().size(), 1u);
    const plot::CDataAreaCurve* drawn = Curve(shown.Plot(), "SlippageCurve");
    ASSERT_NE(drawn, nullptr);
    EXPECT_EQ(drawn->GetColor(), calc::SlippagePlot::kCurveColor);
    ASSERT_EQ(drawn->Series().size(), 2u);
    EXPECT_EQ(drawn->Series()[0]->Values(),
              std::vector<double>(curve.m_clearances.begin(), curve.m_clearances.end()));
    EXPECT_EQ(drawn->Series()[1]->Values(),
              std::vector<double>(curve.m_slippages.begin(), curve.m_slippages.end()));
    EXPECT_EQ(drawn->Series()[1]->Values()[0], 0.0);  // negative clearance plotted as 0
}

TEST(CalculatorPlots, TemperatureProfileHasThreeColouredCurves) {
    calc::ThermalProfileCase profile;
    profile.m_depths = {0, 1000, 3000, 5000};
    ASSERT_FALSE(calc::ComputeThermalProfile(profile).has_value());
    calc::TemperaturePlot shown;
    shown.SetProfile(profile.m_outputs);
    struct Expected {
        const char* name;
        const std::vector<double>* values;
        std::uint32_t color;
    };
    const Expected expected[] = {
        {"m_adStraightLineTemperatures", &profile.m_outputs.m_adStraightLineTemperatures,
         0xFFFF00FFu},
        {"m_adFlowingTemperatures", &profile.m_outputs.m_adFlowingTemperatures, 0xFFFF0000u},
        {"m_adGeothermalTemperatures", &profile.m_outputs.m_adGeothermalTemperatures, 0xFF008000u},
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.name);
        const plot::CDataAreaCurve* drawn = Curve(shown.Plot(), e.name);
        ASSERT_NE(drawn, nullptr);
        EXPECT_EQ(drawn->GetColor(), e.color);
        EXPECT_EQ(drawn->Series()[0]->Values(), profile.m_outputs.m_nodeDepths);
        EXPECT_EQ(drawn->Series()[1]->Values(), *e.values);
    }
}

}  // namespace
