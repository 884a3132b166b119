#include "app/text_format.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace {

struct FormatCase {
    const char* name;
    const char* pattern;
    std::initializer_list<app::FormatArg> args;
    const char* expected;
};

TEST(FormatText, FillsThePlaceholdersOfTheTable) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    // clang-format off
    const FormatCase cases[] = {
        {"version",       "Zelk, version %s", {"3.1.0.0"}, "Zelk, version 3.1.0.0"},
        {"bounds",        "%s must be a number between %0.3f and %0.3f %s.",
                          {"Pump Depth", 100.0, 20000.0, "ft"},
                          "Pump Depth must be a number between 100.000 and 20000.000 ft."},
        {"percent_label", "%s (%.0f%% %s)", {"Rate", 85.0, "pump volumetric eff."},
                          "Rate (85% pump volumetric eff.)"},
        {"two_rates",     "%0.2f and %0.2f", {12.345, 7.0}, "12.35 and 7.00"},
        {"integer",       "%d SPM", {9.7}, "9 SPM"},
        {"int_to_float",  "%0.1f", {3}, "3.0"},
        {"number_as_s",   "[%s]", {2.5}, "[2.5]"},
        {"text_as_f",     "%0.1f", {"4.25"}, "4.2"},
        {"width",         "[%5s|%-3s]", {"ab", "c"}, "[   ab|c  ]"},
        {"missing_arg",   "a %s b %0.2f c", {"x"}, "a x b  c"},
        {"extra_arg",     "only %s", {"one", "two"}, "only one"},
        {"not_a_spec",    "100% sure %", {}, "100% sure %"},
        {"nan",           "%0.1f", {nan}, "nan"},
        {"nan_integer",   "%d", {nan}, "0"},
    };
    // clang-format on
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(app::formatText(c.pattern, c.args), c.expected);
    }
}

TEST(FormatText, CapsWidthAndPrecisionOfDamagedTexts) {
    const std::string wide = app::formatText("%999999999s", {"x"});
    EXPECT_EQ(wide.size(), 64u);
    const std::string precise = app::formatText("%.500f", {1.0});
    EXPECT_EQ(precise, "1.00000000000000000000");
    EXPECT_EQ(app::formatText("%99999d", {1e300}).size(), 64u);
}

}  // namespace
