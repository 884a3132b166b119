#include "report/page_item_plot.h"

#include "plot/plot.h"

#include <algorithm>
#include <utility>

namespace report {

CPageItemPlot::CPageItemPlot(plot::CPlot* plot) : m_plot(plot) {
    SetColumnsAtBottom();
}

void CPageItemPlot::SetAfterDraw(PlotAfterDrawHandler handler, void* data) {
    m_afterDraw = std::move(handler);
    m_afterDrawData = data;
}

void CPageItemPlot::Draw(plot::Graphics& graphics) {
    const plot::RectF saved = m_deviceRect;
    const double p = graphics.scaled(m_innerMargin);
    if (!m_text.empty()) {
        m_deviceRect = InnerRect(graphics);
    }
    m_captionRect = DrawText(graphics);
    const double top = m_captionRect.y + m_captionRect.h;
    m_bodyRect = plot::RectF{m_deviceRect.x, top, m_deviceRect.w,
                             std::max(0.0, m_deviceRect.bottom() - top)};

    const bool hasTexts = !m_leftText.empty() || !m_centerText.empty() || !m_rightText.empty();
    double bottom = m_deviceRect.bottom();
    if (hasTexts) {
        const plot::RectF left = DrawLeft(graphics, m_bodyRect);
        const plot::RectF right = DrawRight(graphics, m_bodyRect);
        const plot::RectF center = DrawCenter(graphics, m_bodyRect);
        // The plot stops a margin above the tallest of the texts below it.
        bottom = std::min({left.y, right.y, center.y}) - p;
    }
    m_plotRect = plot::RectF{m_deviceRect.x, top, m_deviceRect.w, std::max(0.0, bottom - top)};

    if (m_plot != nullptr) {
        // A report page is a new kind of target: everything is laid out afresh.
        m_plot->InvalidateAll();
        m_plot->Layout(graphics, m_plotRect.x, m_plotRect.y, m_plotRect.right(),
                       m_plotRect.bottom());
        if (m_afterDraw && m_afterDraw(*this, m_afterDrawData) != 0) {
            m_plot->Layout(graphics, m_plotRect.x, m_plotRect.y, m_plotRect.right(),
                           m_plotRect.bottom());
        }
        m_plot->DrawBackground(graphics);
        m_plot->DrawContent(graphics);
    }

    m_deviceRect = saved;
    DrawFrame(graphics);
}

}  // namespace report
