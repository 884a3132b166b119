#pragma once

#include "report/page.h"
#include "report/report_printer.h"

#include <memory>
#include <string>
#include <vector>

namespace report {

/// Result of printing a report.
enum class PrintResult {
    kPrinted,
    kNoPages,    // nothing to print; the printer was not asked
    kCancelled,  // the printer declined to start the document
    kFailed,     // the document was started but could not be completed
};

/// A numbered sequence of pages, printed page by page.
class CReport {
public:
    CReport() = default;
    CReport(const CReport&) = delete;
    CReport& operator=(const CReport&) = delete;

    /// The print job's document name.
    const std::string& GetName() const { return m_name; }
    void SetName(const std::string& name) { m_name = name; }

    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CPage* FindPage(const std::string& name) const;
    /// Throws std::out_of_range for a bad index.
    CPage* PageAt(int index) const;
    /// Appends the page and renumbers every page.
    CPage* AddPage(std::unique_ptr<CPage> page);
    bool HasPage(const std::string& name) const;
    /// Takes the first page of that name out; destroyed when `destroy` is set, otherwise
    /// handed back. The remaining pages are renumbered.
    std::unique_ptr<CPage> RemovePage(const std::string& name, bool destroy);
    void RemoveAllPages();
    /// Page i (from 0) becomes number i + 1 of the page count.
    void NumberPages();

    /// Prints every page, each stretched to the printer's printable area. Page device
    /// rectangles are restored afterwards, so a preview showing the report is unaffected.
    PrintResult Print(ReportPrinter& printer);

    int GetBuilt() const { return m_built; }
    void SetBuilt(int built) { m_built = built; }

private:
    std::vector<std::unique_ptr<CPage>> m_pages;
    std::string m_name = "Report";
    int m_built = 0;
};

}  // namespace report
