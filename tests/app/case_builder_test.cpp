#include "app/case_builder.h"

#include <gtest/gtest.h>

namespace {

using ZelkEngine::CalculationCase;
using ZelkEngine::DesignCase;

void expectSameInputsAndSettings(const CalculationCase& a, const CalculationCase& e) {
#define ZELK_EXPECT_FIELD(field) EXPECT_EQ(a.field, e.field) << #field
    ZELK_EXPECT_FIELD(Inputs.UnitType);
    ZELK_EXPECT_FIELD(Inputs.Depth);
    ZELK_EXPECT_FIELD(Inputs.TargetRate);
    ZELK_EXPECT_FIELD(Inputs.StrokeLength);
    ZELK_EXPECT_FIELD(Inputs.PumpDiameter);
    ZELK_EXPECT_FIELD(Inputs.TubingID);
    ZELK_EXPECT_FIELD(Inputs.TubingOD);
    ZELK_EXPECT_FIELD(Inputs.AnchoredTubing);
    ZELK_EXPECT_FIELD(Inputs.RodType);
    ZELK_EXPECT_FIELD(Inputs.RodNumber);
    ZELK_EXPECT_FIELD(Inputs.RodGrade);
    ZELK_EXPECT_FIELD(Inputs.FiberglassSizeIndex);
    ZELK_EXPECT_FIELD(Inputs.FiberglassPercent);
    ZELK_EXPECT_FIELD(Inputs.SteelSizeIndex);
    ZELK_EXPECT_FIELD(Inputs.StrokeRate);
    ZELK_EXPECT_FIELD(Inputs.CalcSPMFromTargetRate);
    ZELK_EXPECT_FIELD(Settings.PumpEfficiency);
    ZELK_EXPECT_FIELD(Settings.FluidSpGrav);
    ZELK_EXPECT_FIELD(Settings.UnitEfficiency);
    ZELK_EXPECT_FIELD(Settings.DampingFactor);
    ZELK_EXPECT_FIELD(Settings.NTimeSteps);
    ZELK_EXPECT_FIELD(Settings.dXMax);
    ZELK_EXPECT_FIELD(Settings.TubingPressure);
    ZELK_EXPECT_FIELD(Settings.CasingPressure);
    ZELK_EXPECT_FIELD(Settings.SinkerWeight);
    ZELK_EXPECT_FIELD(Settings.PumpInletPressure);
    ZELK_EXPECT_FIELD(Settings.MinElements);
    ZELK_EXPECT_FIELD(Settings.PressureType);
    ZELK_EXPECT_FIELD(Settings.ProductivityIndex);
    ZELK_EXPECT_FIELD(Settings.ReservoirPressure);
#undef ZELK_EXPECT_FIELD
}

TEST(CaseBuilder, NewDesignWithDefaultOptionsIsTheEnginesDefaultCase) {
    expectSameInputsAndSettings(app::BuildCalculationCase(DesignCase(), app::ZelkOptions()),
                                CalculationCase());
}

TEST(CaseBuilder, ConvertsNamesAndSizesAndTakesSettingsFromTheDesign) {
    DesignCase d;
    d.m_unitTypeName = "AirBal";
    d.m_rodGrade = "E";
    d.m_rodType = 1;
    d.m_fiberglassSize = 0.8755;  // within 0.001 of 0.875
    d.m_steelSize = 1.625;
    d.m_tubingOD = 3.5;
    d.m_tubingWeight = 9.3;
    d.m_tubingID = 2.992;
    d.m_calculationType = 1;
    d.m_pumpIntakePressureEntered = false;
    d.m_pumpEfficiency = 80;
    d.m_casingPressure = 12;
    app::ZelkOptions options;
    options.numberOfTimeSteps = 250.0;
    options.dxMaximum = 500;
    options.minimumNumberOfElements = 9;
    options.defaultTubingPressure = 66;
    const CalculationCase c = app::BuildCalculationCase(d, options);
    EXPECT_EQ(c.Inputs.UnitType, 3);
    EXPECT_EQ(c.Inputs.RodGrade, 3);
    EXPECT_EQ(c.Inputs.RodType, 1);
    EXPECT_EQ(c.Inputs.FiberglassSizeIndex, 3);
    EXPECT_EQ(c.Inputs.SteelSizeIndex, 7);
    EXPECT_EQ(c.Inputs.TubingOD, 3.5);
    EXPECT_EQ(c.Inputs.TubingID, 2.992);
    EXPECT_TRUE(c.Inputs.CalcSPMFromTargetRate);
    EXPECT_EQ(c.Settings.PressureType, 1);
    EXPECT_EQ(c.Settings.PumpEfficiency, 80.0);
    EXPECT_EQ(c.Settings.CasingPressure, 12.0);
    EXPECT_EQ(c.Settings.TubingPressure, 66.0);  // unset in the design: the option's default
    EXPECT_EQ(c.Settings.NTimeSteps, 250);
    EXPECT_EQ(c.Settings.dXMax, 500.0);
    EXPECT_EQ(c.Settings.MinElements, 9);
}

TEST(CaseBuilder, NamesAndSizesOutsideTheTablesBecomeBadCodes) {
    DesignCase d;
    d.m_unitTypeName = "";  // an old file's unit type 7
    d.m_rodGrade = "Z";
    d.m_fiberglassSize = 0.877;
    d.m_steelSize = 2.0;
    const CalculationCase c = app::BuildCalculationCase(d, app::ZelkOptions());
    EXPECT_EQ(c.Inputs.UnitType, -1);
    EXPECT_EQ(c.Inputs.RodGrade, -1);
    EXPECT_EQ(c.Inputs.FiberglassSizeIndex, -1);
    EXPECT_EQ(c.Inputs.SteelSizeIndex, -1);
}

TEST(CaseBuilder, TubingThatMatchesNoRowTakesRow25) {
    DesignCase d;
    d.m_tubingOD = 2.875;
    d.m_tubingWeight = 8.7;
    d.m_tubingID = 2.441;  // an old file's row weight with another row's bore
    EXPECT_EQ(app::TubingRowOfDesign(d), 25);
    const CalculationCase c = app::BuildCalculationCase(d, app::ZelkOptions());
    EXPECT_EQ(c.Inputs.TubingOD, 2.875);
    EXPECT_EQ(c.Inputs.TubingID, 2.441);
    EXPECT_EQ(app::TubingRowOfDesign(DesignCase()), 29);
}

}  // namespace
