#include "plot/scale_arithmetic.h"

#include "plot/range.h"
#include "plot/transform.h"

#include <limits>
#include <string>

#include <gtest/gtest.h>

namespace plot {
namespace {

struct AutoRangeCase {
    const char* name;
    double lo, hi, margin;
    double wantLo, wantHi, wantStep;
};

class AutoRangeTest : public ::testing::TestWithParam<AutoRangeCase> {};

TEST_P(AutoRangeTest, EnclosesTheDataOnWholeSteps) {
    const AutoRangeCase& c = GetParam();
    double lo = c.lo;
    double hi = c.hi;
    const double step = AutoRange(c.margin, c.margin, 1.0, 1.0, lo, hi);
    // Steps are summed repeatedly, so allow a few ulps of drift on the ends.
    EXPECT_NEAR(step, c.wantStep, 1e-12);
    EXPECT_NEAR(lo, c.wantLo, 1e-9);
    EXPECT_NEAR(hi, c.wantHi, 1e-9);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, AutoRangeTest, ::testing::Values(
    AutoRangeCase{"positive_with_margins",  3.0,    97.0,   0.02, 0.0,   100.0,  20.0},
    AutoRangeCase{"straddling_zero",       -250.0,  1200.0, 0.02, -400.0, 1400.0, 200.0},
    AutoRangeCase{"negative_extra_step",   -10.0,   10.0,   0.0,  -15.0,  10.0,   5.0},
    AutoRangeCase{"crank_angle",            0.0,    360.0,  0.0,  0.0,    400.0,  50.0},
    AutoRangeCase{"equal_positive_ends",    5.0,    5.0,    0.02, 4.4,    5.6,    0.2},
    AutoRangeCase{"all_zero",               0.0,    0.0,    0.02, -1.0,   1.0,    0.5},
    AutoRangeCase{"all_zero_no_margin",     0.0,    0.0,    0.0,  -1.0,   1.0,    0.5},
    AutoRangeCase{"small_fractions",        0.12,   0.34,   0.0,  0.1,    0.35,   0.05},
    AutoRangeCase{"equal_negative_ends",   -5.0,   -5.0,    0.0,  -5.6,  -4.4,    0.2}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

TEST(AutoRange, EndsEvenWhenTheStepIsLostInTheMagnitude) {
    // 1e17 + 2: the step is far below one ulp of the ends; stepping must still stop.
    double lo = 1e17;
    double hi = 1e17 + 64.0;
    const double step = AutoRange(0.0, 0.0, 1.0, 1.0, lo, hi);
    EXPECT_GT(step, 0.0);
    EXPECT_LE(lo, 1e17);
    EXPECT_GE(hi, 1e17 + 64.0);
}

TEST(AutoRange, NonFiniteInputFallsBackToTheUnitRange) {
    double lo = 0.0;
    double hi = std::numeric_limits<double>::infinity();
    EXPECT_EQ(AutoRange(0.02, 0.02, 1.0, 1.0, lo, hi), 0.5);
    EXPECT_EQ(lo, -1.0);
    EXPECT_EQ(hi, 1.0);
}

TEST(NiceNumber, RoundsOrCeilsToOneTwoFive) {
    EXPECT_DOUBLE_EQ(NiceNumber(0.27, false), 0.5);
    EXPECT_DOUBLE_EQ(NiceNumber(0.27, true), 0.2);
    EXPECT_DOUBLE_EQ(NiceNumber(1.0, false), 1.0);
    EXPECT_DOUBLE_EQ(NiceNumber(140.0, true), 100.0);
    EXPECT_DOUBLE_EQ(NiceNumber(160.0, true), 200.0);
    EXPECT_DOUBLE_EQ(NiceNumber(7.0, true), 10.0);
    EXPECT_DOUBLE_EQ(NiceNumber(5.5, false), 10.0);
    EXPECT_EQ(NiceNumber(0.0, false), 0.0);
}

TEST(LooseLabels, CoversTheSpanAtANiceStep) {
    const LooseLabelResult r = LooseLabels(5, 3.0, 97.0);
    // Span 94 -> nice 100; 100 / 4 = 25 -> nearest nice 20.
    EXPECT_DOUBLE_EQ(r.step, 20.0);
    ASSERT_EQ(r.values.size(), 6u);
    EXPECT_DOUBLE_EQ(r.values.front(), 0.0);
    EXPECT_DOUBLE_EQ(r.values.back(), 100.0);
}

TEST(LooseLabels, ASpanThatRoundsToZeroGivesNoLabels) {
    const LooseLabelResult r = LooseLabels(5, 0.1, 0.3);
    EXPECT_TRUE(r.values.empty());
}

TEST(Transform, MapsDataToDeviceBothWays) {
    CTransform t;
    t.data = RectF{0.0, 0.0, 100.0, 10.0};
    t.device = RectF{50.0, 20.0, 500.0, 200.0};
    EXPECT_DOUBLE_EQ(t.DataToDeviceX(25.0), 175.0);
    EXPECT_DOUBLE_EQ(t.DataToDeviceY(0.0), 220.0);
    EXPECT_DOUBLE_EQ(t.DataToDeviceY(10.0), 20.0);
    EXPECT_DOUBLE_EQ(t.DeviceToDataX(175.0), 25.0);
    EXPECT_DOUBLE_EQ(t.DeviceToDataY(220.0), 0.0);
    t.invertY = 0;
    EXPECT_DOUBLE_EQ(t.DataToDeviceY(0.0), 20.0);
    EXPECT_DOUBLE_EQ(t.DeviceToDataY(120.0), 5.0);
}

TEST(Transform, ZeroSpansMapToZero) {
    CTransform t;
    t.data = RectF{5.0, 5.0, 0.0, 0.0};
    t.device = RectF{0.0, 0.0, 0.0, 0.0};
    EXPECT_EQ(t.DataToDeviceX(5.0), 0.0);
    EXPECT_EQ(t.DataToDeviceY(7.0), 0.0);
    EXPECT_EQ(t.DeviceToDataX(3.0), 0.0);
    EXPECT_EQ(t.DeviceToDataY(3.0), 0.0);
}

TEST(Range, LinkedRangesFollowAndStopScaling) {
    CRange a("A", 0);
    CRange b("B", 0);
    a.Link(&b);
    a.Link(&b);
    a.Link(&a);
    ASSERT_EQ(a.Linked().size(), 1u);
    a.SetMinMax(1.0, 5.0);
    EXPECT_TRUE(a.Changed());
    EXPECT_EQ(b.Min(), 1.0);
    EXPECT_EQ(b.Max(), 5.0);
    EXPECT_TRUE(b.Changed());
    EXPECT_EQ(b.AutoScale(), 0);
    a.ClearChanged();
    a.SetMinMax(1.0, 5.0);
    EXPECT_FALSE(a.Changed());
}

}  // namespace
}  // namespace plot
