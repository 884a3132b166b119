#pragma once

#include <iosfwd>
#include <string>

namespace CLI {
class App;
}  // namespace CLI

namespace cli {

/// What `zelk-cli report` was asked to do.
struct ReportRequest {
    std::string m_designFile;  ///< design file to calculate; the default design when empty
    std::string m_pdfPath;     ///< --pdf OUT.pdf, empty when none
    std::string m_pngPath;     ///< --png OUT.png, empty when none
    int m_dpi = 150;           ///< resolution of the PNG, pixels per inch
};

/// Adds the `report` subcommand: calculates the design (the default design unless a design file
/// is named) and writes the sucker rod report as the main window fills it, as a one-page US Letter
/// PDF and/or a PNG picture of the page. Needs no display.
void registerReportCommand(CLI::App& app);

/// Runs the request. Returns kExitSuccess, kExitEngine when the engine refused the design, or
/// kExitUsage for missing outputs, an unreadable design file or an output that cannot be
/// written, with a one-line message on err.
int RunReport(const ReportRequest& request, std::ostream& out, std::ostream& err);

}  // namespace cli
