#include "plot/qt/plot_wnd.h"

#include "plot/qt/painter_graphics.h"
#include "plot/qt/qt_string.h"

#include <algorithm>

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QToolTip>

namespace plot {

CPlotWnd::CPlotWnd(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_relay.onRedraw = [this](bool updateNow) {
        Layout();
        Invalidate();
        if (updateNow) {
            repaint();
        }
    };
    m_relay.onCaptureMouse = [this] { grabMouse(); };
    m_relay.onReleaseMouse = [this] { releaseMouse(); };
}

CPlotWnd::~CPlotWnd() {
    if (m_plot != nullptr && m_plot->GetWindow() == this) {
        m_plot->SetWindow(nullptr);
    }
}

void CPlotWnd::AttachPlot(CPlot* plot) {
    if (m_plot != nullptr && m_plot->GetWindow() == this) {
        m_plot->SetWindow(nullptr);
    }
    m_plot = plot;
    if (m_plot != nullptr) {
        m_plot->SetWindow(this);
    }
    Layout();
    Invalidate();
}

void CPlotWnd::SetBackgroundColor(Color color) {
    m_backgroundColor = color;
    Invalidate();
}

void CPlotWnd::Layout() {
    if (m_plot == nullptr || width() <= 0 || height() <= 0) {
        return;
    }
    QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&probe);
    PainterGraphics g(painter);
    m_plot->Layout(g, 0.0, 0.0, width(), height());
}

void CPlotWnd::Invalidate() {
    m_cacheValid = false;
    update();
}

void CPlotWnd::paintEvent(QPaintEvent*) {
    const qreal dpr = devicePixelRatioF();
    const QSize size(qMax(1, qRound(width() * dpr)), qMax(1, qRound(height() * dpr)));
    if (!m_cacheValid || m_cache.size() != size) {
        // Draw into an off-screen picture and blit it: the plot never flickers, and mouse
        // moves that change nothing repaint from the cache.
        m_cache = QImage(size, QImage::Format_ARGB32_Premultiplied);
        m_cache.setDevicePixelRatio(dpr);
        m_cache.fill(QColor::fromRgba(m_backgroundColor.argb));
        if (m_plot != nullptr) {
            QPainter painter(&m_cache);
            PainterGraphics g(painter);
            m_plot->Layout(g, 0.0, 0.0, width(), height());
            m_plot->DrawBackground(g);
            m_plot->DrawContent(g);
        }
        m_cacheValid = true;
    }
    QPainter screen(this);
    screen.drawImage(QPointF(0, 0), m_cache);
}

void CPlotWnd::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    DropCaches();
    Layout();
    Invalidate();
}

QImage CPlotWnd::DrawForExport(int w, int h) {
    QImage image(qMax(1, w), qMax(1, h), QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor::fromRgba(m_backgroundColor.argb));
    if (m_plot != nullptr) {
        QPainter painter(&image);
        PainterGraphics g(painter);
        m_plot->Draw(g, RectF{0.0, 0.0, static_cast<double>(image.width()),
                              static_cast<double>(image.height())});
    }
    // The export laid the plot out for another size; restore the window's geometry.
    Layout();
    Invalidate();
    return image;
}

void CPlotWnd::CopyToClipboard() {
    const QImage image = DrawForExport(width(), height());
    if (QClipboard* clipboard = QGuiApplication::clipboard()) {
        clipboard->setImage(image);
    }
}

void CPlotWnd::DrawFitted(CPlot& plot, QPainter& painter, const QRectF& area, int w, int h) {
    if (w <= 0 || h <= 0 || area.width() <= 0.0 || area.height() <= 0.0) {
        return;
    }
    const double k = 0.9 * std::min(area.width() / w, area.height() / h);
    painter.save();
    painter.translate(area.center().x() - w * k / 2.0, area.center().y() - h * k / 2.0);
    painter.scale(k, k);
    {
        PainterGraphics g(painter, 1.0, true);
        plot.InvalidateAll();
        plot.Draw(g, RectF{0.0, 0.0, static_cast<double>(w), static_cast<double>(h)});
    }
    painter.restore();
}

