#include "calculators/qt/tubing_anchor_catcher_dlg.h"

#include "app/string_table.h"
#include "calculators/qt/calculator_message_box.h"
#include "engine/tubing_table.h"
#include "plot/qt/plot_wnd.h"
#include "report/anchored_tubing_report_mgr.h"
#include "units/data_object.h"
#include "units/qt/control_binding.h"
#include "units/qt/ex_edit.h"
#include "units/qt/ex_static.h"
#include "units/qt/units_ctrl.h"

#include <algorithm>
#include <cstdio>

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

namespace calc {
namespace {

QString Text(int id) {
    return QString::fromStdString(app::loadString(id));
}

struct InputRow {
    int label;        // string-table identifier
    int description;  // the label used in validation messages
    const char* category;
    const char* name;
};

// The 27 inputs in saved order.
// clang-format off
constexpr InputRow kInputs[kAnchorInputCount] = {
    {279, 279, "SMALL_LENGTH",         "m_pDataObjBitSize"},
    {280, 107, "SMALL_LENGTH",         "m_pDataObjPumpDiameter"},
    {281, 136, "DEPTH",                "m_pDataObjPumpDepth"},
    {282, 282, "DEPTH",                "m_pDataObjPerfDepth"},
    {283, 283, "DEPTH",                "m_pDataObjTubingDepth"},
    {284, 284, "DEPTH",                "m_pDataObjTubingAnchorDepth"},
    {286, 286, "FLOWRATE",             "m_pDataObjOilRate"},
    {287, 287, "FLOWRATE",             "m_pDataObjWaterRate"},
    {288, 288, "BARREL_SIZE",          "m_pDataObjFormationGOR"},
    {289, 289, "OIL_GRAVITY",          "m_pDataObjOilGravity"},
    {290, 290, "H2O_GRAVITY",          "m_pDataObjWaterSpecificGravity"},
    {291, 291, "GASGRAVITY",           "m_pDataObjGasSpecificGravity"},
    {292, 292, "GAS_RATE",             "m_pDataObjGasInjection"},
    {293, 293, "DEPTH",                "m_pDataObjStaticFluidLevel"},
    {294, 294, "DEPTH",                "m_pDataObjWorkingFluidLevel"},
    {304, 304, "TEMPERATURE",          "m_pDataObjBottomHoleTemp"},
    {305, 305, "TEMPERATURE",          "m_pDataObjDeltaSurfaceTempInput"},
    {306, 306, "TEMPERATURE_GRADIENT", "m_pDataObjGeothermalGradient"},
    {307, 307, "TEMPERATURE",          "m_pDataObjWellheadTemp"},
    {311, 311, "THERMAL_CONDUCTIVITY", "m_pDataObjEarthConductivity"},
    {312, 312, "THERMAL_CONDUCTIVITY", "m_pDataObjCementConductivity"},
    {313, 313, "THERMAL_CONDUCTIVITY", "m_pDataObjOilConductivity"},
    {314, 314, "THERMAL_CONDUCTIVITY", "m_pDataObjWaterConductivity"},
    {315, 315, "THERMAL_CONDUCTIVITY", "m_pDataObjGasConductivity"},
    {317, 119, "DIFFERENTIALPRESSURE", "m_pDataObjTubingPressure"},
    {318, 120, "DIFFERENTIALPRESSURE", "m_pDataObjCasingPressure"},
    {319, 274, "PRESS_GRADIENT",       "m_pDataObjTubingFluidGradient"},
};

struct ResultRow {
    int label;
    const char* category;
    const char* name;
};

// The 14 results in saved order.
constexpr ResultRow kResults[kAnchorResultCount] = {
    {324, "TEMPERATURE",  "m_pDataObjAmbientSurfTemp"},
    {305, "TEMPERATURE",  "m_pDataObjDeltaSurfTemp"},
    {325, "TEMPERATURE",  "m_pDataObjFluidSurfTemp"},
    {326, "NONE",         "m_pDataObjLabinskiFactor"},
    {330, "SMALL_WEIGHT", "m_pDataObjFluidLoadOnTubingWeight"},
    {331, "SMALL_WEIGHT", "m_pDataObjThermalExpansionWeight"},
    {332, "SMALL_WEIGHT", "m_pDataObjFluidLevelChangesWeight"},
    {120, "SMALL_WEIGHT", "m_pDataObjCasingPressureEffectsWeight"},
    {334, "SMALL_WEIGHT", "m_pDataObjTotalWeight"},
    {330, "SMALL_LENGTH", "m_pDataObjFluidLoadOnTubingLength"},
    {331, "SMALL_LENGTH", "m_pDataObjThermalExpansionLength"},
    {332, "SMALL_LENGTH", "m_pDataObjFluidLevelChangesLength"},
    {120, "SMALL_LENGTH", "m_pDataObjCasingPressureEffectsLength"},
    {334, "SMALL_LENGTH", "m_pDataObjTotalLength"},
};
// clang-format on

// Inputs of each group box, first and one past the last.
struct Group {
    int title;
    std::size_t first;
    std::size_t last;
};
constexpr Group kWellDimensions{309, 0, 6};
constexpr Group kWellFluids{285, 6, 15};
constexpr Group kTemperatures{303, 15, 19};
constexpr Group kConductivities{310, 19, 24};
constexpr Group kPressures{316, 24, 27};

constexpr int kEntryColumnWidth = 70;  // pixels between entry columns
constexpr int kEntryRowHeight = 16;    // pixels between entry rows
constexpr int kEntriesPerColumn = 3;

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            text += "\n";
        }
        text += lines[i];
    }
    return text;
}

}  // namespace

