#include "report/sucker_rod_plots.h"

#include "plot/axis.h"
#include "plot/data_area.h"
#include "plot/data_area_curve.h"
#include "plot/recording_graphics.h"
#include "plot/text_block.h"
#include "units/dcl_manager.h"
#include "units/units.h"
#include "units/units_category.h"
#include "units/units_manager.h"

#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace report {
namespace {

/// The result plots over the started units library, with small made-up curves.
class SuckerRodPlotsTest : public ::testing::Test {
protected:
    void SetUp() override {
        units::ShutdownUnitsLibrary();
        units::StartUnitsLibrary("OILFIELD");
        plots = std::make_unique<SuckerRodPlots>();
        ZelkEngine::ZelkResults r;
        r.PolishedRodPositionCurve = {0.0, 60.0, 120.0, 60.0, 0.0};
        r.PolishedRodLoadCurve = {4000.0, 14000.0, 12000.0, 6000.0, 4000.0};
        r.PumpPositionCurve = {0.0, 50.0, 100.0, 50.0, 0.0};
        r.PumpLoadCurve = {0.0, 8000.0, 8000.0, 0.0, 0.0};
        r.PumpVelocityCurve = {0.0, 40.0, 0.0, -40.0, 0.0};
        r.CrankAngleCurve = {0.0, 90.0, 180.0, 270.0, 360.0};
        r.NetTorqueCurve = {0.0, 300000.0, -50000.0, 250000.0, 0.0};
        plots->SetResults(r);
    }
    void TearDown() override {
        plots.reset();  // the curves hold value objects of the library
        units::ShutdownUnitsLibrary();
    }
    static void SetDisplayUnit(const char* category, const char* unitKey) {
        units::UnitsManager()->FindCategory(category)->SetCurrentUnit(units::FindUnit(unitKey));
    }
    // What the window does after a display-unit change: labels, then a fresh layout.
    void Relayout() {
        plots->UpdateAxisLabels();
        for (plot::CPlot* p : {&plots->Cards(), &plots->PumpVelocity(), &plots->Torque()}) {
            for (const auto& axis : p->Axes()) {
                axis->SetDirty();
            }
            p->Layout(g, 0, 0, 600, 400);
        }
    }

    std::unique_ptr<SuckerRodPlots> plots;
    plot::RecordingGraphics g;
};

struct AxisCase {
    std::function<plot::CPlot&(SuckerRodPlots&)> plot;
    const char* curve;
    bool yAxis;
    const char* category;
    const char* internalUnit;
    const char* otherUnit;
    const char* internalLabel;
    const char* otherLabel;
};

TEST_F(SuckerRodPlotsTest, AxesAndLabelsFollowTheDisplayUnits) {
    const AxisCase cases[] = {
        {&SuckerRodPlots::Cards, "SurfaceCard", true, "SMALL_WEIGHT", "LB", "KN", "Rod Load (lb)",
         "Rod Load (kN)"},
        {&SuckerRodPlots::Cards, "SurfaceCard", false, "SMALL_LENGTH", "IN", "CM", "Position (in)",
         "Position (cm)"},
        {&SuckerRodPlots::PumpVelocity, "PumpVelocity", true, "SMALL_VELOCITY", "IN_S", "CM_S",
         "Pump Velocity (in/s)", "Pump Velocity (cm/s)"},
        {&SuckerRodPlots::Torque, "NetTorque", false, "ANGLE", "DEGREE", "RADIANS",
         "Angle (degree)", "Angle (rad)"},
    };
    for (const AxisCase& c : cases) {
        SCOPED_TRACE(c.category);
        plot::CPlot& p = c.plot(*plots);
        const plot::CAxis* axis = p.FindAxis(c.yAxis ? "YAxis" : "XAxis");
        const plot::CTextBlock* label = p.FindTextBlock(c.yAxis ? "YLabel" : "XLabel");
        ASSERT_NE(axis, nullptr);
        ASSERT_NE(label, nullptr);
        const plot::CDataAreaCurve* curve = p.FindDataArea("DataArea")->FindCurve(c.curve);
        ASSERT_NE(curve, nullptr);

        Relayout();
        EXPECT_EQ(label->GetText(), c.internalLabel);
        const std::vector<plot::CTickMarkInfo> before = axis->MajorTicks();
        ASSERT_GE(before.size(), 2u);

        SetDisplayUnit(c.category, c.otherUnit);
        Relayout();
        EXPECT_EQ(label->GetText(), c.otherLabel);
        const std::vector<plot::CTickMarkInfo>& after = axis->MajorTicks();
        ASSERT_GE(after.size(), 2u);
        EXPECT_NE(after.back().label, before.back().label);
        for (const plot::CTickMarkInfo& tick : after) {
            // Each tick is a value in the new unit, drawn where that value lies on the curve.
            const double stored = units::Convert(tick.value, c.otherUnit, c.internalUnit);
            EXPECT_NEAR(axis->FromAxisUnits(tick.value), stored, 1e-6 * (1.0 + std::abs(stored)));
            const double device = c.yAxis ? curve->GetTransform().DataToDeviceY(stored)
                                          : curve->GetTransform().DataToDeviceX(stored);
            EXPECT_NEAR(tick.position, device, 1e-6);
        }

        SetDisplayUnit(c.category, c.internalUnit);
        Relayout();
        EXPECT_EQ(label->GetText(), c.internalLabel);
        ASSERT_EQ(axis->MajorTicks().size(), before.size());
        for (std::size_t i = 0; i < before.size(); ++i) {
            EXPECT_EQ(axis->MajorTicks()[i].label, before[i].label);
            EXPECT_DOUBLE_EQ(axis->MajorTicks()[i].value, before[i].value);
        }
    }
}

}  // namespace
}  // namespace report
