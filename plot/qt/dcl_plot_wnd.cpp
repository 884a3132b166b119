#include "plot/qt/dcl_plot_wnd.h"

#include "units/category_table.h"
#include "units/control_manager.h"
#include "units/dcl_manager.h"
#include "units/units_manager.h"

namespace plot {

CDCLPlotWnd::CDCLPlotWnd(QWidget* parent) : CPlotWnd(parent) {
    units::CControlManager* controls = units::ControlManager();
    units::CUnitsManager* catalogue = units::UnitsManager();
    if (controls == nullptr || catalogue == nullptr) {
        return;
    }
    for (int row = 0; row < units::kCategoryRowCount; ++row) {
        if (units::CUnitsCategory* category =
                catalogue->FindCategory(units::CUnitsManager::CategoryKeyAt(row))) {
            controls->RegisterControl(category, this);
            m_registered = true;
        }
    }
}

CDCLPlotWnd::~CDCLPlotWnd() {
    // The library may have been shut down before the window goes.
    if (m_registered) {
        if (units::CControlManager* controls = units::ControlManager()) {
            controls->UnregisterControl(this);
        }
    }
}

bool CDCLPlotWnd::refreshFromData() {
    if (!isVisible() || GetPlot() == nullptr) {
        return true;
    }
    for (const auto& axis : GetPlot()->Axes()) {
        axis->SetDirty();  // ticks and labels are recomputed in the new unit
    }
    Layout();
    DropCaches();
    update();
    return true;
}

}  // namespace plot
