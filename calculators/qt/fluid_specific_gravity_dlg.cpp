#include "calculators/qt/fluid_specific_gravity_dlg.h"

#include "app/string_table.h"
#include "calculators/qt/calculator_message_box.h"
#include "report/fluid_specific_gravity_report_mgr.h"
#include "units/data_object.h"
#include "units/qt/ex_edit.h"
#include "units/qt/ex_static.h"

#include <QFrame>
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

CFluidSpecificGravityDlg::CFluidSpecificGravityDlg(const FluidSpecificGravityCase& fluid,
                                                   double fluidSpecificGravity,
                                                   const std::string& designTitle, QWidget* parent)
    : CCalculatorDlg(Text(243), designTitle, parent),
      m_fluid(fluid),
      m_fluidSpecificGravity(fluidSpecificGravity) {
    m_oilGravity = &AddDataObject("m_pDataObjOilGravity", app::loadString(244), "OIL_GRAVITY",
                                  &m_fluid.m_oilGravity);
    m_waterCut =
        &AddPlainDataObject("m_pDataObjWaterCut", app::loadString(245), &m_fluid.m_waterCut);
    m_waterGravity = &AddDataObject("m_pDataObjWaterSpecificGravity", app::loadString(246),
                                    "H2O_GRAVITY", &m_fluid.m_waterSpecificGravity);
    m_result = &AddDataObject("m_pDataObjFluidSpecificGravity", app::loadString(118),
                              "FLUID_SPECIFIC_GRAVITY", &m_fluidSpecificGravity);

    auto* inputs = new QGridLayout;
    m_oilGravityEdit = AddEditRow(inputs, 0, Text(244), *m_oilGravity);
    m_waterCutEdit = AddEditRow(inputs, 1, Text(245), *m_waterCut, QStringLiteral("%"));
    m_waterGravityEdit = AddEditRow(inputs, 2, Text(246), *m_waterGravity);
    Body()->addLayout(inputs);

    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);
    Body()->addWidget(separator);

    auto* result = new QGridLayout;
    m_resultLabel = AddResultRow(result, 0, Text(118), *m_result);
    Body()->addLayout(result);

    auto* buttons = new QHBoxLayout;
    m_calculate = new QPushButton(Text(129), this);
    m_use = new QPushButton(Text(251), this);
    m_cancel = new QPushButton(Text(230), this);
    buttons->addWidget(m_calculate);
    buttons->addWidget(m_use);
    buttons->addWidget(m_cancel);
    Body()->addLayout(buttons);
    connect(m_calculate, &QPushButton::clicked, this, [this] { Calculate(); });
    connect(m_use, &QPushButton::clicked, this, &CFluidSpecificGravityDlg::UseCalculation);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    m_fluidSpecificGravity = ComputeFluidSpecificGravity(m_fluid);
    RefreshControls();
}

CFluidSpecificGravityDlg::~CFluidSpecificGravityDlg() {
    DeleteControls();
}

bool CFluidSpecificGravityDlg::Calculate() {
    if (!CommitEdits()) {
        return false;
    }
    FluidSpecificGravityUnits shown{DisplayUnitOf(*m_oilGravity), DisplayUnitOf(*m_waterGravity)};
    const CheckMessages messages =
        CheckFluidSpecificGravityInputs(m_fluid, shown, CalculatorTexts::FromStringTable());
    if (!messages.IsEmpty()) {
        CalculatorMessageBox::Show(this, QString::fromStdString(messages.Text()),
                                   CalculatorMessageBox::Icon::Exclamation);
        return false;
    }
    m_fluidSpecificGravity = ComputeFluidSpecificGravity(m_fluid);
    RefreshControls();
    return true;
}

void CFluidSpecificGravityDlg::UseCalculation() {
    if (Calculate()) {
        accept();
    }
}

std::unique_ptr<report::CReportMgr> CFluidSpecificGravityDlg::MakeReport() {
    auto report = std::make_unique<report::CFluidSpecificGravityReportMgr>();
    report->SetViewerTitle(app::loadString(243));
    report->SetTitle(DesignTitle());
    const std::string labels =
        app::loadString(244) + "\n" + app::loadString(245) + "\n" + app::loadString(246);
    const std::string values = ShownValue(*m_oilGravity) + "\n" +
                               m_waterCut->GetText(units::Cell(), units::kTextValue) + " %\n" +
                               ShownValue(*m_waterGravity);
    report->SetInputs(labels, values);
    report->SetResult(app::loadString(118), ShownValue(*m_result));
    return report;
}

}  // namespace calc
