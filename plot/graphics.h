#pragma once

#include "plot/color.h"
#include "plot/geometry.h"
#include "plot/image.h"
#include "plot/line_style.h"

#include <string>
#include <utility>
#include <vector>

namespace plot {

/// A pen in device units (already scaled for the target).
struct Pen {
    Pen() = default;
    Pen(Color c, double w, int dash = kDashSolid) : color(c), width(w), dashStyle(dash) {}

    Color color = 0xFF000000u;
    double width = 1.0;  ///< device units; 0 draws the thinnest line the device has
    int dashStyle = kDashSolid;
    std::vector<double> dashPattern;  ///< used when dashStyle is kDashCustom
};

/// Hatch patterns, numbered as the plots store them.
enum HatchStyle : int {
    kHatchHorizontal = 0,
    kHatchVertical = 1,
    kHatchForwardDiagonal = 2,
    kHatchBackwardDiagonal = 3,
    kHatchCross = 4,
    kHatchDiagonalCross = 5,
};

/// A solid or hatched fill. A hatch paints `color` lines over `backColor` (transparent by default).
struct Brush {
    Brush() = default;
    Brush(Color c) : color(c) {}  // NOLINT: a colour is a solid brush
    static Brush hatch(int style, Color c, Color back = 0x00FFFFFFu) {
        Brush b(c);
        b.hatched = true;
        b.hatchStyle = style;
        b.backColor = back;
        return b;
    }

    Color color = 0xFF000000u;
    bool hatched = false;
    int hatchStyle = kHatchHorizontal;
    Color backColor = 0x00FFFFFFu;
};

/// Font style bits, as stored in text records.
enum FontStyle : int {
    kFontBold = 1,
    kFontItalic = 2,
    kFontUnderline = 4,
    kFontStrikeout = 8,
};

/// A font by family name, size in points and style bits. Point sizes become device units
/// through the target's scale: one point is 96/72 pixels on a 96-dpi screen.
struct Font {
    Font() = default;
    Font(std::string f, double size, int s = 0) : family(std::move(f)), sizePt(size), style(s) {}

    std::string family = "Arial";
    double sizePt = 9.0;
    int style = 0;
};

/// Text alignment inside a layout rectangle: 0 near (left/top), 1 centre, 2 far (right/bottom).
struct TextFormat {
    TextFormat() = default;
    TextFormat(int h, int v, bool w = true, bool c = false)
        : horizontalAlign(h), verticalAlign(v), wrap(w), clip(c) {}

    int horizontalAlign = 0;
    int verticalAlign = 0;
    bool wrap = true;   ///< break lines at blanks to fit the rectangle's width
    bool clip = false;  ///< clip the text to the rectangle
};

/// Our drawing interface. The plot and report code draws only through it, so the same picture
/// reaches a window, an image, a PDF page or a printer. Coordinates are device units, y down.
/// Angles are degrees, clockwise from the positive x axis (y grows downward). Every call with a
/// transparent pen or brush colour paints nothing.
class Graphics {
public:
    virtual ~Graphics() = default;

    /// Factor from 96-dpi pixels to device units: 1 on screen and images, dpi / 96 on pages.
    virtual double deviceScale() const = 0;
    /// True for a printed document page (report items marked screen-only are skipped there).
    virtual bool isPrintedPage() const = 0;

    /// Saves clip and world transform; restore() brings back the last saved state.
    virtual void save() = 0;
    virtual void restore() = 0;

    virtual void setClip(const RectF& rect) = 0;
    virtual void intersectClip(const RectF& rect) = 0;
    virtual void resetClip() = 0;

    virtual void translate(double dx, double dy) = 0;
    virtual void rotate(double degrees) = 0;
    virtual void scale(double sx, double sy) = 0;
    virtual void resetTransform() = 0;

    virtual void drawLine(const Pen& pen, double x1, double y1, double x2, double y2) = 0;
    virtual void drawPolyline(const Pen& pen, const std::vector<PointF>& points) = 0;
    virtual void drawPolygon(const Pen& pen, const std::vector<PointF>& points) = 0;
    virtual void fillPolygon(const Brush& brush, const std::vector<PointF>& points) = 0;
    virtual void drawRectangle(const Pen& pen, const RectF& rect) = 0;
    virtual void fillRectangle(const Brush& brush, const RectF& rect) = 0;
    virtual void drawEllipse(const Pen& pen, const RectF& rect) = 0;
    virtual void fillEllipse(const Brush& brush, const RectF& rect) = 0;
    /// An arc of the ellipse inscribed in rect.
    virtual void drawArc(const Pen& pen, const RectF& rect, double startDeg, double sweepDeg) = 0;
    /// The outline of a pie slice (arc plus the two radii).
    virtual void drawPie(const Pen& pen, const RectF& rect, double startDeg, double sweepDeg) = 0;

    /// Draws text inside rect with the given alignment; lines break at '\n' (and at blanks when
    /// format.wrap is set and the rectangle has a width).
    virtual void drawString(const std::string& text, const Font& font, Color color,
                            const RectF& rect, const TextFormat& format) = 0;
    /// Size of the text as drawString would lay it out in a box of `layout` (a width of 0 or
    /// less means unbounded).
    virtual SizeF measureString(const std::string& text, const Font& font, const SizeF& layout,
                                const TextFormat& format) = 0;

    /// Draws the image stretched to rect.
    virtual void drawImage(const Image& image, const RectF& rect) = 0;

    /// A 96-dpi pixel length in device units.
    double scaled(double pixels) const { return pixels * deviceScale(); }
    /// A pen from a line style, its width scaled for this device.
    Pen makePen(const LineStyle& style) const {
        Pen pen(style.color, style.width * deviceScale(), style.dashStyle);
        pen.dashPattern = style.dashPattern;
        return pen;
    }
};

/// Points to 96-dpi pixels.
constexpr double kPixelsPerPoint = 96.0 / 72.0;

}  // namespace plot
