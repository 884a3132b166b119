#pragma once

#include "report/report.h"
#include "report/report_mgr.h"

#include <functional>
#include <string>

#include <QDialog>

class QPushButton;

namespace report {

class CPageViewerWnd;

/// The modal preview of a report: the page viewer filling the window, with Print, Export PDF,
/// Zoom In and Zoom Out along the top.
class CReportsDlg : public QDialog {
    Q_OBJECT

public:
    /// Chooses the target of the Export PDF command; an empty result cancels it.
    using PdfPathChooser = std::function<QString(QWidget* parent, const QString& suggested)>;

    CReportsDlg(CReport* report, const QString& title, QWidget* parent = nullptr);

    CPageViewerWnd* GetViewer() const { return m_viewer; }
    QPushButton* GetPrintButton() const { return m_print; }
    QPushButton* GetExportButton() const { return m_export; }
    QPushButton* GetZoomInButton() const { return m_zoomIn; }
    QPushButton* GetZoomOutButton() const { return m_zoomOut; }

    /// Prints the report through the print dialog; returns what happened.
    PrintResult PrintReport();
    /// Writes the report to a PDF file chosen with the chooser (a save dialog by default);
    /// shows a message when the file cannot be written. Returns whether a file was written.
    bool ExportPdf();
    void SetPdfPathChooser(PdfPathChooser chooser) { m_chooser = std::move(chooser); }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    CReport* m_report;
    CPageViewerWnd* m_viewer;
    QPushButton* m_print;
    QPushButton* m_export;
    QPushButton* m_zoomIn;
    QPushButton* m_zoomOut;
    PdfPathChooser m_chooser;
};

/// Shows reports in the modal preview dialog, parented to a window.
class QtReportViewer : public ReportViewer {
public:
    explicit QtReportViewer(QWidget* parent) : m_parent(parent) {}
    void ShowReport(CReport& report, const std::string& title) override;

private:
    QWidget* m_parent;
};

}  // namespace report
