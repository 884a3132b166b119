#include "report/page_item.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace report {

namespace {

// Caption line height as a multiple of the point size, and the constant part of the box,
// both in hundredths of an inch per point: the figures of Arial on a 100-dpi page.
constexpr double kLineHeightPerPoint = 1.5419269800186157;
constexpr double kLeadingPerPoint = 0.13177065551280975;

// Font fitting stops stepping down once the size is no longer above this many points.
constexpr double kSmallestFittedFont = 4.0;
// A sane ceiling so a silly size cannot make fitting step down forever.
constexpr double kLargestFittedFont = 500.0;

}  // namespace

plot::RectF AlignedRect(const plot::RectF& box, const plot::SizeF& size,
                        const plot::TextFormat& format) {
    plot::RectF r{box.x, box.y, size.width, size.height};
    if (format.horizontalAlign == 1) {
        r.x = box.x + (box.w - size.width) / 2.0;
    } else if (format.horizontalAlign == 2) {
        r.x = box.x + box.w - size.width;
    }
    if (format.verticalAlign == 1) {
        r.y = box.y + (box.h - size.height) / 2.0;
    } else if (format.verticalAlign == 2) {
        r.y = box.y + box.h - size.height;
    }
    return r;
}

CPageItem::CPageItem() {
    m_format.horizontalAlign = 0;
    m_format.verticalAlign = 1;
    // Report texts are laid out line by line as the caller wrote them; a text that does not fit
    // gets a smaller font instead of being broken or cut.
    m_format.wrap = false;
    m_format.clip = false;
}

double CPageItem::TextHeight() const {
    if (m_text.empty()) {
        return 0.0;
    }
    const double lines = 1.0 + static_cast<double>(std::count(m_text.begin(), m_text.end(), '\n'));
    return (m_extraSpacing + m_fontSize * (lines * kLineHeightPerPoint + kLeadingPerPoint)) / 100.0;
}

void CPageItem::SetTransform(const plot::CTransform& transform) {
    m_transform = transform;
    m_deviceRect = MapRect(m_rect.x, m_rect.y, m_rect.w, m_rect.h);
}

void CPageItem::SetRect(double x, double y, double w, double h) {
    m_rect = plot::RectF{x, y, w, h};
    m_deviceRect = MapRect(x, y, w, h);
}

void CPageItem::SetClickHandler(PageItemClickHandler handler, void* data) {
    m_clickHandler = std::move(handler);
    m_clickData = data;
}

void CPageItem::SetPageInfo(int pageNumber, int pageCount) {
    m_pageNumber = pageNumber;
    m_pageCount = pageCount;
}

bool CPageItem::Contains(double x, double y) const {
    return m_deviceRect.contains(x, y);
}

bool CPageItem::Click(int code, double x, double y) {
    if (!m_clickHandler) {
        return false;
    }
    m_clickHandler(*this, code, x, y, m_clickData);
    return true;
}

plot::RectF CPageItem::MapRect(double x, double y, double w, double h) const {
    const double x0 = m_transform.DataToDeviceX(x);
    const double y0 = m_transform.DataToDeviceY(y);
    const double x1 = m_transform.DataToDeviceX(x + w);
    const double y1 = m_transform.DataToDeviceY(y + h);
    return plot::RectF{std::min(x0, x1), std::min(y0, y1), std::fabs(x1 - x0), std::fabs(y1 - y0)};
}

double CPageItem::DevicePerInch() const {
    return std::fabs(m_transform.DataToDeviceX(1.0) - m_transform.DataToDeviceX(0.0));
}

plot::Font CPageItem::CaptionFont() const {
    plot::Font font;
    font.family = m_fontName;
    font.sizePt = m_fontSize;
    font.style = m_fontStyle;
    return font;
}

plot::Font CPageItem::FitFont(plot::Graphics& graphics, const std::string& text,
                              const plot::Font& font, const plot::RectF& rect,
                              const plot::TextFormat& format) const {
    plot::Font fitted = font;
    if (!(fitted.sizePt <= kLargestFittedFont)) {
        fitted.sizePt = std::isnan(fitted.sizePt) ? kSmallestFittedFont : kLargestFittedFont;
    }
    plot::TextFormat unbounded = format;
    unbounded.clip = false;
    for (;;) {
        const plot::SizeF size =
            graphics.measureString(text, fitted, plot::SizeF{rect.w, rect.h}, unbounded);
        if (size.width < rect.w && size.height < rect.h) {
            return fitted;
        }
        if (fitted.sizePt > kSmallestFittedFont) {
            fitted.sizePt -= 1.0;
        } else {
            return fitted;
        }
    }
}

void CPageItem::DrawFrame(plot::Graphics& graphics) {
    if (m_frameColor.isTransparent()) {
        return;
    }
    plot::Pen pen;
    pen.color = m_frameColor;
    pen.width = graphics.scaled(m_frameWidth);
    pen.dashStyle = m_frameDashStyle;
    graphics.drawRectangle(pen, m_deviceRect);
}

plot::RectF CPageItem::DrawText(plot::Graphics& graphics) {
    const double spacing = m_extraSpacing / 100.0 * DevicePerInch();
    if (m_text.empty()) {
        return plot::RectF{m_deviceRect.x, m_deviceRect.y, m_deviceRect.w, spacing};
    }
    const plot::Font font = FitFont(graphics, m_text, CaptionFont(), m_deviceRect, m_format);
    graphics.drawString(m_text, font, m_textColor, m_deviceRect, m_format);
    const plot::SizeF size =
        graphics.measureString(m_text, font, plot::SizeF{m_deviceRect.w, m_deviceRect.h}, m_format);
    plot::RectF taken = AlignedRect(m_deviceRect, size, m_format);
    taken.h += spacing;
    return taken;
}

void CPageItem::Draw(plot::Graphics& graphics) {
    DrawFrame(graphics);
    DrawText(graphics);
}

}  // namespace report
