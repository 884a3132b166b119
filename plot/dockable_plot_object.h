#pragma once

#include "plot/plot_object.h"

namespace plot {

/// Sides of the plot area an object can dock to. Left and right make an axis vertical.
enum DockSide : int { kDockTop = 0, kDockBottom = 1, kDockLeft = 2, kDockRight = 3 };

/// A plot object docked to one side of the plot area.
class CDockablePlotObject : public CPlotObject {
public:
    CDockablePlotObject(std::string name, int dockSide)
        : CPlotObject(std::move(name)), m_dockSide(dockSide) {}

    int GetDockSide() const { return m_dockSide; }
    bool IsVertical() const { return m_dockSide == kDockLeft || m_dockSide == kDockRight; }
    /// Whether the docked size was given in pixels (else as a fraction of the plot).
    bool IsSizeInPixels() const { return m_sizeInPixels; }
    void SetSizeInPixels(bool inPixels) { m_sizeInPixels = inPixels; }

protected:
    int m_dockSide;
    bool m_sizeInPixels = false;
};

}  // namespace plot
