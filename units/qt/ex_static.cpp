#include "units/qt/ex_static.h"

#include "units/data_object.h"
#include "units/qt/control_binding.h"

namespace units {

CExStatic::CExStatic(QWidget* parent) : QLabel(parent) {}

CExStatic::~CExStatic() {
    m_alive = false;
    UnregisterBinding(this);
}

void CExStatic::Bind(CDataObject* object, Cell cell, const QObject* owner) {
    m_object = object;
    m_cell = cell;
    RegisterBinding(this, owner, object);
    refreshFromData();
}

void CExStatic::SetTextColor(const QColor& color) {
    QPalette colors = palette();
    colors.setColor(QPalette::WindowText, color);
    setPalette(colors);
}

void CExStatic::SetBackgroundColor(const QColor& color) {
    QPalette colors = palette();
    colors.setColor(QPalette::Window, color);
    setPalette(colors);
    setAutoFillBackground(true);
}

bool CExStatic::refreshFromData() {
    setText(m_object != nullptr ? ToQString(m_object->GetText(m_cell, kTextValue)) : QString());
    return true;
}

}  // namespace units
