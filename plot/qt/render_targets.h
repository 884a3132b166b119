#pragma once

#include "plot/graphics.h"

#include <functional>
#include <string>

#include <QImage>

namespace plot {

/// Draws into the whole target; the rectangle is the target's area in device units.
using DrawFunction = std::function<void(Graphics&, const RectF&)>;

/// Makes sure a QGuiApplication exists so fonts can be used. Without a display this runs on
/// Qt's offscreen platform: QT_QPA_PLATFORM is set to "offscreen" when it is not set.
void ensureGuiApplication();

/// Renders into a new ARGB image of the given size filled with `background` first.
QImage renderImage(int width, int height, const DrawFunction& draw, Color background = 0xFFFFFFFFu);

/// Writes the drawing as a PNG file. On failure returns false and sets *error.
bool writePng(const std::string& path, int width, int height, const DrawFunction& draw,
              std::string* error = nullptr);

/// Writes the drawing as an SVG file of the given size in pixels (96 dpi).
bool writeSvg(const std::string& path, int width, int height, const DrawFunction& draw,
              const std::string& title = std::string(), std::string* error = nullptr);

/// Writes a PDF of `pageCount` US Letter portrait pages without margins. Each page is drawn as
/// a printed page at `dpi` device units per inch (deviceScale dpi / 96); the rectangle given to
/// `drawPage` is the whole sheet. Text stays text in the PDF.
bool writePdf(const std::string& path, int pageCount,
              const std::function<void(Graphics&, const RectF&, int pageIndex)>& drawPage,
              const std::string& title = std::string(), int dpi = 300,
              std::string* error = nullptr);

/// Chooses PNG or SVG by the file name's extension (".png" or ".svg", any case).
bool writeImageFile(const std::string& path, int width, int height, const DrawFunction& draw,
                    std::string* error = nullptr);

}  // namespace plot
