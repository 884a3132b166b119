#include "cli/calculate_command.h"
#include "cli/cli_app.h"
#include "cli/file_commands.h"
#include "cli/plot_command.h"
#include "cli/report_command.h"

#include <CLI/CLI.hpp>

// Each command group registers itself; add new groups beside calculate.
int main(int argc, char** argv) {
    CLI::App app{"Zelk: sucker-rod beam pumping design from the command line", "zelk-cli"};
    app.require_subcommand(1);
    cli::registerCalculateCommand(app);
    cli::registerFileCommands(app);
#ifdef ZELK_CLI_PLOT
    cli::registerPlotCommand(app, cli::LoadDesignForCalculation);
#endif
    cli::registerReportCommand(app);
    return cli::runCliApp(app, argc, argv);
}
