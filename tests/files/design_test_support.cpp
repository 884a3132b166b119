#include "design_test_support.h"

namespace files_test {

ZelkEngine::DesignCase unusualDesign() {
    ZelkEngine::DesignCase d;
    d.m_version = "3.1.0.0";
    d.m_title =
        "Pozo \xC3\x91"
        "and\xC3\xBA #3: a title of more than ninety-three characters, "
        "which earlier readers cut at the line buffer";
    d.m_unitTypeName = "MarkII";
    d.m_pumpDepth = 7250.5;
    d.m_strokeLength = 143.75;
    d.m_pumpDiameter = 1.75;
    d.m_tubingOD = 3.5;
    d.m_tubingWeight = 9.3;
    d.m_tubingID = 2.992;
    d.m_anchoredTubing = true;
    d.m_rodType = 1;
    d.m_rodNumber = 86;
    d.m_rodGrade = "E";
    d.m_fiberglassSize = 1.2;
    d.m_steelSize = 0.875;
    d.m_fiberglassPercent = 42.5;
    d.m_sinkerBarWeight = 1200.5;
    d.m_fluidSpecificGravity = 1.02;
    d.m_tubingPressure = 75.5;
    d.m_casingPressure = 40.25;
    d.m_dampingFactor = 0.15;
    d.m_unitEfficiency = 90.0;
    d.m_pumpEfficiency = 87.0;
    d.m_pumpIntakePressureEntered = false;
    d.m_pumpIntakePressure = 310.75;
    d.m_reservoirPressure = 1450.5;
    d.m_productivityIndex = 0.45;
    d.m_calculationType = 1;
    d.m_strokeRate = 8.5;
    d.m_targetRate = 350.25;
    d.m_oilGravity = 35.5;
    d.m_waterSpecificGravity = 1.05;
    d.m_waterCut = 70.0;
    d.m_sinkerBarDiameter = 1.625;
    d.m_clearance = 0.004;
    d.m_fluidViscosity = 1.25;
    d.m_plungerLength = 60.0;
    d.m_useFluidSpGravCalculator = true;
    d.m_useSinkerBarCalculator = true;
    d.m_useSlippageCalculator = true;
    d.m_tubingAnchorCatcherState = {80.0, 120.5, 0.0, -3.25, 1e-6, 6500.0};
    d.setDisplayUnit("DEPTH", "M");
    d.setDisplayUnit("DIFFERENTIALPRESSURE", "KPA");
    d.setDisplayUnit("SMALL_WEIGHT", "KG");
    d.setDisplayUnit("SMALL_LENGTH", "CM");
    d.setDisplayUnit("SMALL_LENGTH_2", "MM");
    d.setDisplayUnit("ZELK_FLOW_PER_PRESSURE", "M3_D_KPA");
    d.setDisplayUnit("H2O_GRAVITY", "KG_M3");
    d.setDisplayUnit("OIL_GRAVITY", "KG_M3");
    d.setDisplayUnit("FLUID_SPECIFIC_GRAVITY", "ZELK_KG_M3");
    d.setDisplayUnit("FLOWRATE", "M3_D");
    d.setDisplayUnit("DYNAMIC_VISCOSITY", "MPA_S");
    d.setDisplayUnit("PRESS_GRADIENT", "KPA_M");
    return d;
}

app::ZelkOptions unusualOptions() {
    app::ZelkOptions o;
    o.targetRateIncrement = 7.5;
    o.spmIncrement = 0.2;
    o.numberOfTimeSteps = 250;
    o.dxMaximum = 100.25;
    o.minimumNumberOfElements = 15;
    o.defaultTotalSinkerBarWeight = 300;
    o.defaultFluidSpecificGravity = 0.98;
    o.defaultTubingPressure = 90;
    o.defaultCasingPressure = 55;
    o.defaultDampingFactor = 0.2;
    o.defaultUnitEfficiency = 92;
    o.defaultPumpEfficiency = 85;
    return o;
}

void expectSameDesign(const ZelkEngine::DesignCase& a, const ZelkEngine::DesignCase& e) {
#define ZELK_EXPECT_FIELD(field) EXPECT_EQ(a.field, e.field) << #field
    ZELK_EXPECT_FIELD(m_version);
    ZELK_EXPECT_FIELD(m_title);
    ZELK_EXPECT_FIELD(m_unitTypeName);
    ZELK_EXPECT_FIELD(m_pumpDepth);
    ZELK_EXPECT_FIELD(m_strokeLength);
    ZELK_EXPECT_FIELD(m_pumpDiameter);
    ZELK_EXPECT_FIELD(m_tubingOD);
    ZELK_EXPECT_FIELD(m_tubingWeight);
    ZELK_EXPECT_FIELD(m_tubingID);
    ZELK_EXPECT_FIELD(m_anchoredTubing);
    ZELK_EXPECT_FIELD(m_rodType);
    ZELK_EXPECT_FIELD(m_rodNumber);
    ZELK_EXPECT_FIELD(m_rodGrade);
    ZELK_EXPECT_FIELD(m_fiberglassSize);
    ZELK_EXPECT_FIELD(m_steelSize);
    ZELK_EXPECT_FIELD(m_fiberglassPercent);
    ZELK_EXPECT_FIELD(m_sinkerBarWeight);
    ZELK_EXPECT_FIELD(m_fluidSpecificGravity);
    ZELK_EXPECT_FIELD(m_tubingPressure);
    ZELK_EXPECT_FIELD(m_casingPressure);
    ZELK_EXPECT_FIELD(m_dampingFactor);
    ZELK_EXPECT_FIELD(m_unitEfficiency);
    ZELK_EXPECT_FIELD(m_pumpEfficiency);
    ZELK_EXPECT_FIELD(m_pumpIntakePressureEntered);
    ZELK_EXPECT_FIELD(m_pumpIntakePressure);
    ZELK_EXPECT_FIELD(m_reservoirPressure);
    ZELK_EXPECT_FIELD(m_productivityIndex);
    ZELK_EXPECT_FIELD(m_calculationType);
    ZELK_EXPECT_FIELD(m_strokeRate);
    ZELK_EXPECT_FIELD(m_targetRate);
    ZELK_EXPECT_FIELD(m_oilGravity);
    ZELK_EXPECT_FIELD(m_waterSpecificGravity);
    ZELK_EXPECT_FIELD(m_waterCut);
    ZELK_EXPECT_FIELD(m_sinkerBarDiameter);
    ZELK_EXPECT_FIELD(m_clearance);
    ZELK_EXPECT_FIELD(m_fluidViscosity);
    ZELK_EXPECT_FIELD(m_plungerLength);
    ZELK_EXPECT_FIELD(m_useFluidSpGravCalculator);
    ZELK_EXPECT_FIELD(m_useSinkerBarCalculator);
    ZELK_EXPECT_FIELD(m_useSlippageCalculator);
    ZELK_EXPECT_FIELD(m_tubingAnchorCatcherState);
#undef ZELK_EXPECT_FIELD
    ASSERT_EQ(a.m_displayUnits.size(), e.m_displayUnits.size());
    for (std::size_t i = 0; i < a.m_displayUnits.size(); ++i) {
        EXPECT_EQ(a.m_displayUnits[i].m_categoryKey, e.m_displayUnits[i].m_categoryKey);
        EXPECT_EQ(a.m_displayUnits[i].m_unitKey, e.m_displayUnits[i].m_unitKey)
            << e.m_displayUnits[i].m_categoryKey;
    }
}

std::string dataDir() {
    return ZELK_TEST_DATA_DIR;
}

}  // namespace files_test
