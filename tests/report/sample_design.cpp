#include "sample_design.h"

#include <cmath>

namespace report {

ZelkEngine::DesignCase SampleDesign() {
    ZelkEngine::DesignCase design;
    design.m_title = "Sample Well 7-12";
    design.m_sinkerBarWeight = 0.0;
    design.m_fluidSpecificGravity = 1.0;
    design.m_tubingPressure = 80.0;
    design.m_casingPressure = 45.0;
    design.m_dampingFactor = 0.1;
    design.m_unitEfficiency = 95.0;
    design.m_pumpEfficiency = 95.0;
    return design;
}

ZelkEngine::CalculationCase SampleCalculation() {
    ZelkEngine::CalculationCase c;
    ZelkEngine::ZelkResults& r = c.Results;
    r.StaticStretch = 9.87;
    r.Overtravel = 4.21;
    r.TaperPercentages = {27.4, 28.9, 43.7};
    r.PumpDisplacement = 190.7;
    r.ProductionRate = 181.2;
    r.PPRL = 11872.0;
    r.MPRL = 4210.0;
    r.TopRodLoading = 78.4;
    r.PeakTorque = 212400.0;
    r.MotorSize = 14.62;
    r.MinGearboxRating = 212.4;
    r.MinStructureRating = 118.7;
    r.PumpStroke = 94.3;
    r.FluidLoad = 3826.0;
    r.TubingSpringConstant = 1162.0;
    r.BuoyantRodWeight = 7420.0;
    r.CounterbalanceMoment = 1325000.0;
    r.CounterbalanceEffect = 8041.0;
    r.PolishedRodPower = 9.41;
    r.RodSpringConstant = 387.6;
    r.FoOverSKr = 0.099;
    r.SpOverS = 0.943;
    r.WrfPlusFo = 11246.0;

    const int steps = 300;
    const double pi = 3.14159265358979323846;
    for (int i = 0; i <= steps; ++i) {
        const double t = 2.0 * pi * i / steps;
        // Upstroke (sin t > 0) lifts the fluid load; tanh gives the square shoulders of a card.
        const double position = 50.0 * (1.0 - std::cos(t));
        const double load = 7420.0 + 0.5 * 3826.0 * (1.0 + std::tanh(4.0 * std::sin(t))) +
                            500.0 * std::sin(2.0 * t);
        r.PolishedRodPositionCurve.push_back(position);
        r.PolishedRodLoadCurve.push_back(load);
        const double lag = t - 0.3;
        r.PumpPositionCurve.push_back(47.15 * (1.0 - std::cos(lag)));
        r.PumpLoadCurve.push_back(0.5 * 3826.0 * (1.0 + std::tanh(6.0 * std::sin(lag))));
        r.PumpVelocityCurve.push_back(47.15 * 0.87 * std::sin(lag));
        r.CrankAngleCurve.push_back(360.0 * i / steps);
        r.NetTorqueCurve.push_back(212400.0 * std::sin(2.0 * t) * (0.8 + 0.2 * std::cos(t)));
    }
    c.Inputs.StrokeRate = 8.3;
    return c;
}

}  // namespace report
