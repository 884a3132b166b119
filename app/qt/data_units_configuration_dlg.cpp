#include "app/qt/data_units_configuration_dlg.h"

#include "app/qt/ui_text.h"
#include "units/unit_system.h"
#include "units/units_saver.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace app {

CDataUnitsConfigurationDlg::CDataUnitsConfigurationDlg(int unitSystem, units::CUnitsSaver& saver,
                                                       units::CUnitsManager& catalogue,
                                                       units::PreferencesStore& store,
                                                       QWidget* parent)
    : QDialog(parent), m_saver(saver), m_catalogue(catalogue), m_store(store) {
    setObjectName(QStringLiteral("dataUnitsConfigurationDlg"));
    setWindowTitle(uiText(5201));

    auto* group = new QGroupBox(menuText(358), this);
    m_us = new QRadioButton(uiText(5203), group);
    m_us->setObjectName(QStringLiteral("usUnits"));
    m_si = new QRadioButton(uiText(5204), group);
    m_si->setObjectName(QStringLiteral("siUnits"));
    m_userDefined = new QRadioButton(uiText(5205), group);
    m_userDefined->setObjectName(QStringLiteral("userDefinedUnits"));
    auto* radios = new QButtonGroup(this);
    radios->addButton(m_us, units::kUnitSystemUs);
    radios->addButton(m_si, units::kUnitSystemSi);
    radios->addButton(m_userDefined, units::kUnitSystemUserDefined);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_us);
    groupLayout->addWidget(m_si);
    groupLayout->addWidget(m_userDefined);
    switch (units::NormalizeUnitSystem(unitSystem)) {
        case units::kUnitSystemSi:
            m_si->setChecked(true);
            break;
        case units::kUnitSystemUserDefined:
            m_userDefined->setChecked(true);
            break;
        default:
            m_us->setChecked(true);
            break;
    }

    m_save = new QPushButton(uiText(5207), this);
    m_save->setObjectName(QStringLiteral("saveButton"));
    m_save->setAutoDefault(false);
    m_done = new QPushButton(uiText(154), this);
    m_done->setObjectName(QStringLiteral("doneButton"));
    m_done->setDefault(true);
    m_cancel = new QPushButton(uiText(230), this);
    m_cancel->setObjectName(QStringLiteral("cancelButton"));
    m_cancel->setAutoDefault(false);

    auto* saveRow = new QHBoxLayout;
    auto* saveText = new QLabel(uiText(5206), this);
    saveText->setWordWrap(true);
    saveRow->addWidget(saveText, 1);
    saveRow->addWidget(m_save);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_done);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(uiText(5202), this));
    layout->addWidget(group);
    layout->addLayout(saveRow);
    layout->addLayout(buttons);

    connect(m_save, &QPushButton::clicked, this, &CDataUnitsConfigurationDlg::onSave);
    connect(m_done, &QPushButton::clicked, this, &CDataUnitsConfigurationDlg::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CDataUnitsConfigurationDlg::reject);
}

int CDataUnitsConfigurationDlg::selectedUnitSystem() const {
    if (m_si->isChecked()) {
        return units::kUnitSystemSi;
    }
    if (m_userDefined->isChecked()) {
        return units::kUnitSystemUserDefined;
    }
    return units::kUnitSystemUs;
}

void CDataUnitsConfigurationDlg::onSave() {
    m_saver.SaveUserUnits(m_store, m_catalogue);
}

void CDataUnitsConfigurationDlg::accept() {
    units::WriteUnitSystem(m_store, selectedUnitSystem());
    QDialog::accept();
}

}  // namespace app
