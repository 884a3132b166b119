#include "calculators/text_format.h"

#include <gtest/gtest.h>

namespace {

using calc::FormatText;

TEST(FormatText, FillsTextAndNumbersInOrder) {
    EXPECT_EQ(FormatText("%s must be a number between %0.3f and %0.3f %s, inclusive.",
                         {std::string("Water Cut"), 0.0, 100.0, std::string("%")}),
              "Water Cut must be a number between 0.000 and 100.000 %, inclusive.");
    EXPECT_EQ(FormatText("%.2f%% of %s", {12.345, std::string("rate")}), "12.35% of rate");
}

TEST(FormatText, LeavesUnmatchedConversionsAsWritten) {
    // A translated template whose conversions do not fit the values must not read past them.
    EXPECT_EQ(FormatText("%s and %s", {std::string("one")}), "one and %s");
    EXPECT_EQ(FormatText("%d items of %s", {std::string("x")}), "%d items of x");
    EXPECT_EQ(FormatText("%0.3f", {std::string("text")}), "%0.3f");
    EXPECT_EQ(FormatText("trailing %", {}), "trailing %");
}

TEST(FormatText, CutsLabelsAtTheirFirstParenthesis) {
    EXPECT_EQ(calc::LabelBeforeParenthesis("Clearance (C)"), "Clearance ");
    EXPECT_EQ(calc::LabelBeforeParenthesis("Fluid Viscosity ("), "Fluid Viscosity ");
    EXPECT_EQ(calc::LabelBeforeParenthesis("Depth"), "Depth");
}

}  // namespace
