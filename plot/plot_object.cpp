#include "plot/plot_object.h"

namespace plot {

CPlotObject::CPlotObject(std::string name) : m_name(std::move(name)) {}

void CPlotObject::SetVisible(int visible) {
    if (visible != m_visible) {
        m_visible = visible;
        m_dirty = 1;
    }
}

void CPlotObject::SetLayoutRect(const CLayoutRect& layout) {
    m_layout = layout;
    m_dirty = 1;
}

void CPlotObject::ClearDirty() {
    m_dirty = 0;
    m_border.ClearChanged();
}

void CPlotObject::Layout(Graphics& g, double x, double y, double w, double h) {
    const RectF parent{x, y, w, h};
    if (IsDirty() || parent != m_lastParentRect) {
        m_lastParentRect = parent;
        m_layout.Resolve(parent, g.deviceScale());
    }
}

void CPlotObject::DrawBackground(Graphics& g) {
    if (m_visible && !m_backgroundColor.isTransparent()) {
        g.fillRectangle(Brush(m_backgroundColor), GetRect());
    }
}

void CPlotObject::DrawBorder(Graphics& g) {
    if (m_visible) {
        m_border.Draw(g, GetRect());
    }
}

int CPlotObject::HandleMouse(int, double, double, PlotWindow*) {
    return 0;
}

std::string CPlotObject::GetTooltipText(double, double) {
    return std::string();
}

void CPlotObject::SetBackgroundColor(Color c) {
    if (c != m_backgroundColor) {
        m_backgroundColor = c;
        m_dirty = 1;
    }
}

}  // namespace plot
