#include "report/qt/pdf_report_printer.h"

#include "plot/qt/painter_graphics.h"
#include "plot/qt/qt_string.h"
#include "plot/qt/render_targets.h"

#include <utility>

#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace report {

PdfReportPrinter::PdfReportPrinter(std::string path, int dpi)
    : m_path(std::move(path)), m_dpi(dpi > 0 ? dpi : 300) {}

PdfReportPrinter::~PdfReportPrinter() {
    m_graphics.reset();
    if (m_painter && m_painter->isActive()) {
        m_painter->end();
    }
}

bool PdfReportPrinter::BeginDocument(const std::string& documentName) {
    plot::ensureGuiApplication();
    m_error.clear();
    m_pagesStarted = 0;
    m_writer = std::make_unique<QPdfWriter>(plot::toQString(m_path));
    m_writer->setResolution(m_dpi);
    m_writer->setPageLayout(
        QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    m_writer->setCreator(QStringLiteral("Zelk"));
    m_writer->setTitle(plot::toQString(documentName));
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(m_writer.get())) {
        m_error = "Cannot write the PDF file \"" + m_path + "\".";
        m_painter.reset();
        m_writer.reset();
        return false;
    }
    return true;
}

plot::SizeF PdfReportPrinter::PrintableSize() const {
    if (!m_writer) {
        return plot::SizeF{8.5 * m_dpi, 11.0 * m_dpi};
    }
    return plot::SizeF{static_cast<double>(m_writer->width()),
                       static_cast<double>(m_writer->height())};
}

plot::Graphics& PdfReportPrinter::BeginPage() {
    if (m_pagesStarted > 0) {
        m_writer->newPage();
    }
    ++m_pagesStarted;
    m_graphics =
        std::make_unique<plot::PainterGraphics>(*m_painter, m_writer->resolution() / 96.0, true);
    return *m_graphics;
}

void PdfReportPrinter::EndPage() {
    m_graphics.reset();
}

bool PdfReportPrinter::EndDocument() {
    m_graphics.reset();
    const bool ended = m_painter && m_painter->end();
    m_painter.reset();
    m_writer.reset();  // flushes and closes the file
    const QFileInfo written(plot::toQString(m_path));
    if (!ended || !written.exists() || written.size() == 0) {
        m_error = "Cannot write the PDF file \"" + m_path + "\".";
        return false;
    }
    return true;
}

bool WriteReportPdf(CReport& report, const std::string& path, std::string* error) {
    PdfReportPrinter printer(path);
    const PrintResult result = report.Print(printer);
    if (result == PrintResult::kPrinted) {
        return true;
    }
    if (error != nullptr) {
        *error = result == PrintResult::kNoPages ? "The report has no pages." : printer.GetError();
    }
    return false;
}

}  // namespace report
