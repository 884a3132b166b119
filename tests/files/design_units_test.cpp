#include "files/design_units.h"

#include "design_test_support.h"
#include "files/design_file.h"
#include "files/zelk_parser_v3.h"
#include "units/units_manager.h"

#include <cmath>
#include <sstream>

#include <gtest/gtest.h>

namespace {

using ZelkEngine::DesignCase;

class DesignUnits : public ::testing::Test {
protected:
    void SetUp() override {
        m_catalogue.Build();
        m_catalogue.ApplyCategoryTable(units::kModeOilfield);
    }

    std::string currentUnit(const char* category) const {
        return m_catalogue.FindCategory(category)->GetCurrentUnit()->GetKey();
    }

    // Save in the catalogue's current units, then open into a fresh oilfield catalogue.
    DesignCase saveAndOpen(const DesignCase& internal, units::CUnitsManager& reader) {
        std::ostringstream out;
        out << files::VersionLine() << '\n';
        files::CZelkParserV3().Write(out, files::DesignInDisplayUnits(internal, m_catalogue),
                                     app::ZelkOptions());
        DesignCase read;
        app::ZelkOptions options;
        std::istringstream in(out.str());
        files::CZelkParserV3().Parse(in, read, options);
        files::ApplyDesignDisplayUnits(read, reader);
        return files::DesignInInternalUnits(read, reader);
    }

