#pragma once

namespace CLI {
class App;
}  // namespace CLI

namespace cli {

/// Parses the command line and runs the chosen subcommand. Returns the exit status: the
/// command's own, kExitSuccess for --help, kExitUsage for any argument error (with its message).
int runCliApp(CLI::App& app, int argc, char** argv);

}  // namespace cli
