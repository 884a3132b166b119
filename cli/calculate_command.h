#pragma once

namespace CLI {
class App;
}  // namespace CLI

namespace cli {

/// Adds the `calculate` subcommand: the default design, --case FILE.json, --set Key=Value,
/// --json and the --cases FILE.jsonl batch.
void registerCalculateCommand(CLI::App& app);

}  // namespace cli
