#pragma once

namespace ZelkEngine {

constexpr double kPi = 3.14159265358979323846;

constexpr double kSteelModulus = 30750000.0;      ///< psi, steel sucker rods
constexpr double kFiberglassModulus = 7200000.0;  ///< psi, fiberglass sucker rods
constexpr double kTubingModulus = 29600000.0;     ///< psi, tubing stretch
constexpr double kGravity = 32.17;                ///< ft/s^2, weight per foot to mass per foot
constexpr double kWaterGradient = 0.433;          ///< psi/ft; fluid gradient = 0.433 x SG
constexpr double kRateFactor = 0.1484;            ///< bbl/day per (in^2 x in x stroke/min)
constexpr double kSinkerBarBuoyancy = 0.8723;     ///< buoyant share of the sinker bar weight

}  // namespace ZelkEngine
