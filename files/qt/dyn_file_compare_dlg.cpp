#include "files/qt/dyn_file_compare_dlg.h"

#include "app/string_table.h"
#include "plot/data_area.h"
#include "plot/data_area_curve.h"
#include "plot/line_annotation.h"
#include "plot/qt/dcl_plot_wnd.h"
#include "plot/standard_plot.h"
#include "plot/text_block.h"
#include "report/dyn_compare_report_mgr.h"
#include "report/qt/qt_report_printer.h"
#include "report/qt/reports_dlg.h"
#include "units/control_manager.h"
#include "units/data_object.h"
#include "units/dcl_manager.h"
#include "units/qt/ex_static.h"
#include "units/qt/units_ctrl.h"
#include "units/units_manager.h"

#include <cmath>
#include <cstdio>

#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace files {

namespace {

constexpr int kSmallWeightRow = 10;
constexpr int kSmallLengthRow = 14;
constexpr int kSmallLength2Row = 15;
constexpr int kPowerRow = 26;
constexpr std::uint32_t kPredictedColor = 0xFF0000FFu;
constexpr std::uint32_t kImportedColor = 0xFFFF00FFu;

// Dialog units of the layout turned into pixels (the plot's pixel box fits a 374-unit width).
int dx(double units) {
    return static_cast<int>(std::lround(units * 1.5));
}
int dy(double units) {
    return static_cast<int>(std::lround(units * 1.625));
}

QString text(int id) {
    return QString::fromStdString(app::loadString(id));
}

const char* const kRowNames[4] = {"PeakLoad", "MinimumLoad", "StrokeLength", "PolishedRodPower"};
const int kRowLabels[4] = {341, 342, 343, 162};
const int kRowCategories[4] = {kSmallWeightRow, kSmallWeightRow, kSmallLengthRow, kPowerRow};
// The screen shows the power row above the stroke length row.
const int kScreenPosition[4] = {0, 1, 3, 2};
const int kUnitIds[4] = {909, 913, 917, 921};

std::string percentText(double percent) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%0.1f", percent);
    return buffer;
}

}  // namespace

// Rewrites the axis labels whenever the unit of either axis changes.
class CDynFileCompareDlg::AxisLabels : public units::DependentControl {
public:
    explicit AxisLabels(CDynFileCompareDlg& dialog) : m_dialog(dialog) {}
    bool refreshFromData() override {
        m_dialog.rewriteAxisLabels();
        m_dialog.redrawPlot();
        return true;
    }

private:
    CDynFileCompareDlg& m_dialog;
};

