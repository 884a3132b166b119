// The main window's calculator links: the three calculators that can feed a value into the
// design, the updates that keep a linked value current, and the tubing anchor catcher tool.
#include "app/case_builder.h"
#include "app/qt/calculate_button.h"
#include "app/qt/calculation_runner.h"
#include "app/qt/design_input_panel.h"
#include "app/qt/main_menu.h"
#include "app/qt/message_service.h"
#include "app/qt/ui_text.h"
#include "app/qt/zelk_dlg.h"
#include "app/string_table.h"
#include "app/window/calculation_error_text.h"
#include "calculators/calculator_texts.h"
#include "calculators/design_links.h"
#include "calculators/display_unit.h"
#include "calculators/patterson_slippage.h"
#include "calculators/qt/fluid_specific_gravity_dlg.h"
#include "calculators/qt/sinker_bar_calculator_dlg.h"
#include "calculators/qt/slippage_calculator_dlg.h"
#include "calculators/qt/tubing_anchor_catcher_dlg.h"
#include "engine/tubing_table.h"
#include "engine/zelk_calculator_exception.h"
#include "files/lenient_number.h"
#include "units/control_manager.h"
#include "units/data_object.h"
#include "units/dcl_manager.h"
#include "units/number_text.h"
#include "units/qt/ex_combo.h"
#include "units/qt/ex_edit.h"

#include <QComboBox>
#include <QLineEdit>
#include <QScopedValueRollback>

