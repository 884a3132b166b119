#pragma once

#include <functional>
#include <iosfwd>
#include <string>

namespace CLI {
class App;
}  // namespace CLI

namespace ZelkEngine {
struct CalculationCase;
}  // namespace ZelkEngine

namespace cli {

/// Reads a design file into the engine's record; false with a message when it cannot.
using DesignLoader = std::function<bool(
    const std::string& path, ZelkEngine::CalculationCase& calculation, std::string& error)>;

/// What `zelk-cli plot` was asked to draw.
struct PlotRequest {
    std::string m_designPath;  ///< design file, empty for the default design
    std::string m_cardsPath;   ///< --cards OUT.png or OUT.svg
    int m_width = 800;         ///< pixels
    int m_height = 600;
    DesignLoader m_loadDesign;  ///< reads m_designPath; none: only the default design
};

/// Calculates the design and writes its dynamometer card plot (surface and pump card) as a
/// PNG or SVG picture. Needs no display: without one it draws on Qt's offscreen platform.
/// Returns kExitSuccess, kExitUsage for bad arguments, an unreadable design or an unwritable
/// picture, or kExitEngine when the engine refused the design; errors go to err as one line.
int RunPlot(const PlotRequest& request, std::ostream& out, std::ostream& err);

/// Adds the `plot` subcommand: [FILE.zlk] --cards OUT.png|.svg [--width N] [--height N].
/// Design files are read with `loadDesign`.
void registerPlotCommand(CLI::App& app, DesignLoader loadDesign = nullptr);

}  // namespace cli
