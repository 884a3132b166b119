#include "files/card_comparison.h"

#include "engine/calculation_case.h"
#include "files/dyn_file_reader.h"

#include <sstream>

#include <gtest/gtest.h>

namespace {

TEST(CardComparison, DifferenceAndPercentOfTheMean) {
    const files::ComparedValue peak = files::CompareValues(12200.0, 11800.0);
    EXPECT_EQ(peak.difference, 400.0);
    EXPECT_NEAR(peak.percentDifference, 400.0 / 12000.0 * 100.0, 1e-12);
    const files::ComparedValue lower = files::CompareValues(11800.0, 12200.0);
    EXPECT_EQ(lower.difference, 400.0);
    EXPECT_EQ(files::CompareValues(100.0, 0.0).percentDifference, -1.0);
    EXPECT_EQ(files::CompareValues(0.0, 100.0).percentDifference, -1.0);
    EXPECT_EQ(files::CompareValues(-5.0, 100.0).percentDifference, -1.0);
}

TEST(CardComparison, PredictedCardFromTheResults) {
    ZelkEngine::CalculationCase c;
    c.Inputs.StrokeRate = 8.5;
    c.Results.PolishedRodPositionCurve = {0.0, 50.0, 100.0, 50.0};
    c.Results.PolishedRodLoadCurve = {6000.0, 9800.0, 7000.0, 3100.0};
    c.Results.PolishedRodPower = 12.5;
    c.Results.WrfPlusFo = 8100.0;
    c.Results.BuoyantRodWeight = 4200.0;
    const files::CardRecord card = files::PredictedCard(c, 100.0);
    EXPECT_EQ(card.peakLoad, 9800.0);
    EXPECT_EQ(card.minimumLoad, 3100.0);
    EXPECT_EQ(card.strokeLength, 100.0);
    EXPECT_EQ(card.polishedRodPower, 12.5);
    EXPECT_EQ(card.tvLoad, 8100.0);
    EXPECT_EQ(card.svLoad, 4200.0);
    EXPECT_EQ(card.loads, c.Results.PolishedRodLoadCurve);
}

TEST(CardComparison, TabbedCardHasNoStrokeLengthToCompare) {
    std::istringstream in("#Surface\n0\t10\n100\t10\n100\t2\n0\t2\n");
    const files::CardRecord imported = files::readDynCard(in).card;
    files::CardRecord predicted;
    predicted.peakLoad = 10500;
    predicted.minimumLoad = 2100;
    predicted.strokeLength = 100;
    predicted.polishedRodPower = 20;
    predicted.tvLoad = 8000;
    predicted.svLoad = 4000;
    const files::CardComparison comparison = files::CompareCards(predicted, imported);
    using Q = files::CardComparison;
    EXPECT_EQ(comparison.values[Q::kStrokeLength].percentDifference, -1.0);
    EXPECT_EQ(comparison.values[Q::kPolishedRodPower].imported, 0.001);
    EXPECT_EQ(comparison.values[Q::kPeakLoad].imported, 10000.0);
    EXPECT_EQ(comparison.values[Q::kPeakLoad].difference, 500.0);
    EXPECT_EQ(comparison.values[Q::kMinimumLoad].difference, 100.0);
    EXPECT_EQ(comparison.predictedTvLoad, 8000.0);
    EXPECT_EQ(comparison.importedTvLoad, 0.0);
    EXPECT_EQ(comparison.importedSvLoad, 0.0);
}

}  // namespace
