#pragma once

#include <string>

namespace calc {

/// Why the tubing anchor catcher computes nothing for its inputs, where its formulas would divide
/// by zero or take the logarithm of a non-positive number. Each names the input to correct; the
/// value is the identifier of its message in the program's string table.
enum class AnchorGuard : int {
    PerfDepthNotPositive = 5211,
    TubingDepthNotPositive = 5212,
    TubingBelowPerfs = 5213,
    NegativeOilRate = 5214,
    NegativeWaterRate = 5215,
    NoLiquidRate = 5216,
    NegativeFormationGor = 5217,
    NegativeGasInjection = 5218,
    OilGravityTooLow = 5219,
    WaterGravityNotPositive = 5220,
    NegativeGasGravity = 5221,
    TubingWithoutWall = 5222,
    CasingDoesNotHoldTubing = 5223,
    CasingWithoutWall = 5224,
    BitInsideCasing = 5225,
    EarthConductivityNotPositive = 5226,
    CementConductivityNotPositive = 5227,
    BitTooLargeForTimeFunction = 5228,
    NoPositiveSpecificHeat = 5229,
    OilConductivityNotPositive = 5230,
    ProfileNotComputable = 5231,
    NoSurfaceTemperatureDifference = 5232,
    LabinskiFactorNotComputable = 5233,
    PumpDepthNotPositive = 5234,
};

/// The message of the guard in the current language.
std::string AnchorGuardText(AnchorGuard guard);

}  // namespace calc
