#include "plot/data_area_object.h"

namespace plot {

CDataAreaObject::CDataAreaObject(std::string name) : m_name(std::move(name)) {}

void CDataAreaObject::SetTransform(const CTransform& transform) {
    if (transform != m_transform) {
        m_transform = transform;
        m_dirty = 1;
    }
}

void CDataAreaObject::SetVisible(int visible) {
    if (visible != m_visible) {
        m_visible = visible;
        m_dirty = 1;
    }
}

void CDataAreaObject::ClearDirty() {
    m_dirty = 0;
    m_line.changed = 0;
}

void CDataAreaObject::Layout(Graphics&, double x, double y, double w, double h) {
    m_rect = RectF{x, y, w, h};
}

std::string CDataAreaObject::GetTooltipText(double, double) {
    return std::string();
}

}  // namespace plot