QString CTubingAnchorCatcherDlg::TubingRowText(std::int32_t row) {
    const auto& rows = ZelkEngine::TubingSizes();
    if (row < 0 || static_cast<std::size_t>(row) >= rows.size()) {
        return QString();
    }
    const ZelkEngine::TubingSize& size = rows[static_cast<std::size_t>(row)];
    char text[96];
    std::snprintf(text, sizeof text, "%.3f\" (%.2f lb/ft) %.3f\" ID", size.m_outerDiameter,
                  size.m_nominalWeight, size.m_innerDiameter);
    // The sizes are shown with a decimal point whatever the process locale.
    return QString::fromLatin1(text).replace(QLatin1Char(','), QLatin1Char('.'));
}

CTubingAnchorCatcherDlg::CTubingAnchorCatcherDlg(const TubingAnchorOpening& opening,
                                                 const std::vector<double>* savedList,
                                                 const std::string& designTitle, QWidget* parent)
    : CCalculatorDlg(Text(277), designTitle, parent),
      m_state(TubingAnchorState::Defaults(opening)) {
    if (savedList != nullptr && !savedList->empty()) {
        m_state.Restore(*savedList);
    }
    for (std::size_t i = 0; i < kAnchorInputCount; ++i) {
        m_inputObjects.push_back(&AddDataObject(kInputs[i].name,
                                                app::loadString(kInputs[i].description),
                                                kInputs[i].category, &m_state.m_inputs[i]));
    }
    for (std::size_t i = 0; i < kAnchorResultCount; ++i) {
        m_resultObjects.push_back(&AddDataObject(kResults[i].name,
                                                 app::loadString(kResults[i].label),
                                                 kResults[i].category, &m_state.m_results[i]));
    }
    m_depthObject = &AddDataObject("m_pDataObjDepth", app::loadString(300), "DEPTH", &m_depthToAdd);
    m_depthObject->SetFromText(std::string());  // the Depth edit starts empty

    auto* columns = new QHBoxLayout;
    auto* left = new QWidget(this);
    BuildInputs(left);
    columns->addWidget(left);
    auto* right = new QWidget(this);
    BuildResults(right);
    columns->addWidget(right, 1);
    Body()->addLayout(columns, 1);
    BuildDepths();

    PrintAction()->setEnabled(false);
    PrintPreviewAction()->setEnabled(false);
    m_resultsArea->setVisible(false);
    RefreshControls();
    SyncDepthEntries();
    units::RegisterBinding(&m_refresher, this, m_depthObject);
}

