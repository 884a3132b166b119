#include "calculators/qt/sinker_bar_calculator_dlg.h"

#include "app/string_table.h"
#include "calculators/qt/calculator_message_box.h"
#include "report/sinker_bar_weight_report_mgr.h"
#include "units/data_object.h"
#include "units/qt/ex_edit.h"
#include "units/qt/ex_static.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace calc {
namespace {

QString Text(int id) {
    return QString::fromStdString(app::loadString(id));
}

}  // namespace

CSinkerBarCalculatorDlg::CSinkerBarCalculatorDlg(const SinkerBarCase& sinker,
                                                 double tubingInnerDiameter,
                                                 const std::string& designTitle, QWidget* parent)
    : CCalculatorDlg(Text(252), designTitle, parent),
      m_inputs(sinker),
      m_tubingInnerDiameter(tubingInnerDiameter) {
    m_pumpDiameter = &AddDataObject("m_pDataObjPumpDiameter", app::loadString(107),
                                    "SMALL_LENGTH_2", &m_inputs.m_pumpDiameter);
    m_pumpDepth =
        &AddDataObject("m_pDataObjPumpDepth", app::loadString(136), "DEPTH", &m_inputs.m_pumpDepth);
    auto& gravity = AddDataObject("m_pDataObjFluidSpecificGravity", app::loadString(118),
                                  "FLUID_SPECIFIC_GRAVITY", &m_inputs.m_fluidSpecificGravity);
    m_sinkerBarDiameter = &AddDataObject("m_pDataObjSinkerBarDiameter", app::loadString(253),
                                         "SMALL_LENGTH_2", &m_inputs.m_sinkerBarDiameter);
    auto& factor = AddPlainDataObject("m_pDataObjSinkerBarFactor", app::loadString(254),
                                      &m_result.m_factor, "COEFFICIENTS");
    m_requiredWeight = &AddDataObject("m_pDataObjRequiredSinkerBarWeight", app::loadString(255),
                                      "SMALL_WEIGHT", &m_result.m_requiredWeight);
    m_requiredLength = &AddDataObject("m_pDataObjRequiredSinkerBarLength", app::loadString(256),
                                      "DEPTH", &m_result.m_requiredLength);
    m_recommendedWeight =
        &AddDataObject("m_pDataObjRecommendedSinkerBarWeight", app::loadString(264), "SMALL_WEIGHT",
                       &m_result.m_recommendedWeight);
    m_recommendedLength =
        &AddDataObject("m_pDataObjRecommendedSinkerBarLength", app::loadString(259), "DEPTH",
                       &m_result.m_recommendedLength);

    auto* columns = new QHBoxLayout;
    auto* inputs = new QGridLayout;
    AddEditRow(inputs, 0, Text(107), *m_pumpDiameter);
    m_depthEdit = AddEditRow(inputs, 1, Text(136), *m_pumpDepth);
    AddEditRow(inputs, 2, Text(118), gravity);
    m_diameterEdit = AddEditRow(inputs, 3, Text(253), *m_sinkerBarDiameter);
    auto* outputs = new QGridLayout;
    AddResultRow(outputs, 0, Text(254), factor);
    AddResultRow(outputs, 1, Text(255), *m_requiredWeight);
    AddResultRow(outputs, 2, Text(256), *m_requiredLength);
    m_recommendedWeightLabel = AddResultRow(outputs, 3, Text(264), *m_recommendedWeight);
    m_recommendedLengthLabel = AddResultRow(outputs, 4, Text(259), *m_recommendedLength);
    columns->addLayout(inputs);
    columns->addSpacing(16);
    columns->addLayout(outputs);
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
    connect(m_use, &QPushButton::clicked, this, &CSinkerBarCalculatorDlg::UseCalculation);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    Compute();
}

CSinkerBarCalculatorDlg::~CSinkerBarCalculatorDlg() {
    DeleteControls();
}

void CSinkerBarCalculatorDlg::Compute() {
    m_result = SinkerBarSizing(m_inputs);
    RefreshControls();
}

bool CSinkerBarCalculatorDlg::Calculate() {
    if (!CommitEdits()) {
        return false;
    }
    if (auto message = CheckSinkerBarDiameter(m_inputs.m_sinkerBarDiameter, m_tubingInnerDiameter,
                                              CalculatorTexts::FromStringTable())) {
        CalculatorMessageBox::Show(this, QString::fromStdString(*message),
                                   CalculatorMessageBox::Icon::Exclamation);
        return false;
    }
    Compute();
    return true;
}

void CSinkerBarCalculatorDlg::UseCalculation() {
    if (Calculate()) {
        accept();
    }
}

std::unique_ptr<report::CReportMgr> CSinkerBarCalculatorDlg::MakeReport() {
    auto report = std::make_unique<report::CSinkerBarWeightReportMgr>();
    report->SetViewerTitle(app::loadString(252));
    report->SetTitle(DesignTitle());
    report->SetInputs(
        app::loadString(107) + "\n" + app::loadString(136) + "\n" + app::loadString(253),
        ShownValue(*m_pumpDiameter) + "\n" + ShownValue(*m_pumpDepth) + "\n" +
            ShownValue(*m_sinkerBarDiameter));
    const std::string labels = app::loadString(262) + "\n" + app::loadString(263);
    report->SetRequired(labels,
                        ShownValue(*m_requiredWeight) + "\n" + ShownValue(*m_requiredLength));
    report->SetRecommended(
        labels, ShownValue(*m_recommendedWeight) + "\n" + ShownValue(*m_recommendedLength));
    return report;
}

}  // namespace calc
