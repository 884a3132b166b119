#include "plot/text_block.h"

namespace plot {

void CTextBlock::SetText(const std::string& text) {
    if (text != m_textStyle.text) {
        m_textStyle.text = text;
        m_textDirty = 1;
    }
}

void CTextBlock::ClearDirty() {
    CPlotObject::ClearDirty();
    m_textDirty = 0;
    m_textStyle.dirty = 0;
}

void CTextBlock::Layout(Graphics& g, double x, double y, double w, double h) {
    const bool relayout = IsDirty() || RectF{x, y, w, h} != m_lastParentRect;
    CPlotObject::Layout(g, x, y, w, h);
    if (relayout) {
        const RectF r = GetRect();
        const SizeF size = m_textStyle.Measure(g, SizeF{r.w, r.h});
        // The measured text sits in the block as its alignment places it.
        double tx = r.x;
        double ty = r.y;
        if (m_textStyle.horizontalAlign == 1) {
            tx = r.x + (r.w - size.width) / 2.0;
        } else if (m_textStyle.horizontalAlign == 2) {
            tx = r.x + r.w - size.width;
        }
        if (m_textStyle.verticalAlign == 1) {
            ty = r.y + (r.h - size.height) / 2.0;
        } else if (m_textStyle.verticalAlign == 2) {
            ty = r.y + r.h - size.height;
        }
        m_textRect = RectF{tx, ty, size.width, size.height};
    }
}

void CTextBlock::DrawContent(Graphics& g) {
    if (!m_visible || !m_textStyle.visible) {
        return;
    }
    m_textStyle.DrawClipped(g, GetRect());
}

}  // namespace plot
