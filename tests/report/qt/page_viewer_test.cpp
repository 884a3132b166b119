#include "report/page_item.h"
#include "report/qt/page_viewer_wnd.h"
#include "report/report.h"

#include <memory>

#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace report {
namespace {

void AddPages(CReport& report, int count) {
    for (int i = 0; i < count; ++i) {
        auto page = std::make_unique<CPage>(std::to_string(i + 1));
        auto item = std::make_unique<CPageItem>();
        item->SetName("Box");
        item->SetRect(1.0, 1.0, 2.0, 1.0);
        item->SetText("Page " + std::to_string(i + 1));
        page->AddItem(std::move(item));
        report.AddPage(std::move(page));
    }
}

class PageViewerTest : public ::testing::Test {
protected:
    void SetUp() override { viewer.resize(1000, 600); }

    QImage Paint() {
        QImage image(viewer.size(), QImage::Format_RGB32);
        QPainter painter(&image);
        viewer.Draw(painter);
        return image;
    }

    void Wheel(int delta, Qt::KeyboardModifiers modifiers) {
        QWheelEvent event(QPointF(100, 100), viewer.mapToGlobal(QPointF(100, 100)), QPoint(),
                          QPoint(0, delta), Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&viewer, &event);
    }

    CReport report;
    CPageViewerWnd viewer;
};

TEST_F(PageViewerTest, ZoomStepsStopAtTheLimits) {
    viewer.SetZoom(4.95);
    viewer.ZoomIn();
    EXPECT_DOUBLE_EQ(viewer.GetZoom(), 5.0);
    viewer.ZoomIn();
    EXPECT_DOUBLE_EQ(viewer.GetZoom(), 5.0);
    viewer.SetZoom(0.15);
    viewer.ZoomOut();
    EXPECT_DOUBLE_EQ(viewer.GetZoom(), 0.1);
    viewer.ZoomOut();
    EXPECT_DOUBLE_EQ(viewer.GetZoom(), 0.1);
    viewer.SetZoom(1.0);
    for (int i = 0; i < 3; ++i) {
        viewer.ZoomIn();
    }
    EXPECT_NEAR(viewer.GetZoom(), 1.3, 1e-12);
}

TEST_F(PageViewerTest, PagesPerRowFollowTheWidthAndZoom) {
    AddPages(report, 3);
    viewer.SetReport(&report);
    // (1000 - 30) / 865 leaves room for one page per row at zoom 1.
    EXPECT_EQ(viewer.PagesPerRow(), 1);
    EXPECT_EQ(viewer.RowCount(), 3);
    EXPECT_DOUBLE_EQ(viewer.TotalHeight(), 15 + 3 * (15 + 1100));
    ASSERT_EQ(viewer.PageRects().size(), 3u);
    EXPECT_EQ(viewer.PageRects()[0], QRectF(15, 15, 850, 1100));
    EXPECT_EQ(viewer.PageRects()[1], QRectF(15, 15 + 15 + 1100, 850, 1100));
    const plot::RectF device = report.PageAt(1)->GetDeviceRect();
    EXPECT_DOUBLE_EQ(device.y / device.h, 1130.0 / 1100.0);
    EXPECT_DOUBLE_EQ(device.x / device.w, 15.0 / 850.0);

    viewer.SetZoom(0.5);
    // (1000 - 30) / (425 + 15) = 2.2: two pages side by side, then a second row.
    EXPECT_EQ(viewer.PagesPerRow(), 2);
    EXPECT_EQ(viewer.RowCount(), 2);
    EXPECT_EQ(viewer.PageRects()[1], QRectF(15 + 30 + 850, 15, 850, 1100));
    EXPECT_EQ(viewer.PageRects()[2], QRectF(15, 15 + 30 + 1100, 850, 1100));
}

TEST_F(PageViewerTest, AReportWithoutPagesDrawsOnlyTheBackground) {
    viewer.SetReport(&report);
    EXPECT_FALSE(viewer.IsVerticalBarShown());
    EXPECT_FALSE(viewer.IsHorizontalBarShown());
    const QImage image = Paint();
    for (int y = 0; y < image.height(); y += 7) {
        for (int x = 0; x < image.width(); x += 7) {
            ASSERT_EQ(image.pixel(x, y), 0xFF808080u) << x << "," << y;
        }
    }
}

TEST_F(PageViewerTest, ScrollingStopsAtTheEndOfTheRange) {
    AddPages(report, 1);
    viewer.SetReport(&report);
    ASSERT_TRUE(viewer.IsVerticalBarShown());
    EXPECT_FALSE(viewer.IsHorizontalBarShown());
    // Total 1130, visible 600: the last position is 1130 - 600 - 1.
    viewer.ScrollVerticallyTo(5000);
    EXPECT_EQ(viewer.VerticalPos(), 529);
    EXPECT_EQ(viewer.PageRects()[0].top(), 15 - 529);

    QTest::keyClick(&viewer, Qt::Key_Home);
    EXPECT_EQ(viewer.VerticalPos(), 0);
    QTest::keyClick(&viewer, Qt::Key_Down);
    EXPECT_EQ(viewer.VerticalPos(), 40);
    QTest::keyClick(&viewer, Qt::Key_PageDown);
    EXPECT_EQ(viewer.VerticalPos(), 529);
    QTest::keyClick(&viewer, Qt::Key_Up);
    EXPECT_EQ(viewer.VerticalPos(), 489);
    QTest::keyClick(&viewer, Qt::Key_End);
    EXPECT_EQ(viewer.VerticalPos(), 529);

    Wheel(120, Qt::NoModifier);  // away from the user: up one line
    EXPECT_EQ(viewer.VerticalPos(), 489);
    Wheel(-120, Qt::NoModifier);
    EXPECT_EQ(viewer.VerticalPos(), 529);
    Wheel(120, Qt::ControlModifier);
    EXPECT_NEAR(viewer.GetZoom(), 1.1, 1e-12);
    Wheel(-120, Qt::ControlModifier);
    Wheel(-120, Qt::ControlModifier);
    EXPECT_NEAR(viewer.GetZoom(), 0.9, 1e-12);
}

TEST_F(PageViewerTest, ZoomKeepsTheScrollPositionInProportion) {
    AddPages(report, 2);
    viewer.SetReport(&report);
    viewer.ScrollVerticallyTo(1000);
    const double before = viewer.TotalHeight();
    viewer.ZoomIn();
    EXPECT_EQ(viewer.VerticalPos(), static_cast<int>(1000 / before * viewer.TotalHeight()));
    // Pages still start at the left margin, whatever the zoom.
    const QImage image = Paint();
    EXPECT_EQ(image.pixel(10, 300), 0xFF808080u);
    EXPECT_EQ(image.pixel(20, 300), 0xFFFFFFFFu);
}

TEST_F(PageViewerTest, ClicksReachTheItemUnderThePointer) {
    AddPages(report, 1);
    std::string clicked;
    report.PageAt(0)->FindItem("Box")->SetClickHandler(
        [&](CPageItem& item, int, double, double, void*) { clicked = item.GetName(); }, nullptr);
    viewer.SetReport(&report);
    viewer.SetZoom(2.0);
    Paint();
    // At zoom 2 the box (1 in from the page's corner, at 100 pixels an inch) starts at
    // 15 + 2 * 100 on screen.
    QTest::mouseClick(&viewer, Qt::LeftButton, Qt::NoModifier,
                      QPoint(15 + 200 + 10, 15 + 200 + 10));
    EXPECT_EQ(clicked, "Box");
    clicked.clear();
    QTest::mouseClick(&viewer, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    EXPECT_TRUE(clicked.empty());
}

}  // namespace
}  // namespace report
