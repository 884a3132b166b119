#pragma once

#include <cstdint>
#include <vector>

namespace ZelkEngine {

/// Design inputs in the engine's coded form (oilfield units). The initial values describe the
/// default design case, so a freshly constructed CalculationCase can be calculated as it is.
struct ZelkInputs {
    std::int32_t UnitType = 0;             ///< 0 CWConv, 1 CCWConv, 2 MarkII, 3 AirBal
    double Depth = 5000.0;                 ///< pump depth L, ft
    double TargetRate = 171.0;             ///< target surface liquid rate, bbl/day
    double StrokeLength = 100.0;           ///< surface stroke length S, in
    double PumpDiameter = 1.5;             ///< plunger diameter, in
    double TubingID = 2.259;               ///< tubing inner diameter, in
    double TubingOD = 2.875;               ///< tubing outer diameter, in
    bool AnchoredTubing = false;           ///< tubing anchored at the pump
    std::int32_t RodType = 0;              ///< 0 API steel rod string, 1 fiberglass over steel
    std::int32_t RodNumber = 76;           ///< API rod number
    std::int32_t RodGrade = 2;             ///< 0 K, 1 C, 2 D, 3 E
    std::int32_t FiberglassSizeIndex = 4;  ///< 0-7, row of the fiberglass table (4 = 1.0 in)
    double FiberglassPercent = 40.0;       ///< share of the depth made of fiberglass, %
    std::int32_t SteelSizeIndex = 0;       ///< 0-8, row of the steel table (0 = 0.75 in)
    double StrokeRate = 8.3;               ///< N, strokes/min; an output in target-rate mode
    bool CalcSPMFromTargetRate = false;    ///< search the stroke rate that gives TargetRate
};

/// Calculation settings. The initial values are the built-in option defaults for a new design.
struct ZelkSettings {
    double PumpEfficiency = 95.0;       ///< %, restored to the percent value when Calculate returns
    double FluidSpGrav = 1.0;           ///< produced fluid specific gravity SG, fresh water = 1
    double UnitEfficiency = 95.0;       ///< %, Calculate replaces it by the fraction in place
    double DampingFactor = 0.1;         ///< dimensionless damping D
    std::int32_t NTimeSteps = 300;      ///< time intervals K in one stroke
    double dXMax = 1000.0;              ///< largest rod element length, ft
    double TubingPressure = 80.0;       ///< surface tubing pressure, psi
    double CasingPressure = 45.0;       ///< surface casing pressure, psi
    double SinkerWeight = 0.0;          ///< total sinker bar weight, lb
    double PumpInletPressure = 50.0;    ///< psi; input when entered, replaced by the value used
    std::int32_t MinElements = 4;       ///< fewest rod elements
    std::int32_t PressureType = 0;      ///< 1 = from productivity index and reservoir pressure
    double ProductivityIndex = 0.2;     ///< PI, bbl/day/psi
    double ReservoirPressure = 1000.0;  ///< Pr, psi
};

/// Everything the engine computes. Zero and empty until a calculation fills them. Every curve
/// holds one value per time-step point (NTimeSteps + 1 values) after a calculation.
struct ZelkResults {
    double StaticStretch = 0.0;            ///< Fo / Kr, in
    double Overtravel = 0.0;               ///< in
    std::vector<double> TaperPercentages;  ///< share of depth of each rod section, top first, %
    double PumpDisplacement = 0.0;         ///< production rate at 100 % pump efficiency, bbl/day
    double ProductionRate = 0.0;           ///< bbl/day
    double PPRL = 0.0;                     ///< peak polished rod load, lb
    double MPRL = 0.0;                     ///< minimum polished rod load, lb
    double TopRodLoading = 0.0;            ///< modified Goodman loading of the top rod, %
    double PeakTorque = 0.0;               ///< net gearbox torque of the balanced unit, in-lb
    double MotorSize = 0.0;                ///< minimum NEMA D motor, hp
    double FluidLevelAbovePump = 0.0;      ///< ft
    double MinGearboxRating = 0.0;         ///< thousand in-lb
    double MinStructureRating = 0.0;       ///< hundred lb
    double PumpStroke = 0.0;               ///< net plunger stroke Sp, in
    double FluidLoad = 0.0;                ///< Fo, lb
    double TubingSpringConstant = 0.0;     ///< Kt, lb/in
    double BuoyantRodWeight = 0.0;         ///< Wrf, lb
    double FiberglassMaxLoad = 0.0;        ///< lb, at the fiberglass/steel junction
    double FiberglassMinLoad = 0.0;        ///< lb
    double FiberglassMaxStress = 0.0;      ///< psi
    double FiberglassMinStress = 0.0;      ///< psi
    double FiberglassLoading = 0.0;        ///< %, not a number when the minimum load is <= 0
    double CounterbalanceMoment = 0.0;     ///< in-lb, conventional and MarkII units
    double CounterbalanceEffect = 0.0;     ///< lb
    double AirPressure = 0.0;              ///< psi, AirBal units
    double PolishedRodPower = 0.0;         ///< hp
    double RodSpringConstant = 0.0;        ///< Kr, lb/in
    double FoOverSKr = 0.0;                ///< dimensionless fluid load
    double SpOverS = 0.0;                  ///< pump stroke over surface stroke
    double WrfPlusFo = 0.0;                ///< lb
    std::vector<double> PolishedRodLoadCurve;      ///< lb
    std::vector<double> PolishedRodPositionCurve;  ///< in, from the lowest point
    std::vector<double> PumpLoadCurve;             ///< lb
    std::vector<double> PumpPositionCurve;         ///< in, from the lowest point
    std::vector<double> PumpVelocityCurve;         ///< in/s
    std::vector<double> CrankAngleCurve;           ///< degrees
    std::vector<double> NetTorqueCurve;            ///< in-lb
};

/// The record the engine works on: coded inputs, settings and the results of the last Calculate.
struct CalculationCase {
    ZelkInputs Inputs;
    ZelkSettings Settings;
    ZelkResults Results;
};

}  // namespace ZelkEngine
