#pragma once

#include "plot/graphics.h"
#include "plot/transform.h"

#include <functional>
#include <string>

namespace report {

class CPageItem;

/// Called with the item, the click code and the point (device units) when a page is clicked
/// inside the item; `data` is the argument given with the handler.
using PageItemClickHandler =
    std::function<void(CPageItem& item, int code, double x, double y, void* data)>;

/// A captioned box placed on a page in inches (x from the left edge, y from the top edge of an
/// 8.5 x 11 in sheet). The page's transform maps the inches onto the device it is drawn on; the
/// item keeps its own device rectangle, recomputed whenever that transform changes.
class CPageItem {
public:
    CPageItem();
    virtual ~CPageItem() = default;

    CPageItem(const CPageItem&) = delete;
    CPageItem& operator=(const CPageItem&) = delete;

    virtual const std::string& GetName() const { return m_name; }
    virtual const std::string& GetText() const { return m_text; }
    virtual int GetFontStyle() const { return m_fontStyle; }
    virtual double GetFontSize() const { return m_fontSize; }
    virtual const std::string& GetFontName() const { return m_fontName; }
    virtual const plot::TextFormat& GetFormat() const { return m_format; }
    virtual plot::Color GetTextColor() const { return m_textColor; }
    virtual double GetExtraSpacing() const { return m_extraSpacing; }
    virtual double GetFrameWidth() const { return m_frameWidth; }
    virtual plot::Color GetFrameColor() const { return m_frameColor; }
    virtual int GetFrameDashStyle() const { return m_frameDashStyle; }
    /// The placement in inches.
    virtual const plot::RectF& GetRect() const { return m_rect; }
    /// Estimated caption height in inches, before anything is measured on a device.
    virtual double TextHeight() const;
    virtual int GetScreenOnly() const { return m_screenOnly; }
    /// Takes a copy of the page's transform and recomputes the device rectangle.
    virtual void SetTransform(const plot::CTransform& transform);

    virtual void SetName(const std::string& name) { m_name = name; }
    virtual void SetText(const std::string& text) { m_text = text; }
    virtual void SetFontStyle(int style) { m_fontStyle = style; }
    virtual void SetFontSize(double points) { m_fontSize = points; }
    virtual void SetFontName(const std::string& name) { m_fontName = name; }
    virtual void SetFormat(const plot::TextFormat& format) { m_format = format; }
    virtual void SetTextColor(plot::Color color) { m_textColor = color; }
    /// Space below the caption, in hundredths of an inch.
    virtual void SetExtraSpacing(double hundredths) { m_extraSpacing = hundredths; }
    virtual void SetFrameWidth(double pixels) { m_frameWidth = pixels; }
    virtual void SetFrameColor(plot::Color color) { m_frameColor = color; }
    virtual void SetFrameDashStyle(int style) { m_frameDashStyle = style; }
    /// Places the item, in inches.
    virtual void SetRect(double x, double y, double w, double h);
    virtual void SetScreenOnly(int screenOnly) { m_screenOnly = screenOnly; }
    virtual void SetClickHandler(PageItemClickHandler handler, void* data);

    /// True when the device point lies inside the item's device rectangle.
    virtual bool Contains(double x, double y) const;
    /// Runs the click handler, when there is one; returns whether there was.
    virtual bool Click(int code, double x, double y);
    virtual void Draw(plot::Graphics& graphics);
    /// Maps a rectangle in inches onto the device through the page transform.
    virtual plot::RectF MapRect(double x, double y, double w, double h) const;
    /// The largest font, from `font.sizePt` down in steps of one point (never below about four
    /// points), with which `text` fits inside `rect`.
    virtual plot::Font FitFont(plot::Graphics& graphics, const std::string& text,
                               const plot::Font& font, const plot::RectF& rect,
                               const plot::TextFormat& format) const;
    virtual void DrawFrame(plot::Graphics& graphics);
    /// Draws the caption inside the device rectangle; returns the rectangle it took, with the
    /// extra spacing added to its height (an empty rectangle at the top when there is no caption).
    virtual plot::RectF DrawText(plot::Graphics& graphics);

    const plot::RectF& GetDeviceRect() const { return m_deviceRect; }
    const plot::CTransform& GetTransform() const { return m_transform; }
    void SetPageInfo(int pageNumber, int pageCount);
    int GetPageNumber() const { return m_pageNumber; }
    int GetPageCount() const { return m_pageCount; }

protected:
    /// Device units per inch of the current page transform (horizontal factor).
    double DevicePerInch() const;
    /// The caption font as stored in the item.
    plot::Font CaptionFont() const;

    plot::CTransform m_transform;
    std::string m_name;
    plot::RectF m_rect;        // inches
    plot::RectF m_deviceRect;  // device units
    int m_pageNumber = -1;
    int m_pageCount = -1;
    std::string m_text;
    int m_fontStyle = plot::kFontBold;
    double m_fontSize = 12.0;  // points
    std::string m_fontName = "Arial";
    plot::TextFormat m_format;
    plot::Color m_textColor = 0xFF000000u;
    double m_extraSpacing = 0.0;  // hundredths of an inch
    double m_frameWidth = 1.0;    // 96-dpi pixels
    plot::Color m_frameColor = 0xFF000000u;
    int m_frameDashStyle = 0;
    int m_screenOnly = 0;
    PageItemClickHandler m_clickHandler;
    void* m_clickData = nullptr;
};

/// Places a measured block of `size` inside `box` by the format's alignment.
plot::RectF AlignedRect(const plot::RectF& box, const plot::SizeF& size,
                        const plot::TextFormat& format);

}  // namespace report
