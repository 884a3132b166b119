#include "files/card_comparison.h"

#include "engine/calculation_case.h"

#include <cmath>

namespace files {

CardRecord PredictedCard(const ZelkEngine::CalculationCase& calculation,
                         double surfaceStrokeLengthIn) {
    const ZelkEngine::ZelkResults& results = calculation.Results;
    CardRecord card;
    card.positions = results.PolishedRodPositionCurve;
    card.loads = results.PolishedRodLoadCurve;
    setPeakAndMinimumLoad(card);
    card.strokeLength = surfaceStrokeLengthIn;
    card.polishedRodPower = results.PolishedRodPower;
    card.tvLoad = results.WrfPlusFo;
    card.svLoad = results.BuoyantRodWeight;
    card.pointCount = static_cast<std::int32_t>(card.positions.size());
    card.strokesPerMinute = static_cast<std::int32_t>(calculation.Inputs.StrokeRate);
    return card;
}

ComparedValue CompareValues(double predicted, double imported) {
    ComparedValue value;
    value.predicted = predicted;
    value.imported = imported;
    value.difference = std::fabs(predicted - imported);
    if (predicted > 0.0 && imported > 0.0) {
        value.percentDifference = value.difference / ((predicted + imported) / 2.0) * 100.0;
    }
    return value;
}

CardComparison CompareCards(const CardRecord& predicted, const CardRecord& imported) {
    CardComparison comparison;
    comparison.values[CardComparison::kPeakLoad] =
        CompareValues(predicted.peakLoad, imported.peakLoad);
    comparison.values[CardComparison::kMinimumLoad] =
        CompareValues(predicted.minimumLoad, imported.minimumLoad);
    comparison.values[CardComparison::kStrokeLength] =
        CompareValues(predicted.strokeLength, imported.strokeLength);
    comparison.values[CardComparison::kPolishedRodPower] =
        CompareValues(predicted.polishedRodPower, imported.polishedRodPower);
    comparison.predictedTvLoad = predicted.tvLoad;
    comparison.predictedSvLoad = predicted.svLoad;
    comparison.importedTvLoad = imported.tvLoad;
    comparison.importedSvLoad = imported.svLoad;
    return comparison;
}

}  // namespace files
