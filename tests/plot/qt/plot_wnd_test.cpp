#include "plot/qt/plot_wnd.h"

#include "plot/standard_plot.h"

#include <QApplication>
#include <QColor>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>

#include <gtest/gtest.h>

namespace plot {
namespace {

class Listener : public PlotListener {
public:
    void OnPlotEvent(const CPlotNotification& n) override { codes.push_back(n.code); }
    std::vector<int> codes;
};

class PlotWndTest : public ::testing::Test {
protected:
    void SetUp() override {
        BuildStandardPlot(plot, nullptr, nullptr);
        AddStandardTextBlocks(plot, "Cards", "Position (in)", "Load (lbs)");
        curve = ReplaceCurve(plot, "Card", {0.0, 50.0, 100.0}, {1000.0, 9000.0, 5000.0}, 0, 0);
        curve->SetTooltipsEnabled(1);
        wnd.resize(600, 400);
        wnd.AttachPlot(&plot);
        wnd.show();
        QApplication::processEvents();
    }
    void Send(QEvent::Type type, QPointF p, Qt::MouseButton button = Qt::NoButton) {
        QMouseEvent e(type, p, wnd.mapToGlobal(p), button,
                      type == QEvent::MouseMove ? Qt::NoButton : button, Qt::NoModifier);
        QApplication::sendEvent(&wnd, &e);
    }
    QPointF Device(double x, double y) const {
        return {curve->GetTransform().DataToDeviceX(x), curve->GetTransform().DataToDeviceY(y)};
    }

    CPlot plot;
    CPlotWnd wnd;
    CDataAreaCurve* curve = nullptr;
};

TEST_F(PlotWndTest, PaintsThePlot) {
    const QImage image = wnd.grab().toImage();
    ASSERT_EQ(image.width(), 600);
    EXPECT_LT(qGray(image.pixel(80, 200)), 100);  // the data area's left border
    EXPECT_EQ(QColor(image.pixel(300, 200)).rgb(), QColor(255, 255, 255).rgb());
}

TEST_F(PlotWndTest, MouseMovesTheMarkerAndTellsListeners) {
    Listener listener;
    wnd.AddListener(kNotifyPointerMoved, &listener);
    Send(QEvent::MouseMove, Device(48.0, 8000.0));
    EXPECT_DOUBLE_EQ(curve->PointerX(), Device(50.0, 0.0).x());
    EXPECT_EQ(listener.codes, std::vector<int>{kNotifyPointerMoved});
    wnd.RemoveListener(kNotifyPointerMoved, &listener);
    Send(QEvent::MouseMove, Device(100.0, 5000.0));
    EXPECT_EQ(listener.codes.size(), 1u);
}

TEST_F(PlotWndTest, RightClickOnTheMarkerLocksIt) {
    QStringList shown;
    wnd.SetMenuHook([&](const QPoint&, const QStringList& items) {
        shown = items;
        return 0;
    });
    const QPointF marker = Device(50.0, 9000.0);
    Send(QEvent::MouseMove, marker);
    Send(QEvent::MouseButtonPress, marker + QPointF(3, 3), Qt::RightButton);
    Send(QEvent::MouseButtonRelease, marker + QPointF(3, 3), Qt::RightButton);
    EXPECT_EQ(shown, QStringList{QStringLiteral("Lock")});
    EXPECT_EQ(plot.IsPointerLocked(), 1);
    Send(QEvent::MouseMove, Device(0.0, 1000.0));
    EXPECT_DOUBLE_EQ(curve->PointerX(), marker.x());
}

TEST_F(PlotWndTest, TooltipsComeFromTheCurves) {
    const QPointF p = Device(100.0, 5000.0);
    QHelpEvent help(QEvent::ToolTip, p.toPoint(), wnd.mapToGlobal(p.toPoint()));
    QApplication::sendEvent(&wnd, &help);
    EXPECT_EQ(wnd.GetTooltipText(), "100, 5000");
    QHelpEvent away(QEvent::ToolTip, QPoint(300, 350), wnd.mapToGlobal(QPoint(300, 350)));
    QApplication::sendEvent(&wnd, &away);
    EXPECT_EQ(wnd.GetTooltipText(), "");
}

TEST_F(PlotWndTest, ExportDrawsAtAnotherSizeAndRestoresTheWindowLayout) {
    const QImage image = wnd.DrawForExport(1200, 800);
    EXPECT_EQ(image.size(), QSize(1200, 800));
    EXPECT_LT(qGray(image.pixel(80, 400)), 100);  // left border at 80 px, 15..75 % high
    EXPECT_EQ(plot.GetLastDrawRect(), (RectF{0, 0, 600, 400}));
}

TEST_F(PlotWndTest, PrintingFitsNineTenthsOfThePageCentred) {
    QImage page(1000, 1000, QImage::Format_ARGB32_Premultiplied);
    page.fill(Qt::white);
    QPainter painter(&page);
    // 600 x 400 scaled by 0.9 * min(1000 / 600, 1000 / 400) = 1.5 to 900 x 600 at (50, 200).
    CPlotWnd::DrawFitted(plot, painter, QRectF(0, 0, 1000, 1000), 600, 400);
    painter.end();
    EXPECT_LT(qGray(page.pixel(50 + 80 * 3 / 2, 500)), 100);  // the data area's left border
    EXPECT_EQ(QColor(page.pixel(30, 500)).rgb(), QColor(255, 255, 255).rgb());
    EXPECT_EQ(QColor(page.pixel(500, 150)).rgb(), QColor(255, 255, 255).rgb());
}

TEST(PlotWndLifetime, ADestroyedWindowNoLongerReceives) {
    CPlot plot;
    BuildStandardPlot(plot, nullptr, nullptr);
    {
        CPlotWnd wnd;
        wnd.AttachPlot(&plot);
        EXPECT_EQ(plot.GetWindow(), &wnd);
    }
    EXPECT_EQ(plot.GetWindow(), nullptr);
    plot.HandleMouse(kLeftButtonDoubleClick, 1, 1);  // must not reach the dead window
}

}  // namespace
}  // namespace plot
