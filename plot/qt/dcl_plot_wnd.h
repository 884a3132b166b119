#pragma once

#include "plot/qt/plot_wnd.h"
#include "units/dependent_control.h"

namespace plot {

/// A plot window that follows display-unit changes: it registers with the units library for
/// every application unit category and, when a unit changes while it is visible, recomputes
/// its axes in the new unit and repaints.
class CDCLPlotWnd : public CPlotWnd, public units::DependentControl {
    Q_OBJECT

public:
    explicit CDCLPlotWnd(QWidget* parent = nullptr);
    ~CDCLPlotWnd() override;

    /// The unit-change refresh; an invisible window ignores it.
    bool refreshFromData() override;
    bool hasWindow() const override { return true; }

private:
    bool m_registered = false;
};

}  // namespace plot
