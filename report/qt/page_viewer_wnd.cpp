#include "report/qt/page_viewer_wnd.h"

#include "plot/qt/painter_graphics.h"

#include <algorithm>
#include <cmath>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

namespace report {

namespace {

// Pages are placed at 100 viewer pixels per inch, but their items lay themselves out on a grid
// eight times finer and are drawn scaled down. Font metrics at small pixel sizes are rounded to
// whole pixels; on the fine grid they are as exact as on a printer, so the preview shows the
// very page the printer gets, line for line.
constexpr double kViewerPixelsPerInch = 100.0;
constexpr double kLayoutScale = 8.0;

}  // namespace

CPageViewerWnd::CPageViewerWnd(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    CreateScrollBars();
}

void CPageViewerWnd::CreateScrollBars() {
    m_verticalBar = new QScrollBar(Qt::Vertical, this);
    m_verticalBar->setObjectName(QStringLiteral("verticalBar"));
    m_verticalBar->setRange(0, static_cast<int>(kPageHeight));
    m_verticalBar->setSingleStep(kLineStep);
    m_verticalBar->hide();
    m_horizontalBar = new QScrollBar(Qt::Horizontal, this);
    m_horizontalBar->setObjectName(QStringLiteral("horizontalBar"));
    m_horizontalBar->setRange(0, static_cast<int>(kPageWidth));
    m_horizontalBar->setSingleStep(kLineStep);
    m_horizontalBar->hide();
    connect(m_verticalBar, &QScrollBar::valueChanged, this,
            [this](int value) { OnVerticalScroll(value); });
    connect(m_horizontalBar, &QScrollBar::valueChanged, this,
            [this](int value) { OnHorizontalScroll(value); });
}

void CPageViewerWnd::SetReport(CReport* report) {
    m_report = report;
    m_verticalPos = 0;
    m_horizontalPos = 0;
    Refresh();
}

void CPageViewerWnd::SetZoom(double zoom) {
    if (!(zoom > 0.0)) {
        return;
    }
    const double oldWidth = TotalWidth();
    const double oldHeight = TotalHeight();
    m_zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    UpdateScrollBars(oldWidth, oldHeight);
}

void CPageViewerWnd::SetGap(int gap) {
    m_gap = std::max(0, gap);
    Refresh();
}

void CPageViewerWnd::SetShowHorizontalBar(bool show) {
    m_showHorizontalBar = show;
    Refresh();
}

void CPageViewerWnd::SetShowVerticalBar(bool show) {
    m_showVerticalBar = show;
    Refresh();
}

void CPageViewerWnd::SetFitFrame(bool fit) {
    m_fitFrame = fit;
    Refresh();
}

void CPageViewerWnd::SetBackgroundColor(QColor color) {
    m_backgroundColor = color;
    update();
}

void CPageViewerWnd::ZoomIn() {
    if (m_zoom < kMaxZoom) {
        // Compare in tenths so that repeated steps do not drift past the limit.
        SetZoom(std::min(kMaxZoom, std::round((m_zoom + kZoomStep) * 1e9) / 1e9));
    }
}

void CPageViewerWnd::ZoomOut() {
    if (m_zoom > kMinZoom) {
        SetZoom(std::max(kMinZoom, std::round((m_zoom - kZoomStep) * 1e9) / 1e9));
    }
}

void CPageViewerWnd::Refresh() {
    LayoutPages();
    update();
}

int CPageViewerWnd::PagesPerRow() const {
    const double perRow = std::floor((width() - 2.0 * m_gap) / (kPageWidth * m_zoom + m_gap));
    return std::max(1, static_cast<int>(perRow));
}

int CPageViewerWnd::RowCount() const {
    const int pages = m_report != nullptr ? m_report->GetPageCount() : 0;
    const int perRow = PagesPerRow();
    return (pages + perRow - 1) / perRow;
}

double CPageViewerWnd::TotalHeight() const {
    return m_gap + RowCount() * (m_gap + kPageHeight * m_zoom);
}

double CPageViewerWnd::TotalWidth() const {
    return 2.0 * m_gap + kPageWidth * m_zoom;
}

bool CPageViewerWnd::NeedsVerticalBar() const {
    const bool hasPages = m_report != nullptr && m_report->GetPageCount() > 0;
    return hasPages && m_showVerticalBar && !m_fitFrame &&
           height() - m_barHeight - 4 < TotalHeight();
}

bool CPageViewerWnd::NeedsHorizontalBar() const {
    const bool hasPages = m_report != nullptr && m_report->GetPageCount() > 0;
    return hasPages && m_showHorizontalBar && !m_fitFrame &&
           width() - m_barWidth - 4 < TotalWidth();
}

bool CPageViewerWnd::IsVerticalBarShown() const {
    return !m_verticalBar->isHidden();
}

bool CPageViewerWnd::IsHorizontalBarShown() const {
    return !m_horizontalBar->isHidden();
}

int CPageViewerWnd::ClientWidth() const {
    return width() - (IsVerticalBarShown() ? m_barWidth : 0);
}

int CPageViewerWnd::ClientHeight() const {
    return height() - (IsHorizontalBarShown() ? m_barHeight : 0);
}

void CPageViewerWnd::SetVerticalRange() {
    const int page = std::max(1, ClientHeight());
    const int maximum = std::max(0, static_cast<int>(std::ceil(TotalHeight())) - page - 1);
    m_verticalPos = std::clamp(m_verticalPos, 0, maximum);
    const bool wasLayingOut = m_layingOut;
    m_layingOut = true;
    m_verticalBar->setRange(0, maximum);
    m_verticalBar->setPageStep(page);
    m_verticalBar->setValue(m_verticalPos);
    m_layingOut = wasLayingOut;
}

void CPageViewerWnd::SetHorizontalRange() {
    const int page = std::max(1, ClientWidth());
    const int maximum = std::max(0, static_cast<int>(std::ceil(TotalWidth())) - page - 1);
    m_horizontalPos = std::clamp(m_horizontalPos, 0, maximum);
    const bool wasLayingOut = m_layingOut;
    m_layingOut = true;
    m_horizontalBar->setRange(0, maximum);
    m_horizontalBar->setPageStep(page);
    m_horizontalBar->setValue(m_horizontalPos);
    m_layingOut = wasLayingOut;
}

void CPageViewerWnd::LayoutPages() {
    m_pageRects.clear();
    if (m_fitFrame) {
        const double fit =
            std::min((height() - m_gap) / kPageHeight, (width() - m_gap) / kPageWidth);
        m_zoom = std::clamp(fit, kMinZoom, kMaxZoom);
    }

    const bool vertical = NeedsVerticalBar();
    const bool horizontal = NeedsHorizontalBar();
    m_verticalBar->setVisible(vertical);
    m_horizontalBar->setVisible(horizontal);
    if (vertical) {
        m_verticalBar->setGeometry(width() - m_barWidth, 0, m_barWidth,
                                   height() - (horizontal ? m_barHeight : 0));
        SetVerticalRange();
    } else {
        m_verticalPos = 0;
    }
    if (horizontal) {
        m_horizontalBar->setGeometry(0, height() - m_barHeight,
                                     width() - (vertical ? m_barWidth : 0), m_barHeight);
        SetHorizontalRange();
    } else {
        m_horizontalPos = 0;
    }

    const int pages = m_report != nullptr ? m_report->GetPageCount() : 0;
    if (pages == 0) {
        return;
    }
    const int perRow = PagesPerRow();
    double x0 = m_gap - m_horizontalPos;
    double y0 = m_gap - m_verticalPos;
    if (m_fitFrame) {
        x0 = (width() - kPageWidth * m_zoom) / 2.0 / m_zoom;
        y0 = (height() - kPageHeight * m_zoom) / 2.0 / m_zoom;
    }
    double x = x0;
    double y = y0;
    for (int i = 0; i < pages; ++i) {
        if (i > 0) {
            if (i % perRow == 0) {
                x = x0;
                y += m_gap / m_zoom + kPageHeight;
            } else {
                x += m_gap / m_zoom + kPageWidth;
            }
        }
        m_pageRects.emplace_back(x, y, kPageWidth, kPageHeight);
        m_report->PageAt(i)->SetDeviceRect(x * kLayoutScale, y * kLayoutScale,
                                           kPageWidth * kLayoutScale, kPageHeight * kLayoutScale,
                                           false);
    }
}

void CPageViewerWnd::UpdateScrollBars(double oldTotalWidth, double oldTotalHeight) {
    const double newHeight = TotalHeight();
    const double newWidth = TotalWidth();
    if (oldTotalHeight > 0.0) {
        const double pos = m_verticalPos / oldTotalHeight * newHeight;
        m_verticalPos = static_cast<int>(std::clamp(pos, 0.0, std::max(0.0, newHeight - height())));
    }
    if (oldTotalWidth > 0.0) {
        const double pos = m_horizontalPos / oldTotalWidth * newWidth;
        m_horizontalPos = static_cast<int>(std::clamp(pos, 0.0, std::max(0.0, newWidth - width())));
    }
    Refresh();
}

void CPageViewerWnd::ScrollVerticallyTo(int pos) {
    if (!IsVerticalBarShown()) {
        return;
    }
    m_verticalBar->setValue(std::clamp(pos, m_verticalBar->minimum(), m_verticalBar->maximum()));
}

void CPageViewerWnd::ScrollHorizontallyTo(int pos) {
    if (!IsHorizontalBarShown()) {
        return;
    }
    m_horizontalBar->setValue(
        std::clamp(pos, m_horizontalBar->minimum(), m_horizontalBar->maximum()));
}

void CPageViewerWnd::OnVerticalScroll(int value) {
    if (m_layingOut || value == m_verticalPos) {
        return;
    }
    m_verticalPos = value;
    Refresh();
}

void CPageViewerWnd::OnHorizontalScroll(int value) {
    if (m_layingOut || value == m_horizontalPos) {
        return;
    }
    m_horizontalPos = value;
    Refresh();
}

void CPageViewerWnd::Draw(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.fillRect(QRect(0, 0, width(), height()), m_backgroundColor);
    if (m_report == nullptr || m_pageRects.empty()) {
        m_inverseTransform = QTransform();
        return;
    }
    painter.save();
    painter.setClipRect(QRect(0, 0, ClientWidth(), ClientHeight()));
    painter.scale(m_zoom, m_zoom);
    if (!m_fitFrame) {
        const QPointF first = m_pageRects.front().topLeft();
        painter.translate(first.x() / m_zoom - first.x(), first.y() / m_zoom - first.y());
    }
    for (const QRectF& rect : m_pageRects) {
        painter.fillRect(rect, Qt::white);
        QPen frame(Qt::black);
        frame.setCosmetic(true);
        frame.setWidth(1);
        painter.setPen(frame);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect);
    }
    painter.scale(1.0 / kLayoutScale, 1.0 / kLayoutScale);
    for (std::size_t i = 0; i < m_pageRects.size(); ++i) {
        plot::PainterGraphics graphics(painter, kViewerPixelsPerInch * kLayoutScale / 96.0, false);
        m_report->PageAt(static_cast<int>(i))->Draw(graphics);
    }
    // Clicks come back in the pages' own device units.
    m_inverseTransform = painter.worldTransform().inverted();
    painter.restore();
    if (IsVerticalBarShown() && IsHorizontalBarShown()) {
        painter.fillRect(
            QRect(width() - m_barWidth, height() - m_barHeight, m_barWidth, m_barHeight),
            m_backgroundColor);
    }
}

