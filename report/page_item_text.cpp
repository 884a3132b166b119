#include "report/page_item_text.h"

#include <algorithm>

namespace report {

CPageItemText::CPageItemText() {
    m_format.verticalAlign = 0;  // the caption sits at the top of the box
    m_leftFormat = m_format;
    m_leftFormat.horizontalAlign = 0;
    m_leftFormat.verticalAlign = 1;
    m_rightFormat = m_leftFormat;
    m_rightFormat.horizontalAlign = 2;
    m_centerFormat = m_leftFormat;
    m_centerFormat.horizontalAlign = 1;
}

void CPageItemText::SetColumnsAtBottom() {
    m_leftFormat.verticalAlign = 2;
    m_rightFormat.verticalAlign = 2;
    m_centerFormat.verticalAlign = 2;
}

plot::Font CPageItemText::BodyFont() const {
    plot::Font font;
    font.family = m_bodyFontName;
    font.sizePt = m_bodyFontSize;
    font.style = m_bodyFontStyle;
    return font;
}

plot::RectF CPageItemText::InnerRect(plot::Graphics& graphics) const {
    const double p = graphics.scaled(m_innerMargin);
    plot::RectF r = m_deviceRect;
    r.x += p;
    r.y += p;
    r.w = std::max(0.0, r.w - 2.0 * p);
    r.h = std::max(0.0, r.h - 2.0 * p);
    return r;
}

plot::RectF CPageItemText::DrawColumn(plot::Graphics& graphics, const std::string& text,
                                      const plot::TextFormat& format, const plot::RectF& body) {
    if (text.empty()) {
        return AlignedRect(body, plot::SizeF{0.0, 0.0}, format);
    }
    const plot::Font font = FitFont(graphics, text, BodyFont(), body, format);
    graphics.drawString(text, font, m_bodyColor, body, format);
    const plot::SizeF size =
        graphics.measureString(text, font, plot::SizeF{body.w, body.h}, format);
    return AlignedRect(body, size, format);
}

plot::RectF CPageItemText::DrawLeft(plot::Graphics& graphics, const plot::RectF& body) {
    return DrawColumn(graphics, m_leftText, m_leftFormat, body);
}

plot::RectF CPageItemText::DrawCenter(plot::Graphics& graphics, const plot::RectF& body) {
    return DrawColumn(graphics, m_centerText, m_centerFormat, body);
}

plot::RectF CPageItemText::DrawRight(plot::Graphics& graphics, const plot::RectF& body) {
    return DrawColumn(graphics, m_rightText, m_rightFormat, body);
}

void CPageItemText::Draw(plot::Graphics& graphics) {
    DrawFrame(graphics);
    const plot::RectF saved = m_deviceRect;
    m_deviceRect = InnerRect(graphics);
    m_captionRect = DrawText(graphics);
    const double bodyTop = m_captionRect.y + m_captionRect.h;
    m_bodyRect = plot::RectF{m_deviceRect.x, bodyTop, m_deviceRect.w,
                             std::max(0.0, m_deviceRect.bottom() - bodyTop)};
    DrawLeft(graphics, m_bodyRect);
    DrawRight(graphics, m_bodyRect);
    DrawCenter(graphics, m_bodyRect);
    m_deviceRect = saved;
}

}  // namespace report
