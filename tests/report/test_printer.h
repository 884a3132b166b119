#pragma once

#include "plot/recording_graphics.h"
#include "report/report_printer.h"

#include <string>
#include <vector>

namespace report {

/// A printer for tests: records the document and draws every page into one recording, as a
/// printed page of the given resolution.
class TestPrinter : public ReportPrinter {
public:
    explicit TestPrinter(double dpi = 300.0, bool accept = true)
        : graphics(dpi / 96.0, true), m_dpi(dpi), m_accept(accept) {}

    bool BeginDocument(const std::string& documentName) override {
        calls.push_back("begin " + documentName);
        return m_accept;
    }
    plot::SizeF PrintableSize() const override { return {8.5 * m_dpi, 11.0 * m_dpi}; }
    plot::Graphics& BeginPage() override {
        calls.push_back("page");
        return graphics;
    }
    void EndPage() override { calls.push_back("endpage"); }
    bool EndDocument() override {
        calls.push_back("end");
        return true;
    }

    plot::RecordingGraphics graphics;
    std::vector<std::string> calls;

private:
    double m_dpi;
    bool m_accept;
};

}  // namespace report
