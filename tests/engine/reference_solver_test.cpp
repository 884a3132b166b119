#include "engine/calculation_case.h"
#include "engine/calculation_driver.h"
#include "engine/element_properties.h"
#include "engine/rod_string.h"
#include "engine/unit_motion.h"
#include "engine/validate_inputs.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

// A second, literal implementation of the wave equation steps: every step builds the full
// tridiagonal system and solves it by plain Gaussian elimination, with no precomputed rows,
// reciprocals or fused loops. The engine's solver must agree with it to rounding.
namespace ZelkEngine {
namespace {

struct Reference {
    std::vector<double> rodLoad, pumpLoad, pumpPosition, pumpVelocity, surface;
    double pumpStroke = 0.0;
    double rate = 0.0;
};

// Gaussian elimination of rows 1..n-1 (index 0 unused) of a tridiagonal system.
void solveTridiagonal(std::vector<double> a, std::vector<double> b, std::vector<double> c,
                      std::vector<double> d, std::vector<double>& x, std::size_t n) {
    for (std::size_t j = 2; j < n; ++j) {
        const double w = a[j] / b[j - 1];
        b[j] = b[j] - w * c[j - 1];
        d[j] = d[j] - w * d[j - 1];
    }
    x[n - 1] = d[n - 1] / b[n - 1];
    for (std::size_t j = n - 2; j >= 1; --j) {
        x[j] = (d[j] - c[j] * x[j + 1]) / b[j];
    }
}

Reference referenceSolve(CalculationCase c) {
    const double ap = 3.14159265358979323846 / 4.0 * c.Inputs.PumpDiameter * c.Inputs.PumpDiameter;
    const double eff = c.Settings.PumpEfficiency / 100.0;
    const RodString rods =
        c.Inputs.RodType == 1 ? BuildFiberglassRodString(c) : BuildApiRodString(c, ap);
    std::vector<double> tf, P, X;
    UnitMotion(c, c.Inputs.UnitType, tf, P, X);
    const std::size_t M = static_cast<std::size_t>(ElementCountOf(c));
    const double L = c.Inputs.Depth;
    const double dx = L / static_cast<double>(M);
    std::vector<double> N, kd, ku;
    ElementProperties(c, rods.m_fractions, static_cast<std::int32_t>(M), dx, N, kd, ku);

    const double spm = c.Inputs.StrokeRate;
    const double sg = c.Settings.FluidSpGrav;
    double pip = c.Settings.PumpInletPressure;
    if (c.Settings.PressureType == 1) {
        pip = c.Settings.ReservoirPressure -
              ap * eff * 0.1484 * c.Inputs.StrokeLength * spm / c.Settings.ProductivityIndex;
        pip = std::max(pip, c.Settings.CasingPressure);
    }
    const double fo = std::max(0.0, ap * (sg * 0.433 * L - pip + c.Settings.TubingPressure));
    const double at =
        3.14159265358979323846 / 4.0 *
        (c.Inputs.TubingOD * c.Inputs.TubingOD - c.Inputs.TubingID * c.Inputs.TubingID);
    const double ct = c.Inputs.AnchoredTubing ? 0.0 : L / at / 29600000.0;
    const double wsb = c.Inputs.RodType == 1 ? 0.0 : 0.8723 * c.Settings.SinkerWeight;
    const double wrf = c.Results.BuoyantRodWeight;

    const int K = c.Settings.NTimeSteps;
    const int C = std::max(3, static_cast<int>(std::floor(0.2 * spm + 2.5)));
    const double dt = 60.0 / spm / K;
    const double damp = c.Settings.DampingFactor * 3.14159265358979323846 * 16500.0 / (2.0 * L);
    const double a2 = 2.0 / (dt * dt) + 1.5 * damp / dt;
    const double a1 = 5.0 / (dt * dt) + 2.0 * damp / dt;
    const double a0 = 4.0 / (dt * dt) + 0.5 * damp / dt;

    std::vector<double> u(M + 1, 0.0), u1 = u, u2 = u, u3 = u;
    std::vector<double> lo(M, 0.0), di(M, 0.0), up(M, 0.0), r(M, 0.0);
    Reference ref;
    ref.rodLoad.assign(static_cast<std::size_t>(K) + 1, 0.0);
    ref.pumpLoad = ref.pumpPosition = ref.pumpVelocity = ref.rodLoad;
    int state = 1;
    double p1 = 0.0, p3 = 0.0;
    const double nm = N[M], nm1 = N[M - 1];
    for (int cycle = 1; cycle <= C; ++cycle) {
        for (int k = 1; k <= K; ++k) {
            u[0] = P[static_cast<std::size_t>(k)] / 12.0;
            double load = 0.0;
            for (int attempt = 0;; ++attempt) {
                for (std::size_t j = 1; j < M; ++j) {
                    lo[j] = -kd[j];
                    di[j] = a2 + kd[j] + ku[j];
                    up[j] = -ku[j];
                    r[j] = a1 * u1[j] - a0 * u2[j] + u3[j] / (dt * dt);
                }
                r[1] += kd[1] * u[0];
                const double UP = up[M - 1];
                const double q = 2.0 * dx + 3.0 * ct * nm;
                if (state == 1 || state == 3) {
                    lo[M - 1] -= ct * UP * nm1 / q;
                    di[M - 1] += ct * UP * (3.0 * nm + nm1) / q;
                    r[M - 1] -=
                        state == 1 ? 2.0 * dx * UP * p1 / q : 2.0 * dx * UP * (p3 - ct * fo) / q;
                } else {
                    lo[M - 1] -= UP * nm1 / (3.0 * nm);
                    di[M - 1] += UP * (1.0 + nm1 / (3.0 * nm));
                    if (state == 2) {
                        r[M - 1] += 2.0 * dx * UP * fo / (3.0 * nm);
                    }
                }
                if (M == 2) {
                    r[1] -= (lo[1] + kd[1]) * u[0];  // the pump condition's term in u_0
                }
                solveTridiagonal(lo, di, up, r, u, M);
                const double y1 = u[M - 1], y2 = u[M - 2];
                // Each state's plunger condition, written as the relation it stands for.
                if (state == 1) {
                    u[M] = (ct * ((3.0 * nm + nm1) * y1 - nm1 * y2) + 2.0 * dx * p1) / q;
                } else if (state == 3) {
                    u[M] =
                        (2.0 * dx * p3 - ct * (2.0 * dx * fo - (3.0 * nm + nm1) * y1 + nm1 * y2)) /
                        q;
                } else {
                    u[M] = y1 + (y1 - y2) * nm1 / (3.0 * nm) -
                           (state == 2 ? 2.0 * dx * fo / (3.0 * nm) : 0.0);
                }
                const double F = -(3.0 * nm * (u[M] - y1) - nm1 * (y1 - y2)) / (2.0 * dx);
                int next = state;
                if (state == 1 || state == 3) {
                    load = F;
                    next = F > fo ? 2 : (F < 0.0 ? 4 : state);
                } else if (state == 2) {
                    load = fo;
                    next = u[M] < u1[M] ? 3 : 2;
                } else {
                    load = 0.0;
                    next = u[M] > u1[M] ? 1 : 4;
                }
                if (next == state || attempt == 10) {
                    break;
                }
                if (next == 3) {
                    p3 = u1[M];
                }
                if (next == 1) {
                    p1 = u1[M];
                }
                state = next;
            }
            if (cycle == C) {
                const std::size_t i = static_cast<std::size_t>(k);
                ref.pumpVelocity[i] = (3.0 * u[M] - 4.0 * u1[M] + u2[M]) / (2.0 * dt) * 12.0;
                ref.pumpPosition[i] = 12.0 * u[M];
                ref.pumpLoad[i] = load;
                ref.rodLoad[i] =
                    wrf + (3.0 * N[1] * (u[0] - u[1]) - N[2] * (u[1] - u[2])) / (2.0 * dx) + wsb;
            }
            u3 = u2;
            u2 = u1;
            u1 = u;
        }
    }
    for (std::vector<double>* list :
         {&ref.rodLoad, &ref.pumpLoad, &ref.pumpPosition, &ref.pumpVelocity, &P}) {
        (*list)[0] = list->back();
    }
    const double low = *std::min_element(ref.pumpPosition.begin() + 1, ref.pumpPosition.end());
    for (double& v : ref.pumpPosition) {
        v -= low;
    }
    const double lowP = *std::min_element(P.begin() + 1, P.end());
    for (double& v : P) {
        v -= lowP;
    }
    ref.surface = P;
    ref.pumpStroke =
        *std::max_element(ref.pumpPosition.begin(), ref.pumpPosition.end()) - ct * fo * 12.0;
    ref.rate = ref.pumpStroke * eff * 0.1484 * ap * spm;
    return ref;
}

void expectClose(const std::vector<double>& engine, const std::vector<double>& reference,
                 double scale, const char* what) {
    ASSERT_EQ(engine.size(), reference.size()) << what;
    for (std::size_t k = 0; k < engine.size(); ++k) {
        ASSERT_NEAR(engine[k], reference[k], 1e-9 * scale) << what << " at point " << k;
    }
}

struct Design {
    const char* name;
    std::function<void(CalculationCase&)> change;
};

void PrintTo(const Design& row, std::ostream* os) {
    *os << row.name;
}

class AgainstReference : public ::testing::TestWithParam<Design> {};

TEST_P(AgainstReference, CurvesAndStrokeAgree) {
    CalculationCase c;
    GetParam().change(c);
    const Reference ref = referenceSolve(c);
    Calculate(c);
    const ZelkResults& r = c.Results;
    const double loadScale = std::max(1.0, r.PPRL);
    expectClose(r.PolishedRodLoadCurve, ref.rodLoad, loadScale, "polished rod load");
    expectClose(r.PumpLoadCurve, ref.pumpLoad, loadScale, "pump load");
    expectClose(r.PumpPositionCurve, ref.pumpPosition, c.Inputs.StrokeLength, "pump position");
    expectClose(r.PolishedRodPositionCurve, ref.surface, c.Inputs.StrokeLength, "surface");
    const double velocityScale =
        *std::max_element(ref.pumpVelocity.begin(), ref.pumpVelocity.end());
    expectClose(r.PumpVelocityCurve, ref.pumpVelocity, velocityScale, "pump velocity");
    EXPECT_NEAR(r.PumpStroke, ref.pumpStroke, 1e-9 * c.Inputs.StrokeLength);
    EXPECT_NEAR(r.ProductionRate, ref.rate, 1e-9 * std::fabs(ref.rate));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Designs, AgainstReference, ::testing::Values(
    Design{"default", [](CalculationCase&) {}},
    Design{"anchored_fiberglass", [](CalculationCase& c) {
               c.Inputs.AnchoredTubing = true; c.Inputs.RodType = 1; }},
    Design{"markii_fine_grid", [](CalculationCase& c) {
               c.Inputs.UnitType = 2; c.Settings.dXMax = 200; c.Settings.NTimeSteps = 500; }},
    Design{"airbal_three_taper_sinker", [](CalculationCase& c) {
               c.Inputs.UnitType = 3; c.Inputs.RodNumber = 86; c.Inputs.Depth = 8000;
               c.Settings.SinkerWeight = 1500; c.Inputs.PumpDiameter = 1.25; }},
    Design{"ccw_pi_mode", [](CalculationCase& c) {
               c.Inputs.UnitType = 1; c.Settings.PressureType = 1;
               c.Settings.ProductivityIndex = 2.0; }},
    Design{"two_elements", [](CalculationCase& c) {
               c.Settings.MinElements = 1; c.Settings.dXMax = 5000; c.Inputs.Depth = 3000;
               c.Inputs.StrokeRate = 5; }},
    Design{"no_fluid_load", [](CalculationCase& c) { c.Settings.PumpInletPressure = 3000; }},
    Design{"heavy_damping_fast", [](CalculationCase& c) {
               c.Settings.DampingFactor = 0.4; c.Inputs.StrokeRate = 12; }}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

}  // namespace
}  // namespace ZelkEngine
