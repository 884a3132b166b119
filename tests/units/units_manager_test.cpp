#include "units/units_manager.h"

#include "units/category_table.h"

#include <cmath>
#include <set>
#include <string>

#include <gtest/gtest.h>

namespace {

using units::CUnitsManager;

// A fresh catalogue per test, built exactly as at start-up but not shared.
class Catalogue : public ::testing::Test {
protected:
    void SetUp() override {
        m_manager.Build();
        m_manager.ApplyCategoryTable(units::kModeOilfield);
    }
    double Convert(double value, const char* from, const char* to) const {
        return m_manager.Convert(value, std::string(from), std::string(to));
    }
    CUnitsManager m_manager;
};

struct ConversionCase {
    const char* name;
    double value;
    const char* from;
    const char* to;
    double expected;
    double tolerance;
};

class Conversions : public Catalogue, public ::testing::WithParamInterface<ConversionCase> {};

TEST_P(Conversions, GiveTheStoredFactorsResult) {
    const ConversionCase& c = GetParam();
    if (c.tolerance == 0.0) {
        EXPECT_EQ(Convert(c.value, c.from, c.to), c.expected);
    } else {
        EXPECT_NEAR(Convert(c.value, c.from, c.to), c.expected, c.tolerance);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Units, Conversions, ::testing::Values(
    // Tolerances are a few ulps of the result where the arithmetic is not exact.
    // A unit converted to itself keeps the value exactly; through the base unit 120 in
    // would come back as 120.00000000000001 in.
    ConversionCase{"same_unit_is_exact", 120.0, "IN", "IN", 120.0, 0.0},
    ConversionCase{"same_unit_with_offset_is_exact", 98.6, "F", "F", 98.6, 0.0},
    ConversionCase{"celsius_zero_to_rankine", 0.0, "C", "R", 491.67, 1e-9},
    ConversionCase{"rankine_freezing_to_celsius", 491.67, "R", "C", 0.0, 0.0},
    ConversionCase{"near_freezing_snaps", 491.670009, "R", "C", 0.0, 0.0},
    ConversionCase{"just_outside_snap", 491.6701, "R", "C", 0.0001 / 1.8, 1e-9},
    ConversionCase{"freezing_fahrenheit", 32.0, "F", "C", 0.0, 0.0},
    ConversionCase{"boiling", 212.0, "F", "C", 100.0, 1e-9},
    ConversionCase{"kelvin", 273.15, "K", "C", 0.0, 0.0},
    ConversionCase{"api_ten_is_water", 10.0, "DEGAPI", "SGH2O", 1.0, 0.0},
    ConversionCase{"water_in_api", 1.0, "ZELK_SGH2O", "ZELK_DEGAPI", 10.0, 0.0},
    ConversionCase{"api_light_oil", 35.0, "DEGAPI", "KG_M3", 141.5 / 166.5 / 0.001, 1e-9},
    ConversionCase{"gauge_zero_absolute", 0.0, "PSIG", "PSIA", 14.7, 0.0},
    ConversionCase{"kpag_zero", 0.0, "KPAG", "KPAA", 14.7 / 0.14503796, 1e-9},
    ConversionCase{"psia_to_barg", 14.7, "PSIA", "BARG", 0.0, 0.0},
    ConversionCase{"inch_is_not_exact", 1.0, "IN", "CM", 0.083333333 / 0.032808399, 1e-15},
    ConversionCase{"kin_lb_stored", 1.0, "KINLB", "INLB", 83.333333 / 0.0833333333, 1e-9},
    ConversionCase{"depth_metres", 20000.0, "FT", "M", 20000.0 / 3.2808399, 1e-9},
    ConversionCase{"fluid_gradient_si", 0.433333, "ZELK_PSI_FT", "ZELK_KPA_M",
                   0.433333 * 2.3066587 / 0.10197099, 1e-12},
    ConversionCase{"barrels_per_day", 100.0, "BBL_D", "M3_D", 100.0 / 6.2898108, 1e-12},
    ConversionCase{"torque", 1.0, "KNM", "KINLB", 737.563255 / 83.333333, 1e-12},
    ConversionCase{"buildup", 1.0, "KPA_MIN", "PSI_MIN", 0.14503796, 1e-15},
    ConversionCase{"same_unit", 12.5, "FT", "FT", 12.5, 0.0},
    ConversionCase{"unknown_from_passes", 7.0, "NOPE", "M", 7.0, 0.0},
    ConversionCase{"unknown_to_passes", 7.0, "FT", "", 7.0, 0.0},
    // Other units of the catalogue are real conversions too.
    ConversionCase{"mile", 1.0, "MILE", "KM", 1.609344, 1e-6},
    ConversionCase{"acre", 1.0, "ACRE", "M2", 4046.856, 1e-3},
    ConversionCase{"barrel_in_litres", 1.0, "BBL", "L", 158.987, 1e-3},
    ConversionCase{"day_in_minutes", 1.0, "DAY", "MIN", 1440.0, 1e-9},
    ConversionCase{"kilonewton", 1.0, "KN", "LBF", 224.808943, 1e-9},
    ConversionCase{"rev_per_min", 60.0, "REV_MIN", "REV_S", 1.0, 1e-12},
    ConversionCase{"mpa_gauge_zero", 0.0, "MPAG", "PSIA", 14.7, 1e-12},
    ConversionCase{"darcy", 1.0, "DARCY", "PERM_UM2", 0.986923, 1e-6}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

TEST_F(Catalogue, HoldsAllUnitsAndCategories) {
    EXPECT_EQ(m_manager.GetUnitCount(), 377u);
    // 74 catalogue categories plus the 39 table keys that are not among them.
    EXPECT_EQ(m_manager.GetCategories().size(), 74u + 47u - 8u);
    EXPECT_EQ(m_manager.GetUnitSetName(), "English");
    EXPECT_NE(m_manager.FindCategory("MASS PER TIME"), nullptr);
    EXPECT_NE(m_manager.FindUnit("ZELK_SGAir"), nullptr);
    EXPECT_EQ(m_manager.FindUnit("ZELK_SGAIR"), nullptr);  // keys are case-sensitive
}

TEST_F(Catalogue, FirstRegistrationWins) {
    units::CUnits* feet = m_manager.FindUnit("FT");
    EXPECT_EQ(m_manager.AddUnit(99, "x", units::ConversionKind::Linear, 2.0, "FT"), feet);
    EXPECT_EQ(feet->GetDimension(), 1);
    EXPECT_EQ(feet->GetSymbol(), "ft");
    EXPECT_TRUE(m_manager.FindUnit("DEGAPI")->ReversesOrder());
    EXPECT_TRUE(m_manager.FindUnit("ZELK_DEGAPI")->ReversesOrder());
    EXPECT_FALSE(m_manager.FindUnit("SGH2O")->ReversesOrder());
}

TEST_F(Catalogue, TableCategoriesGetCaptionsFormatsAndAllowedUnits) {
    const units::CUnitsCategory* depth = m_manager.FindCategory("DEPTH");
    ASSERT_NE(depth, nullptr);
    EXPECT_EQ(depth->GetCaption(), "Depth");
    EXPECT_EQ(CUnitsManager::CategoryUnitSymbol(depth), "ft");
    EXPECT_EQ(depth->GetAllowedUnits(), (std::vector<std::string>{"FT", "M"}));

    units::CFormatInfo format;
    EXPECT_TRUE(CUnitsManager::GetFormat(depth, "M", format));
    EXPECT_EQ(format.GetFormat(), "%,.0f");
    format.SetSigDigits(5);
    EXPECT_FALSE(CUnitsManager::GetFormat(depth, "KM", format));
    EXPECT_EQ(format.GetFormat(), "%g");
    EXPECT_EQ(format.GetSigDigits(), 0);

    // Internal KLB, shown in LB: the oilfield unit is among the format rows.
    const units::CUnitsCategory* load2 = m_manager.FindCategory("LOAD2");
    EXPECT_EQ(load2->GetCurrentUnit()->GetKey(), "LB");
    // Gas gravity lives in the fluid family; its units all have that dimension.
    const units::CUnitsCategory* gas = m_manager.FindCategory("GASGRAVITY");
    EXPECT_EQ(gas->GetDimension(), 84);
    EXPECT_EQ(gas->GetAllowedUnits().size(), 8u);
    // A catalogue category keeps its empty list: every unit of the dimension allowed.
    EXPECT_TRUE(m_manager.FindCategory("LENGTH")->IsUnitAllowed("MILE"));
    EXPECT_FALSE(depth->IsUnitAllowed("MILE"));
}

TEST_F(Catalogue, CurrentUnitOutsideTheFormatRowsIsAppended) {
    // A catalogue category that the table updates with a unit it offers no format for.
    CUnitsManager manager;
    manager.Build();
    manager.AddCategory("LOAD2", "KG");
    manager.ApplyCategoryTable(units::kModeOilfield);
    EXPECT_EQ(manager.FindCategory("LOAD2")->GetAllowedUnits(),
              (std::vector<std::string>{"LB", "KG"}));
    // Formats are refused for units a category does not allow.
    EXPECT_FALSE(manager.SetCategoryFormat("DEPTH", "MILE", "%.1f"));
    EXPECT_FALSE(manager.SetCategoryFormat("DEPTH", "NOPE", "%.1f"));
    EXPECT_FALSE(manager.SetCategoryFormat("NOPE", "FT", "%.1f"));
    EXPECT_TRUE(manager.SetCategoryFormat("LENGTH", "MILE", "%.1f"));
}

TEST_F(Catalogue, ModesSelectTheTableColumn) {
    CUnitsManager metric;
    metric.Build();
    metric.ApplyCategoryTable(units::kModeMetric);
    EXPECT_EQ(metric.FindCategory("DEPTH")->GetCurrentUnit()->GetKey(), "M");
    EXPECT_EQ(metric.FindCategory("FLUID_SPECIFIC_GRAVITY")->GetCurrentUnit()->GetKey(),
              "ZELK_SGH2O");

    CUnitsManager custom;
    custom.Build();
    custom.SetCustomUnitAt(0, "M");
    custom.ApplyCategoryTable(units::kModeCustom);
    EXPECT_EQ(custom.FindCategory("DEPTH")->GetCurrentUnit()->GetKey(), "M");
    // An empty custom column leaves the category without a unit, and values pass through.
    const units::CUnitsCategory* tenth = custom.FindCategory("DEPTH_TENTH");
    EXPECT_EQ(tenth->GetCurrentUnit(), nullptr);
    EXPECT_EQ(CUnitsManager::CategoryUnitSymbol(tenth), "");
    EXPECT_EQ(custom.Convert(5.0, custom.FindUnit("FT"), tenth->GetCurrentUnit()), 5.0);
}

TEST_F(Catalogue, TableAccessByRow) {
    EXPECT_EQ(CUnitsManager::CategoryKeyAt(0), "DEPTH");
    EXPECT_EQ(CUnitsManager::CategoryKeyAt(46), "TEMPERATURE_GRADIENT");
    EXPECT_EQ(CUnitsManager::CategoryKeyAt(47), "");
    EXPECT_EQ(CUnitsManager::CategoryKeyAt(-1), "");
    EXPECT_EQ(CUnitsManager::InternalUnitAt(12), "LB");
    // Under the oilfield mode dialogs store in the oilfield column: four rows differ.
    std::set<int> differing;
    for (int row = 0; row < units::kCategoryRowCount; ++row) {
        if (m_manager.SystemUnitAt(row) != CUnitsManager::InternalUnitAt(row)) {
            differing.insert(row);
        }
    }
    EXPECT_EQ(differing, (std::set<int>{12, 13, 18, 31}));
    EXPECT_EQ(m_manager.SystemUnitAt(0, units::kModeMetric), "M");
    EXPECT_EQ(m_manager.SystemUnitAt(0, 7), "");

    EXPECT_EQ(CUnitsManager::CategoryIndexOf("DEPTH"), 0);
    EXPECT_EQ(CUnitsManager::CategoryIndexOf("TEMPERATURE_GRADIENT"), 46);
    EXPECT_EQ(CUnitsManager::CategoryIndexOf("depth"), 29);
    EXPECT_EQ(CUnitsManager::CategoryIndexOf("LENGTH"), 29);
    EXPECT_EQ(CUnitsManager::CategoryIndexOf(""), 29);
}

TEST_F(Catalogue, CaptionSetsEveryRowOfItAndPressureBuildup) {
    m_manager.SetUnitForCaption("Depth", m_manager.FindUnit("M"));
    for (const char* key : {"DEPTH", "DEPTH_TENTH", "DEPTH_HUNDREDTH", "DEPTH_THOUSANDTH"}) {
        SCOPED_TRACE(key);
        EXPECT_EQ(m_manager.FindCategory(key)->GetCurrentUnit()->GetKey(), "M");
    }

    m_manager.SetUnitForCaption("Differential Pressure", m_manager.FindUnit("KPA"));
    EXPECT_EQ(m_manager.FindCategory("DIFFERENTIALPRESSURE0")->GetCurrentUnit()->GetKey(), "KPA");
    EXPECT_EQ(m_manager.FindCategory("PRESSURE_BUILDUP")->GetCurrentUnit()->GetKey(), "KPA_MIN");

    m_manager.SetUnitForCaption("Pressure Buildup", m_manager.FindUnit("KILOS_MIN"));
    EXPECT_EQ(m_manager.FindCategory("DIFFERENTIALPRESSURE")->GetCurrentUnit()->GetKey(),
              "KGF_CM2");

    // A unit without a buildup partner leaves pressure buildup without a unit.
    m_manager.SetUnitForCaption("Differential Pressure", m_manager.FindUnit("MPA"));
    EXPECT_EQ(m_manager.FindCategory("PRESSURE_BUILDUP")->GetCurrentUnit(), nullptr);
}

TEST_F(Catalogue, IteratesUnitsOfOneDimensionInCreationOrder) {
    std::vector<std::string> keys;
    std::size_t position = 0;
    while (const units::CUnits* unit = m_manager.NextUnitOfDimension(position, 1)) {
        keys.push_back(unit->GetKey());
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"FT", "IN", "M", "CM", "MM", "YD", "MILE", "KM"}));
    position = 0;
    EXPECT_EQ(m_manager.NextUnitOfDimension(position, 999), nullptr);
}

TEST_F(Catalogue, EveryUnitRoundTripsThroughItsBase) {
    // Catches a zero or non-finite factor among the hand-filled units.
    std::size_t position = 0;
    for (int dimension = 0; dimension <= 84; ++dimension) {
        position = 0;
        while (const units::CUnits* unit = m_manager.NextUnitOfDimension(position, dimension)) {
            SCOPED_TRACE(unit->GetKey());
            EXPECT_TRUE(std::isfinite(unit->GetFactor()));
            EXPECT_GT(unit->GetFactor(), 0.0);
            EXPECT_NEAR(unit->FromBase(unit->ToBase(3.75)), 3.75, 1e-9);
        }
    }
}

}  // namespace
