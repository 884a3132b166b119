#include "files/dyn_file_reader.h"

#include <cmath>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

struct DynCase {
    const char* name;
    const char* content;
    files::DynLayout layout;
    std::vector<double> positions;
    std::vector<double> loads;  // NaN where the field does not parse
    int pointCount;
    int strokesPerMinute;
    double strokeLength;
    double tvLoad;
    double svLoad;
};

class DynCard : public ::testing::TestWithParam<DynCase> {};

TEST_P(DynCard, ReadsPointsAndTrailer) {
    const DynCase& c = GetParam();
    std::istringstream in(c.content);
    const files::DynFile file = files::readDynCard(in);
    const files::CardRecord& card = file.card;
    EXPECT_EQ(file.layout, c.layout);
    ASSERT_EQ(card.positions.size(), c.positions.size());
    ASSERT_EQ(card.loads.size(), c.loads.size());
    const auto expectSame = [](double actual, double expected) {
        if (std::isnan(expected)) {
            EXPECT_TRUE(std::isnan(actual)) << actual;
        } else {
            EXPECT_DOUBLE_EQ(actual, expected);
        }
    };
    for (std::size_t i = 0; i < c.positions.size(); ++i) {
        SCOPED_TRACE(i);
        expectSame(card.positions[i], c.positions[i]);
        expectSame(card.loads[i], c.loads[i]);
    }
    EXPECT_EQ(card.pointCount, c.pointCount);
    EXPECT_EQ(card.strokesPerMinute, c.strokesPerMinute);
    EXPECT_DOUBLE_EQ(card.strokeLength, c.strokeLength);
    EXPECT_DOUBLE_EQ(card.tvLoad, c.tvLoad);
    EXPECT_DOUBLE_EQ(card.svLoad, c.svLoad);
}

const double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr int kNoCount = std::numeric_limits<int>::min();
using files::DynLayout;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Layouts, DynCard, ::testing::Values(
    DynCase{"counted", "3\n0, 5000\n50, 9000\n100, 4000\n0\n9\n100\n7000\n3500\n",
            DynLayout::Counted, {0, 50, 100}, {5000, 9000, 4000}, 3, 9, 100, 7000, 3500},
    DynCase{"counted_without_blank_after_comma", "2\n12.5,3400\n20,  3500\n0\n9\n100\n1\n2\n",
            DynLayout::Counted, {12.5, 20}, {3400, 3500}, 2, 9, 100, 1, 2},
    DynCase{"marker_skips_two_lines", "1\n1, 2\n1\nskipped\nskipped too\n8.7\n64\n10\n20\n",
            DynLayout::Counted, {1}, {2}, 1, 8, 64, 10, 20},
    DynCase{"empty_lines_do_not_count", "2\n\n1, 2\n\n3, 4\n0\n5\n6\n7\n8\n",
            DynLayout::Counted, {1, 3}, {2, 4}, 2, 5, 6, 7, 8},
    DynCase{"crlf_line_ends", "2\r\n1, 2\r\n3, 4\r\n0\r\n5\r\n6\r\n7\r\n8\r\n",
            DynLayout::Counted, {1, 3}, {2, 4}, 2, 5, 6, 7, 8},
    DynCase{"thousands_separators", "1\n1,234.5, 2\n0\n5\n6\n7\n8\n",
            DynLayout::Counted, {1}, {234.5}, 1, 5, 6, 7, 8},
    DynCase{"fewer_lines_than_announced", "5\n1, 2\n3, 4\n",
            DynLayout::Counted, {1, 3}, {2, 4}, 5, 0, 0, 0, 0},
    DynCase{"letters_are_nan", "2\nx, 2\n3, 4 lb\n0\n5\n6\n7\n8\n",
            DynLayout::Counted, {kNaN, 3}, {2, kNaN}, 2, 5, 6, 7, 8},
    DynCase{"line_without_comma", "1\n3400\n0\n5\n6\n7\n8\n",
            DynLayout::Counted, {3400}, {kNaN}, 1, 5, 6, 7, 8},
    DynCase{"lower_case_surface_is_counted", "#surface\n1\t2\n",
            DynLayout::Counted, {}, {}, kNoCount, 0, 0, 0, 0},
    DynCase{"tabbed_kips", "#Surface card 14\n0\t5.5\tx\ty\n50\t9\n\n100\t4.25\n",
            DynLayout::Tabbed, {0, 50, 100}, {5500, 9000, 4250}, kNoCount, 0, 0, 0, 0},
    DynCase{"tabbed_without_final_line_break", "#Surface\n1\t2",
            DynLayout::Tabbed, {1}, {2000}, kNoCount, 0, 0, 0, 0},
    DynCase{"empty_file", "", DynLayout::Counted, {}, {}, 0, 0, 0, 0, 0}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

TEST(DynCard, DerivesPeakMinimumAndPower) {
    // A clockwise rectangle of 800000 in-lb at 10 strokes/min.
    std::istringstream in("4\n0, 10000\n100, 10000\n100, 2000\n0, 2000\n0\n10\n100\n0\n0\n");
    const files::CardRecord card = files::readDynCard(in).card;
    EXPECT_EQ(card.peakLoad, 10000.0);
    EXPECT_EQ(card.minimumLoad, 2000.0);
    EXPECT_NEAR(card.polishedRodPower, 8e6 / 396000.0, 1e-12);
}

TEST(DynCard, PowerHasAFloor) {
    struct Row {
        const char* name;
        const char* content;
    };
    const Row rows[] = {
        {"counter_clockwise", "4\n0, 2000\n100, 2000\n100, 10000\n0, 10000\n0\n10\n100\n0\n0\n"},
        {"zero_strokes_per_minute", "4\n0, 10000\n100, 10000\n100, 2000\n0, 2000\n0\n0\n"},
        {"tabbed_has_no_count", "#Surface\n0\t10\n100\t10\n100\t2\n0\t2\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::istringstream in(row.content);
        EXPECT_EQ(files::readDynCard(in).card.polishedRodPower, 0.001);
    }
}

TEST(DynFile, MissingFileIsReported) {
    std::string error;
    EXPECT_FALSE(files::readDynFile("/nonexistent/card.dyn", &error));
    EXPECT_NE(error.find("/nonexistent/card.dyn"), std::string::npos);
}

}  // namespace