CTubingAnchorCatcherDlg::~CTubingAnchorCatcherDlg() {
    units::UnregisterBinding(&m_refresher);
    DeleteControls();
}

bool CTubingAnchorCatcherDlg::DepthEntriesRefresher::refreshFromData() {
    m_dialog.SyncDepthEntries();
    return true;
}

void CTubingAnchorCatcherDlg::BuildInputs(QWidget* left) {
    m_inputEdits.assign(kAnchorInputCount, nullptr);
    auto* layout = new QGridLayout(left);
    layout->setContentsMargins(0, 0, 0, 0);
    auto addGroup = [this](const Group& group, QGridLayout* grid, int firstRow) {
        for (std::size_t i = group.first; i < group.last; ++i) {
            m_inputEdits[i] = AddEditRow(grid, firstRow + static_cast<int>(i - group.first),
                                         Text(kInputs[i].label), *m_inputObjects[i]);
        }
    };

    auto* dimensions = new QGroupBox(Text(kWellDimensions.title), left);
    auto* dimensionsGrid = new QGridLayout(dimensions);
    m_tubingList = new QComboBox(dimensions);
    m_casingList = new QComboBox(dimensions);
    for (std::int32_t row = 0; row < ZelkEngine::kTubingSizeCount; ++row) {
        m_tubingList->addItem(TubingRowText(row));
        m_casingList->addItem(TubingRowText(row));
    }
    m_tubingList->setCurrentIndex(m_state.m_tubingRow);
    m_casingList->setCurrentIndex(m_state.m_casingRow);
    dimensionsGrid->addWidget(new QLabel(Text(108), dimensions), 0, 0);
    dimensionsGrid->addWidget(m_tubingList, 0, 1, 1, 2);
    dimensionsGrid->addWidget(new QLabel(Text(278), dimensions), 1, 0);
    dimensionsGrid->addWidget(m_casingList, 1, 1, 1, 2);
    addGroup(kWellDimensions, dimensionsGrid, 2);

    auto* fluids = new QGroupBox(Text(kWellFluids.title), left);
    auto* fluidsGrid = new QGridLayout(fluids);
    addGroup(kWellFluids, fluidsGrid, 0);
    m_fluidFlowList = new QComboBox(fluids);
    m_fluidFlowList->addItems({Text(321), Text(322)});
    m_fluidFlowList->setCurrentIndex(static_cast<int>(m_state.m_fluidFlow));
    m_annulusList = new QComboBox(fluids);
    m_annulusList->addItems({Text(315), Text(313), Text(314), Text(323)});
    m_annulusList->setCurrentIndex(static_cast<int>(m_state.m_annulusFluid));
    const int listRow = static_cast<int>(kWellFluids.last - kWellFluids.first);
    fluidsGrid->addWidget(new QLabel(Text(295), fluids), listRow, 0);
    fluidsGrid->addWidget(m_fluidFlowList, listRow, 1, 1, 2);
    fluidsGrid->addWidget(new QLabel(Text(296), fluids), listRow + 1, 0);
    fluidsGrid->addWidget(m_annulusList, listRow + 1, 1, 1, 2);

    auto* temperatures = new QGroupBox(Text(kTemperatures.title), left);
    addGroup(kTemperatures, new QGridLayout(temperatures), 0);
    auto* conductivities = new QGroupBox(Text(kConductivities.title), left);
    addGroup(kConductivities, new QGridLayout(conductivities), 0);
    auto* pressures = new QGroupBox(Text(kPressures.title), left);
    addGroup(kPressures, new QGridLayout(pressures), 0);

    layout->addWidget(dimensions, 0, 0);
    layout->addWidget(fluids, 1, 0, 2, 1);
    layout->addWidget(temperatures, 0, 1);
    layout->addWidget(conductivities, 1, 1);
    layout->addWidget(pressures, 2, 1);
}

