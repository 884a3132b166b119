// The main window's sucker rod report: Print Report and Print Preview.
#include "app/qt/design_input_panel.h"
#include "app/qt/message_service.h"
#include "app/qt/results_panel.h"
#include "app/qt/ui_text.h"
#include "app/qt/zelk_dlg.h"
#include "report/qt/pdf_report_printer.h"
#include "report/qt/qt_report_printer.h"
#include "report/qt/reports_dlg.h"
#include "report/sucker_rod_report_content.h"
#include "report/sucker_rod_report_mgr.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QPrinter>

namespace app {

std::unique_ptr<report::CSuckerRodReportMgr> CZelkDlg::makeReport() {
    auto mgr = std::make_unique<report::CSuckerRodReportMgr>();
    report::ApplySuckerRodReportContent(
        *mgr, report::MakeSuckerRodReportContent(designFromControls(), m_lastCase));
    mgr->SetPlots(&m_results->cardsPlot(), &m_results->velocityPlot(), &m_results->torquePlot());
    return mgr;
}

void CZelkDlg::onPrintReport() {
    if (!m_hasResults || !passesPreCalculationCheck()) {
        return;
    }
    std::unique_ptr<report::CSuckerRodReportMgr> mgr = makeReport();
    QPrinter printer(QPrinter::HighResolution);
    report::QtReportPrinter target(printer, this);
    if (mgr->Print(target) == report::PrintResult::kFailed) {
        MessageService::show(this, uiText(5235), uiText(238), MessageService::Icon::Stop);
    }
    // Printing laid the plots out for the page; give them back their window size.
    m_results->setCurves(m_lastCase.Results);
    refreshOverlayCurve();
}

void CZelkDlg::onPrintPreview() {
    if (!passesPreCalculationCheck() || !calculate()) {
        return;
    }
    std::unique_ptr<report::CSuckerRodReportMgr> mgr = makeReport();
    report::QtReportViewer viewer(this);
    mgr->Preview(viewer);
    m_results->setCurves(m_lastCase.Results);
    refreshOverlayCurve();
}

void CZelkDlg::onExportPdf() {
    if (!m_hasResults || !passesPreCalculationCheck()) {
        return;
    }
    const QString title = m_inputs->title->text().trimmed();
    const QString path = QFileDialog::getSaveFileName(
        this, QString(),
        (title.isEmpty() ? QStringLiteral("report") : title) + QStringLiteral(".pdf"),
        QStringLiteral("PDF Files (*.pdf);;All Files (*.*)"));
    if (!path.isEmpty()) {
        exportReportPdf(path);
    }
}

bool CZelkDlg::exportReportPdf(const QString& path) {
    std::unique_ptr<report::CSuckerRodReportMgr> mgr = makeReport();
    mgr->PrepareAndBuild();
    std::string error;
    const bool written = report::WriteReportPdf(mgr->GetReport(), path.toStdString(), &error);
    // Writing laid the plots out for the page; give them back their window size.
    m_results->setCurves(m_lastCase.Results);
    refreshOverlayCurve();
    if (!written) {
        MessageService::show(this, QString::fromStdString(error), uiText(238),
                             MessageService::Icon::Stop);
    }
    return written;
}

}  // namespace app
