#pragma once

#include "plot/axis.h"
#include "plot/border.h"
#include "plot/data_area.h"
#include "plot/layout_rect.h"
#include "plot/mouse_message.h"
#include "plot/plot_notification.h"
#include "plot/plot_window.h"
#include "plot/range.h"
#include "plot/selection_box.h"
#include "plot/text_block.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace units {
class CDataObject;
}

namespace plot {

/// A whole chart: named ranges, data areas, axes and text blocks docked around the shared plot
/// area, laid out into a target rectangle and drawn in three passes (layout, background,
/// content). The plot owns every object registered in it.
class CPlot {
public:
    CPlot();
    virtual ~CPlot();
    CPlot(const CPlot&) = delete;
    CPlot& operator=(const CPlot&) = delete;

    /// A new range that scales itself, registered by name.
    CRange* AddRange(const std::string& name, int orientation);
    /// A new data area over two ranges; its layout is a copy of the plot area.
    CDataArea* AddDataArea(const std::string& name, CRange* xRange, CRange* yRange);
    /// Copies the layout into the plot area, every data area and an overlay without its own.
    void SetPlotAreaLayout(const CLayoutRect& layout);
    const CLayoutRect& GetPlotAreaLayout() const { return m_plotArea; }
    /// Creates an axis bound to a data object (its display unit), docked to a side of the plot
    /// area with a size in pixels or as a fraction of the plot's rectangle.
    CAxis* AddAxis(const std::string& name, CDataArea* dataArea, int dockSide, bool sizeInPixels,
                   units::CDataObject* dataObject, double size);
    CTextBlock* AddTextBlock(const std::string& name, const std::string& text, int dockSide,
                             bool sizeInPixels, double size);
    /// Registers a plain plot object drawn after everything else.
    CPlotObject* AddPlotObject(std::unique_ptr<CPlotObject> object);

    CRange* FindRange(const std::string& name) const;
    CDataArea* FindDataArea(const std::string& name) const;
    CAxis* FindAxis(const std::string& name) const;
    CTextBlock* FindTextBlock(const std::string& name) const;
    CPlotObject* FindPlotObject(const std::string& name) const;

    const std::vector<std::unique_ptr<CAxis>>& Axes() const { return m_axes; }
    const std::vector<std::unique_ptr<CDataArea>>& DataAreas() const { return m_dataAreas; }
    const std::vector<std::unique_ptr<CTextBlock>>& TextBlocks() const { return m_textBlocks; }
    const std::vector<std::unique_ptr<CPlotObject>>& PlotObjects() const { return m_plotObjects; }
    /// The data areas that use a range.
    const std::vector<CDataArea*>& RangeUsers(const CRange* range) const;

    /// Layout pass into the rectangle (left, top) - (right, bottom), device units.
    virtual void Layout(Graphics& g, double left, double top, double right, double bottom);
    virtual void DrawBackground(Graphics& g);
    virtual void DrawContent(Graphics& g);
    /// The three passes into one rectangle.
    void Draw(Graphics& g, const RectF& rect);
    /// Marks every object dirty so the next layout pass recomputes everything (before drawing
    /// into a new kind of target).
    void InvalidateAll();
    void SetBorderColor(Color argb);
    CBorder& GetBorder() { return m_border; }
    int IsVisible() const { return m_visible; }
    void SetVisible(int visible) { m_visible = visible; }
    double GetDockGap() const { return m_dockGap; }
    void SetDockGap(double gap) { m_dockGap = gap; }
    const RectF& GetLastDrawRect() const { return m_lastDrawRect; }
    CTextBlock& GetOverlay() { return *m_overlay; }
    CSelectionBox& GetSelectionBox() { return m_selectionBox; }

    // --- interaction --------------------------------------------------------------------
    /// The window that shows the plot (not owned); notifications go to it.
    void SetWindow(PlotWindow* window) { m_window = window; }
    PlotWindow* GetWindow() const { return m_window; }
    /// Raises a notification through the plot's dispatcher.
    void Raise(CPlotNotification notification);
    /// Handles one mouse message at a client point; a MouseResult.
    int HandleMouse(int message, double x, double y, PlotWindow* window = nullptr);
    /// The tooltip of the first visible object that has one at the point.
    std::string GetTooltipText(double x, double y);
    int IsPointerLocked() const { return m_pointerLocked; }
    void SetPointerLocked(int locked) { m_pointerLocked = locked; }
    int IsTracking() const { return m_tracking; }
    const std::string& GetLastCommand() const { return m_lastCommand; }
    /// Items of the plot's context menu (an empty text is a separator).
    void SetContextMenu(bool enabled, const std::vector<std::string>& items);
    std::vector<std::string>& ActionNames() { return m_actionNames; }

protected:
    /// Makes the axis object for AddAxis.
    virtual std::unique_ptr<CAxis> CreateAxis(const std::string& name, CDataArea* dataArea,
                                              int dockSide, units::CDataObject* dataObject);

private:
    void Dock(CDockablePlotObject* object, int side, bool sizeInPixels, double size);
    void AutoRangeSharedRanges();
    void TrackPointer(double x, double y);
    CDataAreaCurve* MarkerNear(double x, double y) const;
    void ShowLockMenu(double x, double y, PlotWindow* window);
    void RequestRedraw();

    int m_visible = 1;
    CLayoutRect m_plotArea;
    std::vector<std::unique_ptr<CAxis>> m_axes;
    std::vector<std::unique_ptr<CDataArea>> m_dataAreas;
    std::vector<std::unique_ptr<CTextBlock>> m_textBlocks;
    std::vector<std::unique_ptr<CPlotObject>> m_plotObjects;
    std::vector<std::unique_ptr<CRange>> m_ranges;
    std::unordered_map<std::string, CRange*> m_rangeMap;
    std::unordered_map<std::string, CDataArea*> m_dataAreaMap;
    std::unordered_map<std::string, CAxis*> m_axisMap;
    std::unordered_map<std::string, CTextBlock*> m_textBlockMap;
    std::unordered_map<std::string, CPlotObject*> m_plotObjectMap;
    CBorder m_border;
    int m_currentDataArea = -1;
    std::vector<CDockablePlotObject*> m_dockLists[4];  // indexed by DockSide
    double m_dockGap = 0.0;
    std::unordered_map<const CRange*, std::vector<CDataArea*>> m_rangeUsers;
    bool m_contextMenuEnabled = false;
    std::vector<std::string> m_contextMenuItems;
    double m_zoomFactor = 1.0;
    double m_zoomStep = 0.1;
    RectF m_lastDrawRect{-1.0, -1.0, -1.0, -1.0};
    std::vector<std::string> m_actionNames;
    std::unique_ptr<CTextBlock> m_overlay;
    CSelectionBox m_selectionBox;

    PlotWindow* m_window = nullptr;
    int m_pointerLocked = 0;
    int m_tracking = 0;
    std::string m_lastCommand;
    CPlotObject* m_captured = nullptr;
    int m_buttonDown = 0;  ///< the left or middle press of a drag in progress
};

}  // namespace plot
