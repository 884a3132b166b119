#include "cli/cli_app.h"

#include "cli/exit_codes.h"

#include <CLI/CLI.hpp>
#include <exception>
#include <iostream>
#include <string>

namespace cli {

int runCliApp(CLI::App& app, int argc, char** argv) {
    // Argument errors are one line, as the commands' own input errors are.
    app.failure_message([](const CLI::App*, const CLI::Error& e) {
        return "zelk-cli: " + std::string(e.what()) + " (see --help)\n";
    });
    try {
        app.parse(argc, argv);
    } catch (const CLI::RuntimeError& e) {
        return e.get_exit_code();  // a command's own failure, already reported
    } catch (const CLI::ParseError& e) {
        const int status = app.exit(e);  // prints help, or the argument error
        return status == 0 ? kExitSuccess : kExitUsage;
    } catch (const std::exception& e) {
        std::cerr << "zelk-cli: " << e.what() << '\n';
        return 1;
    }
    return kExitSuccess;
}

}  // namespace cli
