#include "app/qt/settings_dlg.h"

#include "app/qt/message_service.h"
#include "app/qt/ui_text.h"
#include "app/string_table.h"
#include "app/text_format.h"
#include "files/lenient_number.h"
#include "units/data_object.h"
#include "units/no_value.h"
#include "units/qt/ex_edit.h"
#include "units/qt/units_ctrl.h"
#include "units/units_manager.h"

#include <cmath>
#include <limits>

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace app {

namespace {

QString numberText(double value) {
    return toQString(formatText("%g", {value}));
}

double plainNumber(const QLineEdit* field) {
    return files::lenientNumber(fromQString(field->text()));
}

std::string labelText(int labelId) {
    return loadString(labelId);
}

// A whole number that fits the record's integer field, the fraction cut off.
std::int32_t truncatedInteger(double value) {
    if (!(value > std::numeric_limits<std::int32_t>::min())) {
        return std::numeric_limits<std::int32_t>::min() + 1;
    }
    if (value > std::numeric_limits<std::int32_t>::max()) {
        return std::numeric_limits<std::int32_t>::max();
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace

CSettingsDlg::CSettingsDlg(ZelkOptions& options, units::PreferencesStore& store, QWidget* parent)
    : QDialog(parent), m_options(options), m_store(store), m_values(options) {
    setObjectName(QStringLiteral("settingsDlg"));
    setWindowTitle(uiText(5208));
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("settingsTabs"));

    auto* calculation = new QWidget;
    calculation->setObjectName(QStringLiteral("calculationPage"));
    auto* calculationGrid = new QGridLayout(calculation);
    m_targetRateIncrement = addPlainField(calculation, 0, 231, false);
    m_spmIncrement = addPlainField(calculation, 1, 232, false);
    m_numberOfTimeSteps = addPlainField(calculation, 2, 233, false);
    m_dxMaximum = addUnitField(calculation, 3, 234, &m_values.dxMaximum, "SMALL_LENGTH_2");
    m_minimumNumberOfElements = addPlainField(calculation, 4, 235, false);
    calculationGrid->setRowStretch(5, 1);
    m_tabs->addTab(calculation, uiText(224));

    auto* defaults = new QWidget;
    defaults->setObjectName(QStringLiteral("defaultsPage"));
    auto* defaultsGrid = new QGridLayout(defaults);
    auto* heading = new QLabel(uiText(236), defaults);
    defaultsGrid->addWidget(heading, 0, 0, 1, 3);
    m_sinkerBarWeight =
        addUnitField(defaults, 1, 117, &m_values.defaultTotalSinkerBarWeight, "SMALL_WEIGHT");
    m_fluidSpecificGravity = addUnitField(defaults, 2, 118, &m_values.defaultFluidSpecificGravity,
                                          "FLUID_SPECIFIC_GRAVITY");
    m_tubingPressure =
        addUnitField(defaults, 3, 119, &m_values.defaultTubingPressure, "DIFFERENTIALPRESSURE");
    m_casingPressure =
        addUnitField(defaults, 4, 120, &m_values.defaultCasingPressure, "DIFFERENTIALPRESSURE");
    m_dampingFactor = addPlainField(defaults, 5, 130, false);
    m_pumpEfficiency = addPlainField(defaults, 6, 132, true);
    m_unitEfficiency = addPlainField(defaults, 7, 131, true);
    defaultsGrid->setRowStretch(8, 1);
    m_tabs->addTab(defaults, uiText(225));

    m_defaults = new QPushButton(menuText(229), this);
    m_defaults->setObjectName(QStringLiteral("defaultsButton"));
    m_defaults->setAutoDefault(false);
    m_ok = new QPushButton(menuText(149), this);
    m_ok->setObjectName(QStringLiteral("okButton"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(menuText(230), this);
    m_cancel->setObjectName(QStringLiteral("cancelButton"));
    m_cancel->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_defaults);
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addLayout(buttons);

    connect(m_defaults, &QPushButton::clicked, this, &CSettingsDlg::onDefaults);
    connect(m_ok, &QPushButton::clicked, this, &CSettingsDlg::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CSettingsDlg::reject);

    showCalculationPage();
    showDefaultsPage();
    m_tabs->setCurrentIndex(kCalculationPage);
}

CSettingsDlg::~CSettingsDlg() {
    // The fields refer to the data objects, which are members: the fields go first.
    delete m_tabs;
}

units::CDataObject* CSettingsDlg::addDataObject(double* value, const char* category, int labelId) {
    auto object = std::make_unique<units::CDataObject>();
    object->SetDescription(labelText(labelId));
    object->InitValue(value);
    const int row = units::CUnitsManager::CategoryIndexOf(category);
    object->SetUnits(units::CUnitsManager::InternalUnitAt(row), category);
    object->SetNumericOnly(true);
    m_dataObjects.push_back(std::move(object));
    return m_dataObjects.back().get();
}

units::CExEdit* CSettingsDlg::addUnitField(QWidget* page, int row, int labelId, double* value,
                                           const char* category) {
    auto* grid = static_cast<QGridLayout*>(page->layout());
    units::CDataObject* object = addDataObject(value, category, labelId);
    auto* field = new units::CExEdit(page);
    field->Bind(object, units::Cell(), this);
    // The selectors live on their page, so they show only while it does.
    auto* selector = new units::CUnitsCtrl(page);
    selector->Bind(object, this);
    selector->SetWholeControlHot(true);
    grid->addWidget(new QLabel(uiText(labelId), page), row, 0);
    grid->addWidget(field, row, 1);
    grid->addWidget(selector, row, 2);
    m_unitFields.push_back(field);
    m_unitSelectors.push_back(selector);
    return field;
}

QLineEdit* CSettingsDlg::addPlainField(QWidget* page, int row, int labelId, bool isPercent) {
    auto* grid = static_cast<QGridLayout*>(page->layout());
    auto* field = new QLineEdit(page);
    grid->addWidget(new QLabel(uiText(labelId), page), row, 0);
    grid->addWidget(field, row, 1);
    if (isPercent) {
        grid->addWidget(new QLabel(QStringLiteral("%"), page), row, 2);
    }
    return field;
}

units::CUnitsCtrl* CSettingsDlg::unitsOf(const units::CExEdit* field) const {
    for (std::size_t i = 0; i < m_unitFields.size(); ++i) {
        if (m_unitFields[i] == field) {
            return m_unitSelectors[i];
        }
    }
    return nullptr;
}

void CSettingsDlg::showCalculationPage() {
    m_targetRateIncrement->setText(numberText(m_values.targetRateIncrement));
    m_spmIncrement->setText(numberText(m_values.spmIncrement));
    m_numberOfTimeSteps->setText(numberText(m_values.numberOfTimeSteps));
    m_minimumNumberOfElements->setText(numberText(m_values.minimumNumberOfElements));
    m_dxMaximum->refreshFromData();
}

void CSettingsDlg::showDefaultsPage() {
    m_dampingFactor->setText(numberText(m_values.defaultDampingFactor));
    m_unitEfficiency->setText(numberText(m_values.defaultUnitEfficiency));
    m_pumpEfficiency->setText(numberText(m_values.defaultPumpEfficiency));
    for (units::CExEdit* field :
         {m_sinkerBarWeight, m_fluidSpecificGravity, m_tubingPressure, m_casingPressure}) {
        field->refreshFromData();
    }
}

bool CSettingsDlg::commitUnitFields() {
    bool isAccepted = true;
    for (units::CExEdit* field : m_unitFields) {
        if (isAccepted && field->hasPendingEdit()) {
            isAccepted = field->commitEdit(true, true);
        }
    }
    return isAccepted;
}

void CSettingsDlg::readPlainFields(ZelkOptions& into) const {
    into.targetRateIncrement = plainNumber(m_targetRateIncrement);
    into.spmIncrement = plainNumber(m_spmIncrement);
    into.numberOfTimeSteps = plainNumber(m_numberOfTimeSteps);
    into.minimumNumberOfElements = truncatedInteger(plainNumber(m_minimumNumberOfElements));
    into.defaultDampingFactor = plainNumber(m_dampingFactor);
    into.defaultUnitEfficiency = plainNumber(m_unitEfficiency);
    into.defaultPumpEfficiency = plainNumber(m_pumpEfficiency);
}

QStringList CSettingsDlg::checkFields() {
    QStringList lines;
    // A text that is no number would be stored as "nan" and reach the engine: refused on both
    // pages, although the calculation settings have no range.
    auto isNumber = [&](int labelId, double value) {
        if (std::isfinite(value) && value != units::kNoValueDouble) {
            return true;
        }
        lines << uiFormat(5209, {labelText(labelId)});
        return false;
    };
    isNumber(231, plainNumber(m_targetRateIncrement));
    isNumber(232, plainNumber(m_spmIncrement));
    isNumber(233, plainNumber(m_numberOfTimeSteps));
    isNumber(234, m_values.dxMaximum);
    isNumber(235, plainNumber(m_minimumNumberOfElements));

    auto atLeastZero = [&](int labelId, double value, const units::CDataObject* object) {
        if (!isNumber(labelId, value) || value >= 0.0) {
            return;
        }
        const double bound = object != nullptr ? object->ToDisplay(0.0) : 0.0;
        const std::string unit =
            object != nullptr ? object->GetText(units::Cell(), units::kTextUnit) : std::string();
        lines << uiFormat(337, {labelText(labelId), bound, unit});
    };
    auto between = [&](int labelId, double value, double lower, double upper,
                       const units::CDataObject* object, const std::string& percent) {
        if (!isNumber(labelId, value) || (value >= lower && value <= upper)) {
            return;
        }
        const double low = object != nullptr ? object->ToDisplay(lower) : lower;
        const double high = object != nullptr ? object->ToDisplay(upper) : upper;
        const std::string unit =
            object != nullptr ? object->GetText(units::Cell(), units::kTextUnit) : percent;
        lines << uiFormat(363, {labelText(labelId), low, high, unit});
    };
    atLeastZero(117, m_values.defaultTotalSinkerBarWeight, m_sinkerBarWeight->GetDataObject());
    between(118, m_values.defaultFluidSpecificGravity, 0.0, 2.0,
            m_fluidSpecificGravity->GetDataObject(), std::string());
    atLeastZero(119, m_values.defaultTubingPressure, m_tubingPressure->GetDataObject());
    atLeastZero(120, m_values.defaultCasingPressure, m_casingPressure->GetDataObject());
    atLeastZero(130, plainNumber(m_dampingFactor), nullptr);
    between(131, plainNumber(m_unitEfficiency), 0.0, 100.0, nullptr, "%");
    between(132, plainNumber(m_pumpEfficiency), 0.0, 100.0, nullptr, "%");
    return lines;
}

void CSettingsDlg::accept() {
    if (!commitUnitFields()) {
        return;
    }
    const QStringList failures = checkFields();
    if (!failures.isEmpty()) {
        MessageService::show(this, failures.join(QLatin1Char('\n')), uiText(238),
                             MessageService::Icon::Stop);
        return;
    }
    ZelkOptions chosen = m_values;
    readPlainFields(chosen);
    m_options = chosen;
    m_options.Store(m_store);
    QDialog::accept();
}

void CSettingsDlg::onDefaults() {
    const bool isCalculationPage = m_tabs->currentIndex() == kCalculationPage;
    const QMessageBox::StandardButton answer =
        MessageService::show(this, uiText(isCalculationPage ? 226 : 227), uiText(228),
                             MessageService::Icon::Question, QMessageBox::Ok | QMessageBox::Cancel);
    if (answer != QMessageBox::Ok) {
        return;
    }
    // Only the shown page changes; the other keeps whatever is typed in it.
    if (isCalculationPage) {
        m_values.ResetCalculationSettings();
        showCalculationPage();
    } else {
        m_values.ResetNewTestDefaults();
        showDefaultsPage();
    }
}

}  // namespace app
