#include "engine/calculation_case.h"
#include "engine/calculation_driver.h"

#include <atomic>
#include <cstdlib>
#include <new>

#include <gtest/gtest.h>

// Counts every allocation of this test program, so a test can see whether work that grows with
// the number of time steps or strokes allocates.
namespace {
std::atomic<long> g_allocations{0};
}  // namespace

void* operator new(std::size_t size) {
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace ZelkEngine {
namespace {

long allocationsOf(int timeSteps, double strokeRate, bool targetMode) {
    CalculationCase warm;
    warm.Settings.NTimeSteps = timeSteps;
    warm.Inputs.StrokeRate = strokeRate;
    Calculate(warm);  // fills the motion series cache of this step count
    CalculationCase c;
    c.Settings.NTimeSteps = timeSteps;
    c.Inputs.StrokeRate = strokeRate;
    c.Inputs.CalcSPMFromTargetRate = targetMode;
    const long before = g_allocations.load();
    Calculate(c);
    return g_allocations.load() - before;
}

// A calculation allocates its arrays once: the count does not grow with the time steps per
// stroke (100 vs 1000) or the number of strokes simulated (3 at 1 SPM, 6 at 17 SPM).
TEST(Allocation, NoneInsideTheTimeLoop) {
    const long base = allocationsOf(100, 8.3, false);
    EXPECT_GT(base, 0);
    EXPECT_EQ(allocationsOf(1000, 8.3, false), base);
    EXPECT_EQ(allocationsOf(100, 1.0, false), base);
    EXPECT_EQ(allocationsOf(100, 17.0, false), base);
}

}  // namespace
}  // namespace ZelkEngine
