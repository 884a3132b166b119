#pragma once

#include "plot/graphics.h"

#include <string>
#include <vector>

namespace plot {

/// A `Graphics` that draws nothing and writes every call as one line of text, so tests can
/// assert what was drawn and in which order. Its font metrics are fixed and independent of any
/// installed font: a character is 0.5 of the font's pixel height wide (0.55 when bold) and a
/// line is 1.2 pixel heights tall.
class RecordingGraphics : public Graphics {
public:
    explicit RecordingGraphics(double deviceScale = 1.0, bool printedPage = false);

    const std::vector<std::string>& lines() const { return m_lines; }
    /// All lines joined with '\n' (each line ends with one).
    std::string text() const;
    void clear() { m_lines.clear(); }
    /// Lines that start with the given word (e.g. "string"), in order.
    std::vector<std::string> linesStartingWith(const std::string& word) const;

    double deviceScale() const override { return m_deviceScale; }
    bool isPrintedPage() const override { return m_printedPage; }

    void save() override;
    void restore() override;
    void setClip(const RectF& rect) override;
    void intersectClip(const RectF& rect) override;
    void resetClip() override;
    void translate(double dx, double dy) override;
    void rotate(double degrees) override;
    void scale(double sx, double sy) override;
    void resetTransform() override;

    void drawLine(const Pen& pen, double x1, double y1, double x2, double y2) override;
    void drawPolyline(const Pen& pen, const std::vector<PointF>& points) override;
    void drawPolygon(const Pen& pen, const std::vector<PointF>& points) override;
    void fillPolygon(const Brush& brush, const std::vector<PointF>& points) override;
    void drawRectangle(const Pen& pen, const RectF& rect) override;
    void fillRectangle(const Brush& brush, const RectF& rect) override;
    void drawEllipse(const Pen& pen, const RectF& rect) override;
    void fillEllipse(const Brush& brush, const RectF& rect) override;
    void drawArc(const Pen& pen, const RectF& rect, double startDeg, double sweepDeg) override;
    void drawPie(const Pen& pen, const RectF& rect, double startDeg, double sweepDeg) override;
    void drawString(const std::string& text, const Font& font, Color color, const RectF& rect,
                    const TextFormat& format) override;
    SizeF measureString(const std::string& text, const Font& font, const SizeF& layout,
                        const TextFormat& format) override;
    void drawImage(const Image& image, const RectF& rect) override;

    /// Formats a number the way the recording does: shortest round-trip text, at most 6
    /// significant digits, no locale.
    static std::string number(double value);

private:
    void add(std::string line) { m_lines.push_back(std::move(line)); }

    double m_deviceScale;
    bool m_printedPage;
    std::vector<std::string> m_lines;
};

}  // namespace plot
