#include "app/qt/curve_plot.h"

#include <algorithm>
#include <cmath>

#include <QPainter>
#include <QPainterPath>

namespace app {

namespace {

// A step of 1, 2 or 5 times a power of ten giving about `count` intervals over the span.
double niceStep(double span, int count) {
    if (!(span > 0.0) || !std::isfinite(span)) {
        return 1.0;
    }
    const double raw = span / count;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double factor : {1.0, 2.0, 5.0, 10.0}) {
        if (raw <= factor * power) {
            return factor * power;
        }
    }
    return 10.0 * power;
}

struct Span {
    double low = 0.0;
    double high = 1.0;
};

Span spanOf(const std::vector<CurvePlot::Curve>& curves, bool isX) {
    double low = INFINITY;
    double high = -INFINITY;
    for (const CurvePlot::Curve& curve : curves) {
        for (double v : isX ? curve.x : curve.y) {
            if (std::isfinite(v)) {
                low = std::min(low, v);
                high = std::max(high, v);
            }
        }
    }
    if (!(low <= high)) {
        return {};
    }
    if (low == high) {
        return {low - 1.0, high + 1.0};
    }
    const double step = niceStep(high - low, 5);
    return {std::floor(low / step) * step, std::ceil(high / step) * step};
}

}  // namespace

CurvePlot::CurvePlot(QWidget* parent) : QWidget(parent) {
    setMinimumSize(260, 170);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CurvePlot::setTitles(const QString& title, const QString& yCaption, const QString& xCaption) {
    m_title = title;
    m_yCaption = yCaption;
    m_xCaption = xCaption;
    update();
}

void CurvePlot::setCurves(std::vector<Curve> curves) {
    m_curves = std::move(curves);
    update();
}

void CurvePlot::clear() {
    setCurves({});
}

void CurvePlot::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics(font());
    const int lineHeight = metrics.height();
    QFont titleFont = font();
    titleFont.setBold(true);
    p.setFont(titleFont);
    p.setPen(Qt::black);
    p.drawText(QRect(0, 2, width(), lineHeight + 2), Qt::AlignHCenter, m_title);
    p.setFont(font());

    const Span xs = spanOf(m_curves, true);
    const Span ys = spanOf(m_curves, false);
    const int left = 12 + lineHeight + metrics.horizontalAdvance(QStringLiteral("-000000"));
    const QRectF area(left, lineHeight + 10, width() - left - 14, height() - 3 * lineHeight - 18);
    if (area.width() < 20 || area.height() < 20) {
        return;
    }
    auto toPoint = [&](double x, double y) {
        return QPointF(area.left() + (x - xs.low) / (xs.high - xs.low) * area.width(),
                       area.bottom() - (y - ys.low) / (ys.high - ys.low) * area.height());
    };
    // Grid and tick labels.
    p.setPen(QColor(225, 225, 225));
    const double xStep = niceStep(xs.high - xs.low, 5);
    const double yStep = niceStep(ys.high - ys.low, 4);
    for (double x = xs.low; x <= xs.high + xStep / 2; x += xStep) {
        const QPointF at = toPoint(x, ys.low);
        p.setPen(QColor(225, 225, 225));
        p.drawLine(at, QPointF(at.x(), area.top()));
        p.setPen(Qt::black);
        p.drawText(QRectF(at.x() - 40, area.bottom() + 2, 80, lineHeight), Qt::AlignHCenter,
                   QString::number(x, 'g', 6));
    }
    for (double y = ys.low; y <= ys.high + yStep / 2; y += yStep) {
        const QPointF at = toPoint(xs.low, y);
        p.setPen(QColor(225, 225, 225));
        p.drawLine(at, QPointF(area.right(), at.y()));
        p.setPen(Qt::black);
        p.drawText(
            QRectF(lineHeight + 2, at.y() - lineHeight / 2.0, left - lineHeight - 6, lineHeight),
            Qt::AlignRight | Qt::AlignVCenter, QString::number(y, 'g', 6));
    }
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(area);
    p.drawText(QRectF(area.left(), area.bottom() + lineHeight + 2, area.width(), lineHeight),
               Qt::AlignHCenter, m_xCaption);
    p.save();
    p.translate(4, area.center().y());
    p.rotate(-90);
    // A caption longer than the axis is cut with an ellipsis rather than at the frame.
    p.drawText(QRectF(-area.height() / 2, 0, area.height(), lineHeight), Qt::AlignHCenter,
               metrics.elidedText(m_yCaption, Qt::ElideMiddle, static_cast<int>(area.height())));
    p.restore();
    p.setClipRect(area.adjusted(-1, -1, 1, 1));
    for (const Curve& curve : m_curves) {
        QPainterPath path;
        const std::size_t n = std::min(curve.x.size(), curve.y.size());
        for (std::size_t i = 0; i < n; ++i) {
            const QPointF at = toPoint(curve.x[i], curve.y[i]);
            i == 0 ? path.moveTo(at) : path.lineTo(at);
        }
        p.setPen(QPen(curve.colour, 1.6));
        p.drawPath(path);
    }
}

}  // namespace app
