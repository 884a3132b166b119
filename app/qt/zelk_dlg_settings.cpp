// The main window's side of Tools > Settings and Tools > Data Units.
#include "app/qt/data_units_configuration_dlg.h"
#include "app/qt/settings_dlg.h"
#include "app/qt/zelk_app.h"
#include "app/qt/zelk_dlg.h"
#include "units/unit_system.h"
#include "units/units_manager.h"
#include "units/units_saver.h"

namespace app {

void CZelkDlg::onSettings() {
    commitControls(false);
    // The dialog edits the options of this run, which a design file may have replaced since
    // they were loaded; every one of the twelve comes from the window.
    ZelkOptions options = m_options;
    CSettingsDlg dialog(options, m_app.preferences(), this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    m_options = options.RoundedForRun();
    // The new defaults take effect in the current design at once, not only in the next one.
    applyNewDesignDefaults();
}

void CZelkDlg::onDataUnits() {
    units::CUnitsManager* catalogue = units::UnitsManager();
    if (catalogue == nullptr) {
        return;
    }
    commitControls(false);
    units::PreferencesStore& preferences = m_app.preferences();
    units::CUnitsSaver saver;
    saver.LoadUserUnits(preferences, *catalogue);
    // Only Done changes the stored system, so the stored one is the window's; New shows US units
    // without changing it.
    CDataUnitsConfigurationDlg dialog(units::ReadUnitSystem(preferences), saver, *catalogue,
                                      preferences, this);
    if (dialog.exec() == QDialog::Accepted) {
        applyUnitSystem(dialog.selectedUnitSystem());
    }
}

}  // namespace app
