#pragma once

#include "plot/axis.h"

#include <string>
#include <vector>

namespace units {
class CDataObject;
}

namespace plot {

/// An axis whose values are shown in the current display unit of a data object's category.
/// Ticks are chosen as nice numbers in that unit. A right click on its title offers the
/// category's units; the choice becomes the display unit for the whole application.
class CDCLAxis : public CAxis {
public:
    CDCLAxis(std::string name, CDataArea* dataArea, int dockSide, units::CDataObject* dataObject);

    units::CDataObject* GetDataObject() const { return m_dataObject; }
    const std::string& GetTitlePrefix() const { return m_titlePrefix; }
    const std::string& GetTitleSuffix() const { return m_titleSuffix; }
    void SetTitlePrefix(const std::string& prefix);
    void SetTitleSuffix(const std::string& suffix);
    int GetUnitMenuEnabled() const { return m_unitMenuEnabled; }
    void SetUnitMenuEnabled(int enabled) { m_unitMenuEnabled = enabled; }
    /// Prefix + current unit symbol + suffix, formed at every layout.
    const std::string& GetFormedTitle() const { return m_formedTitle; }

    /// The unit symbols the category of the data object offers for display, in catalogue
    /// order; empty without a data object or category.
    std::vector<std::string> UnitNames() const;
    /// Shows the unit menu at (x, y) through the window; on a choice makes that unit the
    /// category's display unit. Returns whether a unit was chosen.
    bool ShowUnitMenu(double x, double y, PlotWindow* window,
                      const std::vector<std::string>& unitNames);

    void SetDirty() override;
    void Layout(Graphics& g, double x, double y, double w, double h) override;
    int HandleMouse(int message, double x, double y, PlotWindow* window) override;
    double ToAxisUnits(double v) const override;
    double FromAxisUnits(double u) const override;

private:
    units::CDataObject* m_dataObject;
    int m_unitMenuEnabled = 1;
    std::string m_titlePrefix;
    std::string m_titleSuffix;
    std::string m_formedTitle;
};

}  // namespace plot
