#pragma once

#include "plot/graphics.h"
#include "plot/line_style.h"
#include "plot/text.h"

namespace plot {

/// Marker shapes of a curve symbol.
enum SymbolShape : int {
    kSymbolNone = 0,
    kSymbolCircle = 1,
    kSymbolSquare = 2,
    kSymbolTriangle = 3,
    kSymbolCross = 4,
    kSymbolCrossedCircle = 5,
    kSymbolCrossedSquare = 6,
};

/// A marker drawn at curve points: a square of side `size` pixels centred on the point, with
/// an optional text label beside it.
class CSymbol {
public:
    CSymbol();

    LineStyle outline;
    Color fillColor = 0xFF000000u;
    double size = 0.0;  ///< 96-dpi pixels
    int shape = kSymbolNone;
    CText label;

    /// Draws the shape and the label at (px, py); `area` keeps the label inside the data area.
    void Draw(Graphics& g, double px, double py, const RectF& area);
};

}  // namespace plot
