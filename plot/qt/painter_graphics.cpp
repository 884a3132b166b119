#include "plot/qt/painter_graphics.h"

#include "plot/qt/qt_string.h"

#include <functional>

#include <QFontMetricsF>
#include <QImage>
#include <QPainterPath>
#include <QPolygonF>

namespace plot {

namespace {

QColor toQColor(Color c) {
    return QColor::fromRgba(c.argb);
}

QRectF toQRect(const RectF& r) {
    return QRectF(r.x, r.y, r.w, r.h);
}

QPolygonF toQPolygon(const std::vector<PointF>& points) {
    QPolygonF poly;
    poly.reserve(static_cast<qsizetype>(points.size()));
    for (const PointF& p : points) {
        poly.append(QPointF(p.x, p.y));
    }
    return poly;
}

Qt::BrushStyle hatchPattern(int style) {
    switch (style) {
        case kHatchHorizontal:
            return Qt::HorPattern;
        case kHatchVertical:
            return Qt::VerPattern;
        case kHatchForwardDiagonal:
            return Qt::FDiagPattern;
        case kHatchBackwardDiagonal:
            return Qt::BDiagPattern;
        case kHatchCross:
            return Qt::CrossPattern;
        default:
            return Qt::DiagCrossPattern;
    }
}

int textFlags(const TextFormat& format) {
    int flags = 0;
    switch (format.horizontalAlign) {
        case 1:
            flags |= Qt::AlignHCenter;
            break;
        case 2:
            flags |= Qt::AlignRight;
            break;
        default:
            flags |= Qt::AlignLeft;
            break;
    }
    switch (format.verticalAlign) {
        case 1:
            flags |= Qt::AlignVCenter;
            break;
        case 2:
            flags |= Qt::AlignBottom;
            break;
        default:
            flags |= Qt::AlignTop;
            break;
    }
    if (format.wrap) {
        flags |= Qt::TextWordWrap;
    }
    if (!format.clip) {
        flags |= Qt::TextDontClip;
    }
    return flags;
}

// Qt measures angles counter-clockwise in 1/16 degree; ours run clockwise because y is down.
int qtAngle(double degrees) {
    return static_cast<int>(std::lround(-degrees * 16.0));
}

}  // namespace

PainterGraphics::PainterGraphics(QPainter& painter, double deviceScale, bool printedPage)
    : m_painter(painter),
      m_deviceScale(deviceScale > 0.0 ? deviceScale : 1.0),
      m_printedPage(printedPage) {
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform, printedPage);
    if (!printedPage) {
        // Raster pixels have their centres at half coordinates; shifting by half a pixel puts
        // one-pixel lines at whole coordinates exactly on a pixel row, so axes, ticks, grids and
        // borders come out crisp instead of smeared over two rows.
        m_painter.translate(0.5, 0.5);
    }
    m_baseTransform = m_painter.worldTransform();
}

PainterGraphics::~PainterGraphics() {
    m_painter.restore();
}

QString PainterGraphics::mapFamily(const std::string& family) {
    if (family == "Arial" || family == "Tahoma" || family == "Microsoft Sans Serif" ||
        family == "MS Sans Serif" || family.empty()) {
        return QStringLiteral("Liberation Sans");
    }
    if (family == "Times New Roman") {
        return QStringLiteral("Liberation Serif");
    }
    if (family == "Courier New") {
        return QStringLiteral("Liberation Mono");
    }
    return toQString(family);
}

QFont PainterGraphics::toQFont(const Font& font) const {
    QFont f(mapFamily(font.family));
    f.setStyleHint(QFont::SansSerif);  // the generic fallback when the family is missing
    // Fix the size through the device's own resolution, so that one point is always
    // 96/72 * deviceScale device units whatever dpi the paint device reports.
    const QPaintDevice* device = m_painter.device();
    const double dpi =
        device != nullptr && device->logicalDpiY() > 0 ? device->logicalDpiY() : 96.0;
    double size = font.sizePt * 96.0 * m_deviceScale / dpi;
    f.setPointSizeF(size > 0.0 ? size : 1.0);
    f.setBold((font.style & kFontBold) != 0);
    f.setItalic((font.style & kFontItalic) != 0);
    f.setUnderline((font.style & kFontUnderline) != 0);
    f.setStrikeOut((font.style & kFontStrikeout) != 0);
    return f;
}

bool PainterGraphics::setPen(const Pen& pen) {
    if (pen.color.isTransparent()) {
        return false;
    }
    QPen qpen(toQColor(pen.color));
    qpen.setWidthF(pen.width > 0.0 ? pen.width : 0.0);
    qpen.setCapStyle(Qt::FlatCap);
    qpen.setJoinStyle(Qt::MiterJoin);
    switch (pen.dashStyle) {
        case kDashDash:
            qpen.setStyle(Qt::DashLine);
            break;
        case kDashDot:
            qpen.setStyle(Qt::DotLine);
            break;
        case kDashDashDot:
            qpen.setStyle(Qt::DashDotLine);
            break;
        case kDashDashDotDot:
            qpen.setStyle(Qt::DashDotDotLine);
            break;
        case kDashCustom: {
            QList<qreal> pattern;
            for (double v : pen.dashPattern) {
                pattern.append(v > 0.0 ? v : 0.1);
            }
            if (pattern.size() % 2 == 1) {
                pattern.append(pattern.back());  // Qt needs dash/gap pairs
            }
            if (pattern.isEmpty()) {
                qpen.setStyle(Qt::DashLine);
            } else {
                qpen.setDashPattern(pattern);
            }
            break;
        }
        default:
            qpen.setStyle(Qt::SolidLine);
            break;
    }
    m_painter.setPen(qpen);
    m_painter.setBrush(Qt::NoBrush);
    return true;
}

