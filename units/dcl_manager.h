#pragma once

#include <memory>
#include <string>

namespace units {

class CControlManager;
class CDataManager;
class CUnitsManager;

/// The process-wide state of the units and data library: the library mode, the unit
/// catalogue, the data manager with its root group and the control manager. Created on first
/// use (no static initialisation order to worry about); Shutdown destroys everything so that
/// tests can start afresh.
class CDCLManager {
public:
    static CDCLManager& Instance();

    /// The start-up routine: records the mode ("METRIC", "OILFIELD" or "CUSTOM"; any other
    /// text keeps the mode in force), creates whatever of the data manager, the catalogue and
    /// the control manager does not exist yet, and applies the application category table.
    void Startup(const std::string& modeName);
    /// Destroys the data objects, the catalogue and the control manager, in that order.
    void Shutdown();

    /// Sets the mode from its name; false (mode unchanged) for an unknown name.
    bool SetModeName(const std::string& modeName);
    int GetMode() const { return m_mode; }

    CUnitsManager* GetUnitsManager() const { return m_units.get(); }
    CDataManager* GetDataManager() const { return m_data.get(); }
    CControlManager* GetControlManager() const { return m_controls.get(); }

    ~CDCLManager();
    CDCLManager(const CDCLManager&) = delete;
    CDCLManager& operator=(const CDCLManager&) = delete;

private:
    CDCLManager();

    int m_mode;
    std::unique_ptr<CDataManager> m_data;
    std::unique_ptr<CUnitsManager> m_units;
    std::unique_ptr<CControlManager> m_controls;
};

/// Shortcuts for the application and tests.
inline void StartUnitsLibrary(const std::string& modeName) {
    CDCLManager::Instance().Startup(modeName);
}
inline void ShutdownUnitsLibrary() {
    CDCLManager::Instance().Shutdown();
}
CControlManager* ControlManager();
CDataManager* DataManager();

class DependentControl;
/// Registers a window that shows values of any kind (a unit-aware plot window) under every
/// category of the application table, so that each display-unit change refreshes it.
void RegisterForUnitChanges(DependentControl* control);

}  // namespace units
