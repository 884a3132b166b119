#pragma once

#include "engine/calculation_case.h"

#include <iosfwd>
#include <string>

namespace CLI {
class App;
}

namespace cli {

/// Adds the design file commands: "convert IN OUT.zlk" (any design file to the keyed-text
/// format) and "compare FILE.zlk CARD.dyn [--json]" (the calculated surface card against a
/// measured one).
void registerFileCommands(CLI::App& app);

/// Reads a design file of either format into the engine's record as the main window opens it:
/// the options the file carries (to two decimals, as a run keeps them), its numbers turned from
/// the display units it names into internal units, and the fluid specific gravity and sinker bar
/// links applied. False with a one-line message when the file cannot be read or is no design.
bool LoadDesignForCalculation(const std::string& path, ZelkEngine::CalculationCase& calculation,
                              std::string& error);

/// The commands themselves, with their exit status (0 done, 2 unreadable or malformed input,
/// 3 the engine refused the design).
int RunConvert(const std::string& input, const std::string& output, std::ostream& out,
               std::ostream& err);
int RunCompare(const std::string& design, const std::string& card, bool json, std::ostream& out,
               std::ostream& err);

}  // namespace cli
