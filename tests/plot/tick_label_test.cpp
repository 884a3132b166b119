#include "plot/tick_label.h"

#include <string>

#include <gtest/gtest.h>

namespace plot {
namespace {

struct LabelCase {
    const char* name;
    double value;
    int format;
    const char* label;
};

class TickLabelTest : public ::testing::TestWithParam<LabelCase> {};

TEST_P(TickLabelTest, Formats) {
    const LabelCase& c = GetParam();
    EXPECT_EQ(FormatTickLabel(c.value, c.format), c.label);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, TickLabelTest, ::testing::Values(
    LabelCase{"fraction",          12.5,       kLabelNumber,      "12.5"},
    LabelCase{"whole",             20.0,       kLabelNumber,      "20"},
    LabelCase{"half",              0.5,        kLabelNumber,      "0.5"},
    LabelCase{"zero",              0.0,        kLabelNumber,      "0"},
    LabelCase{"negative",          -0.25,      kLabelNumber,      "-0.25"},
    LabelCase{"hundred",           100.0,      kLabelNumber,      "100"},
    LabelCase{"sum_noise_at_zero", -1.1e-16,   kLabelNumber,      "0"},
    LabelCase{"below_resolution",  1e-7,       kLabelNumber,      "0"},
    LabelCase{"hour_and_quarter",  3600.25,    kLabelElapsedTime, "01:00:00.25"},
    LabelCase{"under_a_minute",    59.5,       kLabelElapsedTime, "00:59.5"},
    LabelCase{"whole_minutes",     120.0,      kLabelElapsedTime, "02:00"},
    LabelCase{"hours_in_day",      90000.0,    kLabelElapsedTime, "01:00:00"},
    LabelCase{"date_epoch",        2.0,        kLabelDate,        "1/1/1900"},
    LabelCase{"date_recent",       45292.75,   kLabelDate,        "1/1/2024"},
    LabelCase{"date_invalid",      1e9,        kLabelDate,        "Invalid DateTime"}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

TEST(TickLabel, NumbersIgnoreTheProcessLocale) {
    // A decimal comma locale must not leak into labels; the C locale is pinned in main, so
    // this checks the formatter does not depend on it at all.
    EXPECT_EQ(FormatFixed(1234.5, 1), "1234.5");
    EXPECT_EQ(FormatFixed(-0.04, 1), "-0.0");
}

}  // namespace
}  // namespace plot
