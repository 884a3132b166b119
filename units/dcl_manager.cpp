#include "units/dcl_manager.h"

#include "units/category_table.h"
#include "units/control_manager.h"
#include "units/data_manager.h"
#include "units/units_manager.h"

namespace units {

CDCLManager& CDCLManager::Instance() {
    static CDCLManager instance;
    return instance;
}

CDCLManager::CDCLManager() : m_mode(kModeOilfield) {}

CDCLManager::~CDCLManager() {
    Shutdown();
}

bool CDCLManager::SetModeName(const std::string& modeName) {
    if (modeName == "METRIC") {
        m_mode = kModeMetric;
    } else if (modeName == "OILFIELD") {
        m_mode = kModeOilfield;
    } else if (modeName == "CUSTOM") {
        m_mode = kModeCustom;
    } else {
        return false;
    }
    if (m_units) {
        m_units->SetMode(m_mode);
    }
    return true;
}

void CDCLManager::Startup(const std::string& modeName) {
    SetModeName(modeName);
    if (!m_data) {
        m_data = std::make_unique<CDataManager>();
    }
    if (!m_units) {
        m_units = std::make_unique<CUnitsManager>();
        m_units->Build();
    }
    m_units->SetMode(m_mode);
    if (!m_controls) {
        m_controls = std::make_unique<CControlManager>();
    }
    m_units->SetControlManager(m_controls.get());
    m_units->ApplyCategoryTable(m_mode);
}

void CDCLManager::Shutdown() {
    m_data.reset();
    m_units.reset();
    m_controls.reset();
}

CControlManager* ControlManager() {
    return CDCLManager::Instance().GetControlManager();
}

CDataManager* DataManager() {
    return CDCLManager::Instance().GetDataManager();
}

void RegisterForUnitChanges(DependentControl* control) {
    CControlManager* controls = ControlManager();
    CUnitsManager* catalogue = CDCLManager::Instance().GetUnitsManager();
    if (controls == nullptr || catalogue == nullptr) {
        return;
    }
    for (int row = 0; row < kCategoryRowCount; ++row) {
        if (CUnitsCategory* category = catalogue->FindCategory(CUnitsManager::CategoryKeyAt(row))) {
            controls->RegisterControl(category, control);
        }
    }
}

}  // namespace units
