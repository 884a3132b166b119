#include "engine/api_rod_numbers.h"
#include "engine/calculation_case.h"
#include "engine/design_case.h"
#include "engine/rod_grades.h"
#include "engine/rod_sizes.h"
#include "engine/rod_string.h"
#include "engine/taper_codes.h"
#include "engine/tubing_table.h"
#include "engine/unit_types.h"
#include "engine/zelk_calculator_exception.h"

#include <cmath>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

namespace ZelkEngine {
namespace {

// Runs f and returns the code of the ZelkCalculatorException it throws (0 when none).
template <typename F>
std::int32_t codeOf(F f, std::string* message = nullptr) {
    try {
        f();
    } catch (const ZelkCalculatorException& e) {
        if (message != nullptr) {
            *message = e.message();
        }
        return e.code();
    }
    return 0;
}

TEST(NameConversions, UnitTypesAndGradesRoundTripAndRejectOtherTexts) {
    for (std::int32_t code = 0; code < kUnitTypeCount; ++code) {
        EXPECT_EQ(UnitTypeCodeFromName(UnitTypeName(code)), code);
    }
    for (std::int32_t code = 0; code < kRodGradeCount; ++code) {
        EXPECT_EQ(RodGradeCodeFromName(RodGradeName(code)), code);
    }
    // Whole-text, case-sensitive comparison.
    for (const char* bad : {"cwconv", "CWConv ", "", "Mark II"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(FindUnitTypeCode(bad));
        try {
            UnitTypeCodeFromName(bad);
            ADD_FAILURE() << "no exception";
        } catch (const std::invalid_argument& e) {
            EXPECT_STREQ(e.what(), "Unsupported unit type.");
        }
    }
    for (const char* bad : {"d", "DD", "", "F"}) {
        SCOPED_TRACE(bad);
        try {
            RodGradeCodeFromName(bad);
            ADD_FAILURE() << "no exception";
        } catch (const std::invalid_argument& e) {
            EXPECT_STREQ(e.what(), "Unsupported steel rod grade.");
        }
    }
    EXPECT_EQ(UnitTypeName(4), "");
    EXPECT_EQ(UnitTypeName(-1), "");
    EXPECT_FALSE(RodGradeTensileStrength(kGradeE));
    EXPECT_EQ(*RodGradeTensileStrength(kGradeD), 115000.0);
}

struct DiameterCase {
    const char* name;
    bool fiberglass;
    double diameter;
    int index;  // -1: no match
};

class DiameterToIndex : public ::testing::TestWithParam<DiameterCase> {};

TEST_P(DiameterToIndex, MatchesWithinTolerance) {
    const DiameterCase& c = GetParam();
    const std::optional<std::int32_t> found =
        c.fiberglass ? FindFiberglassSizeIndex(c.diameter) : FindSteelSizeIndex(c.diameter);
    if (c.index < 0) {
        EXPECT_FALSE(found);
        const char* expected =
            c.fiberglass ? "Unsupported fiberglass rod size." : "Unsupported steel rod size.";
        try {
            if (c.fiberglass) {
                FiberglassSizeIndexFromDiameter(c.diameter);
            } else {
                SteelSizeIndexFromDiameter(c.diameter);
            }
            ADD_FAILURE() << "no exception";
        } catch (const std::invalid_argument& e) {
            EXPECT_STREQ(e.what(), expected);
        }
    } else {
        ASSERT_TRUE(found);
        EXPECT_EQ(*found, c.index);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Sizes, DiameterToIndex, ::testing::Values(
    DiameterCase{"fg_exact_first",    true,  0.5,    0},
    DiameterCase{"fg_within_0_0005",  true,  0.8755, 3},
    DiameterCase{"fg_0_002_off",      true,  0.877,  -1},
    DiameterCase{"fg_just_below_1_5", true,  1.4995, 7},
    DiameterCase{"fg_0_001_off",      true,  1.201,  -1},
    DiameterCase{"fg_nan",            true,  std::nan(""), -1},
    DiameterCase{"steel_exact_last",  false, 1.75,   8},
    DiameterCase{"steel_within",      false, 0.8751, 1},
    DiameterCase{"steel_between",     false, 0.8,    -1},
    DiameterCase{"steel_fg_only_size",false, 0.5,    -1}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

TEST(SizeLookups, IndexOutsideTableRaisesCodeAndMessageOfTheLookup) {
    std::string message;
    EXPECT_EQ(codeOf([] { SteelRodArea(9); }, &message), kErrorSteelSize);
    EXPECT_EQ(message, "Invalid steel size specified to get the rod area.");
    EXPECT_EQ(codeOf([] { SteelRodWeight(-1); }, &message), kErrorSteelSize);
    EXPECT_EQ(message, "Invalid steel size specified to get the rod weight.");
    EXPECT_EQ(codeOf([] { FiberglassRodArea(8); }, &message), kErrorFiberglassSize);
    EXPECT_EQ(message, "Invalid fiberglass size specified to get the rod area.");
    EXPECT_EQ(codeOf([] { FiberglassRodWeight(-1); }, &message), kErrorFiberglassSize);
    EXPECT_EQ(message, "Invalid fiberglass size specified to get the rod weight.");
    EXPECT_EQ(SteelRodArea(8), 2.4053);
    EXPECT_EQ(FiberglassRodWeight(7), 1.905);
}

TEST(TaperCodes, TableAndCaseSizes) {
    CalculationCase c;
    c.Inputs.FiberglassSizeIndex = 5;
    c.Inputs.SteelSizeIndex = 1;
    EXPECT_EQ(TaperArea(1, c), 1.0843);
    EXPECT_EQ(TaperWeight(1, c), 1.1846);
    EXPECT_EQ(TaperModulus(1), 7200000.0);
    EXPECT_EQ(TaperArea(2, c), 0.6013);
    EXPECT_EQ(TaperModulus(2), 30750000.0);
    EXPECT_EQ(TaperArea(5, c), 0.3068);
    EXPECT_EQ(TaperWeight(10, c), 4.538);
    std::string message;
    for (int code : {0, 3, 4, 11}) {
        SCOPED_TRACE(code);
        EXPECT_EQ(codeOf([&] { TaperArea(code, c); }, &message), kErrorTaperSize);
        EXPECT_EQ(message, "Invalid taper size specified to determine the rod area.");
        EXPECT_EQ(codeOf([&] { TaperWeight(code, c); }, &message), kErrorTaperSize);
        EXPECT_EQ(message, "Invalid taper size specified to determine the rod weight.");
    }
    c.Inputs.SteelSizeIndex = 12;
    EXPECT_EQ(codeOf([&] { TaperArea(2, c); }), kErrorSteelSize);
}

TEST(ApiRodNumbers, SectionsCodesAndUnknownNumbers) {
    EXPECT_EQ(ApiRodNumbers().size(), 14u);
    for (std::int32_t number : ApiRodNumbers()) {
        SCOPED_TRACE(number);
        const int top = number >= 100 ? 10 : number / 10;
        EXPECT_EQ(ApiRodTopCode(number), top);
        const int smallest = number % 10;
        EXPECT_EQ(ApiRodSectionCount(number), top - smallest + 1);
        const std::vector<double> f = ApiRodFractions(number, 1.767146);
        ASSERT_EQ(static_cast<int>(f.size()), ApiRodSectionCount(number));
        double sum = 0.0;
        for (double x : f) {
            sum += x;
        }
        EXPECT_NEAR(sum, 1.0, 1e-15);
    }
    std::string message;
    for (int number : {85, 96, 107, 0, 110}) {
        SCOPED_TRACE(number);
        EXPECT_EQ(codeOf([&] { ApiRodSectionCount(number); }, &message), kErrorRodNumber);
        EXPECT_EQ(message, "Invalid rod number specified to determine the nunmber of rods.");
        EXPECT_EQ(codeOf([&] { ApiRodTopCode(number); }, &message), kErrorRodNumber);
        EXPECT_EQ(message, "Invalid rod number specified to determine the rod taper size.");
    }
}

TEST(TubingTable, RowsAndLookup) {
    const std::vector<TubingSize>& t = TubingSizes();
    ASSERT_EQ(static_cast<int>(t.size()), kTubingSizeCount);
    EXPECT_EQ(t[kDefaultTubingRow].m_outerDiameter, 2.875);
    EXPECT_EQ(t[kDefaultTubingRow].m_nominalWeight, 8.7);
    EXPECT_EQ(t[kDefaultTubingRow].m_innerDiameter, 2.259);
    EXPECT_EQ(t[0].m_nominalWeight, 1.14);
    EXPECT_EQ(t[16].m_outerDiameter, 2.063);
    EXPECT_EQ(t[38].m_innerDiameter, 2.75);
    EXPECT_EQ(t[39].m_innerDiameter, 2.764);
    EXPECT_EQ(t[51].m_innerDiameter, 3.64);
    // Outer diameters never decrease and each row is a real tube.
    for (std::size_t i = 0; i < t.size(); ++i) {
        EXPECT_GT(t[i].m_outerDiameter, t[i].m_innerDiameter);
        if (i > 0) {
            EXPECT_GE(t[i].m_outerDiameter, t[i - 1].m_outerDiameter);
        }
    }
    EXPECT_EQ(FindTubingRow(2.875, 8.7, 2.259), 29);
    EXPECT_EQ(FindTubingRow(2.875, 8.6, 2.259), 28);
    EXPECT_FALSE(FindTubingRow(2.875, 8.65, 2.259));
}

TEST(DesignCaseDefaults, NewDesign) {
    const DesignCase d;
    EXPECT_EQ(d.m_unitTypeName, "CWConv");
    EXPECT_EQ(d.m_pumpDepth, 5000.0);
    EXPECT_EQ(d.m_tubingWeight, 8.7);
    EXPECT_EQ(d.m_rodGrade, "D");
    EXPECT_EQ(d.m_sinkerBarWeight, kUnsetSetting);
    EXPECT_EQ(d.m_pumpEfficiency, kUnsetSetting);
    EXPECT_TRUE(d.m_pumpIntakePressureEntered);
    EXPECT_EQ(d.m_targetRate, 171.0);
    ASSERT_EQ(d.m_displayUnits.size(), 12u);
    EXPECT_EQ(d.displayUnit("ZELK_FLOW_PER_PRESSURE"), "STB_D_PSI");
    EXPECT_EQ(d.displayUnit("PRESS_GRADIENT"), "PSI_FEET");
    EXPECT_EQ(d.displayUnit("NOPE"), "");
    DesignCase e;
    e.setDisplayUnit("DEPTH", "M");
    EXPECT_EQ(e.displayUnit("DEPTH"), "M");
    EXPECT_EQ(e.m_displayUnits.size(), 12u);
}

// The engine form of the default design converts back to the document's sizes and names.
TEST(CalculationCaseDefaults, MatchDefaultDesign) {
    const DesignCase d;
    const CalculationCase c;
    EXPECT_EQ(c.Inputs.UnitType, *FindUnitTypeCode(d.m_unitTypeName));
    EXPECT_EQ(c.Inputs.RodGrade, *FindRodGradeCode(d.m_rodGrade));
    EXPECT_EQ(c.Inputs.FiberglassSizeIndex, *FindFiberglassSizeIndex(d.m_fiberglassSize));
    EXPECT_EQ(c.Inputs.SteelSizeIndex, *FindSteelSizeIndex(d.m_steelSize));
    EXPECT_EQ(c.Inputs.TubingOD, d.m_tubingOD);
    EXPECT_EQ(c.Inputs.TubingID, d.m_tubingID);
    EXPECT_EQ(c.Inputs.Depth, d.m_pumpDepth);
    EXPECT_EQ(c.Inputs.StrokeRate, d.m_strokeRate);
    EXPECT_TRUE(c.Results.TaperPercentages.empty());
    EXPECT_TRUE(c.Results.NetTorqueCurve.empty());
    EXPECT_EQ(c.Results.PPRL, 0.0);
}

}  // namespace
}  // namespace ZelkEngine
