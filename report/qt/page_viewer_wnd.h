#pragma once

#include "report/report.h"

#include <vector>

#include <QColor>
#include <QRectF>
#include <QTransform>
#include <QWidget>

class QScrollBar;

namespace report {

/// A scrolling, zooming view of a report's pages. Pages are laid out in unzoomed viewer pixels
/// (100 per inch, 850 x 1100 a page) and drawn through a zoom transform, several to a row when
/// the window is wide enough.
class CPageViewerWnd : public QWidget {
    Q_OBJECT

public:
    static constexpr double kPageWidth = 850.0;
    static constexpr double kPageHeight = 1100.0;
    static constexpr double kMaxZoom = 5.0;
    static constexpr double kMinZoom = 0.1;
    static constexpr double kZoomStep = 0.1;
    static constexpr int kLineStep = 40;

    explicit CPageViewerWnd(QWidget* parent = nullptr);

    void SetReport(CReport* report);
    CReport* GetReport() const { return m_report; }
    double GetZoom() const { return m_zoom; }
    void SetZoom(double zoom);
    int GetGap() const { return m_gap; }
    void SetGap(int gap);
    void SetShowHorizontalBar(bool show);
    void SetShowVerticalBar(bool show);
    /// With a fit frame the zoom is chosen so that one page fits the window.
    void SetFitFrame(bool fit);
    void SetBackgroundColor(QColor color);
    void ZoomIn();
    void ZoomOut();
    /// Lays the pages out again and repaints.
    void Refresh();

    bool IsVerticalBarShown() const;
    bool IsHorizontalBarShown() const;
    bool NeedsVerticalBar() const;
    bool NeedsHorizontalBar() const;
    double TotalHeight() const;
    double TotalWidth() const;
    int RowCount() const;
    int PagesPerRow() const;
    int VerticalPos() const { return m_verticalPos; }
    int HorizontalPos() const { return m_horizontalPos; }
    /// Page rectangles of the last layout, unzoomed pixels. (The pages' own device rectangles
    /// are these on a finer grid, so that their text is laid out as exactly as on paper.)
    const std::vector<QRectF>& PageRects() const { return m_pageRects; }

    /// Scrolls to a position, clamped to the bar's limits.
    void ScrollVerticallyTo(int pos);
    void ScrollHorizontallyTo(int pos);

    /// Draws what the window shows into any painter of the window's size.
    void Draw(QPainter& painter);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void CreateScrollBars();
    void LayoutPages();
    void UpdateScrollBars(double oldTotalWidth, double oldTotalHeight);
    void SetVerticalRange();
    void SetHorizontalRange();
    void OnVerticalScroll(int value);
    void OnHorizontalScroll(int value);
    void OnClick(double x, double y);
    /// The client area less the bars that are shown.
    int ClientWidth() const;
    int ClientHeight() const;

    CReport* m_report = nullptr;
    std::vector<QRectF> m_pageRects;
    bool m_showVerticalBar = true;
    QScrollBar* m_verticalBar = nullptr;
    int m_verticalPos = 0;
    int m_barWidth = 20;
    bool m_showHorizontalBar = true;
    QScrollBar* m_horizontalBar = nullptr;
    int m_horizontalPos = 0;
    int m_barHeight = 20;
    double m_zoom = 1.0;
    QTransform m_inverseTransform;
    int m_gap = 15;
    bool m_fitFrame = false;
    QColor m_backgroundColor = QColor::fromRgba(0xFF808080u);
    bool m_layingOut = false;
};

}  // namespace report
