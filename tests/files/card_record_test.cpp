#include "files/card_record.h"

#include <limits>
#include <vector>

#include <gtest/gtest.h>

namespace {

// A rectangle from 0 to 100 in and 2000 to 10000 lb, traversed clockwise as a card is: the
// upstroke along the top, the downstroke along the bottom.
const std::vector<double> kPositions = {0.0, 100.0, 100.0, 0.0};
const std::vector<double> kClockwiseLoads = {10000.0, 10000.0, 2000.0, 2000.0};

TEST(CardArea, ClockwiseLoopIsPositive) {
    EXPECT_DOUBLE_EQ(files::cardArea(kPositions, kClockwiseLoads, 4), 800000.0);
    const std::vector<double> counter = {2000.0, 2000.0, 10000.0, 10000.0};
    EXPECT_DOUBLE_EQ(files::cardArea(kPositions, counter, 4), -800000.0);
}

TEST(CardArea, UsesOnlyThePointsPresent) {
    EXPECT_DOUBLE_EQ(files::cardArea(kPositions, kClockwiseLoads, 1000),
                     files::cardArea(kPositions, kClockwiseLoads, 4));
    EXPECT_EQ(files::cardArea(kPositions, kClockwiseLoads, 0), 0.0);
    EXPECT_EQ(files::cardArea(kPositions, kClockwiseLoads, std::numeric_limits<int>::min()), 0.0);
}

TEST(PolishedRodPower, FromAreaAndStrokeRate) {
    // 800000 in-lb per stroke at 10 strokes/min: 8e6 in-lb/min / 396000 = 20.2 HP.
    EXPECT_NEAR(files::polishedRodPowerFromArea(800000.0, 10.0), 8e6 / 396000.0, 1e-12);
    EXPECT_EQ(files::polishedRodPowerFromArea(800000.0, 0.0), 0.001);
    EXPECT_EQ(files::polishedRodPowerFromArea(-800000.0, 10.0), 0.001);
    EXPECT_EQ(files::polishedRodPowerFromArea(std::numeric_limits<double>::quiet_NaN(), 10.0),
              0.001);
}

TEST(PeakAndMinimumLoad, SkipNaNAndGiveZeroForNoLoads) {
    files::CardRecord card;
    card.loads = {std::numeric_limits<double>::quiet_NaN(), 5.0, -3.0, 9.0};
    files::setPeakAndMinimumLoad(card);
    EXPECT_EQ(card.peakLoad, 9.0);
    EXPECT_EQ(card.minimumLoad, -3.0);
    card.loads.clear();
    files::setPeakAndMinimumLoad(card);
    EXPECT_EQ(card.peakLoad, 0.0);
    EXPECT_EQ(card.minimumLoad, 0.0);
}

}  // namespace