namespace app {

namespace {

// A design whose saved tubing anchor list has this many values was saved by the tool.
constexpr std::size_t kMinSavedAnchorValues = 31;
constexpr std::size_t kMaxSavedAnchorValues = 299;

}  // namespace

units::CDataObject* CZelkDlg::dataObject(const char* name) const {
    for (const auto& object : m_dataObjects) {
        if (object->GetName() == name) {
            return object.get();
        }
    }
    return nullptr;
}

void CZelkDlg::onFluidSpecificGravityCalculator() {
    commitControls(false);
    const ZelkEngine::DesignCase d = designFromControls();
    calc::FluidSpecificGravityCase fluid;
    fluid.m_oilGravity = d.m_oilGravity;
    fluid.m_waterCut = d.m_waterCut;
    fluid.m_waterSpecificGravity = d.m_waterSpecificGravity;
    calc::CFluidSpecificGravityDlg dialog(fluid, d.m_fluidSpecificGravity, d.m_title, this);
    if (dialog.exec() != QDialog::Accepted) {
        setLink(0, m_inputs->fluidSpecificGravityLink->isOn());
        return;
    }
    m_design.m_oilGravity = dialog.GetFluid().m_oilGravity;
    m_design.m_waterCut = dialog.GetFluid().m_waterCut;
    m_design.m_waterSpecificGravity = dialog.GetFluid().m_waterSpecificGravity;
    m_design.m_fluidSpecificGravity = dialog.GetFluidSpecificGravity();
    refreshControls();
    setLink(0, true);
    sinkerBarUpdate();
    if (slippageUpdate() && m_hasResults) {
        calculate();
    }
}

void CZelkDlg::onSinkerBarCalculator() {
    commitControls(false);
    const ZelkEngine::DesignCase d = designFromControls();
    const std::int32_t row = TubingRowOfDesign(d);
    const double tubingId =
        ZelkEngine::TubingSizes()[static_cast<std::size_t>(row)].m_innerDiameter;
    calc::CSinkerBarCalculatorDlg dialog(calc::SinkerBarCaseFromDesign(d), tubingId, d.m_title,
                                         this);
    if (dialog.exec() != QDialog::Accepted) {
        setLink(1, m_inputs->sinkerBarLink->isOn());
        return;
    }
    m_design.m_sinkerBarWeight = dialog.GetRecommendedWeight();
    m_design.m_sinkerBarDiameter = dialog.GetSinkerBarDiameter();
    refreshControls();
    setLink(1, true);
    if (m_hasResults) {
        calculate();
    }
}

void CZelkDlg::onSlippageCalculator() {
    commitControls(false);
    ZelkEngine::DesignCase d = designFromControls();
    // The slippage is worked out on a full pump; an unusable efficiency must not spoil the
    // displacement the calculator starts from.
    if (!calc::IsUsablePumpEfficiency(d.m_pumpEfficiency)) {
        d.m_pumpEfficiency = 100.0;
    }
    ZelkEngine::CalculationCase run = BuildCalculationCase(d, m_options);
    try {
        app::runCalculation(run);
    } catch (const ZelkEngine::ZelkCalculatorException& e) {
        MessageService::show(
            this,
            uiText(366) + QLatin1Char('\n') +
                toQString(calculationErrorText(e.code(), e.message(), e.value1(), e.value2())),
            uiText(238), MessageService::Icon::Stop);
        setLink(2, m_inputs->slippageLink->isOn());
        return;
    }
    calc::CSlippageCalculatorDlg dialog(
        calc::SlippageCaseFromDesign(d, run.Settings.PumpInletPressure,
                                     run.Results.PumpDisplacement),
        d.m_title, this);
    if (dialog.exec() != QDialog::Accepted) {
        setLink(2, m_inputs->slippageLink->isOn());
        return;
    }
    m_design.m_clearance = dialog.GetInputs().m_clearance;
    m_design.m_fluidViscosity = dialog.GetInputs().m_fluidViscosity;
    m_design.m_plungerLength = dialog.GetInputs().m_plungerLength;
    m_inputs->pumpEfficiency->setText(toQString(calc::PumpEfficiencyText(dialog.GetEfficiency())));
    setLink(2, true);
    if (m_hasResults) {
        calculate();
    }
}

void CZelkDlg::sinkerBarUpdate() {
    const ZelkEngine::DesignCase d = designFromControls();
    calc::DisplayUnit gravityUnit;
    if (const units::CDataObject* gravity = dataObject("m_pDataObjFluidSpecificGravity")) {
        gravityUnit = calc::DisplayUnitOf(*gravity);
    }
    const calc::SinkerBarUpdate update =
        calc::ComputeSinkerBarUpdate(d, gravityUnit, calc::CalculatorTexts::FromStringTable());
    if (update.m_warning) {
        showOrHold(toQString(*update.m_warning), QString(), MessageService::Icon::None);
    }
    if (m_inputs->sinkerBarLink->isOn() && update.m_sinkerBarWeight) {
        m_design.m_sinkerBarWeight = *update.m_sinkerBarWeight;
        refreshControls();
    }
}

bool CZelkDlg::slippageUpdate() {
    if (!m_inputs->slippageLink->isOn()) {
        return true;
    }
    ZelkEngine::DesignCase d = designFromControls();
    ZelkEngine::CalculationCase run = BuildCalculationCase(d, m_options);
    try {
        app::runCalculation(run);
    } catch (const ZelkEngine::ZelkCalculatorException& e) {
        showOrHold(
            uiText(366) + QLatin1Char('\n') +
                toQString(calculationErrorText(e.code(), e.message(), e.value1(), e.value2())),
            uiText(238), MessageService::Icon::Stop);
        return false;
    }
    const calc::SlippageResult result = calc::PattersonSlippage(calc::SlippageCaseFromDesign(
        d, run.Settings.PumpInletPressure, run.Results.PumpDisplacement));
    m_inputs->pumpEfficiency->setText(toQString(calc::PumpEfficiencyText(result.m_efficiency)));
    setLink(2, true);
    return calc::IsUsablePumpEfficiency(result.m_efficiency);
}

void CZelkDlg::commitWhileTyping(units::CExEdit* edit) {
    // Only what the text now says counts: "0" on the way to "0.95" has nothing left to say.
    m_heldMessages.clear();
    units::CDataObject* object = edit->GetDataObject();
    const std::string typed = units::TrimBlanks(fromQString(edit->text()));
    // A half-typed text the value cannot take, or none at all, leaves the last value standing
    // until the field is left.
    if (object != nullptr && edit->hasPendingEdit() && !typed.empty() &&
        object->Validate(typed, false, false)) {
        object->SetFromText(typed, edit->GetCell());
        object->SetModified(1);
        if (units::CControlManager* manager = units::ControlManager()) {
            manager->RefreshDependents(object, edit, true);
        }
    }
    commitControls(false);
}

void CZelkDlg::showOrHold(const QString& text, const QString& caption, MessageService::Icon icon) {
    if (m_typingIn != nullptr) {
        m_heldMessages.push_back({caption, text, icon});
    } else {
        MessageService::show(this, text, caption, icon);
    }
}

void CZelkDlg::showHeldMessages() {
    // Taken first: a box takes the focus, and the field it comes from may be left again.
    const std::vector<MessageService::Message> held = std::move(m_heldMessages);
    m_heldMessages.clear();
    for (const MessageService::Message& message : held) {
        MessageService::show(this, message.text, message.caption, message.icon);
    }
}

void CZelkDlg::onFluidSpecificGravityEdited(const QString& text) {
    units::CExEdit* edit = m_inputs->fluidSpecificGravity;
    const QScopedValueRollback<units::CExEdit*> typing(m_typingIn, edit);
    commitWhileTyping(edit);
    // A gravity typed by hand no longer comes from the calculator's oil and water values.
    if (m_inputs->fluidSpecificGravityLink->isOn()) {
        setLink(0, false);
    }
    if (!text.trimmed().isEmpty()) {
        sinkerBarUpdate();
        slippageUpdate();
    }
}

void CZelkDlg::onSlippageInputEdited(units::CExEdit* edit, const QString& text) {
    const QScopedValueRollback<units::CExEdit*> typing(m_typingIn, edit);
    commitWhileTyping(edit);
    if (!text.trimmed().isEmpty() && m_inputs->slippageLink->isOn()) {
        slippageUpdate();
    }
}

void CZelkDlg::onStrokeRateLeft() {
    const double strokeRate = files::lenientNumber(fromQString(m_inputs->strokeRate->text()));
    if (strokeRate > 0.0 && strokeRate < 100.0) {
        commitControls(false);
        slippageUpdate();
        return;
    }
    // The slippage grows with the stroke rate; without a usable one a linked efficiency
    // cannot follow it.
    if (m_inputs->slippageLink->isOn()) {
        MessageService::show(this, uiFormat(344, {loadString(126), 0.0, "SPM"}));
    }
}

void CZelkDlg::onTubingAnchorCatcher() {
    commitControls(false);
    const ZelkEngine::DesignCase d = designFromControls();
    calc::TubingAnchorOpening opening;
    opening.m_pumpDiameter = d.m_pumpDiameter;
    opening.m_pumpDepth = d.m_pumpDepth;
    opening.m_tubingPressure = d.m_tubingPressure;
    opening.m_casingPressure = d.m_casingPressure;
    opening.m_tubingRow = TubingRowOfDesign(d);
    const std::vector<double>& saved = m_design.m_tubingAnchorCatcherState;
    const bool isPresent = m_hasTubingAnchorList || (saved.size() >= kMinSavedAnchorValues &&
                                                     saved.size() <= kMaxSavedAnchorValues);
    calc::CTubingAnchorCatcherDlg dialog(opening, isPresent ? &saved : nullptr, d.m_title, this);
    dialog.exec();
    // Whatever way the tool closes, the design keeps its state.
    m_design.m_tubingAnchorCatcherState = dialog.GetSavedList();
    m_hasTubingAnchorList = true;
}

}  // namespace app
