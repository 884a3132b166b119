#pragma once

#include "plot/geometry.h"
#include "plot/graphics.h"

#include <string>

namespace report {

/// Where a report is printed: a printer behind its dialog, a PDF file, or a test double.
/// A report asks for the document, then draws its pages one by one.
class ReportPrinter {
public:
    virtual ~ReportPrinter() = default;

    /// Chooses the target and starts the document named `documentName`; false when the user
    /// cancels or the target cannot be opened (then nothing more is asked of the printer).
    virtual bool BeginDocument(const std::string& documentName) = 0;
    /// Printable area of a page in device units; the sheet is stretched onto it.
    virtual plot::SizeF PrintableSize() const = 0;
    /// Starts a page and returns the graphics to draw it with (valid until EndPage).
    virtual plot::Graphics& BeginPage() = 0;
    virtual void EndPage() = 0;
    /// Ends the document; returns false when it could not be completed (e.g. a write failed).
    virtual bool EndDocument() = 0;
};

}  // namespace report
