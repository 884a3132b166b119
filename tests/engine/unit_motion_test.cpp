#include "engine/unit_motion.h"

#include "engine/calculation_case.h"
#include "engine/zelk_calculator_exception.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <gtest/gtest.h>

namespace ZelkEngine {
namespace {

struct Series {
    double a0, s1, s2;
    double a[6], b[6];
};

// The coefficient tables typed in again, so that a slip in either copy shows.
const Series kSeries[4] = {
    {0.5314016,
     1,
     1,
     {0.4973054, 0.0630766, 0.0071585, 0.0014288, -0.000832, -0.00007},
     {0.0078489, 0.012368, -0.017086, -0.002505, -0.000555, -0.000123}},
    {0.5314016,
     -1,
     1,
     {0.4973054, 0.0630766, 0.0071585, 0.0014288, -0.000832, -0.00007},
     {0.0078489, 0.012368, -0.017086, -0.002505, -0.000555, -0.000123}},
    {0.4667592,
     1,
     -1,
     {-0.4954488, 0.0528955, 0.0090159, -0.002989, 0.0000267, 0.001207},
     {0.0532208, -0.066165, 0.0127199, 0.0007834, -0.000621, 0.0000452}},
    {0.4824728,
     1,
     -1,
     {-0.498003, 0.0346735, -0.006032, 0.0003651, 0.0000669, -0.000012},
     {0.0071059, -0.000813, -0.006759, 0.0006587, -0.000207, 0.0000162}},
};

struct Motion {
    std::vector<double> tf, p, x;
};

Motion motionOf(int unitType, int steps, double stroke) {
    CalculationCase c;
    c.Settings.NTimeSteps = steps;
    c.Inputs.StrokeLength = stroke;
    Motion m;
    UnitMotion(c, unitType, m.tf, m.p, m.x);
    return m;
}

TEST(UnitMotion, BottomOfStrokeAndQuarterTurnMatchTheSeriesByHand) {
    for (int u = 0; u < 4; ++u) {
        SCOPED_TRACE(u);
        const Series& s = kSeries[u];
        const Motion m = motionOf(u, 4, 120.0);
        ASSERT_EQ(m.x.size(), 5u);
        // theta = 0: sin(n theta) = 0, cos(n theta) = 1.
        double x0 = s.a0;
        double v0 = 0.0;
        for (int n = 1; n <= 6; ++n) {
            x0 -= s.s2 * s.a[n - 1] / n;
            v0 += s.s1 * s.s2 * s.b[n - 1];
        }
        EXPECT_NEAR(m.x[0], x0, 1e-15);
        EXPECT_NEAR(m.tf[0], v0 * 120.0, 1e-13);
        EXPECT_NEAR(m.x[0], 0.0, 0.0003);  // the series starts at the bottom of the stroke
        // A quarter turn in the direction of rotation: theta = s1 x pi/2.
        const double sn[6] = {s.s1, 0, -s.s1, 0, s.s1, 0};
        const double cs[6] = {0, -1, 0, 1, 0, -1};
        double x1 = s.a0;
        double v1 = 0.0;
        for (int n = 1; n <= 6; ++n) {
            x1 += s.s2 * (s.b[n - 1] * sn[n - 1] - s.a[n - 1] * cs[n - 1]) / n;
            v1 += s.s1 * s.s2 * (s.a[n - 1] * sn[n - 1] + s.b[n - 1] * cs[n - 1]);
        }
        EXPECT_NEAR(m.x[1], x1, 1e-14);
        EXPECT_NEAR(m.p[1], x1 * 120.0, 1e-12);
        EXPECT_NEAR(m.tf[1], v1 * 120.0, 1e-12);
    }
}

TEST(UnitMotion, FullStrokeSpansZeroToStrokeAndRisesWithPositiveTorqueFactor) {
    for (int u = 0; u < 4; ++u) {
        SCOPED_TRACE(u);
        const int steps = 360;
        const Motion m = motionOf(u, steps, 100.0);
        ASSERT_EQ(m.p.size(), 361u);
        const double top = *std::max_element(m.x.begin(), m.x.end());
        EXPECT_NEAR(top, 1.0, 0.01);
        EXPECT_NEAR(m.x.front(), m.x.back(), 1e-12);  // point K is point 0 again
        EXPECT_NEAR(m.p[180], m.x[180] * 100.0, 1e-12);
        // The torque factor is the slope of the position per radian of crank rotation.
        const double dTheta = 2.0 * 3.14159265358979323846 / steps;
        for (int k = 1; k < steps; ++k) {
            const double slope = (m.p[k + 1] - m.p[k - 1]) / (2.0 * dTheta);
            EXPECT_NEAR(m.tf[k], slope, 0.01 * 100.0) << k;
        }
    }
}

TEST(UnitMotion, CounterClockwiseRunsTheClockwisePositionsBackwards) {
    const int steps = 300;
    const Motion cw = motionOf(0, steps, 86.0);
    const Motion ccw = motionOf(1, steps, 86.0);
    for (int k = 0; k <= steps; ++k) {
        EXPECT_NEAR(ccw.x[k], cw.x[steps - k], 1e-12) << k;
        // Rising on one is rising on the other: the factor is taken along the rotation.
        EXPECT_NEAR(ccw.tf[k], -cw.tf[steps - k], 1e-9) << k;
    }
}

TEST(UnitMotion, BadUnitTypeFailsBeforeWritingAndOneStepGivesTwoPoints) {
    CalculationCase c;
    std::vector<double> tf{7.0}, p{7.0}, x{7.0};
    for (int bad : {4, -1, 99}) {
        try {
            UnitMotion(c, bad, tf, p, x);
            ADD_FAILURE() << bad;
        } catch (const ZelkCalculatorException& e) {
            EXPECT_EQ(e.code(), kErrorUnitType);
            EXPECT_EQ(e.message(), "Invalid unit type specified.");
        }
        EXPECT_EQ(tf, std::vector<double>{7.0});
        EXPECT_EQ(x, std::vector<double>{7.0});
    }
    const Motion one = motionOf(2, 1, 100.0);
    ASSERT_EQ(one.x.size(), 2u);
    EXPECT_NEAR(one.x[0], one.x[1], 1e-12);  // theta = 0 and 2 pi
}

// The series is cached per unit type and step count; a different stroke must still scale it.
TEST(UnitMotion, RepeatedCallsWithOtherStrokesScaleTheSameSeries) {
    const Motion a = motionOf(3, 50, 100.0);
    const Motion b = motionOf(3, 50, 50.0);
    const Motion c = motionOf(3, 60, 100.0);
    EXPECT_EQ(c.x.size(), 61u);
    for (int k = 0; k <= 50; ++k) {
        EXPECT_EQ(a.x[k], b.x[k]);
        EXPECT_DOUBLE_EQ(a.p[k], 2.0 * b.p[k]);
        EXPECT_DOUBLE_EQ(a.tf[k], 2.0 * b.tf[k]);
    }
}

}  // namespace
}  // namespace ZelkEngine
