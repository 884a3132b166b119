#include "plot/text.h"

namespace plot {

void CText::SetText(const std::string& t) {
    if (t != text) {
        text = t;
        dirty = 1;
    }
}

void CText::SetFontSize(double size) {
    if (size != fontSize) {
        fontSize = size;
        dirty = 1;
    }
}

void CText::SetFontStyle(int style) {
    if (style != fontStyle) {
        fontStyle = style;
        dirty = 1;
    }
}

void CText::SetColor(Color c) {
    if (c != color) {
        color = c;
        dirty = 1;
    }
}

void CText::SetRotation(int r) {
    if (r != rotation) {
        rotation = r;
        dirty = 1;
    }
}

SizeF CText::Measure(Graphics& g, const SizeF& layout) const {
    const bool sideways = rotation == 1 || rotation == 3;
    const SizeF box = sideways ? SizeF{layout.height, layout.width} : layout;
    const SizeF size = g.measureString(text, GetFont(), box, GetFormat());
    return sideways ? SizeF{size.height, size.width} : size;
}

void CText::Draw(Graphics& g, const RectF& r) {
    DrawString(g, r, false);
}

void CText::DrawClipped(Graphics& g, const RectF& r) {
    DrawString(g, r, true);
}

void CText::DrawString(Graphics& g, const RectF& r, bool clip) {
    rect = r;
    if (!backgroundColor.isTransparent()) {
        g.fillRectangle(Brush(backgroundColor), r);
    }
    border.Draw(g, r);
    if (text.empty() || color.isTransparent()) {
        return;
    }
    TextFormat format = GetFormat();
    format.clip = clip;
    if (rotation < 1 || rotation > 3) {
        g.drawString(text, GetFont(), color, r, format);
        return;
    }
    // Rotate about the rectangle's centre and draw into the rectangle as seen in the turned
    // frame (width and height exchanged for quarter turns).
    const double cx = r.x + r.w / 2.0;
    const double cy = r.y + r.h / 2.0;
    const bool sideways = rotation != 2;
    const double w = sideways ? r.h : r.w;
    const double h = sideways ? r.w : r.h;
    g.save();
    g.translate(cx, cy);
    g.rotate(90.0 * rotation);
    g.drawString(text, GetFont(), color, RectF{-w / 2.0, -h / 2.0, w, h}, format);
    g.restore();
}

}  // namespace plot
