#pragma once

#include "plot/border.h"
#include "plot/graphics.h"
#include "plot/layout_rect.h"

#include <string>

namespace plot {

class PlotWindow;

/// A named, laid-out, bordered rectangle of a plot.
class CPlotObject {
public:
    explicit CPlotObject(std::string name);
    virtual ~CPlotObject() = default;
    CPlotObject(const CPlotObject&) = delete;
    CPlotObject& operator=(const CPlotObject&) = delete;

    const std::string& GetName() const { return m_name; }
    int IsVisible() const { return m_visible; }
    void SetVisible(int visible);

    virtual CLayoutRect& GetLayoutRect() { return m_layout; }
    const CLayoutRect& GetLayoutRect() const { return m_layout; }
    virtual int IsDirty() const { return m_dirty || m_border.IsChanged(); }
    /// Copies the layout rect and marks the object dirty.
    virtual void SetLayoutRect(const CLayoutRect& layout);
    virtual void ClearDirty();
    virtual void SetDirty() { m_dirty = 1; }
    /// Resolves the layout against the parent rectangle when dirty or when the parent changed.
    virtual void Layout(Graphics& g, double x, double y, double w, double h);
    /// Fills the resolved rectangle with the background colour (nothing when transparent).
    virtual void DrawBackground(Graphics& g);
    virtual void DrawContent(Graphics& g) = 0;
    virtual void DrawBorder(Graphics& g);
    /// Offered every mouse message that reaches the plot; a MouseResult.
    virtual int HandleMouse(int message, double x, double y, PlotWindow* window);
    virtual std::string GetTooltipText(double x, double y);

    /// The resolved rectangle of the last layout pass, device units.
    RectF GetRect() const { return m_layout.Rect(); }
    Color GetBackgroundColor() const { return m_backgroundColor; }
    void SetBackgroundColor(Color c);
    CBorder& GetBorder() { return m_border; }
    const RectF& GetLastParentRect() const { return m_lastParentRect; }

protected:
    std::string m_name;
    int m_visible = 1;
    CLayoutRect m_layout;
    Color m_backgroundColor = 0x00FFFFFFu;
    CBorder m_border;
    RectF m_lastParentRect{-1.0, -1.0, -1.0, -1.0};
    int m_dirty = 1;
};

}  // namespace plot
