// Where the main window puts its plots as it is resized, and the picture of the report preview.
#include "app/qt/results_panel.h"
#include "app/qt/zelk_dlg.h"
#include "plot/qt/dcl_plot_wnd.h"
#include "report/qt/reports_dlg.h"
#include "tests/app/qt/shown_main_window.h"

#include <QApplication>
#include <QDir>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class MainWindowLayoutTest : public apptest::ShownMainWindowTest {
protected:
    void SetUp() override {
        apptest::ShownMainWindowTest::SetUp();
        ASSERT_TRUE(m_window->calculate());
    }

    void resizeTo(int width, int height) {
        m_window->resize(width, height);
        // Two rounds: the scroll area lays out its content after its own resize.
        QApplication::processEvents();
        QApplication::processEvents();
    }
    // The plots' rectangles in the window's coordinates.
    std::vector<QRect> plotRects() const {
        std::vector<QRect> rects;
        for (const char* name : {"cardsPlot", "velocityPlot", "torquePlot"}) {
            const auto* plot = m_window->findChild<QWidget*>(QString::fromLatin1(name));
            EXPECT_NE(plot, nullptr) << name;
            if (plot != nullptr) {
                rects.emplace_back(plot->mapTo(m_window.get(), QPoint(0, 0)), plot->size());
            }
        }
        return rects;
    }
    QScrollBar* horizontalBar() const {
        return m_window->findChild<QScrollArea*>(QStringLiteral("scrollArea"))
            ->horizontalScrollBar();
    }
};

TEST_F(MainWindowLayoutTest, WideWindowsStretchThePlotsToElevenPixelsFromTheRightEdge) {
    resizeTo(1440, 860);
    const std::vector<QRect> before = plotRects();
    ASSERT_EQ(before.size(), 3u);
    for (const QRect& rect : before) {
        EXPECT_EQ(rect.x() + rect.width(), m_window->width() - 11);
    }
    EXPECT_EQ(horizontalBar()->maximum(), 0);

    resizeTo(1800, 860);
    const std::vector<QRect> after = plotRects();
    for (std::size_t i = 0; i < after.size(); ++i) {
        EXPECT_EQ(after[i].x(), before[i].x()) << "plots stay beside the inputs";
        EXPECT_EQ(after[i].width(), before[i].width() + 360);
        EXPECT_EQ(after[i].x() + after[i].width(), m_window->width() - 11);
    }
}

TEST_F(MainWindowLayoutTest, NarrowWindowsKeepThePlotsAndScroll) {
    resizeTo(1440, 860);
    const std::vector<QRect> wide = plotRects();
    resizeTo(900, 600);
    const std::vector<QRect> narrow = plotRects();
    ASSERT_EQ(narrow.size(), 3u);
    // The content keeps its width: the plots are not squeezed, the window scrolls to them.
    EXPECT_GT(horizontalBar()->maximum(), 0);
    for (std::size_t i = 0; i < narrow.size(); ++i) {
        EXPECT_GE(narrow[i].width(), 300);
        EXPECT_EQ(narrow[i].x(), wide[i].x());
    }
    horizontalBar()->setValue(horizontalBar()->maximum());
    QApplication::processEvents();
    const std::vector<QRect> scrolled = plotRects();
    EXPECT_LE(scrolled[0].x() + scrolled[0].width(), m_window->width());
    EXPECT_LT(scrolled[0].x(), narrow[0].x());
}

// Writes the picture of the sucker rod report preview when ZELK_SCREENSHOT_DIR names a folder.
TEST_F(MainWindowLayoutTest, ReportPreviewScreenshot) {
    const QString folder = qEnvironmentVariable("ZELK_SCREENSHOT_DIR");
    if (folder.isEmpty()) {
        GTEST_SKIP() << "ZELK_SCREENSHOT_DIR not set";
    }
    bool saved = false;
    QTimer::singleShot(0, [&saved, &folder] {
        auto* dialog = qobject_cast<report::CReportsDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->resize(900, 860);
        QApplication::processEvents();
        saved = dialog->grab().save(QDir(folder).filePath(QStringLiteral("report_preview.png")));
        dialog->close();
    });
    m_window->onPrintPreview();
    EXPECT_TRUE(saved);
}

}  // namespace
