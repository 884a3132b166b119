#pragma once

#include "plot/border.h"
#include "plot/graphics.h"

#include <string>

namespace plot {

/// A text with its font, colours, alignment and rotation, and where it was last placed.
class CText {
public:
    std::string text;
    std::string fontName = "Arial";
    double fontSize = 9.0;  ///< points
    Color color = 0xFF000000u;
    int fontStyle = 0;        ///< kFontBold | kFontItalic | ...
    int horizontalAlign = 1;  ///< 0 near, 1 centre, 2 far
    int verticalAlign = 1;
    Color backgroundColor = 0x00FFFFFFu;
    CBorder border;
    int rotation = 0;  ///< 0 none, 1 90 degrees, 2 180, 3 270 (clockwise)
    int visible = 1;
    RectF rect;
    int dirty = 1;
    int multiLine = 1;  ///< 0 keeps the text on one line

    CText() = default;
    explicit CText(std::string t) : text(std::move(t)) {}

    Font GetFont() const { return Font(fontName, fontSize, fontStyle); }
    TextFormat GetFormat() const {
        return TextFormat(horizontalAlign, verticalAlign, multiLine != 0);
    }

    void SetText(const std::string& t);
    void SetFontSize(double size);
    void SetFontStyle(int style);
    void SetColor(Color c);
    void SetRotation(int r);

    /// Size of the text laid out in `layout` (width and height exchange for 90/270 degrees).
    SizeF Measure(Graphics& g, const SizeF& layout) const;
    /// Background, border and string inside r, rotated about r's centre; stores r as `rect`.
    void Draw(Graphics& g, const RectF& r);
    /// As Draw, the string clipped to r.
    void DrawClipped(Graphics& g, const RectF& r);

private:
    void DrawString(Graphics& g, const RectF& r, bool clip);
};

}  // namespace plot