bool CPlotWnd::Print(const std::string& documentName, bool landscape, int w, int h) {
    if (m_plot == nullptr) {
        return false;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(toQString(documentName));
    if (landscape) {
        printer.setPageOrientation(QPageLayout::Landscape);
    }
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    if (w < 0 || h < 0) {
        w = width();
        h = height();
    }
    QPainter painter;
    if (painter.begin(&printer)) {
        // The painter's origin is the printable area's top-left corner.
        DrawFitted(*m_plot, painter, QRectF(0, 0, printer.width(), printer.height()), w, h);
        painter.end();
    }
    Layout();
    Invalidate();
    return true;
}

int CPlotWnd::TrackPopupMenu(double x, double y, const std::vector<std::string>& items) {
    const QPoint global = mapToGlobal(QPoint(qRound(x), qRound(y)));
    QStringList texts;
    for (const std::string& item : items) {
        texts << toQString(item);
    }
    if (m_menuHook) {
        return m_menuHook(global, texts);
    }
    QMenu menu(this);
    std::vector<QAction*> actions;
    for (const QString& text : texts) {
        actions.push_back(text.isEmpty() ? menu.addSeparator() : menu.addAction(text));
    }
    QAction* chosen = menu.exec(global);
    for (std::size_t i = 0; i < actions.size(); ++i) {
        if (actions[i] == chosen && !texts[static_cast<qsizetype>(i)].isEmpty()) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void CPlotWnd::OnPlotNotification(const CPlotNotification& n) {
    if (n.post) {
        QPointer<CPlotWnd> self(this);
        QMetaObject::invokeMethod(
            this,
            [self, n] {
                if (self) {
                    self->Deliver(n);
                }
            },
            Qt::QueuedConnection);
    } else {
        Deliver(n);
    }
}

void CPlotWnd::Deliver(const CPlotNotification& n) {
    m_relay.Deliver(n);
}

void CPlotWnd::Forward(int message, const QPointF& point) {
    if (m_plot != nullptr) {
        m_plot->HandleMouse(message, point.x(), point.y(), this);
    }
}

void CPlotWnd::mousePressEvent(QMouseEvent* e) {
    switch (e->button()) {
        case Qt::LeftButton:
            Forward(kLeftButtonDown, e->position());
            break;
        case Qt::RightButton:
            Forward(kRightButtonDown, e->position());
            break;
        case Qt::MiddleButton:
            Forward(kMiddleButtonDown, e->position());
            break;
        default:
            QWidget::mousePressEvent(e);
            break;
    }
}

void CPlotWnd::mouseReleaseEvent(QMouseEvent* e) {
    switch (e->button()) {
        case Qt::LeftButton:
            Forward(kLeftButtonUp, e->position());
            break;
        case Qt::RightButton:
            Forward(kRightButtonUp, e->position());
            break;
        case Qt::MiddleButton:
            Forward(kMiddleButtonUp, e->position());
            break;
        default:
            QWidget::mouseReleaseEvent(e);
            break;
    }
}

void CPlotWnd::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        Forward(kLeftButtonDoubleClick, e->position());
    } else {
        mousePressEvent(e);
    }
}

void CPlotWnd::mouseMoveEvent(QMouseEvent* e) {
    Forward(kMouseMove, e->position());
}

void CPlotWnd::leaveEvent(QEvent* e) {
    Forward(kMouseLeave, QPointF(0, 0));
    QWidget::leaveEvent(e);
}

bool CPlotWnd::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(e);
        m_tooltipText = m_plot != nullptr ? m_plot->GetTooltipText(help->pos().x(), help->pos().y())
                                          : std::string();
        if (m_tooltipText.empty()) {
            QToolTip::hideText();
            e->ignore();
        } else {
            QToolTip::showText(help->globalPos(), toQString(m_tooltipText), this);
        }
        return true;
    }
    return QWidget::event(e);
}

}  // namespace plot
