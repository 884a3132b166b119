#pragma once

#include <QDialog>

class QPushButton;
class QRadioButton;

namespace units {
class CUnitsManager;
class CUnitsSaver;
class PreferencesStore;
}  // namespace units

namespace app {

/// Tools > Data Units: US, SI or the user's own units. Save keeps the units shown right now as
/// the user's own at once; Done stores the chosen system, which the caller then applies.
class CDataUnitsConfigurationDlg : public QDialog {
    Q_OBJECT
public:
    CDataUnitsConfigurationDlg(int unitSystem, units::CUnitsSaver& saver,
                               units::CUnitsManager& catalogue, units::PreferencesStore& store,
                               QWidget* parent = nullptr);

    /// The system the radio buttons select (the chosen one after Done).
    int selectedUnitSystem() const;

    QRadioButton* usUnits() const { return m_us; }
    QRadioButton* siUnits() const { return m_si; }
    QRadioButton* userDefinedUnits() const { return m_userDefined; }
    QPushButton* saveButton() const { return m_save; }
    QPushButton* doneButton() const { return m_done; }
    QPushButton* cancelButton() const { return m_cancel; }

public slots:
    void accept() override;
    void onSave();

private:
    units::CUnitsSaver& m_saver;
    units::CUnitsManager& m_catalogue;
    units::PreferencesStore& m_store;
    QRadioButton* m_us;
    QRadioButton* m_si;
    QRadioButton* m_userDefined;
    QPushButton* m_save;
    QPushButton* m_done;
    QPushButton* m_cancel;
};

}  // namespace app
