#pragma once

#include "report/report_printer.h"

#include <memory>

class QPainter;
class QPrinter;
class QWidget;

namespace plot {
class PainterGraphics;
}

namespace report {

/// Prints through a QPrinter: the print dialog first (unless told not to ask), then each page
/// stretched to the printer's printable area at the printer's resolution.
class QtReportPrinter : public ReportPrinter {
public:
    QtReportPrinter(QPrinter& printer, QWidget* dialogParent, bool askUser = true);
    ~QtReportPrinter() override;

    bool BeginDocument(const std::string& documentName) override;
    plot::SizeF PrintableSize() const override;
    plot::Graphics& BeginPage() override;
    void EndPage() override;
    bool EndDocument() override;

private:
    QPrinter& m_printer;
    QWidget* m_dialogParent;
    bool m_askUser;
    int m_pagesStarted = 0;
    std::unique_ptr<QPainter> m_painter;
    std::unique_ptr<plot::PainterGraphics> m_graphics;
};

}  // namespace report
