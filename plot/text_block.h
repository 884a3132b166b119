#pragma once

#include "plot/dockable_plot_object.h"
#include "plot/text.h"

namespace plot {

/// Docked text: the plot title and the axis labels.
class CTextBlock : public CDockablePlotObject {
public:
    CTextBlock(std::string name, int dockSide) : CDockablePlotObject(std::move(name), dockSide) {}

    CText& GetTextStyle() { return m_textStyle; }
    void SetText(const std::string& text);
    const std::string& GetText() const { return m_textStyle.text; }
    const RectF& GetTextRect() const { return m_textRect; }

    int IsDirty() const override {
        return CPlotObject::IsDirty() || m_textDirty || m_textStyle.dirty;
    }
    void ClearDirty() override;
    void Layout(Graphics& g, double x, double y, double w, double h) override;
    void DrawContent(Graphics& g) override;

private:
    CText m_textStyle;
    RectF m_textRect;
    int m_textDirty = 1;
};

}  // namespace plot