void CTubingAnchorCatcherDlg::BuildResults(QWidget* right) {
    m_resultLabels.assign(kAnchorResultCount, nullptr);
    auto* layout = new QVBoxLayout(right);
    layout->setContentsMargins(0, 0, 0, 0);
    m_resultsArea = new QWidget(right);
    auto* grid = new QGridLayout(m_resultsArea);
    grid->setContentsMargins(0, 0, 0, 0);
    for (std::size_t i = 0; i < 4; ++i) {
        m_resultLabels[i] =
            AddResultRow(grid, static_cast<int>(i), Text(kResults[i].label), *m_resultObjects[i]);
    }
    // The forces: one row each, pickup weight and pickup length side by side, one unit
    // selector per column in the heading row.
    const int heading = 4;
    grid->addWidget(new QLabel(Text(328), m_resultsArea), heading, 1);
    grid->addWidget(new QLabel(Text(329), m_resultsArea), heading, 3);
    auto* weightUnit = new units::CUnitsCtrl(m_resultsArea);
    weightUnit->setMinimumWidth(48);
    weightUnit->Bind(m_resultObjects[static_cast<std::size_t>(AnchorResult::TotalWeight)], this);
    auto* lengthUnit = new units::CUnitsCtrl(m_resultsArea);
    lengthUnit->setMinimumWidth(48);
    lengthUnit->Bind(m_resultObjects[static_cast<std::size_t>(AnchorResult::TotalLength)], this);
    grid->addWidget(weightUnit, heading, 2);
    grid->addWidget(lengthUnit, heading, 4);
    for (std::size_t force = 0; force < 5; ++force) {
        const std::size_t weight = 4 + force;
        const std::size_t length = 9 + force;
        const int row = heading + 1 + static_cast<int>(force);
        grid->addWidget(new QLabel(Text(kResults[weight].label), m_resultsArea), row, 0);
        for (std::size_t index : {weight, length}) {
            auto* value = new units::CExStatic(m_resultsArea);
            value->Bind(m_resultObjects[index], units::Cell(), this);
            value->setFrameShape(QFrame::Panel);
            value->setFrameShadow(QFrame::Sunken);
            value->setMinimumWidth(80);
            value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid->addWidget(value, row, index == weight ? 1 : 3);
            m_resultLabels[index] = value;
        }
    }
    layout->addWidget(m_resultsArea);

    m_plotWnd = new plot::CPlotWnd(right);
    m_plotWnd->setMinimumSize(380, 280);
    m_plotWnd->AttachPlot(&m_plot.Plot());
    layout->addWidget(m_plotWnd, 1);
}

void CTubingAnchorCatcherDlg::BuildDepths() {
    auto* group = new QGroupBox(Text(299), this);
    auto* layout = new QVBoxLayout(group);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(Text(300), group));
    m_depthEdit = new units::CExEdit(group);
    m_depthEdit->SetCommitOnEnter(true);
    m_depthEdit->Bind(m_depthObject, units::Cell(), this);
    row->addWidget(m_depthEdit);
    auto* unit = new units::CUnitsCtrl(group);
    unit->setMinimumWidth(48);
    unit->Bind(m_depthObject, this);
    row->addWidget(unit);
    m_add = new QPushButton(Text(301), group);
    m_removeAll = new QPushButton(Text(302), group);
    row->addWidget(m_add);
    row->addWidget(m_removeAll);
    row->addStretch();
    m_calculate = new QPushButton(Text(129), group);
    row->addWidget(m_calculate);
    layout->addLayout(row);

    m_depthScroll = new QScrollArea(group);
    m_depthEntries = new QWidget;
    m_depthScroll->setWidget(m_depthEntries);
    m_depthScroll->setFixedHeight(kEntriesPerColumn * kEntryRowHeight + 24);
    m_depthScroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(m_depthScroll);
    Body()->addWidget(group);

    connect(m_add, &QPushButton::clicked, this, &CTubingAnchorCatcherDlg::AddDepth);
    connect(m_removeAll, &QPushButton::clicked, this, &CTubingAnchorCatcherDlg::RemoveAllDepths);
    connect(m_calculate, &QPushButton::clicked, this, [this] { Calculate(); });
}

