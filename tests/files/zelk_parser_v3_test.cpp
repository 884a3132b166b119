#include "files/zelk_parser_v3.h"

#include "design_test_support.h"
#include "files/design_file.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

namespace {

using files::CZelkParserV3;
using ZelkEngine::DesignCase;

std::string written(const DesignCase& design, const app::ZelkOptions& options) {
    std::ostringstream out;
    out << files::VersionLine() << '\n';
    CZelkParserV3().Write(out, design, options);
    return out.str();
}

struct Read {
    DesignCase design;
    app::ZelkOptions options;
};

// Reads a file's text the way Open does: the options passed in are the stored ones.
Read read(const std::string& text, const app::ZelkOptions& stored = app::ZelkOptions()) {
    Read result;
    result.options = stored;
    std::istringstream in(text);
    EXPECT_TRUE(CZelkParserV3().Parse(in, result.design, result.options));
    return result;
}

TEST(ZelkParserV3, EveryFieldSurvivesWriteAndRead) {
    const DesignCase design = files_test::unusualDesign();
    const app::ZelkOptions options = files_test::unusualOptions();
    const Read back = read(written(design, options));
    files_test::expectSameDesign(back.design, design);
    EXPECT_EQ(back.options, options);
}

TEST(ZelkParserV3, WritesTheKeysInOrderWithTheirKinds) {
    DesignCase design;
    design.m_tubingAnchorCatcherState = {1.5, 2.0};
    const std::string text = written(design, app::ZelkOptions());
    std::istringstream in(text);
    std::string line;
    std::vector<std::string> lines;
    while (std::getline(in, line)) {
        lines.push_back(line);
    }
    ASSERT_EQ(lines.size(), 67u);  // version, 63 single keys, two anchor values, the count
    EXPECT_EQ(lines[0], "Version:Zelk3.1.0.0");
    EXPECT_EQ(lines[1], "Title:");
    EXPECT_EQ(lines[2], "Unit:CWConv");
    EXPECT_EQ(lines[3], "PumpDepth:5000.000000");
    EXPECT_EQ(lines[9], "UseAnchoredTubing:0");
    EXPECT_EQ(lines[11], "RodNumber:76");
    EXPECT_EQ(lines[16], "TotalSinkerBarWeight:-1.000000");
    EXPECT_EQ(lines[23], "PumpIntakeTypeSelected:1");
    EXPECT_EQ(lines[40], "DepthUnits:FT");
    EXPECT_EQ(lines[46], "H20GravityUnits:DCLU_SGH2O");
    EXPECT_EQ(lines[56], "MinimumNumberOfElements:4.000000");
    EXPECT_EQ(lines[64], "TubingAnchorData0:1.500000");
    EXPECT_EQ(lines[65], "TubingAnchorData1:2.000000");
    EXPECT_EQ(lines[66], "NumTubingAnchorData:2");
}

TEST(ZelkParserV3, MissingKeysTakeDefaultsAndTheRestIsRead) {
    app::ZelkOptions stored = files_test::unusualOptions();
    const Read r = read("Version:Zelk3.1.0.0\nTitle:Old\nPumpDepth:6000\nRodGrade:K\n", stored);
    DesignCase expected;
    expected.m_version = "3.1.0.0";
    expected.m_title = "Old";
    expected.m_pumpDepth = 6000;
    expected.m_rodGrade = "K";
    // The settings a file lacks come from the options' defaults for new tests.
    expected.m_sinkerBarWeight = stored.defaultTotalSinkerBarWeight;
    expected.m_fluidSpecificGravity = stored.defaultFluidSpecificGravity;
    expected.m_tubingPressure = stored.defaultTubingPressure;
    expected.m_casingPressure = stored.defaultCasingPressure;
    expected.m_dampingFactor = stored.defaultDampingFactor;
    expected.m_unitEfficiency = stored.defaultUnitEfficiency;
    expected.m_pumpEfficiency = stored.defaultPumpEfficiency;
    files_test::expectSameDesign(r.design, expected);
    EXPECT_EQ(r.options, stored);
}

struct ValueCase {
    const char* name;
    const char* lines;  // after the version line
    double DesignCase::*real;
    double expectedReal;
    std::int32_t DesignCase::*integer;
    std::int32_t expectedInteger;
};

class KeyedValue : public ::testing::TestWithParam<ValueCase> {};

TEST_P(KeyedValue, Reads) {
    const ValueCase& c = GetParam();
    const Read r = read(std::string("Version:Zelk3.1.0.0\n") + c.lines);
    if (c.real) {
        EXPECT_EQ(r.design.*c.real, c.expectedReal);
    }
    if (c.integer) {
        EXPECT_EQ(r.design.*c.integer, c.expectedInteger);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Values, KeyedValue, ::testing::Values(
    ValueCase{"exponent", "PumpDepth:1e3\n", &DesignCase::m_pumpDepth, 1000, nullptr, 0},
    ValueCase{"not_a_number", "PumpDepth:abc\n", &DesignCase::m_pumpDepth, 0, nullptr, 0},
    ValueCase{"blanks_trimmed", "PumpDepth:  4500.5  \n", &DesignCase::m_pumpDepth, 4500.5, nullptr, 0},
    ValueCase{"empty_is_default", "PumpDepth:\n", &DesignCase::m_pumpDepth, 5000, nullptr, 0},
    ValueCase{"crlf", "PumpDepth:4000\r\n", &DesignCase::m_pumpDepth, 4000, nullptr, 0},
    ValueCase{"minus_one_is_default", "RodNumber:-1\n", nullptr, 0, &DesignCase::m_rodNumber, 76},
    ValueCase{"leading_digits", "RodNumber:87abc\n", nullptr, 0, &DesignCase::m_rodNumber, 87},
    ValueCase{"no_digits", "RodNumber:x\n", nullptr, 0, &DesignCase::m_rodNumber, 0},
    ValueCase{"stroke_rate_first", "StrokeRate:9.5\nStrokeRateIncrement:0.3\n",
              &DesignCase::m_strokeRate, 9.5, nullptr, 0},
    ValueCase{"stroke_rate_after_increment", "StrokeRateIncrement:0.3\nStrokeRate:9.5\n",
              &DesignCase::m_strokeRate, 9.5, nullptr, 0},
    ValueCase{"first_line_of_a_key_wins", "PumpDepth:4000\nPumpDepth:3000\n",
              &DesignCase::m_pumpDepth, 4000, nullptr, 0},
    ValueCase{"key_in_title_is_not_the_key", "Title:PumpDepth:9 Unit:AirBal\nPumpDepth:4000\n",
              &DesignCase::m_pumpDepth, 4000, nullptr, 0},
    ValueCase{"tubing_pressure_not_default_key", "DefaultTubingPressure:99\nTubingPressure:70\n",
              &DesignCase::m_tubingPressure, 70, nullptr, 0}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

TEST(ZelkParserV3, KeyNamesInsideATitleDoNotLeak) {
    const Read r = read("Version:Zelk3.1.0.0\nTitle:Unit PumpDepth test\nUnit:MarkII\n");
    EXPECT_EQ(r.design.m_title, "Unit PumpDepth test");
    EXPECT_EQ(r.design.m_unitTypeName, "MarkII");
    EXPECT_EQ(r.design.m_pumpDepth, 5000.0);
}

TEST(ZelkParserV3, TextsKeepBlanksAndReadBothCodePages) {
    EXPECT_EQ(read("Version:Zelk3.1.0.0\nTitle: padded \n").design.m_title, " padded ");
    EXPECT_EQ(read("Version:Zelk3.1.0.0\nTitle:\xD1"
                   "and\xFA\n")
                  .design.m_title,
              "\xC3\x91"
              "and\xC3\xBA");
    EXPECT_EQ(read("Version:Zelk3.1.0.0\nTitle:\xCE\xA9\n").design.m_title, "\xCE\xA9");
}

TEST(ZelkParserV3, ATitleWithALineBreakStaysOnItsLine) {
    DesignCase design;
    design.m_title = "two\nPumpDepth:1";
    const Read r = read(written(design, app::ZelkOptions()));
    EXPECT_EQ(r.design.m_title, "two PumpDepth:1");
    EXPECT_EQ(r.design.m_pumpDepth, 5000.0);
}

TEST(ZelkParserV3, FlagsAndOptionIntegers) {
    const Read r = read(
        "Version:Zelk3.1.0.0\nUseAnchoredTubing:1\nUseSlippageCalculator:2\n"
        "PumpIntakeTypeSelected:0\nMinimumNumberOfElements:7.000000\n");
    EXPECT_TRUE(r.design.m_anchoredTubing);
    EXPECT_FALSE(r.design.m_useSlippageCalculator);  // 2 is not a flag: the default
    EXPECT_FALSE(r.design.m_pumpIntakePressureEntered);
    EXPECT_EQ(r.options.minimumNumberOfElements, 7);
}

TEST(ZelkParserV3, VersionIsStoredWithoutItsName) {
    EXPECT_EQ(read("Version:Zelk3.0.10\n").design.m_version, "3.0.10");
    EXPECT_EQ(read("Version:ZELK3.1.0.0\n").design.m_version, "3.1.0.0");
}

TEST(ZelkParserV3, TubingAnchorCounts) {
    struct Row {
        const char* name;
        const char* lines;
        std::vector<double> expected;
    };
    const Row rows[] = {
        {"none", "", {}},
        {"zero", "NumTubingAnchorData:0\n", {}},
        {"negative", "TubingAnchorData0:5\nNumTubingAnchorData:-3\n", {}},
        {"missing_values_are_zero", "TubingAnchorData0:5.5\nNumTubingAnchorData:3\n", {5.5, 0, 0}},
        {"count_before_values",
         "NumTubingAnchorData:2\nTubingAnchorData1:2\nTubingAnchorData0:1\n",
         {1, 2}},
        {"absurd_count_reads_nothing", "TubingAnchorData0:5\nNumTubingAnchorData:2000000000\n", {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(read(std::string("Version:Zelk3.1.0.0\n") + row.lines)
                      .design.m_tubingAnchorCatcherState,
                  row.expected);
    }
}

TEST(ZelkParserV3, TwoHundredAnchorDepthsSurvive) {
    DesignCase design;
    for (int i = 0; i < 231; ++i) {
        design.m_tubingAnchorCatcherState.push_back(i * 25.5);
    }
    EXPECT_EQ(read(written(design, app::ZelkOptions())).design.m_tubingAnchorCatcherState,
              design.m_tubingAnchorCatcherState);
}

TEST(RodSizeVersionRule, FromThreeZeroEleven) {
    struct Row {
        const char* version;
        bool converted;
    };
    const Row rows[] = {{"", false},      {"3.0.10", false},  {"3.0.10.9", false}, {"2.9", false},
                        {"3.0.11", true}, {"3.0.11.0", true}, {"3.1.0.0", true},   {"3.0.12", true},
                        {"4", true},      {"3.0.11x", true},  {"garbage", false},  {"10.0", true}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.version);
        EXPECT_EQ(files::StoresRodSizesInDisplayUnits(row.version), row.converted);
    }
}

}  // namespace

namespace {

// Inputs that once made a fuzzer fail or stall: each must read, write and read back quickly.
TEST(ZelkParserV3, ReplaysFuzzFindings) {
    const std::filesystem::path dir = files_test::dataDir() + "/fuzz/design";
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        SCOPED_TRACE(entry.path().string());
        std::ifstream file(entry.path(), std::ios::binary);
        std::stringstream bytes;
        bytes << file.rdbuf();
        const Read first = read(bytes.str());
        const Read again = read(written(first.design, first.options));
        EXPECT_EQ(again.design.m_tubingAnchorCatcherState, first.design.m_tubingAnchorCatcherState);
        ++count;
    }
    EXPECT_GT(count, 0);
}

}  // namespace
