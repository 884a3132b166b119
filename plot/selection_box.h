#pragma once

#include "plot/plot_object.h"

namespace plot {

/// The rubber-band rectangle of area selection; drawn only while shown.
class CSelectionBox : public CPlotObject {
public:
    explicit CSelectionBox(std::string name);

    bool IsShown() const { return m_shown; }
    void Show(const RectF& rect);
    void Hide() { m_shown = false; }
    void Layout(Graphics& g, double x, double y, double w, double h) override;
    void DrawContent(Graphics& g) override;

private:
    bool m_shown = false;
    RectF m_rect;
    LineStyle m_line;
};

}  // namespace plot
