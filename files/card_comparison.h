#pragma once

#include "files/card_record.h"

#include <array>

namespace ZelkEngine {
struct CalculationCase;
}

namespace files {

/// The calculated surface card of a finished calculation, as compared with a measured one: its
/// peak and minimum loads, the design's surface stroke length (in), the polished rod power and
/// the travelling- and standing-valve loads (rod weight in fluid plus fluid load, and rod weight
/// in fluid).
CardRecord PredictedCard(const ZelkEngine::CalculationCase& calculation,
                         double surfaceStrokeLengthIn);

/// One compared quantity: predicted A, imported B, difference |A - B| and percent difference of
/// the mean, -1 when either value is not above 0.
struct ComparedValue {
    double predicted = 0.0;
    double imported = 0.0;
    double difference = 0.0;
    double percentDifference = -1.0;
};

/// The comparison of a calculated and a measured card.
struct CardComparison {
    enum Quantity { kPeakLoad = 0, kMinimumLoad, kStrokeLength, kPolishedRodPower };

    std::array<ComparedValue, 4> values;  ///< by Quantity
    double predictedTvLoad = 0.0;
    double predictedSvLoad = 0.0;
    double importedTvLoad = 0.0;
    double importedSvLoad = 0.0;
};

ComparedValue CompareValues(double predicted, double imported);

CardComparison CompareCards(const CardRecord& predicted, const CardRecord& imported);

}  // namespace files
