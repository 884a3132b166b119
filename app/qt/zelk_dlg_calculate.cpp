// The main window's Calculate: the check before it, the engine passes, the values fed back into
// the inputs, the stroke-rate and target-rate steps, and the results and plots shown after it.
#include "app/case_builder.h"
#include "app/qt/calculate_button.h"
#include "app/qt/calculation_runner.h"
#include "app/qt/design_input_panel.h"
#include "app/qt/main_menu.h"
#include "app/qt/message_service.h"
#include "app/qt/picture_panel.h"
#include "app/qt/results_panel.h"
#include "app/qt/ui_text.h"
#include "app/qt/unit_text.h"
#include "app/qt/zelk_dlg.h"
#include "app/string_table.h"
#include "app/text_format.h"
#include "app/window/calculation_error_text.h"
#include "app/window/pre_calculation_check.h"
#include "app/window/results_text.h"
#include "calculators/design_links.h"
#include "engine/zelk_calculator_exception.h"
#include "files/lenient_number.h"
#include "units/qt/ex_combo.h"
#include "units/qt/ex_edit.h"

#include <cmath>

#include <QGroupBox>
#include <QLineEdit>
#include <QStackedWidget>

namespace app {

namespace {

double number(const QString& text) {
    return files::lenientNumber(fromQString(text));
}

}  // namespace

ZelkEngine::CalculationCase CZelkDlg::calculationCaseFromControls() {
    // The same record the command-line program builds from a design file.
    return BuildCalculationCase(designFromControls(), m_options);
}

bool CZelkDlg::passesPreCalculationCheck() {
    // Whatever is typed but not yet taken counts: finish the edits without messages first, the
    // check below reports bad values all at once.
    commitControls(false);
    PreCalculationInputs check;
    check.dampingFactor = number(m_inputs->dampingFactor->text());
    check.unitEfficiency = number(m_inputs->unitEfficiency->text());
    check.pumpEfficiency = number(m_inputs->pumpEfficiency->text());
    check.fluidSpecificGravity = m_design.m_fluidSpecificGravity;
    check.isTargetRateMode = m_inputs->calculateFrom() == 1;
    check.strokeRate = number(m_inputs->strokeRate->text());
    check.pumpDepth = m_design.m_pumpDepth;
    check.targetRate = m_design.m_targetRate;
    check.strokeLength = m_design.m_strokeLength;
    check.sinkerBarWeight = m_design.m_sinkerBarWeight;
    const std::string problems = preCalculationMessage(check, displayBound);
    if (!problems.empty()) {
        MessageService::show(this, toQString(problems), QString(), MessageService::Icon::Warning);
        return false;
    }
    return true;
}

bool CZelkDlg::calculate() {
    if (!passesPreCalculationCheck()) {
        return false;
    }
    if (!commitControls(true)) {
        return false;
    }
    if (!runCalculation()) {
        return false;
    }
    m_hasResults = true;
    m_isPrintEnabled = true;
    refreshControls();
    showResults();
    if (!m_warnings.empty()) {
        MessageService::show(this, toQString(m_warnings).trimmed(), QString(),
                             MessageService::Icon::Warning);
    }
    refreshMenuState();
    return true;
}

bool CZelkDlg::runCalculation() {
    const bool isTargetMode = m_inputs->calculateFrom() == 1;
    const bool isFromReservoir = m_inputs->pressureSource() == 1;
    const int passes =
        calc::CalculationPassCount(m_inputs->slippageLink->isOn(), isTargetMode, isFromReservoir);
    ZelkEngine::CalculationCase c;
    for (int pass = 0; pass < passes; ++pass) {
        // The slippage, and with it a linked pump efficiency, depends on the stroke rate and the
        // pump intake pressure the previous pass computed; each pass starts from both.
        if (pass > 0 && !slippageUpdate()) {
            return false;
        }
        c = calculationCaseFromControls();
        try {
            app::runCalculation(c);
        } catch (const ZelkEngine::ZelkCalculatorException& e) {
            MessageService::show(
                this,
                toQString(calculationErrorText(e.code(), e.message(), e.value1(), e.value2())),
                uiText(238), MessageService::Icon::Stop);
            return false;
        }
        // The computed values go back into the inputs, and the next pass starts from them.
        if (isTargetMode) {
            m_inputs->strokeRate->setText(toQString(formatText("%.2f", {c.Inputs.StrokeRate})));
        } else {
            m_design.m_targetRate = c.Results.ProductionRate;
        }
        if (isFromReservoir) {
            m_design.m_pumpIntakePressure = c.Settings.PumpInletPressure;
        }
        refreshControls();
    }
    // A calculation that stops part way keeps the results on show.
    m_lastCase = c;
    m_warnings = results::warningsText(c.Results.PumpDisplacement, c.Inputs.RodType == 1,
                                       c.Results.FiberglassMinLoad);
    return true;
}

void CZelkDlg::onStrokeRateStep(int direction) {
    const double current = number(m_inputs->strokeRate->text());
    const double step = m_options.spmIncrement;
    // Rounded to the shown tenth so that repeated steps do not drift (9.9 + 0.1 is 10.0).
    const double next = std::round((current + direction * step) * 1e6) / 1e6;
    if (!(next > 0.0 && next <= 100.0)) {
        return;
    }
    m_inputs->strokeRate->setText(toQString(formatText("%0.1f", {next})));
    // A linked pump efficiency follows the new stroke rate; an unusable one stops here.
    if (slippageUpdate()) {
        calculate();
    }
}

void CZelkDlg::onTargetRateStep(int direction) {
    commitControls(false);
    m_design.m_targetRate += direction * m_options.targetRateIncrement;
    refreshControls();
    if (slippageUpdate()) {
        calculate();
    }
}

void CZelkDlg::hideResults() {
    m_hasResults = false;
    m_isPrintEnabled = false;
    m_pictures->setShowsPicture(true);
    m_results->resultsList()->hide();
    if (auto* area = qobject_cast<QStackedWidget*>(m_pictures->parentWidget())) {
        area->setCurrentWidget(m_pictures);
    }
    refreshMenuState();
}

void CZelkDlg::showResults() {
    const ZelkEngine::ZelkResults& r = m_lastCase.Results;
    const bool isFiberglass = m_lastCase.Inputs.RodType == 1;
    const double pumpEfficiency = m_lastCase.Settings.PumpEfficiency;
    auto rate = [](double v) {
        return valueWithUnit("FLOWRATE", "BBL_D", v, results::rateFormat(v));
    };
    auto power = [](double v) { return valueWithUnit("POWER", "HP", v, results::powerFormat(v)); };
    std::vector<ResultRow> rows;
    const bool isRateRed = results::isRateRed(r.PumpDisplacement);
    rows.push_back({toQString(results::displacementLabel()), rate(r.PumpDisplacement), isRateRed});
    rows.push_back(
        {toQString(results::productionLabel(pumpEfficiency)), rate(r.ProductionRate), isRateRed});
    rows.push_back({uiText(158), toQString(results::rodTaperText(r.TaperPercentages)), false});
    rows.push_back({uiText(159),
                    toQString(formatText("%0.1f", {r.TopRodLoading})) + QStringLiteral(" %"),
                    results::isTopRodLoadingRed(r.TopRodLoading)});
    rows.push_back({uiText(160),
                    toQString(results::unitRatingText(r.MinGearboxRating, r.MinStructureRating,
                                                      m_lastCase.Inputs.StrokeLength)),
                    false});
    rows.push_back({uiText(161), power(r.MotorSize), false});
    rows.push_back({uiText(162), power(r.PolishedRodPower), false});
    rows.push_back({uiText(163), valueWithUnit("SMALL_WEIGHT0", "LB", r.WrfPlusFo), false});
    rows.push_back({uiText(164), valueWithUnit("SMALL_WEIGHT0", "LB", r.BuoyantRodWeight), false});
    if (m_lastCase.Inputs.UnitType == 3) {
        rows.push_back(
            {uiText(384), valueWithUnit("DIFFERENTIALPRESSURE", "PSI", r.AirPressure), false});
    }
    if (isFiberglass) {
        rows.push_back(
            {uiText(171), valueWithUnit("SMALL_WEIGHT0", "LB", r.FiberglassMaxLoad), false});
        rows.push_back({uiText(173), valueWithUnit("SMALL_WEIGHT0", "LB", r.FiberglassMinLoad),
                        results::isFiberglassMinimumRed(r.FiberglassMinLoad)});
        rows.push_back({uiText(174),
                        valueWithUnit("DIFFERENTIALPRESSURE0", "PSI", r.FiberglassMaxStress),
                        false});
        rows.push_back({uiText(183),
                        valueWithUnit("DIFFERENTIALPRESSURE0", "PSI", r.FiberglassMinStress),
                        results::isFiberglassMinimumRed(r.FiberglassMinStress)});
        const QString loading = toQString(results::fiberglassLoadingText(r.FiberglassLoading));
        rows.push_back({uiText(184),
                        std::isnan(r.FiberglassLoading) ? loading : loading + QStringLiteral(" %"),
                        results::isFiberglassLoadingRed(r.FiberglassLoading)});
    }
    m_results->setResultRows(rows);

    m_results->setPlotValues(ResultsPanel::CardsLeft, {uiText(188), uiText(189), uiText(190)},
                             {valueWithUnit("SMALL_WEIGHT", "LB", r.PPRL),
                              valueWithUnit("SMALL_LENGTH", "IN", r.PumpStroke),
                              toQString(formatText("%0.3f", {r.FoOverSKr}))});
    m_results->setPlotValues(ResultsPanel::CardsMiddle, {uiText(191), uiText(192), uiText(193)},
                             {valueWithUnit("SMALL_WEIGHT", "LB", r.MPRL),
                              valueWithUnit("SMALL_LENGTH", "IN", r.StaticStretch),
                              valueWithUnit("WEIGHT_PER_LENGTH", "LB_IN", r.RodSpringConstant)});
    m_results->setPlotValues(ResultsPanel::CardsRight, {uiText(194), uiText(195), uiText(196)},
                             {valueWithUnit("SMALL_WEIGHT", "LB", r.FluidLoad),
                              valueWithUnit("SMALL_LENGTH", "IN", r.Overtravel),
                              valueWithUnit("WEIGHT_PER_LENGTH", "LB_IN", r.TubingSpringConstant)});
    m_results->setPlotValues(ResultsPanel::TorqueColumn, {uiText(197), uiText(198), uiText(199)},
                             {valueWithUnit("ZELK_KINLB", "INLB", r.PeakTorque),
                              valueWithUnit("ZELK_KINLB", "INLB", r.CounterbalanceMoment),
                              valueWithUnit("SMALL_WEIGHT", "LB", r.CounterbalanceEffect)});

    m_results->setCurves(r);
    refreshOverlayCurve();

    m_pictures->setShowsPicture(false);
    m_results->resultsList()->show();
    if (auto* area = qobject_cast<QStackedWidget*>(m_results->parentWidget())) {
        area->setCurrentWidget(m_results);
    }
}

}  // namespace app
