#include "calculators/qt/slippage_calculator_dlg.h"

#include "app/string_table.h"
#include "calculators/qt/calculator_message_box.h"
#include "plot/qt/plot_wnd.h"
#include "report/slippage_report_mgr.h"
#include "units/data_object.h"
#include "units/qt/ex_edit.h"
#include "units/qt/ex_static.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace calc {
namespace {

QString Text(int id) {
    return QString::fromStdString(app::loadString(id));
}

std::string Lines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& line : lines) {
        if (!text.empty()) {
            text += "\n";
        }
        text += line;
    }
    return text;
}

}  // namespace

CSlippageCalculatorDlg::CSlippageCalculatorDlg(const SlippageCase& pump,
                                               const std::string& designTitle, QWidget* parent)
    : CCalculatorDlg(Text(275), designTitle, parent), m_inputs(pump) {
    m_pumpDiameter = &AddDataObject("m_pDataObjPumpDiameter", app::loadString(107),
                                    "SMALL_LENGTH_2", &m_inputs.m_pumpDiameter);
    m_pumpDepth =
        &AddDataObject("m_pDataObjPumpDepth", app::loadString(136), "DEPTH", &m_inputs.m_pumpDepth);
    m_tubingPressure = &AddDataObject("m_pDataObjTubingDischargePressure", app::loadString(119),
                                      "DIFFERENTIALPRESSURE", &m_inputs.m_tubingPressure);
    m_intakePressure = &AddDataObject("m_pDataObjPumpIntakePressure", app::loadString(122),
                                      "DIFFERENTIALPRESSURE", &m_inputs.m_pumpIntakePressure);
    m_strokeRate =
        &AddPlainDataObject("m_pDataObjStrokeRate", app::loadString(126), &m_inputs.m_strokeRate);
    m_displacement = &AddDataObject("m_pDataObjPumpDisplacement", app::loadString(270), "FLOWRATE",
                                    &m_inputs.m_pumpDisplacement);
    m_gravity = &AddDataObject("m_pDataObjFluidSpecificGravity", app::loadString(118),
                               "FLUID_SPECIFIC_GRAVITY", &m_inputs.m_fluidSpecificGravity);
    m_clearance = &AddDataObject("m_pDataObjClearance", app::loadString(267), "SMALL_LENGTH_2",
                                 &m_inputs.m_clearance);
    m_viscosity = &AddDataObject("m_pDataObjFluidViscosity", app::loadString(271),
                                 "DYNAMIC_VISCOSITY", &m_inputs.m_fluidViscosity);
    m_plungerLength = &AddDataObject("m_pDataObjPlungerLength", app::loadString(272),
                                     "SMALL_LENGTH_2", &m_inputs.m_plungerLength);
    m_slippage = &AddDataObject("m_pDataObjSlippage", app::loadString(357), "FLOWRATE",
                                &m_result.m_slippage);
    m_efficiency = &AddPlainDataObject("m_pDataObjPumpVolumetricEfficiency", app::loadString(132),
                                       &m_result.m_efficiency);
    m_pressureDifferential =
        &AddDataObject("m_pDataObjPressureDifferential", app::loadString(273),
                       "DIFFERENTIALPRESSURE", &m_result.m_pressureDifferential);
    m_gradient = &AddDataObject("m_pDataObjTubingFluidGradient", app::loadString(274),
                                "TUBING_FLUID_GRADIENT", &m_result.m_tubingFluidGradient);

    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    auto* designBox = new QGroupBox(Text(298), this);
    auto* design = new QGridLayout(designBox);
    AddEditRow(design, 0, Text(107), *m_pumpDiameter);
    AddEditRow(design, 1, Text(136), *m_pumpDepth);
    AddEditRow(design, 2, Text(119), *m_tubingPressure);
    AddEditRow(design, 3, Text(122), *m_intakePressure);
    AddEditRow(design, 4, Text(126), *m_strokeRate, QStringLiteral("SPM"));
    m_displacementEdit = AddEditRow(design, 5, Text(270), *m_displacement);
    AddEditRow(design, 6, Text(118), *m_gravity);
    left->addWidget(designBox);
    auto* userBox = new QGroupBox(Text(297), this);
    auto* user = new QGridLayout(userBox);
    m_clearanceEdit = AddEditRow(user, 0, Text(267), *m_clearance);
    m_viscosityEdit = AddEditRow(user, 1, Text(271), *m_viscosity);
    m_plungerEdit = AddEditRow(user, 2, Text(272), *m_plungerLength);
    left->addWidget(userBox);
    left->addStretch();
    columns->addLayout(left);

    auto* right = new QVBoxLayout;
    auto* outputs = new QGridLayout;
    AddResultRow(outputs, 0, Text(357), *m_slippage);
    m_efficiencyLabel = AddResultRow(outputs, 1, Text(132), *m_efficiency, QStringLiteral("%"));
    AddResultRow(outputs, 2, Text(273), *m_pressureDifferential);
    AddResultRow(outputs, 3, Text(274), *m_gradient);
    right->addLayout(outputs);
    m_plotWnd = new plot::CPlotWnd(this);
    m_plotWnd->setMinimumSize(420, 300);
    m_plotWnd->AttachPlot(&m_plot.Plot());
    right->addWidget(m_plotWnd, 1);
    columns->addLayout(right, 1);
    Body()->addLayout(columns);

    auto* buttons = new QHBoxLayout;
    m_calculate = new QPushButton(Text(129), this);
    m_use = new QPushButton(Text(251), this);
    m_cancel = new QPushButton(Text(230), this);
    buttons->addWidget(m_calculate);
    buttons->addWidget(m_use);
    buttons->addWidget(m_cancel);
    Body()->addLayout(buttons);
    connect(m_calculate, &QPushButton::clicked, this, [this] { Calculate(); });
    connect(m_use, &QPushButton::clicked, this, &CSlippageCalculatorDlg::UseCalculation);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    Compute();
    CheckResult();
}

