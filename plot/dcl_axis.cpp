#include "plot/dcl_axis.h"

#include "plot/mouse_message.h"
#include "plot/plot_window.h"
#include "units/data_object.h"
#include "units/units.h"
#include "units/units_category.h"
#include "units/units_manager.h"

namespace plot {

CDCLAxis::CDCLAxis(std::string name, CDataArea* dataArea, int dockSide,
                   units::CDataObject* dataObject)
    : CAxis(std::move(name), dataArea, dockSide), m_dataObject(dataObject) {}

void CDCLAxis::SetTitlePrefix(const std::string& prefix) {
    if (prefix != m_titlePrefix) {
        m_titlePrefix = prefix;
        SetDirty();
    }
}

void CDCLAxis::SetTitleSuffix(const std::string& suffix) {
    if (suffix != m_titleSuffix) {
        m_titleSuffix = suffix;
        SetDirty();
    }
}

void CDCLAxis::SetDirty() {
    CAxis::SetDirty();
}

double CDCLAxis::ToAxisUnits(double v) const {
    const double scaled = m_unitScale * v + m_unitOffset;
    return m_dataObject != nullptr ? m_dataObject->ToDisplay(scaled) : scaled;
}

double CDCLAxis::FromAxisUnits(double u) const {
    const double internal = m_dataObject != nullptr ? m_dataObject->ToInternal(u) : u;
    return (internal - m_unitOffset) / m_unitScale;
}

void CDCLAxis::Layout(Graphics& g, double x, double y, double w, double h) {
    std::string unit;
    if (m_dataObject != nullptr) {
        if (const units::CUnitsCategory* category = m_dataObject->GetCategory()) {
            if (const units::CUnits* current = category->GetCurrentUnit()) {
                unit = current->GetSymbol();
            }
        }
    }
    // Kept for owners that want it; the visible axis titles are the plot's text blocks.
    m_formedTitle = m_titlePrefix + unit + m_titleSuffix;
    CAxis::Layout(g, x, y, w, h);
}

std::vector<std::string> CDCLAxis::UnitNames() const {
    std::vector<std::string> names;
    units::CUnitsManager* manager = units::UnitsManager();
    const units::CUnitsCategory* category =
        m_dataObject != nullptr ? m_dataObject->GetCategory() : nullptr;
    if (manager == nullptr || category == nullptr || category->GetCurrentUnit() == nullptr ||
        category->GetCurrentUnit()->GetKey() == "NOUNITS") {
        return names;
    }
    std::size_t position = 0;
    while (const units::CUnits* unit =
               manager->NextUnitOfDimension(position, category->GetDimension())) {
        if (category->IsUnitAllowed(unit->GetKey())) {
            names.push_back(unit->GetSymbol());
        }
    }
    return names;
}

bool CDCLAxis::ShowUnitMenu(double x, double y, PlotWindow* window,
                            const std::vector<std::string>& unitNames) {
    if (window == nullptr || unitNames.size() < 2 || m_dataObject == nullptr) {
        return false;
    }
    const int chosen = window->TrackPopupMenu(x, y, unitNames);
    if (chosen < 0 || static_cast<std::size_t>(chosen) >= unitNames.size()) {
        return false;
    }
    units::CUnitsManager* manager = units::UnitsManager();
    units::CUnitsCategory* category = m_dataObject->GetCategory();
    if (manager == nullptr || category == nullptr) {
        return false;
    }
    // The name is a unit symbol; find that unit among the category's own dimension.
    const std::string& name = unitNames[static_cast<std::size_t>(chosen)];
    units::CUnits* unit = nullptr;
    std::size_t position = 0;
    while (units::CUnits* candidate =
               manager->NextUnitOfDimension(position, category->GetDimension())) {
        if (candidate->GetSymbol() == name && category->IsUnitAllowed(candidate->GetKey())) {
            unit = candidate;
            break;
        }
    }
    if (unit == nullptr) {
        return false;
    }
    if (!category->GetCaption().empty()) {
        manager->SetUnitForCaption(category->GetCaption(), unit);
    } else {
        category->SetCurrentUnit(unit);
    }
    m_dataObject->NotifyUnitChanged();
    SetDirty();
    return true;
}

int CDCLAxis::HandleMouse(int message, double x, double y, PlotWindow* window) {
    if (message != kRightButtonDown || !m_visible || !m_unitMenuEnabled || !m_title.visible ||
        m_title.text.empty() || !m_titleRect.contains(x, y)) {
        return kMouseNotHandled;
    }
    const std::vector<std::string> names = UnitNames();
    if (names.size() < 2) {
        return kMouseNotHandled;
    }
    return ShowUnitMenu(x, y, window, names) ? kMouseHandledRedraw : kMouseHandled;
}

}  // namespace plot