void CTubingAnchorCatcherDlg::SyncDepthEntries() {
    const std::vector<double>& depths = m_state.m_depths.Values();
    while (m_entries.size() > depths.size()) {
        delete m_entries.back();
        m_entries.pop_back();
    }
    while (m_entries.size() < depths.size()) {
        const std::size_t index = m_entries.size();
        auto* entry = new QWidget(m_depthEntries);
        auto* text = new QLabel(entry);
        text->setObjectName(QStringLiteral("depthText"));
        text->setGeometry(0, 0, kEntryColumnWidth - 16, kEntryRowHeight);
        auto* remove = new QToolButton(entry);
        remove->setObjectName(QStringLiteral("depthRemove"));
        remove->setText(QStringLiteral("x"));
        remove->setGeometry(kEntryColumnWidth - 16, 1, 14, kEntryRowHeight - 2);
        connect(remove, &QToolButton::clicked, this, [this, index] { RemoveDepth(index); });
        entry->setGeometry(static_cast<int>(index) / kEntriesPerColumn * kEntryColumnWidth,
                           static_cast<int>(index) % kEntriesPerColumn * kEntryRowHeight,
                           kEntryColumnWidth, kEntryRowHeight);
        entry->show();
        m_entries.push_back(entry);
    }
    // Depths are shown in the display unit of the depth edit's category.
    for (std::size_t i = 0; i < depths.size(); ++i) {
        const std::string text = m_depthObject->FormatValue(m_depthObject->ToDisplay(depths[i]));
        m_entries[i]
            ->findChild<QLabel*>(QStringLiteral("depthText"))
            ->setText(QString::fromStdString(text));
    }
    const int columns =
        (static_cast<int>(depths.size()) + kEntriesPerColumn - 1) / kEntriesPerColumn;
    m_depthEntries->resize(std::max(1, columns) * kEntryColumnWidth,
                           kEntriesPerColumn * kEntryRowHeight);
}

std::vector<QString> CTubingAnchorCatcherDlg::DepthEntryTexts() const {
    std::vector<QString> texts;
    for (QWidget* entry : m_entries) {
        texts.push_back(entry->findChild<QLabel*>(QStringLiteral("depthText"))->text());
    }
    return texts;
}

QToolButton* CTubingAnchorCatcherDlg::DepthRemoveButton(std::size_t index) const {
    return index < m_entries.size()
               ? m_entries[index]->findChild<QToolButton*>(QStringLiteral("depthRemove"))
               : nullptr;
}

void CTubingAnchorCatcherDlg::AfterDepthChange() {
    SyncDepthEntries();
    if (m_calculated) {
        Calculate();
    }
}

void CTubingAnchorCatcherDlg::AddDepth() {
    if (!m_depthEdit->commitEdit(true, true) || !m_depthObject->HasValue()) {
        return;  // refused, or nothing typed
    }
    if (m_state.m_depths.Add(m_depthToAdd)) {
        AfterDepthChange();
    }
}

void CTubingAnchorCatcherDlg::RemoveDepth(std::size_t index) {
    if (m_state.m_depths.RemoveAt(index)) {
        AfterDepthChange();
    }
}

void CTubingAnchorCatcherDlg::RemoveAllDepths() {
    m_state.m_depths.RemoveAll();
    AfterDepthChange();
}

void CTubingAnchorCatcherDlg::TakeLists() {
    m_state.m_tubingRow = m_tubingList->currentIndex();
    m_state.m_casingRow = m_casingList->currentIndex();
    m_state.m_fluidFlow = static_cast<FluidFlow>(m_fluidFlowList->currentIndex());
    m_state.m_annulusFluid = static_cast<AnnulusFluid>(m_annulusList->currentIndex());
}

