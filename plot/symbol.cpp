#include "plot/symbol.h"

#include <cmath>

namespace plot {

CSymbol::CSymbol() {
    label.visible = 1;
    label.multiLine = 0;
}

void CSymbol::Draw(Graphics& g, double px, double py, const RectF& area) {
    if (!std::isfinite(px) || !std::isfinite(py)) {
        return;
    }
    const double s = size * g.deviceScale();
    const Pen pen = g.makePen(outline);
    const Brush fill(fillColor);
    if (size > 0.0) {
        const RectF r{px - s / 2.0, py - s / 2.0, s, s};
        switch (shape) {
            case kSymbolCircle:
                g.fillEllipse(fill, r);
                g.drawEllipse(pen, r);
                break;
            case kSymbolSquare:
                g.fillRectangle(fill, r);
                g.drawRectangle(pen, r);
                break;
            case kSymbolTriangle: {
                const std::vector<PointF> tri{
                    {r.x + r.w / 2.0, r.y}, {r.x + r.w, r.y + r.h}, {r.x, r.y + r.h}};
                g.fillPolygon(fill, tri);
                g.drawPolygon(pen, tri);
                break;
            }
            case kSymbolCross:
                g.drawLine(pen, r.x, r.y, r.x + r.w, r.y + r.h);
                g.drawLine(pen, r.x, r.y + r.h, r.x + r.w, r.y);
                break;
            case kSymbolCrossedCircle:
                g.fillEllipse(fill, r);
                g.drawArc(pen, r, 45.0, 90.0);
                g.drawArc(pen, r, -45.0, -90.0);
                g.drawPie(pen, r, 45.0, -90.0);
                g.drawPie(pen, r, 135.0, 90.0);
                break;
            case kSymbolCrossedSquare:
                g.fillRectangle(fill, r);
                g.drawRectangle(pen, r);
                g.drawLine(pen, r.x, r.y, r.x + r.w, r.y + r.h);
                g.drawLine(pen, r.x, r.y + r.h, r.x + r.w, r.y);
                break;
            default:
                break;
        }
    }
    if (label.text.empty() || !label.visible) {
        return;
    }
    // Right of the symbol and above it; below it when it would leave the top of the area,
    // and left of it when it would leave the right side.
    const SizeF ts = label.Measure(g, SizeF{0.0, 0.0});
    const double pad = 2.0 * g.deviceScale();
    const double w = ts.width + 2.0 * pad;
    const double h = ts.height + pad;
    double lx = px + s / 2.0;
    double ly = py - s / 2.0 - h;
    if (ly < area.y) {
        ly = py + s / 2.0;
    }
    if (lx + w > area.x + area.w && px - s / 2.0 - w >= area.x) {
        lx = px - s / 2.0 - w;
    }
    label.Draw(g, RectF{lx, ly, w, h});
}

}  // namespace plot
