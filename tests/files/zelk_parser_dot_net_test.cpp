#include "files/zelk_parser_dot_net.h"

#include "app/zelk_options.h"
#include "design_test_support.h"
#include "engine/design_case.h"

#include <fstream>
#include <functional>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

namespace {

using app::ZelkOptions;
using ZelkEngine::DesignCase;

// The window's values after File > New: a new design with the options' defaults for new tests.
DesignCase newDesign(const ZelkOptions& options) {
    DesignCase design;
    design.m_sinkerBarWeight = options.defaultTotalSinkerBarWeight;
    design.m_fluidSpecificGravity = options.defaultFluidSpecificGravity;
    design.m_tubingPressure = options.defaultTubingPressure;
    design.m_casingPressure = options.defaultCasingPressure;
    design.m_dampingFactor = options.defaultDampingFactor;
    design.m_unitEfficiency = options.defaultUnitEfficiency;
    design.m_pumpEfficiency = options.defaultPumpEfficiency;
    return design;
}

// What each member of an old file means for the design and the options, written out on its own
// so the reader is checked against an independent statement of the member table.
using Apply = std::function<void(const nlohmann::json&, DesignCase&, ZelkOptions&)>;

const std::map<std::string, Apply>& expectedMeaning() {
    static const double kFiberglass[] = {0.5, 0.625, 0.75, 0.875, 1.0, 1.2, 1.25, 1.5};
    static const double kSteel[] = {0.75, 0.875, 1.0, 1.125, 1.25, 1.375, 1.5, 1.625, 1.75};
    static const char* const kUnitNames[] = {"CWConv", "CCWConv", "MarkII", "AirBal"};
    static const std::map<std::string, Apply> table = {
        {"ZelkEngine.ZelkInputs.Title", [](auto& v, auto& d, auto&) { d.m_title = v; }},
        {"ZelkEngine.ZelkInputs.UnitType",
         [](auto& v, auto& d, auto&) {
             const int code = v;
             d.m_unitTypeName = (code >= 0 && code < 4) ? kUnitNames[code] : "";
         }},
        {"ZelkEngine.ZelkInputs.Depth", [](auto& v, auto& d, auto&) { d.m_pumpDepth = v; }},
        {"ZelkEngine.ZelkInputs.TargetRate", [](auto& v, auto& d, auto&) { d.m_targetRate = v; }},
        {"ZelkEngine.ZelkInputs.StrokeLength",
         [](auto& v, auto& d, auto&) { d.m_strokeLength = v; }},
        {"ZelkEngine.ZelkInputs.PumpDiameter",
         [](auto& v, auto& d, auto&) { d.m_pumpDiameter = v; }},
        {"ZelkEngine.ZelkInputs.TubingID", [](auto& v, auto& d, auto&) { d.m_tubingID = v; }},
        {"ZelkEngine.ZelkInputs.TubingOD", [](auto& v, auto& d, auto&) { d.m_tubingOD = v; }},
        {"ZelkEngine.ZelkInputs.TubingKey",
         [](auto& v, auto& d, auto&) {
             // The rows the fixtures use: 10 is 1.66 in, 3.02 lb/ft; 29 is 2.875 in, 8.7 lb/ft.
             const std::map<int, double> weights = {{10, 3.02}, {29, 8.7}};
             ASSERT_EQ(weights.count(v.template get<int>()), 1u) << v;
             d.m_tubingWeight = weights.at(v.template get<int>());
         }},
        {"ZelkEngine.ZelkInputs.AnchoredTubing",
         [](auto& v, auto& d, auto&) { d.m_anchoredTubing = v; }},
        {"ZelkEngine.ZelkInputs.RodType", [](auto& v, auto& d, auto&) { d.m_rodType = v; }},
        {"ZelkEngine.ZelkInputs.RodNumber", [](auto& v, auto& d, auto&) { d.m_rodNumber = v; }},
        {"ZelkEngine.ZelkInputs.RodGrade", [](auto& v, auto& d, auto&) { d.m_rodGrade = v; }},
        {"ZelkEngine.ZelkInputs.FiberglassSizeIndex",
         [](auto& v, auto& d, auto&) { d.m_fiberglassSize = kFiberglass[v.template get<int>()]; }},
        {"ZelkEngine.ZelkInputs.FiberglassPercent",
         [](auto& v, auto& d, auto&) { d.m_fiberglassPercent = v; }},
        {"ZelkEngine.ZelkInputs.SteelSizeIndex",
         [](auto& v, auto& d, auto&) { d.m_steelSize = kSteel[v.template get<int>()]; }},
        {"ZelkEngine.ZelkInputs.StrokeRate", [](auto& v, auto& d, auto&) { d.m_strokeRate = v; }},
        {"ZelkEngine.ZelkInputs.CalcSPMFromTargetRate",
         [](auto& v, auto& d, auto&) { d.m_calculationType = v.template get<bool>() ? 1 : 0; }},
        {"ZelkEngine.ZelkSettings.PumpEfficiency",
         [](auto& v, auto& d, auto& o) {
             d.m_pumpEfficiency = o.defaultPumpEfficiency = v.template get<double>() * 100;
         }},
        {"ZelkEngine.ZelkSettings.FluidSpGrav",
         [](auto& v, auto& d, auto& o) {
             d.m_fluidSpecificGravity = o.defaultFluidSpecificGravity = v;
         }},
        {"ZelkEngine.ZelkSettings.UnitEfficiency",
         [](auto& v, auto& d, auto& o) {
             d.m_unitEfficiency = o.defaultUnitEfficiency = v.template get<double>() * 100;
         }},
        {"ZelkEngine.ZelkSettings.DampingFactor",
         [](auto& v, auto& d, auto& o) { d.m_dampingFactor = o.defaultDampingFactor = v; }},
        {"ZelkEngine.ZelkSettings.NTimeSteps",
         [](auto& v, auto&, auto& o) { o.numberOfTimeSteps = v; }},
        {"ZelkEngine.ZelkSettings.dXMax", [](auto& v, auto&, auto& o) { o.dxMaximum = v; }},
        {"ZelkEngine.ZelkSettings.TubingPressure",
         [](auto& v, auto& d, auto& o) { d.m_tubingPressure = o.defaultTubingPressure = v; }},
        {"ZelkEngine.ZelkSettings.CasingPressure",
         [](auto& v, auto& d, auto& o) { d.m_casingPressure = o.defaultCasingPressure = v; }},
        {"ZelkEngine.ZelkSettings.SinkerWeight",
         [](auto& v, auto& d, auto& o) {
             d.m_sinkerBarWeight = o.defaultTotalSinkerBarWeight = v;
         }},
        {"ZelkEngine.ZelkSettings.PumpInletPressure",
         [](auto& v, auto& d, auto&) { d.m_pumpIntakePressure = v; }},
        {"ZelkEngine.ZelkSettings.MinElements",
         [](auto& v, auto&, auto& o) { o.minimumNumberOfElements = v; }},
        {"ZelkEngine.ZelkSettings.PressureType",
         [](auto& v, auto& d, auto&) {
             d.m_pumpIntakePressureEntered = v.template get<int>() != 1;
         }},
        {"ZelkEngine.ZelkSettings.ProductivityIndex",
         [](auto& v, auto& d, auto&) { d.m_productivityIndex = v; }},
        {"ZelkEngine.ZelkSettings.ReservoirPressure",
         [](auto& v, auto& d, auto&) { d.m_reservoirPressure = v; }},
        {"Brantwick.Zelk.Options.TargetRateIncrement",
         [](auto& v, auto&, auto& o) { o.targetRateIncrement = v; }},
        {"Brantwick.Zelk.Options.SPMIncrement",
         [](auto& v, auto&, auto& o) { o.spmIncrement = v; }},
        {"Brantwick.Zelk.Options.NumTimeSteps",
         [](auto& v, auto&, auto& o) { o.numberOfTimeSteps = v; }},
        {"Brantwick.Zelk.Options.MinNumElements",
         [](auto& v, auto&, auto& o) { o.minimumNumberOfElements = v; }},
        {"Brantwick.Zelk.Options.DXMaximum", [](auto& v, auto&, auto& o) { o.dxMaximum = v; }},
    };
    return table;
}

class GenuineLegacyDesign : public ::testing::TestWithParam<const char*> {};

TEST_P(GenuineLegacyDesign, OpensIntoTheDesignItsValuesGive) {
    const std::string base = files_test::dataDir() + "/legacy/" + GetParam();
    std::ifstream jsonFile(base + ".json");
    const nlohmann::json fixture = nlohmann::json::parse(jsonFile);

    const ZelkOptions stored = files_test::unusualOptions();
    DesignCase expectedDesign = newDesign(stored);
    ZelkOptions expectedOptions = stored;
    // The objects in stream order: a later member of the same meaning wins.
    for (const auto& object : fixture["objects"]) {
        for (const auto& [name, value] : object["values"].items()) {
            const auto it = expectedMeaning().find(name);
            ASSERT_NE(it, expectedMeaning().end()) << name;
            it->second(value, expectedDesign, expectedOptions);
        }
    }
    if (fixture.contains("objects") == false) {
        for (const auto& [name, value] : fixture["values"].items()) {
            expectedMeaning().at(name)(value, expectedDesign, expectedOptions);
        }
    }

    DesignCase design = newDesign(stored);
    ZelkOptions options = stored;
    std::ifstream in(base + ".zlk", std::ios::binary);
    ASSERT_TRUE(files::CZelkParserDotNet().Parse(in, design, options));
    files_test::expectSameDesign(design, expectedDesign);
    EXPECT_EQ(options, expectedOptions);
}

INSTANTIATE_TEST_SUITE_P(Fixtures, GenuineLegacyDesign,
                         ::testing::Values("legacy-full", "legacy-full-sequential",
                                           "legacy-inputs-only", "legacy-latin1-title",
                                           "legacy-options-only", "legacy-settings-only",
                                           "legacy-unittype7"),
                         [](const auto& row) {
                             std::string name = row.param;
                             for (char& c : name) {
                                 c = c == '-' ? '_' : c;
                             }
                             return name;
                         });

TEST(ZelkParserDotNet, ContainerFileReadsTheSameAsSeparateStreams) {
    DesignCase fromContainer, fromSequence;
    ZelkOptions containerOptions, sequenceOptions;
    std::ifstream container(files_test::dataDir() + "/legacy/legacy-full.zlk", std::ios::binary);
    std::ifstream sequence(files_test::dataDir() + "/legacy/legacy-full-sequential.zlk",
                           std::ios::binary);
    ASSERT_TRUE(files::CZelkParserDotNet().Parse(container, fromContainer, containerOptions));
    ASSERT_TRUE(files::CZelkParserDotNet().Parse(sequence, fromSequence, sequenceOptions));
    files_test::expectSameDesign(fromContainer, fromSequence);
    EXPECT_EQ(containerOptions, sequenceOptions);
    EXPECT_EQ(fromContainer.m_title, "Well 14 Design Case");
    EXPECT_EQ(fromContainer.m_tubingWeight, 8.7);
    EXPECT_EQ(fromContainer.m_unitTypeName, "MarkII");
}

TEST(ZelkParserDotNet, IndexesOutsideTheirTablesLeaveTheFieldAsItWas) {
    using Kind = files::LegacyMember::Kind;
    const auto integerMember = [](const char* name, std::int64_t value) {
        files::LegacyMember m;
        m.fullName = name;
        m.kind = Kind::Integer;
        m.integer = value;
        return m;
    };
    DesignCase design;
    design.m_tubingWeight = 6.5;
    design.m_fiberglassSize = 0.875;
    design.m_steelSize = 1.0;
    ZelkOptions options;
    const int known = files::CZelkParserDotNet::Apply(
        {integerMember("ZelkEngine.ZelkInputs.TubingKey", 52),
         integerMember("ZelkEngine.ZelkInputs.TubingKey", -1),
         integerMember("ZelkEngine.ZelkInputs.FiberglassSizeIndex", 8),
         integerMember("ZelkEngine.ZelkInputs.SteelSizeIndex", 9),
         integerMember("ZelkEngine.ZelkInputs.SteelSizeIndex", 1LL << 40)},
        design, options);
    EXPECT_EQ(known, 0);
    EXPECT_EQ(design.m_tubingWeight, 6.5);
    EXPECT_EQ(design.m_fiberglassSize, 0.875);
    EXPECT_EQ(design.m_steelSize, 1.0);

    EXPECT_EQ(files::CZelkParserDotNet::Apply(
                  {integerMember("ZelkEngine.ZelkInputs.SteelSizeIndex", 1),
                   integerMember("ZelkEngine.ZelkInputs.FiberglassSizeIndex", 5),
                   integerMember("ZelkEngine.ZelkSettings.PressureType", 2)},
                  design, options),
              3);
    EXPECT_EQ(design.m_steelSize, 0.875);
    EXPECT_EQ(design.m_fiberglassSize, 1.2);
    EXPECT_TRUE(design.m_pumpIntakePressureEntered);
}

TEST(ZelkParserDotNet, AFileOfNeitherFormatChangesNothing) {
    const DesignCase before = files_test::unusualDesign();
    DesignCase design = before;
    ZelkOptions options = files_test::unusualOptions();
    std::istringstream in("just some text\nwith lines\n");
    EXPECT_FALSE(files::CZelkParserDotNet().Parse(in, design, options));
    files_test::expectSameDesign(design, before);
    EXPECT_EQ(options, files_test::unusualOptions());
}

}  // namespace
