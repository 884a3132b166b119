// The report command of a build without Qt: it exists, and says why it cannot draw.
#include "cli/exit_codes.h"
#include "cli/report_command.h"

#include <CLI/CLI.hpp>
#include <iostream>

namespace cli {

int RunReport(const ReportRequest&, std::ostream&, std::ostream& err) {
    err << "report: this zelk-cli was built without Qt and cannot draw reports\n";
    return kExitUsage;
}

void registerReportCommand(CLI::App& app) {
    CLI::App* command = app.add_subcommand("report", "Write the sucker rod report (needs Qt)");
    command->allow_extras();
    command->callback([]() {
        const int status = RunReport(ReportRequest(), std::cout, std::cerr);
        throw CLI::RuntimeError(status);
    });
}

}  // namespace cli