void PainterGraphics::fillWith(const Brush& brush, const std::function<void()>& paint) {
    m_painter.setPen(Qt::NoPen);
    if (brush.hatched && !brush.backColor.isTransparent()) {
        m_painter.setBrush(toQColor(brush.backColor));
        paint();
    }
    if (brush.color.isTransparent()) {
        return;
    }
    if (brush.hatched) {
        m_painter.setBrush(QBrush(toQColor(brush.color), hatchPattern(brush.hatchStyle)));
    } else {
        m_painter.setBrush(toQColor(brush.color));
    }
    paint();
}

void PainterGraphics::save() {
    m_painter.save();
}
void PainterGraphics::restore() {
    m_painter.restore();
}

void PainterGraphics::setClip(const RectF& r) {
    m_painter.setClipRect(toQRect(r));
}

void PainterGraphics::intersectClip(const RectF& r) {
    m_painter.setClipRect(toQRect(r),
                          m_painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
}

void PainterGraphics::resetClip() {
    m_painter.setClipping(false);
}
void PainterGraphics::translate(double dx, double dy) {
    m_painter.translate(dx, dy);
}
void PainterGraphics::rotate(double degrees) {
    m_painter.rotate(degrees);
}
void PainterGraphics::scale(double sx, double sy) {
    m_painter.scale(sx, sy);
}
void PainterGraphics::resetTransform() {
    m_painter.resetTransform();
}

void PainterGraphics::drawLine(const Pen& pen, double x1, double y1, double x2, double y2) {
    if (setPen(pen)) {
        m_painter.drawLine(QPointF(x1, y1), QPointF(x2, y2));
    }
}

void PainterGraphics::drawPolyline(const Pen& pen, const std::vector<PointF>& points) {
    if (points.size() >= 2 && setPen(pen)) {
        m_painter.drawPolyline(toQPolygon(points));
    }
}

void PainterGraphics::drawPolygon(const Pen& pen, const std::vector<PointF>& points) {
    if (points.size() >= 2 && setPen(pen)) {
        m_painter.drawPolygon(toQPolygon(points));
    }
}

void PainterGraphics::fillPolygon(const Brush& brush, const std::vector<PointF>& points) {
    if (points.size() < 3) {
        return;
    }
    const QPolygonF poly = toQPolygon(points);
    // GDI+ fills polygons with the alternate (even-odd) rule by default.
    fillWith(brush, [&] { m_painter.drawPolygon(poly, Qt::OddEvenFill); });
}

void PainterGraphics::drawRectangle(const Pen& pen, const RectF& r) {
    if (setPen(pen)) {
        m_painter.drawRect(toQRect(r));
    }
}

void PainterGraphics::fillRectangle(const Brush& brush, const RectF& r) {
    const QRectF rect = toQRect(r);
    fillWith(brush, [&] { m_painter.drawRect(rect); });
}

void PainterGraphics::drawEllipse(const Pen& pen, const RectF& r) {
    if (setPen(pen)) {
        m_painter.drawEllipse(toQRect(r));
    }
}

void PainterGraphics::fillEllipse(const Brush& brush, const RectF& r) {
    const QRectF rect = toQRect(r);
    fillWith(brush, [&] { m_painter.drawEllipse(rect); });
}

void PainterGraphics::drawArc(const Pen& pen, const RectF& r, double startDeg, double sweepDeg) {
    if (setPen(pen)) {
        m_painter.drawArc(toQRect(r), qtAngle(startDeg), qtAngle(sweepDeg));
    }
}

void PainterGraphics::drawPie(const Pen& pen, const RectF& r, double startDeg, double sweepDeg) {
    if (setPen(pen)) {
        m_painter.drawPie(toQRect(r), qtAngle(startDeg), qtAngle(sweepDeg));
    }
}

void PainterGraphics::drawString(const std::string& text, const Font& font, Color color,
                                 const RectF& r, const TextFormat& format) {
    if (text.empty() || color.isTransparent()) {
        return;
    }
    m_painter.setFont(toQFont(font));
    m_painter.setPen(toQColor(color));
    m_painter.drawText(toQRect(r), textFlags(format), toQString(text));
}

SizeF PainterGraphics::measureString(const std::string& text, const Font& font, const SizeF& layout,
                                     const TextFormat& format) {
    if (text.empty()) {
        return {0.0, 0.0};
    }
    QFontMetricsF metrics(toQFont(font), m_painter.device());
    const double unbounded = 1.0e6;
    TextFormat near = format;
    near.horizontalAlign = 0;
    near.verticalAlign = 0;
    int flags = textFlags(near);
    if (layout.width <= 0.0) {
        flags &= ~Qt::TextWordWrap;
    }
    const QRectF box(0.0, 0.0, layout.width > 0.0 ? layout.width : unbounded,
                     layout.height > 0.0 ? layout.height : unbounded);
    const QRectF bounds = metrics.boundingRect(box, flags, toQString(text));
    return {bounds.width(), bounds.height()};
}

void PainterGraphics::drawImage(const Image& image, const RectF& r) {
    if (image.isNull()) {
        return;
    }
    const QImage qimage(reinterpret_cast<const uchar*>(image.pixels.data()), image.width,
                        image.height, image.width * 4, QImage::Format_ARGB32);
    m_painter.drawImage(toQRect(r), qimage);
}

}  // namespace plot
