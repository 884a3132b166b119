// The whole drawing of a standard plot, call by call, against a stored record. A change in
// layout, tick choice or drawing order shows up as a readable diff. To accept an intended
// change, run the test with ZELK_UPDATE_EXPECTED=1 and review the rewritten file.
#include "plot/recording_graphics.h"
#include "plot/standard_plot.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#ifndef ZELK_TEST_DATA_DIR
#error "ZELK_TEST_DATA_DIR must name tests/data"
#endif

namespace plot {
namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct RecordCase {
    const char* folder;
    double deviceScale;
    RectF rect;
};

class DrawingRecord : public ::testing::TestWithParam<RecordCase> {};

TEST_P(DrawingRecord, MatchesTheStoredRecord) {
    const RecordCase& c = GetParam();
    CPlot plot;
    BuildStandardPlot(plot, nullptr, nullptr);
    AddStandardTextBlocks(plot, "Dynamometer Cards", "Position", "Rod Load");
    CDataAreaCurve* surface =
        ReplaceCurve(plot, "Surface", {0.0, 30.0, 60.0, 100.0, 70.0, 0.0},
                     {8000.0, 14000.0, 11000.0, 9000.0, 5000.0, 8000.0}, 0, 0);
    surface->SetColor(0xFF0000C0u);
    CDataAreaCurve* pump = ReplaceCurve(plot, "Pump", {0.0, 5.0, 85.0, 80.0, 0.0},
                                        {0.0, 4000.0, 4000.0, 0.0, 0.0}, 0, 0);
    pump->SetColor(0xFFC00000u);
    pump->SetHighlighted(1);
    RecordingGraphics g(c.deviceScale, c.deviceScale != 1.0);
    plot.InvalidateAll();
    plot.Draw(g, c.rect);

    const std::string path = std::string(ZELK_TEST_DATA_DIR) + "/" + c.folder + "/expected.txt";
    if (std::getenv("ZELK_UPDATE_EXPECTED") != nullptr) {
        std::ofstream(path, std::ios::binary) << g.text();
    }
    const std::string expected = ReadFile(path);
    ASSERT_FALSE(expected.empty()) << "missing " << path;
    EXPECT_EQ(g.text(), expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Plots, DrawingRecord, ::testing::Values(
    RecordCase{"plot/standard_cards_screen", 1.0, RectF{0, 0, 600, 400}},
    RecordCase{"plot/standard_cards_page", 300.0 / 96.0, RectF{150, 300, 2250, 1500}}),
    [](const auto& row) {
        std::string name = row.param.folder;
        return name.substr(name.find('/') + 1);
    });
// clang-format on

}  // namespace
}  // namespace plot
