#pragma once

#include "report/page_item.h"

#include <string>

namespace report {

/// A box with a caption and three text columns below it. Multi-line texts make aligned
/// columns: the left text holds the labels, the right text the values.
class CPageItemText : public CPageItem {
public:
    CPageItemText();

    virtual const std::string& GetLeftText() const { return m_leftText; }
    virtual const std::string& GetCenterText() const { return m_centerText; }
    virtual const std::string& GetRightText() const { return m_rightText; }
    virtual void SetLeftText(const std::string& text) { m_leftText = text; }
    virtual void SetCenterText(const std::string& text) { m_centerText = text; }
    virtual void SetRightText(const std::string& text) { m_rightText = text; }
    virtual int GetBodyFontStyle() const { return m_bodyFontStyle; }
    virtual double GetBodyFontSize() const { return m_bodyFontSize; }
    virtual const std::string& GetBodyFontName() const { return m_bodyFontName; }
    virtual plot::Color GetBodyColor() const { return m_bodyColor; }
    virtual void SetBodyFontStyle(int style) { m_bodyFontStyle = style; }
    virtual void SetBodyFontSize(double points) { m_bodyFontSize = points; }
    virtual void SetBodyFontName(const std::string& name) { m_bodyFontName = name; }
    virtual void SetBodyColor(plot::Color color) { m_bodyColor = color; }
    virtual double GetInnerMargin() const { return m_innerMargin; }
    /// Margin inside the frame, in 96-dpi pixels (scaled on printed pages).
    virtual void SetInnerMargin(double pixels) { m_innerMargin = pixels; }

    void Draw(plot::Graphics& graphics) override;

    /// Each draws its column text with the body font, fitted to `body`; returns the
    /// rectangle the text took (empty, at the aligned edge, when the text is empty).
    virtual plot::RectF DrawLeft(plot::Graphics& graphics, const plot::RectF& body);
    virtual plot::RectF DrawCenter(plot::Graphics& graphics, const plot::RectF& body);
    virtual plot::RectF DrawRight(plot::Graphics& graphics, const plot::RectF& body);

    const plot::RectF& GetCaptionRect() const { return m_captionRect; }
    const plot::RectF& GetBodyRect() const { return m_bodyRect; }
    const plot::TextFormat& GetLeftFormat() const { return m_leftFormat; }
    const plot::TextFormat& GetCenterFormat() const { return m_centerFormat; }
    const plot::TextFormat& GetRightFormat() const { return m_rightFormat; }

protected:
    plot::Font BodyFont() const;
    plot::RectF DrawColumn(plot::Graphics& graphics, const std::string& text,
                           const plot::TextFormat& format, const plot::RectF& body);
    /// Puts the three column texts at the bottom of the box (plots and tables).
    void SetColumnsAtBottom();
    /// Device rectangle less the inner margin on each side.
    plot::RectF InnerRect(plot::Graphics& graphics) const;

    std::string m_leftText;
    std::string m_centerText;
    std::string m_rightText;
    int m_bodyFontStyle = 0;
    double m_bodyFontSize = 10.0;  // points
    std::string m_bodyFontName = "Arial";
    plot::Color m_bodyColor = 0xFF000000u;
    plot::TextFormat m_leftFormat;
    plot::TextFormat m_rightFormat;
    plot::TextFormat m_centerFormat;
    double m_innerMargin = 4.0;  // 96-dpi pixels
    plot::RectF m_captionRect;
    plot::RectF m_bodyRect;
};

}  // namespace report