    units::CUnitsManager m_catalogue;
};

// Six decimals in the display unit: a relative error of a few parts in a million at most for
// the values used here (the smallest, 0.45 bbl/day/psi, is 0.010377 m^3/D/kPa).
void expectClose(double actual, double expected, const char* what) {
    EXPECT_NEAR(actual, expected, 1e-4 * std::max(1.0, std::fabs(expected))) << what;
}

TEST_F(DesignUnits, MetricSaveOpensToTheSameInternalValues) {
    m_catalogue.ApplyCategoryTable(units::kModeMetric);
    const DesignCase internal = files_test::unusualDesign();
    units::CUnitsManager reader;
    reader.Build();
    reader.ApplyCategoryTable(units::kModeOilfield);
    const DesignCase back = saveAndOpen(internal, reader);
#define ZELK_EXPECT_CLOSE(field) expectClose(back.field, internal.field, #field)
    ZELK_EXPECT_CLOSE(m_pumpDepth);
    ZELK_EXPECT_CLOSE(m_strokeLength);
    ZELK_EXPECT_CLOSE(m_pumpDiameter);
    ZELK_EXPECT_CLOSE(m_fiberglassSize);
    ZELK_EXPECT_CLOSE(m_steelSize);
    ZELK_EXPECT_CLOSE(m_sinkerBarWeight);
    ZELK_EXPECT_CLOSE(m_fluidSpecificGravity);
    ZELK_EXPECT_CLOSE(m_tubingPressure);
    ZELK_EXPECT_CLOSE(m_casingPressure);
    ZELK_EXPECT_CLOSE(m_pumpIntakePressure);
    ZELK_EXPECT_CLOSE(m_reservoirPressure);
    ZELK_EXPECT_CLOSE(m_productivityIndex);
    ZELK_EXPECT_CLOSE(m_targetRate);
    ZELK_EXPECT_CLOSE(m_oilGravity);
    ZELK_EXPECT_CLOSE(m_waterSpecificGravity);
    ZELK_EXPECT_CLOSE(m_sinkerBarDiameter);
    ZELK_EXPECT_CLOSE(m_clearance);
    ZELK_EXPECT_CLOSE(m_fluidViscosity);
    ZELK_EXPECT_CLOSE(m_plungerLength);
#undef ZELK_EXPECT_CLOSE
    // Values without a unit are stored as they are.
    EXPECT_EQ(back.m_tubingOD, internal.m_tubingOD);
    EXPECT_EQ(back.m_waterCut, internal.m_waterCut);
    EXPECT_EQ(back.m_strokeRate, internal.m_strokeRate);
    EXPECT_EQ(back.m_pumpEfficiency, internal.m_pumpEfficiency);
    // Opening switched the reader's categories to the file's units.
    EXPECT_EQ(reader.FindCategory("DEPTH")->GetCurrentUnit()->GetKey(), "M");
    EXPECT_EQ(reader.FindCategory("FLOWRATE")->GetCurrentUnit()->GetKey(), "M3_D");
    EXPECT_EQ(back.displayUnit("DEPTH"), "M");
}

TEST_F(DesignUnits, DepthSavedInMetresNamesTheMetre) {
    m_catalogue.FindCategory("DEPTH")->SetCurrentUnit(m_catalogue.FindUnit("M"));
    DesignCase internal;
    internal.m_pumpDepth = 5000.0;
    const DesignCase saved = files::DesignInDisplayUnits(internal, m_catalogue);
    EXPECT_NEAR(saved.m_pumpDepth, 5000.0 / 3.2808399, 1e-9);
    EXPECT_EQ(saved.displayUnit("DEPTH"), "M");
    units::CUnitsManager reader;
    reader.Build();
    reader.ApplyCategoryTable(units::kModeOilfield);
    EXPECT_NEAR(saveAndOpen(internal, reader).m_pumpDepth, 5000.0, 1e-5);
}

TEST_F(DesignUnits, UnknownOrForeignUnitNamesLeaveTheOilfieldUnit) {
    DesignCase design;  // names "DCLU_SGH2O", "DCLU_DEGAPI" and "PSI_FEET", which no unit has
    design.setDisplayUnit("FLOWRATE", "M");  // a length, not a rate
    design.setDisplayUnit("DEPTH", "NO_SUCH_UNIT");
    design.setDisplayUnit("SMALL_WEIGHT", "KG");
    m_catalogue.ApplyCategoryTable(units::kModeMetric);
    files::ApplyDesignDisplayUnits(design, m_catalogue);
    EXPECT_EQ(currentUnit("H2O_GRAVITY"), "SGH2O");
    EXPECT_EQ(currentUnit("OIL_GRAVITY"), "DEGAPI");
    EXPECT_EQ(currentUnit("PRESS_GRADIENT"), "PSI_FT");
    EXPECT_EQ(currentUnit("FLOWRATE"), "BBL_D");
    EXPECT_EQ(currentUnit("DEPTH"), "FT");
    EXPECT_EQ(currentUnit("SMALL_WEIGHT"), "KG");
    const DesignCase internal = files::DesignInInternalUnits(design, m_catalogue);
    EXPECT_EQ(internal.m_targetRate, design.m_targetRate);
    EXPECT_EQ(internal.m_pumpDepth, design.m_pumpDepth);
    EXPECT_EQ(internal.displayUnit("OIL_GRAVITY"), "DEGAPI");
    EXPECT_EQ(internal.displayUnit("FLOWRATE"), "BBL_D");
}

TEST_F(DesignUnits, RodSizesFollowTheVersionRule) {
    struct Row {
        const char* version;
        bool converted;
    };
    const Row rows[] = {{"", false}, {"3.0.10", false}, {"3.0.11", true}, {"3.1.0.0", true}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.version);
        DesignCase fileDesign;
        fileDesign.m_version = row.version;
        fileDesign.setDisplayUnit("SMALL_LENGTH_2", "MM");
        fileDesign.m_fiberglassSize = 25.4;
        fileDesign.m_steelSize = 19.05;
        fileDesign.m_pumpDiameter = 38.1;
        const DesignCase internal = files::DesignInInternalUnits(fileDesign, m_catalogue);
        // 1 mm is 0.0032808399 / 0.083333333 in, a hair under 1/25.4.
        const double mm = 0.0032808399 / 0.083333333;
        EXPECT_NEAR(internal.m_pumpDiameter, 38.1 * mm, 1e-12);
        EXPECT_NEAR(internal.m_fiberglassSize, row.converted ? 25.4 * mm : 25.4, 1e-12);
        EXPECT_NEAR(internal.m_steelSize, row.converted ? 19.05 * mm : 19.05, 1e-12);
    }
}

TEST_F(DesignUnits, UnsetSettingsStayUnset) {
    m_catalogue.ApplyCategoryTable(units::kModeMetric);
    const DesignCase internal;  // the seven settings are unset
    const DesignCase saved = files::DesignInDisplayUnits(internal, m_catalogue);
    EXPECT_EQ(saved.m_tubingPressure, ZelkEngine::kUnsetSetting);
    EXPECT_EQ(saved.m_sinkerBarWeight, ZelkEngine::kUnsetSetting);
    EXPECT_EQ(files::DesignInInternalUnits(saved, m_catalogue).m_casingPressure,
              ZelkEngine::kUnsetSetting);
}

}  // namespace
