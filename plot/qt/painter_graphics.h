#pragma once

#include "plot/graphics.h"

#include <functional>

#include <QFont>
#include <QPainter>
#include <QTransform>

namespace plot {

/// `Graphics` over a QPainter: windows, images, SVG and PDF pages all draw through this one
/// back-end. The painter must be active for the object's whole life; the painter's state is
/// saved on construction and restored on destruction.
class PainterGraphics : public Graphics {
public:
    /// deviceScale is dpi / 96 for document pages (fonts and pen widths grow with it);
    /// printedPage marks a printed or exported document page.
    explicit PainterGraphics(QPainter& painter, double deviceScale = 1.0, bool printedPage = false);
    ~PainterGraphics() override;
    PainterGraphics(const PainterGraphics&) = delete;
    PainterGraphics& operator=(const PainterGraphics&) = delete;

    QPainter& painter() { return m_painter; }

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

    /// The QFont for a font record on this device: the family mapped to an installed one,
    /// the size such that one point is 96/72 * deviceScale device units.
    QFont toQFont(const Font& font) const;

    /// The installed family used for a requested one ("Arial" and "Tahoma" become
    /// "Liberation Sans", which has the same metrics).
    static QString mapFamily(const std::string& family);

private:
    bool setPen(const Pen& pen);
    void fillWith(const Brush& brush, const std::function<void()>& paint);

    QPainter& m_painter;
    double m_deviceScale;
    bool m_printedPage;
    QTransform m_baseTransform;
};

}  // namespace plot
