#pragma once

#include "engine/calculation_case.h"

#include <iosfwd>
#include <optional>
#include <string>

namespace CLI {
class App;
}

namespace cli {

/// The design file commands of zelk-cli: "calculate FILE.zlk" (an argument added to the
/// calculate command), "convert IN OUT.zlk" and "compare FILE.zlk CARD.dyn [--json]".
class FileCommands {
public:
    /// Adds the convert and compare commands to the program and the optional design file
    /// argument to its calculate command.
    FileCommands(CLI::App& program, CLI::App& calculateCommand);

    /// True when calculate was given a design file.
    bool HasDesignFile() const { return !m_designFile.empty(); }

    /// Loads calculate's design file into the engine's record as the main window opens it:
    /// either format, the options it carries, its display units applied. False with a one-line
    /// message when the file cannot be read or is no design.
    bool LoadDesign(ZelkEngine::CalculationCase& calculation, std::string& error) const;

    /// Runs convert or compare when one was chosen: its exit status (0 done, 2 unreadable or
    /// malformed input, 3 the engine refused the design); none when neither was chosen.
    std::optional<int> Run(std::ostream& out, std::ostream& err) const;

private:
    int Convert(std::ostream& out, std::ostream& err) const;
    int Compare(std::ostream& out, std::ostream& err) const;

    CLI::App* m_convert = nullptr;
    CLI::App* m_compare = nullptr;
    std::string m_designFile;
    std::string m_convertInput;
    std::string m_convertOutput;
    std::string m_compareDesign;
    std::string m_compareCard;
    bool m_compareJson = false;
};

/// Reads a design file into the engine's record: the file's options (as a run keeps them, to two
/// decimals) and settings, its numbers in internal units, the calculator links of the file applied
/// as opening it in the window applies them.
bool LoadDesignForCalculation(const std::string& path, ZelkEngine::CalculationCase& calculation,
                              std::string& error);

}  // namespace cli
