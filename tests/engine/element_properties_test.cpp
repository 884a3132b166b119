#include "engine/element_properties.h"

#include "engine/calculation_case.h"

#include <vector>

#include <gtest/gtest.h>

namespace ZelkEngine {
namespace {

constexpr double kSteelE = 30750000.0;
constexpr double kFiberglassE = 7200000.0;
constexpr double kG = 32.17;

struct Grid {
    std::vector<double> n, kd, ku;
    JunctionElement junction;
};

Grid gridOf(const CalculationCase& c, const std::vector<double>& fractions, int elements) {
    Grid g;
    const double dx = c.Inputs.Depth / elements;
    g.junction = ElementProperties(c, fractions, elements, dx, g.n, g.kd, g.ku);
    return g;
}

CalculationCase fiberglassCase(double percent) {
    CalculationCase c;
    c.Inputs.RodType = 1;
    c.Inputs.FiberglassSizeIndex = 4;  // 1.0 in: 0.7698 in^2, 0.8168 lb/ft
    c.Inputs.SteelSizeIndex = 0;       // 0.75 in: 0.4418 in^2, 1.634 lb/ft
    c.Inputs.FiberglassPercent = percent;
    return c;
}

TEST(ElementProperties, SingleSectionCouplingsByHand) {
    CalculationCase c;
    c.Inputs.RodNumber = 66;
    const Grid g = gridOf(c, {1.0}, 5);
    const double n = kSteelE * 0.4418;
    const double mu = 1.634 / kG;
    const double dx2 = 1000.0 * 1000.0;
    ASSERT_EQ(g.n.size(), 6u);
    ASSERT_EQ(g.kd.size(), 5u);
    EXPECT_EQ(g.n[0], 0.0);
    EXPECT_EQ(g.kd[0], 0.0);  // the polished rod has nothing above it
    EXPECT_DOUBLE_EQ(g.ku[0], n / (mu / 2.0) / dx2);
    for (int j = 1; j < 5; ++j) {
        EXPECT_DOUBLE_EQ(g.n[j], n);
        EXPECT_DOUBLE_EQ(g.kd[j], n / mu / dx2);
        EXPECT_DOUBLE_EQ(g.ku[j], n / mu / dx2);
    }
    EXPECT_EQ(g.junction.m_index, 0);
    EXPECT_EQ(g.junction.m_lowerFraction, 0.0);
}

// 40 % of 5000 ft puts the boundary exactly on node 2 of five 1000 ft elements.
TEST(ElementProperties, BoundaryOnANodeGoesToTheElementBelowWithPhiOne) {
    const Grid g = gridOf(fiberglassCase(40.0), {0.4, 0.6}, 5);
    EXPECT_EQ(g.junction.m_index, 3);
    EXPECT_EQ(g.junction.m_lowerFraction, 1.0);
    const double nFg = kFiberglassE * 0.7698;
    const double nSt = kSteelE * 0.4418;
    EXPECT_DOUBLE_EQ(g.n[1], nFg);
    EXPECT_DOUBLE_EQ(g.n[2], nFg);
    EXPECT_DOUBLE_EQ(g.n[3], nSt);
    EXPECT_DOUBLE_EQ(g.n[4], nSt);
    // Node 2 joins a fiberglass element above and a steel element below.
    const double mass2 = (0.8168 / kG + 1.634 / kG) / 2.0;
    EXPECT_DOUBLE_EQ(g.kd[2], nFg / mass2 / 1e6);
    EXPECT_DOUBLE_EQ(g.ku[2], nSt / mass2 / 1e6);
}

TEST(ElementProperties, BoundaryInsideAnElementMixesStiffnessAndMass) {
    const Grid g = gridOf(fiberglassCase(50.0), {0.5, 0.5}, 5);  // boundary at 2500 ft
    EXPECT_EQ(g.junction.m_index, 3);
    EXPECT_DOUBLE_EQ(g.junction.m_lowerFraction, 0.5);
    const double nFg = kFiberglassE * 0.7698;
    const double nSt = kSteelE * 0.4418;
    EXPECT_DOUBLE_EQ(g.n[3], 1.0 / (0.5 / nFg + 0.5 / nSt));
    const double mu2 = 0.8168 / kG;
    const double mu3 = (0.8168 * 0.5 + 1.634 * 0.5) / kG;
    EXPECT_DOUBLE_EQ(g.ku[2], g.n[3] / ((mu2 + mu3) / 2.0) / 1e6);
}

// A boundary 0.0005 ft above node 2 is taken into element 3, a sliver over one element long.
TEST(ElementProperties, ToleranceMovesABoundaryJustAboveANodeDown) {
    const double percent = (2000.0 - 0.0005) / 5000.0 * 100.0;
    const Grid g = gridOf(fiberglassCase(percent), {percent / 100.0, 1.0 - percent / 100.0}, 5);
    EXPECT_EQ(g.junction.m_index, 3);
    EXPECT_NEAR(g.junction.m_lowerFraction, 1.0000005, 1e-12);
    EXPECT_DOUBLE_EQ(g.n[2], kFiberglassE * 0.7698);
}

// Rod number 86 runs codes 8, 7, 6. A middle section of 250 ft lies wholly inside element 3
// (2000-3000 ft): the element holds 500 ft of 1 in, 250 ft of 7/8 in and 250 ft of 3/4 in rods.
TEST(ElementProperties, SectionShorterThanAnElementIsAddedInsideIt) {
    CalculationCase c;
    c.Inputs.RodNumber = 86;
    const Grid g = gridOf(c, {0.5, 0.05, 0.45}, 5);
    const double n8 = kSteelE * 0.7854;
    const double n7 = kSteelE * 0.6013;
    const double n6 = kSteelE * 0.4418;
    EXPECT_DOUBLE_EQ(g.n[2], n8);
    EXPECT_NEAR(g.n[3] / (1.0 / (0.5 / n8 + 0.25 / n7 + 0.25 / n6)), 1.0, 1e-14);
    EXPECT_DOUBLE_EQ(g.n[4], n6);
    EXPECT_DOUBLE_EQ(g.n[5], n6);
    EXPECT_EQ(g.junction.m_index, 3);
    EXPECT_NEAR(g.junction.m_lowerFraction, 0.25, 1e-12);
    const double mu3 = (0.5 * 2.904 + 0.25 * 2.224 + 0.25 * 1.634) / kG;
    const double mu4 = 1.634 / kG;
    EXPECT_NEAR(g.ku[3] / (n6 / ((mu3 + mu4) / 2.0) / 1e6), 1.0, 1e-14);
}

TEST(ElementProperties, AllFiberglassHasNoBoundaryAndNoSteelSection) {
    const Grid g = gridOf(fiberglassCase(100.0), {1.0, 0.0}, 4);
    EXPECT_EQ(g.junction.m_index, 0);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_DOUBLE_EQ(g.n[i], kFiberglassE * 0.7698);
    }
    const Grid steel = gridOf(fiberglassCase(0.0), {0.0, 1.0}, 4);
    EXPECT_EQ(steel.junction.m_index, 1);
    EXPECT_EQ(steel.junction.m_lowerFraction, 1.0);
    EXPECT_DOUBLE_EQ(steel.n[1], kSteelE * 0.4418);
}

}  // namespace
}  // namespace ZelkEngine
