#pragma once

#include "plot/plot.h"
#include "plot/plot_notification_relay.h"
#include "plot/plot_window.h"

#include <functional>
#include <string>
#include <vector>

#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QWidget>

namespace plot {

/// A window that shows one plot (not owned): paints it through a cached image, lays it out on
/// resize, forwards the mouse to it, shows its tooltips and relays its notifications to the
/// listeners registered per code.
class CPlotWnd : public QWidget, public PlotWindow {
    Q_OBJECT

public:
    explicit CPlotWnd(QWidget* parent = nullptr);
    ~CPlotWnd() override;

    /// Shows the plot in this window (none detaches).
    void AttachPlot(CPlot* plot);
    CPlot* GetPlot() const { return m_plot; }

    void AddListener(int code, PlotListener* listener) { m_relay.AddListener(code, listener); }
    void RemoveListener(int code, PlotListener* listener) {
        m_relay.RemoveListener(code, listener);
    }
    void SetBackgroundColor(Color color);
    /// Runs the plot's layout pass over the client area.
    void Layout();
    /// Drops the cached picture and repaints.
    void Invalidate();
    void DropCaches() { m_cacheValid = false; }
    /// The plot drawn at the given size, as Copy to clipboard makes it.
    QImage DrawForExport(int width, int height);
    /// Puts the plot as a picture of the client size on the clipboard.
    void CopyToClipboard();
    /// Prints the plot on one page through the print dialog: laid out at width x height
    /// pixels (the window's size when either is negative) and scaled to nine tenths of the
    /// printable area, centred. False when the dialog was cancelled.
    bool Print(const std::string& documentName, bool landscape, int width, int height);
    /// The drawing of Print on any painter: the plot laid out at width x height, scaled
    /// evenly to nine tenths of `area` and centred in it.
    static void DrawFitted(CPlot& plot, QPainter& painter, const QRectF& area, int width,
                           int height);
    const std::string& GetTooltipText() const { return m_tooltipText; }

    /// Replaces the popup menu (tests answer menus without a modal loop): it gets the global
    /// point and the item texts and returns the chosen index or -1.
    void SetMenuHook(std::function<int(const QPoint&, const QStringList&)> hook) {
        m_menuHook = std::move(hook);
    }

    int TrackPopupMenu(double x, double y, const std::vector<std::string>& items) override;
    void OnPlotNotification(const CPlotNotification& notification) override;

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    void Forward(int message, const QPointF& point);
    void Deliver(const CPlotNotification& notification);

    CPlot* m_plot = nullptr;
    Color m_backgroundColor = 0xFFFFFFFFu;
    QImage m_cache;
    bool m_cacheValid = false;
    CPlotNotificationRelay m_relay;
    std::string m_tooltipText;
    std::function<int(const QPoint&, const QStringList&)> m_menuHook;
};

}  // namespace plot
