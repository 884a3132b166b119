#include "report/page_item_line.h"

#include <algorithm>
#include <cmath>

namespace report {

CPageItemLine::CPageItemLine() = default;

void CPageItemLine::SetPoints(double x1, double y1, double x2, double y2) {
    m_x1 = x1;
    m_y1 = y1;
    m_x2 = x2;
    m_y2 = y2;
    SetRect(std::min(x1, x2), std::min(y1, y2), std::fabs(x2 - x1), std::fabs(y2 - y1));
}

void CPageItemLine::Draw(plot::Graphics& graphics) {
    plot::Pen pen;
    pen.color = m_lineColor;
    // Widths are screen pixels; a printed page scales them like every other pen.
    pen.width = graphics.scaled(m_lineWidth);
    pen.dashStyle = m_dashStyle;
    graphics.drawLine(pen, m_transform.DataToDeviceX(m_x1), m_transform.DataToDeviceY(m_y1),
                      m_transform.DataToDeviceX(m_x2), m_transform.DataToDeviceY(m_y2));
}

}  // namespace report
