#include "calculators/text_format.h"

#include "app/language.h"
#include "calculators/anchor_guard.h"
#include "calculators/calculator_texts.h"

#include <set>
#include <string>

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

TEST(CalculatorTexts, EnglishStringTableMatchesTheBuiltInTexts) {
    const calc::CalculatorTexts table = calc::CalculatorTexts::FromStringTable();
    const calc::CalculatorTexts builtIn;
    EXPECT_EQ(table.m_invalidHeader, builtIn.m_invalidHeader);
    EXPECT_EQ(table.m_rangeInclusive, builtIn.m_rangeInclusive);
    EXPECT_EQ(table.m_greaterThan, builtIn.m_greaterThan);
    EXPECT_EQ(table.m_oilGravity, builtIn.m_oilGravity);
    EXPECT_EQ(table.m_waterCut, builtIn.m_waterCut);
    EXPECT_EQ(table.m_waterSpecificGravity, builtIn.m_waterSpecificGravity);
    EXPECT_EQ(table.m_fluidSpecificGravity, builtIn.m_fluidSpecificGravity);
    EXPECT_EQ(table.m_sinkerBarTooLarge, builtIn.m_sinkerBarTooLarge);
    EXPECT_EQ(table.m_clearance, builtIn.m_clearance);
    EXPECT_EQ(table.m_fluidViscosity, builtIn.m_fluidViscosity);
    EXPECT_EQ(table.m_plungerLength, builtIn.m_plungerLength);
    EXPECT_EQ(table.m_calculationErrorHeader, builtIn.m_calculationErrorHeader);
    EXPECT_EQ(table.m_clearanceZero, builtIn.m_clearanceZero);
    EXPECT_EQ(table.m_slippageExceedsDisplacement, builtIn.m_slippageExceedsDisplacement);
}

TEST(AnchorGuards, EveryGuardHasItsOwnTextInBothLanguages) {
    // The guards are numbered without gaps, from the first to the last.
    const int first = static_cast<int>(calc::AnchorGuard::PerfDepthNotPositive);
    const int last = static_cast<int>(calc::AnchorGuard::PumpDepthNotPositive);
    std::set<std::string> english;
    for (int id = first; id <= last; ++id) {
        SCOPED_TRACE(id);
        const auto guard = static_cast<calc::AnchorGuard>(id);
        app::setCurrentLanguage(app::kSpanish);
        const std::string spanish = calc::AnchorGuardText(guard);
        app::setCurrentLanguage(app::kEnglish);
        const std::string text = calc::AnchorGuardText(guard);
        EXPECT_FALSE(text.empty());
        EXPECT_FALSE(spanish.empty());
        EXPECT_NE(spanish, text);
        EXPECT_TRUE(english.insert(text).second) << "said twice: " << text;
    }
    app::setCurrentLanguage(app::kSpanish);
    EXPECT_EQ(calc::AnchorGuardText(calc::AnchorGuard::PumpDepthNotPositive),
              "La Profundidad de la Bomba debe ser mayor que cero.");
    app::setCurrentLanguage(app::kEnglish);
}

}  // namespace
