#pragma once

#include "app/zelk_options.h"

#include <memory>
#include <vector>

#include <QDialog>
#include <QString>
#include <QStringList>

class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace units {
class CDataObject;
class CExEdit;
class CUnitsCtrl;
class PreferencesStore;
}  // namespace units

namespace app {

/// Tools > Settings: the calculation settings and the defaults for new designs. The fields edit a
/// copy of the caller's options; only OK, after every default passed its range check, copies them
/// back and stores all twelve.
class CSettingsDlg : public QDialog {
    Q_OBJECT
public:
    enum Page { kCalculationPage = 0, kDefaultsPage = 1 };

    CSettingsDlg(ZelkOptions& options, units::PreferencesStore& store, QWidget* parent = nullptr);
    ~CSettingsDlg() override;

    /// The lines of the range check for what the fields hold now; empty when all pass.
    QStringList checkFields();

    QTabWidget* tabs() const { return m_tabs; }
    QPushButton* defaultsButton() const { return m_defaults; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }
    // The fields in the order of the options record.
    QLineEdit* targetRateIncrement() const { return m_targetRateIncrement; }
    QLineEdit* spmIncrement() const { return m_spmIncrement; }
    QLineEdit* numberOfTimeSteps() const { return m_numberOfTimeSteps; }
    units::CExEdit* dxMaximum() const { return m_dxMaximum; }
    QLineEdit* minimumNumberOfElements() const { return m_minimumNumberOfElements; }
    units::CExEdit* sinkerBarWeight() const { return m_sinkerBarWeight; }
    units::CExEdit* fluidSpecificGravity() const { return m_fluidSpecificGravity; }
    units::CExEdit* tubingPressure() const { return m_tubingPressure; }
    units::CExEdit* casingPressure() const { return m_casingPressure; }
    QLineEdit* dampingFactor() const { return m_dampingFactor; }
    QLineEdit* unitEfficiency() const { return m_unitEfficiency; }
    QLineEdit* pumpEfficiency() const { return m_pumpEfficiency; }
    /// The unit selector beside a unit-aware field.
    units::CUnitsCtrl* unitsOf(const units::CExEdit* field) const;

public slots:
    void accept() override;
    void onDefaults();

private:
    units::CDataObject* addDataObject(double* value, const char* category, int labelId);
    units::CExEdit* addUnitField(QWidget* page, int row, int labelId, double* value,
                                 const char* category);
    QLineEdit* addPlainField(QWidget* page, int row, int labelId, bool isPercent);
    void showCalculationPage();
    void showDefaultsPage();
    bool commitUnitFields();
    void readPlainFields(ZelkOptions& into) const;

    ZelkOptions& m_options;
    units::PreferencesStore& m_store;
    // The values the unit-aware fields are bound to.
    ZelkOptions m_values;
    std::vector<std::unique_ptr<units::CDataObject>> m_dataObjects;
    std::vector<units::CExEdit*> m_unitFields;
    std::vector<units::CUnitsCtrl*> m_unitSelectors;

    QTabWidget* m_tabs;
    QPushButton* m_defaults;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QLineEdit* m_targetRateIncrement = nullptr;
    QLineEdit* m_spmIncrement = nullptr;
    QLineEdit* m_numberOfTimeSteps = nullptr;
    units::CExEdit* m_dxMaximum = nullptr;
    QLineEdit* m_minimumNumberOfElements = nullptr;
    units::CExEdit* m_sinkerBarWeight = nullptr;
    units::CExEdit* m_fluidSpecificGravity = nullptr;
    units::CExEdit* m_tubingPressure = nullptr;
    units::CExEdit* m_casingPressure = nullptr;
    QLineEdit* m_dampingFactor = nullptr;
    QLineEdit* m_unitEfficiency = nullptr;
    QLineEdit* m_pumpEfficiency = nullptr;
};

}  // namespace app