CSlippageCalculatorDlg::~CSlippageCalculatorDlg() {
    DeleteControls();
}

void CSlippageCalculatorDlg::Compute() {
    m_result = PattersonSlippage(m_inputs);
    m_plot.SetCurve(ComputeSlippageCurve(m_inputs));
    RefreshControls();
    m_plotWnd->Invalidate();
}

CheckMessages CSlippageCalculatorDlg::CheckResult() {
    CheckMessages messages =
        CheckSlippageResult(m_inputs, m_result, CalculatorTexts::FromStringTable());
    m_use->setEnabled(messages.IsEmpty());
    return messages;
}

bool CSlippageCalculatorDlg::Calculate() {
    if (!CommitEdits()) {
        return false;
    }
    const SlippageUnits shown{DisplayUnitOf(*m_viscosity), DisplayUnitOf(*m_plungerLength),
                              DisplayUnitOf(*m_clearance)};
    const CheckMessages invalid =
        CheckSlippageInputs(m_inputs, shown, CalculatorTexts::FromStringTable());
    if (!invalid.IsEmpty()) {
        CalculatorMessageBox::Show(this, QString::fromStdString(invalid.Text()),
                                   CalculatorMessageBox::Icon::Exclamation);
        return false;
    }
    Compute();
    const CheckMessages errors = CheckResult();
    if (!errors.IsEmpty()) {
        CalculatorMessageBox::Show(this, QString::fromStdString(errors.Text()),
                                   CalculatorMessageBox::Icon::Exclamation);
        return false;
    }
    return true;
}

void CSlippageCalculatorDlg::UseCalculation() {
    if (Calculate() && m_use->isEnabled()) {
        accept();
    }
}

std::unique_ptr<report::CReportMgr> CSlippageCalculatorDlg::MakeReport() {
    auto report = std::make_unique<report::CSlippageReportMgr>();
    report->SetViewerTitle(app::loadString(275));
    report->SetTitle(DesignTitle());
    report->SetInputs(
        Lines({app::loadString(107), app::loadString(136), app::loadString(119),
               app::loadString(122), app::loadString(126), app::loadString(270),
               app::loadString(118)}),
        Lines({ShownValue(*m_pumpDiameter), ShownValue(*m_pumpDepth), ShownValue(*m_tubingPressure),
               ShownValue(*m_intakePressure), ShownValue(*m_strokeRate),
               ShownValue(*m_displacement), ShownValue(*m_gravity)}));
    report->SetUserInputs(
        Lines({app::loadString(267), app::loadString(271), app::loadString(272)}),
        Lines({ShownValue(*m_clearance), ShownValue(*m_viscosity), ShownValue(*m_plungerLength)}));
    report->SetResults(Lines({app::loadString(268), app::loadString(273), app::loadString(132),
                              app::loadString(274)}),
                       Lines({ShownValue(*m_slippage), ShownValue(*m_pressureDifferential),
                              ShownValue(*m_efficiency) + " %", ShownValue(*m_gradient)}));
    report->SetSlippagePlot(&m_plot.Plot());
    return report;
}

void CSlippageCalculatorDlg::AfterReport() {
    m_plotWnd->Invalidate();
}

}  // namespace calc
