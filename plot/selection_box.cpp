#include "plot/selection_box.h"

namespace plot {

CSelectionBox::CSelectionBox(std::string name) : CPlotObject(std::move(name)) {
    m_line.dashStyle = kDashDot;
    m_line.color = 0xFF000000u;
}

void CSelectionBox::Show(const RectF& rect) {
    m_rect = rect;
    m_shown = true;
}

void CSelectionBox::Layout(Graphics&, double, double, double, double) {
    m_layout.x = m_rect.x;
    m_layout.y = m_rect.y;
    m_layout.w = m_rect.w;
    m_layout.h = m_rect.h;
}

void CSelectionBox::DrawContent(Graphics& g) {
    if (m_shown && m_visible) {
        g.drawRectangle(g.makePen(m_line), m_rect);
    }
}

}  // namespace plot
