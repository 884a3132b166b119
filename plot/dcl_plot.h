#pragma once

#include "plot/plot.h"

namespace plot {

/// A plot built for data-object-bound content. Every plot's axes are unit-aware already, so
/// it behaves exactly as CPlot; the type marks plots whose windows follow unit changes.
class CDCLPlot : public CPlot {
public:
    CDCLPlot() = default;
};

}  // namespace plot
