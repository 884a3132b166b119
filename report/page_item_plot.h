#pragma once

#include "report/page_item_text.h"

#include <functional>

namespace plot {
class CPlot;
}

namespace report {

class CPageItemPlot;

/// Runs after the plot's layout pass and before it is drawn; a nonzero result asks for a
/// second layout pass (for handlers that change the plot's ranges).
using PlotAfterDrawHandler = std::function<int(CPageItemPlot& item, void* data)>;

/// A plot drawn into a box of the page, with an optional caption at the top and the three
/// column texts at the bottom. The plot belongs to the window that made the report and must
/// outlive the item.
class CPageItemPlot : public CPageItemText {
public:
    explicit CPageItemPlot(plot::CPlot* plot = nullptr);

    plot::CPlot* GetPlot() const { return m_plot; }
    void SetPlot(plot::CPlot* plot) { m_plot = plot; }
    void SetAfterDraw(PlotAfterDrawHandler handler, void* data);

    void Draw(plot::Graphics& graphics) override;

    /// Where the plot itself went at the last drawing.
    const plot::RectF& GetPlotRect() const { return m_plotRect; }

private:
    plot::CPlot* m_plot = nullptr;
    PlotAfterDrawHandler m_afterDraw;
    void* m_afterDrawData = nullptr;
    plot::RectF m_plotRect;
};

}  // namespace report
