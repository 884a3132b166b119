#pragma once

#include "report/report.h"
#include "report/report_printer.h"

#include <memory>
#include <string>

class QPainter;
class QPdfWriter;

namespace plot {
class PainterGraphics;
}

namespace report {

/// Prints a report into a PDF file of US Letter pages without margins, so the sheet fills the
/// page exactly; texts stay real text. Needs a QGuiApplication (see plot::ensureGuiApplication).
class PdfReportPrinter : public ReportPrinter {
public:
    explicit PdfReportPrinter(std::string path, int dpi = 300);
    ~PdfReportPrinter() override;

    bool BeginDocument(const std::string& documentName) override;
    plot::SizeF PrintableSize() const override;
    plot::Graphics& BeginPage() override;
    void EndPage() override;
    bool EndDocument() override;

    /// Why the document could not be written (empty when it was).
    const std::string& GetError() const { return m_error; }

private:
    std::string m_path;
    int m_dpi;
    int m_pagesStarted = 0;
    std::unique_ptr<QPdfWriter> m_writer;
    std::unique_ptr<QPainter> m_painter;
    std::unique_ptr<plot::PainterGraphics> m_graphics;
    std::string m_error;
};

/// Writes the report's pages into a PDF file. On failure returns false and sets *error.
bool WriteReportPdf(CReport& report, const std::string& path, std::string* error = nullptr);

}  // namespace report