void CPageViewerWnd::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Draw(painter);
}

void CPageViewerWnd::resizeEvent(QResizeEvent*) {
    Refresh();
}

void CPageViewerWnd::keyPressEvent(QKeyEvent* event) {
    const int page = std::max(1, ClientHeight());
    switch (event->key()) {
        case Qt::Key_PageUp:
            ScrollVerticallyTo(m_verticalPos - page);
            break;
        case Qt::Key_PageDown:
            ScrollVerticallyTo(m_verticalPos + page);
            break;
        case Qt::Key_Home:
            ScrollVerticallyTo(0);
            break;
        case Qt::Key_End:
            ScrollVerticallyTo(m_verticalBar->maximum());
            break;
        case Qt::Key_Up:
            ScrollVerticallyTo(m_verticalPos - kLineStep);
            break;
        case Qt::Key_Down:
            ScrollVerticallyTo(m_verticalPos + kLineStep);
            break;
        case Qt::Key_Left:
            ScrollHorizontallyTo(m_horizontalPos - kLineStep);
            break;
        case Qt::Key_Right:
            ScrollHorizontallyTo(m_horizontalPos + kLineStep);
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    event->accept();
}

void CPageViewerWnd::wheelEvent(QWheelEvent* event) {
    const int delta =
        event->angleDelta().y() != 0 ? event->angleDelta().y() : event->angleDelta().x();
    if (delta == 0) {
        event->ignore();
        return;
    }
    const bool away = delta > 0;
    if (event->modifiers() & Qt::ControlModifier) {
        if (away) {
            ZoomIn();
        } else {
            ZoomOut();
        }
    } else if ((event->modifiers() & Qt::ShiftModifier) && IsHorizontalBarShown()) {
        ScrollHorizontallyTo(m_horizontalPos + (away ? -kLineStep : kLineStep));
    } else if (IsVerticalBarShown()) {
        ScrollVerticallyTo(m_verticalPos + (away ? -kLineStep : kLineStep));
    }
    event->accept();
}

void CPageViewerWnd::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QPointF p = event->position();
        if (p.x() < ClientWidth() && p.y() < ClientHeight()) {
            OnClick(p.x(), p.y());
        }
    }
    QWidget::mousePressEvent(event);
}

void CPageViewerWnd::OnClick(double x, double y) {
    if (m_report == nullptr) {
        return;
    }
    const QPointF page = m_inverseTransform.map(QPointF(x, y));
    for (int i = 0; i < m_report->GetPageCount(); ++i) {
        CPage* p = m_report->PageAt(i);
        if (p->HitTest(page.x(), page.y())) {
            p->Click(1, page.x(), page.y());
            return;
        }
    }
}

}  // namespace report