CDynFileCompareDlg::CDynFileCompareDlg(const CardRecord& predicted, const CardRecord& imported,
                                       const std::vector<double>& pumpPositions,
                                       const std::vector<double>& pumpLoads,
                                       const report::SuckerRodReportContent& texts, QWidget* parent)
    : QDialog(parent),
      m_comparison(CompareCards(predicted, imported)),
      m_predictedX(predicted.positions),
      m_predictedY(predicted.loads),
      m_pumpX(pumpPositions),
      m_pumpY(pumpLoads),
      m_importedX(imported.positions),
      m_importedY(imported.loads),
      m_texts(texts) {
    setObjectName(QStringLiteral("dynFileCompareDlg"));
    setWindowTitle(text(354));
    // The menu bar takes the room above the plot: the dialog grows by its height.
    setFixedSize(dx(374), dy(230) + 40);
    for (std::size_t q = 0; q < 4; ++q) {
        const ComparedValue& v = m_comparison.values[q];
        m_values[q] = {v.predicted, v.imported, v.difference};
    }
    m_loadLineValues = {m_comparison.predictedTvLoad, m_comparison.predictedSvLoad,
                        m_comparison.importedTvLoad, m_comparison.importedSvLoad};

    auto* menuBar = new QMenuBar(this);
    QMenu* fileMenu = menuBar->addMenu(QStringLiteral("&File"));
    QAction* print = fileMenu->addAction(text(320));
    print->setObjectName(QStringLiteral("print"));
    QAction* preview = fileMenu->addAction(text(365));
    preview->setObjectName(QStringLiteral("printPreview"));
    fileMenu->addSeparator();
    QAction* exit = fileMenu->addAction(text(141));
    exit->setObjectName(QStringLiteral("exit"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(menuBar);
    layout->addStretch(1);
    connect(print, &QAction::triggered, this, &CDynFileCompareDlg::onPrint);
    connect(preview, &QAction::triggered, this, &CDynFileCompareDlg::onPrintPreview);
    connect(exit, &QAction::triggered, this, &QDialog::reject);

    buildTable();
    buildPlot();
    refreshControls();
    redrawPlot();
}

CDynFileCompareDlg::~CDynFileCompareDlg() {
    if (units::CControlManager* controls = units::ControlManager()) {
        controls->UnregisterControl(m_axisLabels.get());
    }
    // The controls refer to the data objects: they go before the objects do.
    for (auto& row : m_valueLabels) {
        for (units::CExStatic*& label : row) {
            delete label;
            label = nullptr;
        }
    }
    for (units::CUnitsCtrl*& unit : m_rowUnits) {
        delete unit;
        unit = nullptr;
    }
    delete m_xUnit;
    delete m_yUnit;
    delete m_plotWnd;
}

units::CDataObject* CDynFileCompareDlg::addObject(const std::string& name, double* value,
                                                  int categoryRow) {
    auto object = std::make_unique<units::CDataObject>();
    object->SetName(name);
    object->SetDescription("Description " + name);
    object->InitValue(value);
    // The values are computed in the program's internal units (lb, in, HP).
    object->SetUnits(units::CUnitsManager::InternalUnitAt(categoryRow),
                     units::CUnitsManager::CategoryKeyAt(categoryRow));
    m_objects.push_back(std::move(object));
    return m_objects.back().get();
}

void CDynFileCompareDlg::buildTable() {
    m_loadLines = new QCheckBox(text(359), this);
    m_loadLines->setObjectName(QStringLiteral("loadLines"));
    m_loadLines->setGeometry(dx(10), dy(119) + 22, dx(111), dy(10) + 4);
    m_loadLines->setChecked(false);
    connect(m_loadLines, &QCheckBox::toggled, this, [this] { redrawPlot(); });

    const int top = 22;  // below the menu bar
    const std::pair<const char*, double> headings[] = {
        {"Zelk", 140}, {"Dyn File", 197}, {"Difference", 249}, {"% Difference", 317}};
    for (const auto& [caption, x] : headings) {
        auto* heading = new QLabel(QString::fromLatin1(caption), this);
        heading->setGeometry(dx(x), top + dy(128), dx(60), dy(8) + 4);
    }
    static const char* const kPrefixes[3] = {"Zelk", "Imported", "Difference"};
    static const double kColumnsX[3] = {125, 189, 249};
    for (int q = 0; q < 4; ++q) {
        const auto slot = static_cast<std::size_t>(q);
        const int y = top + dy(146 + 16 * kScreenPosition[q]);
        auto* label = new QLabel(text(kRowLabels[q]), this);
        label->setGeometry(dx(11), y, dx(125) - 44 - dx(11), dy(8) + 4);
        std::array<units::CDataObject*, 3> objects{};
        for (std::size_t c = 0; c < 3; ++c) {
            objects[c] = addObject(std::string(kPrefixes[c]) + kRowNames[q], &m_values[slot][c],
                                   kRowCategories[q]);
            auto* value = new units::CExStatic(this);
            value->setObjectName(QStringLiteral("value%1_%2").arg(q).arg(c));
            value->setGeometry(dx(kColumnsX[c]), y, dx(34), dy(8) + 4);
            value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            value->Bind(objects[c], units::Cell(), this);
            m_valueLabels[slot][c] = value;
            m_controls.push_back(value);
        }
        // One unit label for the row: the three values share its unit.
        auto* unit = new units::CUnitsCtrl(this);
        unit->setObjectName(QStringLiteral("unit%1").arg(kUnitIds[q]));
        unit->setGeometry(dx(125) - 42, y - 1, 40, 15);
        unit->SetBackgroundColor(palette().color(QPalette::Button));
        unit->Bind(objects[0], this);
        m_rowUnits[slot] = unit;
        m_controls.push_back(unit);

        auto* percent = new QLabel(this);
        percent->setObjectName(QStringLiteral("percent%1").arg(1225 + q));
        percent->setGeometry(dx(311), y, dx(34), dy(8) + 4);
        percent->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        percent->setText(
            QString::fromStdString(percentText(m_comparison.values[slot].percentDifference)));
        m_percentLabels[slot] = percent;
        auto* sign = new QLabel(QStringLiteral("%"), this);
        sign->setGeometry(dx(353), y, dx(10), dy(8) + 4);
    }

    m_close = new QPushButton(text(353), this);
    m_close->setObjectName(QStringLiteral("close"));
    m_close->setGeometry(dx(317), top + dy(209) + 4, dx(50), dy(14));
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
}

void CDynFileCompareDlg::buildPlot() {
    auto axisObject = [this](const char* name, int row, double* value) {
        auto object = std::make_unique<units::CDataObject>();
        object->SetName(name);
        object->SetDescription(std::string("Description ") + name);
        object->SetUnits(units::CUnitsManager::InternalUnitAt(row),
                         units::CUnitsManager::CategoryKeyAt(row));
        object->InitValue(value);
        return object;
    };
    m_xAxisObject = axisObject("DynCompare X_DCL", kSmallLength2Row, &m_axisValues[0]);
    m_yAxisObject = axisObject("DynCompare Y_DCL", kSmallWeightRow, &m_axisValues[1]);
    plot::BuildStandardPlot(m_plot, m_xAxisObject.get(), m_yAxisObject.get());
    plot::AddStandardTextBlocks(m_plot, app::loadString(339), app::loadString(202),
                                app::loadString(201));

    static const char* const kLineNames[4] = {"ZelkTVLoad", "ZelkSVLoad", "ImportedTVLoad",
                                              "ImportedSVLoad"};
    plot::CDataArea* area = m_plot.FindDataArea("DataArea");
    for (std::size_t i = 0; i < 4; ++i) {
        m_loadLineObjects[i] = addObject(std::string("DataObj") + kLineNames[i],
                                         &m_loadLineValues[i], kSmallWeightRow);
        auto line = std::make_unique<plot::CLineAnnotation>(
            std::string(kLineNames[i]) + "Annotation", 0.0,
            m_loadLineObjects[i]->ToDisplay(m_loadLineValues[i]));
        line->GetLabel().text.clear();
        line->SetColor(i < 2 ? kPredictedColor : kImportedColor);
        line->SetVisible(0);
        if (area != nullptr) {
            area->AddObject(std::move(line));
        }
    }

    const int top = 22;
    m_plotWnd = new plot::CDCLPlotWnd(this);
    m_plotWnd->setObjectName(QStringLiteral("comparisonPlot"));
    m_plotWnd->setGeometry(16, top + 5, 544 - 16, 180 - 5);
    m_plotWnd->AttachPlot(&m_plot);

    m_yUnit = new units::CUnitsCtrl(this);
    m_yUnit->setObjectName(QStringLiteral("yAxisUnit"));
    m_yUnit->setGeometry(18, top + 8, 40, 15);
    m_yUnit->Bind(m_yAxisObject.get(), this);
    m_xUnit = new units::CUnitsCtrl(this);
    m_xUnit->setObjectName(QStringLiteral("xAxisUnit"));
    m_xUnit->setGeometry(544 - 60, top + 180 - 20, 40, 15);
    m_xUnit->Bind(m_xAxisObject.get(), this);
    m_controls.push_back(m_xUnit);
    m_controls.push_back(m_yUnit);

    m_axisLabels = std::make_unique<AxisLabels>(*this);
    if (units::CControlManager* controls = units::ControlManager()) {
        controls->RegisterControl(m_xAxisObject->GetCategory(), m_axisLabels.get());
        controls->RegisterControl(m_yAxisObject->GetCategory(), m_axisLabels.get());
    }
    rewriteAxisLabels();
}

void CDynFileCompareDlg::rewriteAxisLabels() {
    auto label = [](int id, const units::CDataObject& object) {
        return app::loadString(id) + " (" + units::CategoryUnitSymbol(object.GetCategory()) + ")";
    };
    if (plot::CTextBlock* y = m_plot.FindTextBlock("YLabel")) {
        y->SetText(label(201, *m_yAxisObject));
    }
    if (plot::CTextBlock* x = m_plot.FindTextBlock("XLabel")) {
        x->SetText(label(202, *m_xAxisObject));
    }
}

void CDynFileCompareDlg::refreshControls() {
    for (units::DependentControl* control : m_controls) {
        control->refreshFromData();
    }
}

void CDynFileCompareDlg::redrawPlot() {
    auto put = [this](const char* name, const std::vector<double>& x, const std::vector<double>& y,
                      std::uint32_t color) {
        // Points that are not numbers cannot be drawn and would spoil the automatic ranges.
        std::vector<double> xs;
        std::vector<double> ys;
        for (std::size_t i = 0; i < x.size() && i < y.size(); ++i) {
            if (std::isfinite(x[i]) && std::isfinite(y[i])) {
                xs.push_back(x[i]);
                ys.push_back(y[i]);
            }
        }
        if (plot::CDataAreaCurve* curve =
                plot::ReplaceCurve(m_plot, name, xs, ys, kSmallLength2Row, kSmallWeightRow)) {
            curve->SetColor(color);
        }
    };
    put("ZelkCurve", m_predictedX, m_predictedY, kPredictedColor);
    put("ZelkCurve2", m_pumpX, m_pumpY, kPredictedColor);
    put("ImportedCurve", m_importedX, m_importedY, kImportedColor);

    const bool shown = m_loadLines != nullptr && m_loadLines->isChecked();
    if (plot::CDataArea* area = m_plot.FindDataArea("DataArea")) {
        static const char* const kNames[4] = {"ZelkTVLoadAnnotation", "ZelkSVLoadAnnotation",
                                              "ImportedTVLoadAnnotation",
                                              "ImportedSVLoadAnnotation"};
        for (std::size_t i = 0; i < 4; ++i) {
            auto* line = dynamic_cast<plot::CLineAnnotation*>(area->FindObject(kNames[i]));
            if (line == nullptr) {
                continue;
            }
            // The lines stand at the load in the unit the axis shows now.
            line->SetIntercept(m_loadLineObjects[i]->ToDisplay(m_loadLineValues[i]));
            line->SetVisible(shown ? 1 : 0);
        }
    }
    if (m_plotWnd != nullptr) {
        m_plotWnd->Layout();
        m_plotWnd->Invalidate();
    }
}

QLabel* CDynFileCompareDlg::valueLabel(int row, int column) const {
    return m_valueLabels[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

QLabel* CDynFileCompareDlg::percentLabel(int row) const {
    return m_percentLabels[static_cast<std::size_t>(row)];
}

std::array<std::vector<std::string>, 5> CDynFileCompareDlg::reportColumns() const {
    std::array<std::vector<std::string>, 5> columns;
    columns[0].push_back("");
    columns[1].push_back("Zelk");
    columns[2].push_back(app::loadString(265));
    columns[3].push_back(app::loadString(308));
    columns[4].push_back("%");
    for (std::size_t q = 0; q < 4; ++q) {
        const units::CDataObject* unitObject = m_valueLabels[q][0]->GetDataObject();
        columns[0].push_back(app::loadString(kRowLabels[q]) + " (" +
                             units::CategoryUnitSymbol(unitObject->GetCategory()) + ")");
        for (std::size_t c = 0; c < 3; ++c) {
            columns[c + 1].push_back(m_valueLabels[q][c]->GetDataObject()->GetText());
        }
        columns[4].push_back(percentText(m_comparison.values[q].percentDifference));
    }
    return columns;
}

void CDynFileCompareDlg::fillReport(report::CDynCompareReportMgr& mgr) {
    mgr.SetViewerTitle(m_texts.viewerTitle);
    mgr.SetTitle(m_texts.title);
    mgr.SetResults(m_texts.resultsLabels, m_texts.resultsValues);
    mgr.SetDesign(m_texts.designLabels, m_texts.designValues);
    mgr.SetDefaults(m_texts.defaultLabels, m_texts.defaultValues);
    mgr.SetFooter(m_texts.footerLeft, m_texts.footerCenter, m_texts.footerRight);
    mgr.SetFiberglassRows(m_texts.fiberglassRows);
    mgr.SetCardPlot(&m_plot);
    const auto columns = reportColumns();
    for (int j = 0; j < 5; ++j) {
        mgr.SetTableColumn(j, columns[static_cast<std::size_t>(j)]);
    }
}

void CDynFileCompareDlg::onPrint() {
    report::CDynCompareReportMgr mgr;
    fillReport(mgr);
    if (m_printer != nullptr) {
        mgr.Print(*m_printer);
    } else {
        QPrinter printer(QPrinter::HighResolution);
        report::QtReportPrinter target(printer, this);
        mgr.Print(target);
    }
    // Printing laid the plot out for the page; give it back its window size.
    redrawPlot();
}

void CDynFileCompareDlg::onPrintPreview() {
    report::CDynCompareReportMgr mgr;
    fillReport(mgr);
    if (m_viewer != nullptr) {
        mgr.Preview(*m_viewer);
    } else {
        report::QtReportViewer viewer(this);
        mgr.Preview(viewer);
    }
    redrawPlot();
}

}  // namespace files
