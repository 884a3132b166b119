#include "report/qt/reports_dlg.h"

#include "app/string_table.h"
#include "plot/qt/qt_string.h"
#include "report/qt/page_viewer_wnd.h"
#include "report/qt/pdf_report_printer.h"
#include "report/qt/qt_report_printer.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QResizeEvent>
#include <QWheelEvent>

namespace report {

namespace {

constexpr int kButtonWidth = 90;
constexpr int kButtonHeight = 26;
constexpr int kViewerTop = 41;

QString Text(int id) {
    return plot::toQString(app::loadString(id));
}

}  // namespace

CReportsDlg::CReportsDlg(CReport* report, const QString& title, QWidget* parent)
    : QDialog(parent), m_report(report) {
    setObjectName(QStringLiteral("Reports"));
    setWindowTitle(title);
    setSizeGripEnabled(true);
    resize(972, 860);

    m_print = new QPushButton(Text(320), this);
    m_print->setObjectName(QStringLiteral("print"));
    m_print->setGeometry(15, 10, kButtonWidth, kButtonHeight);
    // Beyond printing, the same page can be written to a PDF file.
    m_export = new QPushButton(QStringLiteral("Export PDF..."), this);
    m_export->setObjectName(QStringLiteral("exportPdf"));
    m_export->setGeometry(15 + kButtonWidth + 12, 10, kButtonWidth + 10, kButtonHeight);
    m_zoomIn = new QPushButton(Text(381), this);
    m_zoomIn->setObjectName(QStringLiteral("zoomIn"));
    m_zoomOut = new QPushButton(Text(382), this);
    m_zoomOut->setObjectName(QStringLiteral("zoomOut"));
    for (QPushButton* button : {m_print, m_export, m_zoomIn, m_zoomOut}) {
        button->setAutoDefault(false);
    }

    m_viewer = new CPageViewerWnd(this);
    m_viewer->setObjectName(QStringLiteral("viewer"));
    m_viewer->SetReport(report);

    connect(m_print, &QPushButton::clicked, this, [this] { PrintReport(); });
    connect(m_export, &QPushButton::clicked, this, [this] { ExportPdf(); });
    connect(m_zoomIn, &QPushButton::clicked, this, [this] { m_viewer->ZoomIn(); });
    connect(m_zoomOut, &QPushButton::clicked, this, [this] { m_viewer->ZoomOut(); });

    m_chooser = [](QWidget* owner, const QString& suggested) {
        return QFileDialog::getSaveFileName(owner, QStringLiteral("Export PDF"), suggested,
                                            QStringLiteral("PDF files (*.pdf)"));
    };
    m_viewer->setFocus();
}

void CReportsDlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    const int w = width();
    m_zoomOut->setGeometry(w - kButtonWidth - 12, 10, kButtonWidth, kButtonHeight);
    m_zoomIn->setGeometry(w - 2 * kButtonWidth - 24, 10, kButtonWidth, kButtonHeight);
    m_viewer->setGeometry(0, kViewerTop, w, std::max(0, height() - kViewerTop));
}

void CReportsDlg::wheelEvent(QWheelEvent* event) {
    // Wheel turns over the buttons go to the pages too.
    m_viewer->setFocus();
    QApplication::sendEvent(m_viewer, event);
}

PrintResult CReportsDlg::PrintReport() {
    if (m_report == nullptr) {
        return PrintResult::kNoPages;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    QtReportPrinter target(printer, this, true);
    const PrintResult result = m_report->Print(target);
    m_viewer->Refresh();
    return result;
}

bool CReportsDlg::ExportPdf() {
    if (m_report == nullptr || m_report->GetPageCount() == 0) {
        return false;
    }
    const QString path = m_chooser(this, plot::toQString(m_report->GetName() + ".pdf"));
    if (path.isEmpty()) {
        return false;
    }
    std::string error;
    const bool written = WriteReportPdf(*m_report, plot::fromQString(path), &error);
    m_viewer->Refresh();
    if (!written) {
        QMessageBox::warning(this, Text(238), plot::toQString(error));
    }
    return written;
}

void QtReportViewer::ShowReport(CReport& report, const std::string& title) {
    CReportsDlg dialog(&report, plot::toQString(title), m_parent);
    dialog.exec();
}

}  // namespace report