bool CTubingAnchorCatcherDlg::Calculate() {
    if (!CommitEdits()) {
        return false;
    }
    TakeLists();
    if (auto guard = m_state.Calculate()) {
        CalculatorMessageBox::Show(this, QString::fromStdString(AnchorGuardText(*guard)),
                                   CalculatorMessageBox::Icon::Exclamation);
        return false;
    }
    m_plot.SetProfile(m_state.m_profile);
    m_plotWnd->Invalidate();
    RefreshControls();
    for (units::CExStatic* label : m_resultLabels) {
        label->refreshFromData();
    }
    m_resultsArea->setVisible(true);
    m_calculated = true;
    PrintAction()->setEnabled(true);
    PrintPreviewAction()->setEnabled(true);
    return true;
}

std::unique_ptr<report::CReportMgr> CTubingAnchorCatcherDlg::MakeReport() {
    TakeLists();
    auto report = std::make_unique<report::CAnchoredTubingReportMgr>();
    report->SetViewerTitle(app::loadString(277));
    report->SetTitle(DesignTitle());
    const auto shown = [this](std::size_t i) { return ShownValue(*m_resultObjects[i]); };
    const auto input = [this](std::size_t i) { return ShownValue(*m_inputObjects[i]); };
    report->SetResults(
        Lines({app::loadString(324), app::loadString(305), app::loadString(325),
               app::loadString(326), "", app::loadString(1190), app::loadString(330),
               app::loadString(331), app::loadString(332), app::loadString(318),
               app::loadString(334)}),
        Lines({shown(0), shown(1), shown(2), shown(3), "", app::loadString(338), shown(4), shown(5),
               shown(6), shown(7), shown(8)}),
        "\n\n\n\n\n\n" + Lines({shown(9), shown(10), shown(11), shown(12), shown(13)}));
    report->SetWellDimensions(
        Lines({app::loadString(108), app::loadString(278), app::loadString(279),
               app::loadString(280), app::loadString(281), app::loadString(282),
               app::loadString(283), app::loadString(284)}),
        Lines({TubingRowText(m_state.m_tubingRow).toStdString(),
               TubingRowText(m_state.m_casingRow).toStdString(), input(0), input(1), input(2),
               input(3), input(4), input(5)}));
    const int flowText = m_state.m_fluidFlow == FluidFlow::Annulus ? 322 : 321;
    const int annulusTexts[] = {315, 313, 314, 323};
    report->SetWellFluids(
        Lines({app::loadString(286), app::loadString(287), app::loadString(288),
               app::loadString(289), app::loadString(290), app::loadString(291),
               app::loadString(292), app::loadString(293), app::loadString(294),
               app::loadString(295), app::loadString(296)}),
        Lines({input(6), input(7), input(8), input(9), input(10), input(11), input(12), input(13),
               input(14), app::loadString(flowText),
               app::loadString(annulusTexts[static_cast<int>(m_state.m_annulusFluid)])}));
    report->SetTemperatures(Lines({app::loadString(304), app::loadString(305), app::loadString(306),
                                   app::loadString(307)}),
                            Lines({input(15), input(16), input(17), input(18)}));
    report->SetThermalConductivities(
        Lines({app::loadString(311), app::loadString(312), app::loadString(313),
               app::loadString(314), app::loadString(315)}),
        Lines({input(19), input(20), input(21), input(22), input(23)}));
    report->SetWellPressures(
        Lines({app::loadString(317), app::loadString(318), app::loadString(319)}),
        Lines({input(24), input(25), input(26)}));
    report->SetDepths(app::loadString(299) + " (ft)",
                      report::CAnchoredTubingReportMgr::FormatDepthList(m_state.m_depths.Values()));
    report->SetTemperaturePlot(&m_plot.Plot());
    return report;
}

void CTubingAnchorCatcherDlg::AfterReport() {
    m_plotWnd->Invalidate();
}

}  // namespace calc
