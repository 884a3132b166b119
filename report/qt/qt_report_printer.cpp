#include "report/qt/qt_report_printer.h"

#include "plot/qt/painter_graphics.h"
#include "plot/qt/qt_string.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace report {

QtReportPrinter::QtReportPrinter(QPrinter& printer, QWidget* dialogParent, bool askUser)
    : m_printer(printer), m_dialogParent(dialogParent), m_askUser(askUser) {}

QtReportPrinter::~QtReportPrinter() {
    m_graphics.reset();
    if (m_painter && m_painter->isActive()) {
        m_painter->end();
    }
}

bool QtReportPrinter::BeginDocument(const std::string& documentName) {
    if (m_askUser) {
        QPrintDialog dialog(&m_printer, m_dialogParent);
        if (dialog.exec() != QDialog::Accepted) {
            return false;
        }
    }
    m_printer.setDocName(plot::toQString(documentName));
    m_pagesStarted = 0;
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(&m_printer)) {
        m_painter.reset();
        return false;
    }
    return true;
}

plot::SizeF QtReportPrinter::PrintableSize() const {
    // The painter's origin is the top-left corner of the printable area.
    const QRectF area = m_printer.pageRect(QPrinter::DevicePixel);
    return plot::SizeF{area.width(), area.height()};
}

plot::Graphics& QtReportPrinter::BeginPage() {
    if (m_pagesStarted > 0) {
        m_printer.newPage();
    }
    ++m_pagesStarted;
    m_graphics =
        std::make_unique<plot::PainterGraphics>(*m_painter, m_printer.resolution() / 96.0, true);
    return *m_graphics;
}

void QtReportPrinter::EndPage() {
    m_graphics.reset();
}

bool QtReportPrinter::EndDocument() {
    m_graphics.reset();
    const bool ended = m_painter && m_painter->end();
    m_painter.reset();
    return ended;
}

}  // namespace report
