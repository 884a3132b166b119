// The main window's design: its data objects, moving a design case into the controls and back,
// and the File commands New, Open and Save.
#include "app/qt/calculate_button.h"
#include "app/qt/design_input_panel.h"
#include "app/qt/main_menu.h"
#include "app/qt/message_service.h"
#include "app/qt/picture_panel.h"
#include "app/qt/ui_text.h"
#include "app/qt/zelk_app.h"
#include "app/qt/zelk_dlg.h"
#include "app/string_table.h"
#include "app/text_format.h"
#include "calculators/design_links.h"
#include "engine/tubing_table.h"
#include "files/design_file.h"
#include "files/design_units.h"
#include "files/lenient_number.h"
#include "units/data_object.h"
#include "units/qt/ex_combo.h"
#include "units/qt/ex_edit.h"
#include "units/qt/units_ctrl.h"
#include "units/unit_system.h"
#include "units/units_manager.h"
#include "units/units_saver.h"
#include "units/validation_info.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QRadioButton>

namespace app {

namespace {

// The row shown for a design whose tubing matches no row of the table.
constexpr int kFallbackTubingRow = 25;

std::string numberText(double value) {
    return formatText("%g", {value});
}

double number(const QString& text) {
    return files::lenientNumber(fromQString(text));
}

QString tubingRowText(const ZelkEngine::TubingSize& row) {
    return toQString(formatText("%.3f\" (%.2f lb/ft) %.3f\" ID",
                                {row.m_outerDiameter, row.m_nominalWeight, row.m_innerDiameter}));
}

std::vector<double> range(double first, double last, double step) {
    std::vector<double> values;
    for (double v = first; v <= last + step / 2; v += step) {
        values.push_back(v);
    }
    return values;
}

}  // namespace

units::CDataObject& CZelkDlg::addDataObject(const char* name, double* value, const char* category,
                                            int labelId, bool isEdit) {
    auto object = std::make_unique<units::CDataObject>();
    object->SetName(name);
    object->SetDescription(loadString(labelId));
    object->InitValue(value);
    const int row = units::CUnitsManager::CategoryIndexOf(category);
    object->SetUnits(units::CUnitsManager::InternalUnitAt(row), category);
    if (isEdit) {
        // Negative values are unusual but not refused: the user is warned and keeps the value.
        object->SetMinimum(0.0, 0);
    }
    m_dataObjects.push_back(std::move(object));
    return *m_dataObjects.back();
}

void CZelkDlg::createDataObjects() {
    ZelkEngine::DesignCase& d = m_design;
    addDataObject("m_pDataObjPumpDepth", &d.m_pumpDepth, "DEPTH", 136, false);
    addDataObject("m_pDataObjStrokeLength", &d.m_strokeLength, "SMALL_LENGTH", 106, false);
    addDataObject("m_pDataObjPumpDiameter", &d.m_pumpDiameter, "SMALL_LENGTH_2", 107, false);
    addDataObject("m_pDataObjFiberglassSize", &d.m_fiberglassSize, "SMALL_LENGTH_2", 104, false);
    addDataObject("m_pDataObjSteelSize", &d.m_steelSize, "SMALL_LENGTH_2", 114, false);
    addDataObject("m_pDataObjSinkerBarWeight", &d.m_sinkerBarWeight, "SMALL_WEIGHT", 117, true);
    addDataObject("m_pDataObjFluidSpecificGravity", &d.m_fluidSpecificGravity,
                  "FLUID_SPECIFIC_GRAVITY", 118, true);
    addDataObject("m_pDataObjTubingPressure", &d.m_tubingPressure, "DIFFERENTIALPRESSURE", 119,
                  true);
    addDataObject("m_pDataObjCasingPressure", &d.m_casingPressure, "DIFFERENTIALPRESSURE", 120,
                  true);
    addDataObject("m_pDataObjPumpIntakePressure", &d.m_pumpIntakePressure, "DIFFERENTIALPRESSURE",
                  122, true);
    addDataObject("m_pDataObjReservoirPressure", &d.m_reservoirPressure, "DIFFERENTIALPRESSURE",
                  133, true);
    addDataObject("m_pDataObjProductivityIndex", &d.m_productivityIndex, "ZELK_FLOW_PER_PRESSURE",
                  134, true);
    addDataObject("m_pDataObjTargetRate", &d.m_targetRate, "FLOWRATE", 127, true);
}

void CZelkDlg::bindControls() {
    DesignInputPanel* in = m_inputs;
    const QObject* owner = this;
    auto bindCombo = [&](std::size_t index, units::CExCombo* combo, std::vector<double> presets) {
        combo->Bind(m_dataObjects[index].get(), units::Cell(), owner);
        units::SetComboValues(*combo, static_cast<int>(presets.size()), presets.data());
        m_controls.push_back(combo);
    };
    auto bindEdit = [&](std::size_t index, units::CExEdit* edit) {
        edit->Bind(m_dataObjects[index].get(), units::Cell(), owner);
        m_controls.push_back(edit);
    };
    const std::vector<double> depths = range(1000.0, 13000.0, 1000.0);
    bindCombo(0, in->pumpDepth, depths);
    bindCombo(1, in->strokeLength, {48, 54, 64, 74, 86, 100, 120, 144, 168, 192, 216, 240});
    bindCombo(2, in->pumpDiameter,
              {0.875, 1.0, 1.06, 1.25, 1.5, 1.75, 1.78, 2.0, 2.25, 2.5, 2.75, 3.75, 4.75});
    bindCombo(3, in->fiberglassSize, {0.5, 0.625, 0.75, 0.875, 1.0, 1.2, 1.25, 1.5});
    bindCombo(4, in->steelSize, {0.75, 0.875, 1.0, 1.125, 1.25, 1.375, 1.5, 1.625, 1.75});
    bindEdit(5, in->sinkerBarWeight);
    bindEdit(6, in->fluidSpecificGravity);
    bindEdit(7, in->tubingPressure);
    bindEdit(8, in->casingPressure);
    bindEdit(9, in->pumpIntakePressure);
    bindEdit(10, in->reservoirPressure);
    bindEdit(11, in->productivityIndex);
    bindEdit(12, in->targetRate);
    for (const auto& [input, unit] : in->unitAwareInputs()) {
        units::CDataObject* object = nullptr;
        if (auto* combo = qobject_cast<units::CExCombo*>(input)) {
            object = combo->GetDataObject();
        } else if (auto* edit = qobject_cast<units::CExEdit*>(input)) {
            object = edit->GetDataObject();
        }
        unit->Bind(object, owner);
        m_controls.push_back(unit);
    }

    in->tubingSize->clear();
    for (const ZelkEngine::TubingSize& row : ZelkEngine::TubingSizes()) {
        in->tubingSize->addItem(tubingRowText(row));
    }
}

void CZelkDlg::refreshControls() {
    const units::DependentControl* typing = m_typingIn;
    for (units::DependentControl* control : m_controls) {
        if (control != typing) {
            control->refreshFromData();
        }
    }
}

bool CZelkDlg::commitControls(bool showMessages) {
    // The edit being typed into was taken already, as typed; committing it again would rewrite
    // it in its display format under the user's caret.
    const units::DependentControl* typing = m_typingIn;
    bool isAccepted = true;
    for (units::DependentControl* control : m_controls) {
        if (control != typing && control->hasPendingEdit()) {
            isAccepted = control->commitEdit(showMessages, showMessages) && isAccepted;
        }
    }
    return isAccepted;
}

void CZelkDlg::applyUnitSystem(int index) {
    units::CUnitsManager* catalogue = units::UnitsManager();
    if (catalogue == nullptr) {
        return;
    }
    units::CUnitsSaver saver;
    saver.LoadUserUnits(m_app.preferences(), *catalogue);
    units::ApplyUnitSystem(index, saver, *catalogue);
    refreshControls();
}

void CZelkDlg::fillControlsFromDesign(const ZelkEngine::DesignCase& design) {
    DesignInputPanel* in = m_inputs;
    m_design = design;
    in->title->setText(toQString(design.m_title));
    const int unitIndex = in->unitType->findText(toQString(design.m_unitTypeName));
    in->unitType->setCurrentIndex(unitIndex >= 0 ? unitIndex : 0);
    const std::optional<std::int32_t> row =
        ZelkEngine::FindTubingRow(design.m_tubingOD, design.m_tubingWeight, design.m_tubingID);
    in->tubingSize->setCurrentIndex(row.value_or(kFallbackTubingRow));
    in->anchoredTubing->setChecked(design.m_anchoredTubing);
    m_rodType = design.m_rodType == 1 ? 1 : 0;
    {
        const QSignalBlocker blockSteel(in->steelRods);
        const QSignalBlocker blockFiberglass(in->fiberglassRods);
        in->showRodType(m_rodType);
    }
    in->rodNumber->setEditText(QString::number(design.m_rodNumber));
    in->rodGrade->setEditText(toQString(design.m_rodGrade));
    in->percentFiberglass->setEditText(toQString(numberText(design.m_fiberglassPercent)));
    in->dampingFactor->setText(toQString(numberText(design.m_dampingFactor)));
    in->unitEfficiency->setText(toQString(numberText(design.m_unitEfficiency)));
    in->pumpEfficiency->setText(toQString(numberText(design.m_pumpEfficiency)));
    in->enablePressureSource(design.m_pumpIntakePressureEntered ? 0 : 1);
    in->enableCalculateFrom(design.m_calculationType == 1 ? 1 : 0);
    in->strokeRate->setText(toQString(numberText(design.m_strokeRate)));
    setLink(0, design.m_useFluidSpGravCalculator);
    setLink(1, design.m_useSinkerBarCalculator);
    setLink(2, design.m_useSlippageCalculator);
    refreshControls();
}

void CZelkDlg::applyNewDesignDefaults() {
    // A new design takes its settings from the defaults for new tests of the run's options.
    const ZelkOptions& o = m_options;
    m_design.m_sinkerBarWeight = o.defaultTotalSinkerBarWeight;
    m_design.m_fluidSpecificGravity = o.defaultFluidSpecificGravity;
    m_design.m_tubingPressure = o.defaultTubingPressure;
    m_design.m_casingPressure = o.defaultCasingPressure;
    m_inputs->dampingFactor->setText(toQString(formatText("%0.2f", {o.defaultDampingFactor})));
    m_inputs->unitEfficiency->setText(toQString(formatText("%0.2f", {o.defaultUnitEfficiency})));
    m_inputs->pumpEfficiency->setText(toQString(formatText("%0.2f", {o.defaultPumpEfficiency})));
    refreshControls();
}

ZelkEngine::DesignCase CZelkDlg::designFromControls() {
    commitControls(false);
    DesignInputPanel* in = m_inputs;
    ZelkEngine::DesignCase d = m_design;
    d.m_title = fromQString(in->title->text());
    d.m_unitTypeName = fromQString(in->unitType->currentText());
    const std::vector<ZelkEngine::TubingSize>& rows = ZelkEngine::TubingSizes();
    const int row = in->tubingSize->currentIndex();
    if (row >= 0 && row < static_cast<int>(rows.size())) {
        d.m_tubingOD = rows[static_cast<std::size_t>(row)].m_outerDiameter;
        d.m_tubingWeight = rows[static_cast<std::size_t>(row)].m_nominalWeight;
        d.m_tubingID = rows[static_cast<std::size_t>(row)].m_innerDiameter;
    }
    d.m_anchoredTubing = in->anchoredTubing->isChecked();
    d.m_rodType = in->rodType();
    d.m_rodNumber = files::lenientInteger(fromQString(in->rodNumber->currentText()));
    d.m_rodGrade = fromQString(in->rodGrade->currentText());
    d.m_fiberglassPercent = number(in->percentFiberglass->currentText());
    d.m_dampingFactor = number(in->dampingFactor->text());
    d.m_unitEfficiency = number(in->unitEfficiency->text());
    d.m_pumpEfficiency = number(in->pumpEfficiency->text());
    d.m_pumpIntakePressureEntered = in->pressureSource() == 0;
    d.m_calculationType = in->calculateFrom();
    d.m_strokeRate = number(in->strokeRate->text());
    d.m_useFluidSpGravCalculator = in->fluidSpecificGravityLink->isOn();
    d.m_useSinkerBarCalculator = in->sinkerBarLink->isOn();
    d.m_useSlippageCalculator = in->slippageLink->isOn();
    return d;
}

void CZelkDlg::onFileNew() {
    hideResults();
    m_pictureNumber = m_app.stepPictureCounter();
    m_pictures->setCounter(m_pictureNumber);
    applyUnitSystem(units::kUnitSystemUs);
    fillControlsFromDesign(ZelkEngine::DesignCase());
    applyNewDesignDefaults();
    refreshMenuState();
}

void CZelkDlg::onFileOpen() {
    const QString path = QFileDialog::getOpenFileName(
        this, QString(), QString(), QStringLiteral("Zelk Files (*.zlk);;All Files (*.*)"));
    if (!path.isEmpty()) {
        openDesign(path);
    }
}

void CZelkDlg::onFileSave() {
    const QString title = m_inputs->title->text().trimmed();
    const QString path = QFileDialog::getSaveFileName(
        this, QString(), title.isEmpty() ? QString() : title + QStringLiteral(".zlk"),
        QStringLiteral("Zelk Files (*.zlk);;All Files (*.*)"));
    if (!path.isEmpty()) {
        saveDesign(path);
    }
}

bool CZelkDlg::openDesign(const QString& path) {
    onFileNew();
    return readDesignFile(path, true);
}

bool CZelkDlg::openDesignWithoutCalculating(const QString& path) {
    return readDesignFile(path, false);
}

bool CZelkDlg::readDesignFile(const QString& path, bool calculateAfter) {
    ZelkEngine::DesignCase design;
    ZelkOptions options = ZelkOptions::Load(m_app.preferences());
    const files::OpenResult result = files::OpenDesignFile(fromQString(path), design, options);
    if (!result.ok()) {
        // A file that cannot be read leaves the window as it was, and the user learns why.
        MessageService::show(this, toQString(result.message), uiText(238),
                             MessageService::Icon::Warning);
        return false;
    }
    m_options = options.RoundedForRun();
    // The file's numbers are in the display units it names: show those units, then hold every
    // value in its internal unit.
    if (units::CUnitsManager* catalogue = units::UnitsManager()) {
        files::ApplyDesignDisplayUnits(design, *catalogue);
        design = files::DesignInInternalUnits(design, *catalogue);
    }
    fillControlsFromDesign(design);
    if (calculateAfter) {
        if (m_inputs->fluidSpecificGravityLink->isOn()) {
            // A linked gravity follows the oil and water values the file holds, and so do a
            // linked sinker bar weight and pump efficiency.
            m_design.m_fluidSpecificGravity = calc::FluidSpecificGravityFromDesign(m_design);
            // Shown before the updates commit the controls, or the file's gravity would return.
            refreshControls();
            sinkerBarUpdate();
            slippageUpdate();
        }
        refreshControls();
        calculate();
    }
    return true;
}

bool CZelkDlg::saveDesign(const QString& path) {
    ZelkEngine::DesignCase design = designFromControls();
    if (const units::CUnitsManager* catalogue = units::UnitsManager()) {
        design = files::DesignInDisplayUnits(design, *catalogue);
    }
    const files::SaveResult result = files::SaveDesignFile(fromQString(path), design, m_options);
    if (!result.ok) {
        MessageService::show(this, toQString(result.message), uiText(238),
                             MessageService::Icon::Stop);
    }
    return result.ok;
}

}  // namespace app
