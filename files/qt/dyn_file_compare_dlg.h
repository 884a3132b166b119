#pragma once

#include "files/card_comparison.h"
#include "files/card_record.h"
#include "plot/plot.h"
#include "report/sucker_rod_report_content.h"
#include "units/dependent_control.h"

#include <array>
#include <functional>
#include <memory>
#include <vector>

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace plot {
class CDCLPlotWnd;
}

namespace report {
class CDynCompareReportMgr;
class ReportPrinter;
class ReportViewer;
}  // namespace report

namespace units {
class CDataObject;
class CExStatic;
class CUnitsCtrl;
}  // namespace units

namespace files {

/// The comparison of the calculated surface card with a measured one: peak load, minimum load,
/// stroke length and polished rod power of both with their difference and percent difference,
/// one unit label per row, a plot of both calculated cards and the measured card with the
/// travelling- and standing-valve load lines on request, and the comparison report.
class CDynFileCompareDlg : public QDialog {
    Q_OBJECT
public:
    /// Rows of the table in logical order (the screen shows power above stroke length).
    enum Row { kPeakLoadRow = 0, kMinimumLoadRow, kStrokeLengthRow, kPolishedRodPowerRow };

    /// `pumpPositions`/`pumpLoads` are the calculated pump card; `texts` are the design texts the
    /// comparison report prints.
    CDynFileCompareDlg(const CardRecord& predicted, const CardRecord& imported,
                       const std::vector<double>& pumpPositions,
                       const std::vector<double>& pumpLoads,
                       const report::SuckerRodReportContent& texts, QWidget* parent = nullptr);
    ~CDynFileCompareDlg() override;

    const CardComparison& comparison() const { return m_comparison; }

    /// The shown texts of a row: predicted, imported, difference (in the row's unit) and the
    /// percent difference.
    QLabel* valueLabel(int row, int column) const;
    QLabel* percentLabel(int row) const;
    units::CUnitsCtrl* unitLabel(int row) const { return m_rowUnits[static_cast<size_t>(row)]; }
    units::CUnitsCtrl* xAxisUnitLabel() const { return m_xUnit; }
    units::CUnitsCtrl* yAxisUnitLabel() const { return m_yUnit; }
    QCheckBox* loadLinesBox() const { return m_loadLines; }
    QPushButton* closeButton() const { return m_close; }
    plot::CPlot& comparisonPlot() { return m_plot; }
    plot::CDCLPlotWnd* plotWindow() const { return m_plotWnd; }

    /// Replaces the print and preview targets (tests use their own; none restores the dialog's).
    void setReportViewer(report::ReportViewer* viewer) { m_viewer = viewer; }
    void setReportPrinter(report::ReportPrinter* printer) { m_printer = printer; }

    /// Re-adds the three cards, places and shows or hides the load lines, and repaints.
    void redrawPlot();
    void onPrint();
    void onPrintPreview();
    /// The five table columns of the comparison report, header row first.
    std::array<std::vector<std::string>, 5> reportColumns() const;

private:
    class AxisLabels;

    void buildTable();
    void buildPlot();
    void rewriteAxisLabels();
    void refreshControls();
    units::CDataObject* addObject(const std::string& name, double* value, int categoryRow);
    void fillReport(report::CDynCompareReportMgr& mgr);

    CardComparison m_comparison;
    std::array<std::array<double, 3>, 4> m_values{};
    std::array<double, 4> m_loadLineValues{};
    std::vector<double> m_predictedX;
    std::vector<double> m_predictedY;
    std::vector<double> m_pumpX;
    std::vector<double> m_pumpY;
    std::vector<double> m_importedX;
    std::vector<double> m_importedY;
    report::SuckerRodReportContent m_texts;

    std::vector<std::unique_ptr<units::CDataObject>> m_objects;
    std::array<double, 2> m_axisValues{};
    std::unique_ptr<units::CDataObject> m_xAxisObject;
    std::unique_ptr<units::CDataObject> m_yAxisObject;
    std::array<units::CDataObject*, 4> m_loadLineObjects{};
    std::vector<units::DependentControl*> m_controls;
    std::array<std::array<units::CExStatic*, 3>, 4> m_valueLabels{};
    std::array<QLabel*, 4> m_percentLabels{};
    std::array<units::CUnitsCtrl*, 4> m_rowUnits{};
    units::CUnitsCtrl* m_xUnit = nullptr;
    units::CUnitsCtrl* m_yUnit = nullptr;
    std::unique_ptr<AxisLabels> m_axisLabels;
    plot::CPlot m_plot;
    plot::CDCLPlotWnd* m_plotWnd = nullptr;
    QCheckBox* m_loadLines = nullptr;
    QPushButton* m_close = nullptr;
    report::ReportViewer* m_viewer = nullptr;
    report::ReportPrinter* m_printer = nullptr;
};

}  // namespace files
