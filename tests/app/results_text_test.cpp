#include "app/window/results_text.h"

#include "app/language.h"
#include "app/text_format.h"
#include "app/window/calculation_error_text.h"

#include <limits>

#include <gtest/gtest.h>

namespace {

namespace results = app::results;

const double kNan = std::numeric_limits<double>::quiet_NaN();

TEST(ResultsText, PrecisionFollowsTheSizeOfTheValue) {
    EXPECT_EQ(app::formatText(results::rateFormat(9.87), {9.87}), "9.87");
    EXPECT_EQ(app::formatText(results::rateFormat(10.0), {10.0}), "10.0");
    EXPECT_EQ(app::formatText(results::rateFormat(-25.0), {-25.0}), "-25.00");
    EXPECT_EQ(app::formatText(results::powerFormat(0.95), {0.95}), "0.950");
    EXPECT_EQ(app::formatText(results::powerFormat(1.0), {1.0}), "1.00");
}

TEST(ResultsText, RodTaperAndUnitRating) {
    EXPECT_EQ(results::rodTaperText({34.0, 66.0}), "34.0%, 66.0% ");
    EXPECT_EQ(results::rodTaperText({100.0}), "100.0% ");
    EXPECT_EQ(results::rodTaperText({22.04, 23.96, 54.0}), "22.0%, 24.0%, 54.0% ");
    EXPECT_EQ(results::rodTaperText({}), "");
    EXPECT_EQ(results::unitRatingText(227.6, 213.2, 100.0), "228-213-100");
    EXPECT_EQ(results::fiberglassLoadingText(kNan), "0/0");
    EXPECT_EQ(results::fiberglassLoadingText(45.26), "45.3");
}

TEST(ResultsText, RateLabelsInBothLanguages) {
    app::setCurrentLanguage(app::kEnglish);
    EXPECT_EQ(results::displacementLabel(), "Rate (100% pump volumetric eff.)");
    EXPECT_EQ(results::productionLabel(85.0), "Rate (85% pump volumetric eff.)");
    app::setCurrentLanguage(app::kSpanish);
    EXPECT_EQ(results::productionLabel(85.0), "Caudal (85% eficiencia vol. bomba)");
    app::setCurrentLanguage(app::kEnglish);
}

TEST(ResultsText, RedHighlighting) {
    EXPECT_TRUE(results::isRateRed(-0.1));
    EXPECT_FALSE(results::isRateRed(0.0));
    EXPECT_FALSE(results::isTopRodLoadingRed(99.9));
    EXPECT_TRUE(results::isTopRodLoadingRed(100.0));
    EXPECT_TRUE(results::isFiberglassMinimumRed(0.0));
    EXPECT_FALSE(results::isFiberglassMinimumRed(1.0));
    for (double bad : {kNan, -1.0, 100.0, 150.0}) {
        SCOPED_TRACE(bad);
        EXPECT_TRUE(results::isFiberglassLoadingRed(bad));
    }
    EXPECT_FALSE(results::isFiberglassLoadingRed(0.0));
    EXPECT_FALSE(results::isFiberglassLoadingRed(99.9));
    for (double bad : {kNan, 0.0, -5.0, 100.01}) {
        SCOPED_TRACE(bad);
        EXPECT_TRUE(results::isPumpEfficiencyRed(bad));
    }
    EXPECT_FALSE(results::isPumpEfficiencyRed(100.0));
}

TEST(ResultsText, WarningsOnlyForWhatApplies) {
    app::setCurrentLanguage(app::kEnglish);
    EXPECT_EQ(results::warningsText(10.0, true, 5.0), "");
    EXPECT_EQ(results::warningsText(-1.0, false, -5.0),
              "\nPump rate is negative. Pump is not moving fluid.");
    EXPECT_EQ(results::warningsText(-1.0, true, -5.0),
              "\nPump rate is negative. Pump is not moving fluid."
              "\nFiberglass load is negative. The rod string will likely fail.");
}

TEST(CalculationErrorText, CodesShowTheirTableTextOtherwiseTheMessage) {
    app::setCurrentLanguage(app::kEnglish);
    EXPECT_EQ(app::calculationErrorText(2, "engine text", 0, 0), "Invalid taper size specified.");
    EXPECT_EQ(app::calculationErrorText(8, "engine text", 0, 0), "Invalid unit type specified.");
    EXPECT_EQ(app::calculationErrorText(1, "Pump Depth must be between 100 and 20,000 ft.", 0, 0),
              "Pump Depth must be between 100 and 20,000 ft.");
    EXPECT_EQ(app::calculationErrorText(12, "target not reached", 1, 2), "target not reached");
    EXPECT_EQ(app::calculationErrorText(11, "", 250.456, 180.0).substr(0, 55),
              "The Calculated Pump Rate of 250.46 bbl/day exceeds the ");
    EXPECT_NE(app::calculationErrorText(11, "", 250.456, 180.0).find("of 180.00 bbl/day"),
              std::string::npos);
    app::setCurrentLanguage(app::kSpanish);
    EXPECT_EQ(app::calculationErrorText(9, "", 0, 0).substr(0, 30),
              "La carga mínima calculada en ");
    app::setCurrentLanguage(app::kEnglish);
}

}  // namespace
