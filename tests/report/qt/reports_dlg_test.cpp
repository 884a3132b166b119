#include "report/qt/reports_dlg.h"

#include "report/qt/page_viewer_wnd.h"
#include "report/qt/qt_report_printer.h"
#include "report/sucker_rod_plots.h"
#include "report/sucker_rod_report_content.h"
#include "report/sucker_rod_report_mgr.h"
#include "sample_design.h"
#include "units/dcl_manager.h"

#include <cstdlib>
#include <fstream>
#include <memory>

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace report {
namespace {

bool Near(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
               std::abs(qBlue(a) - qBlue(b)) <=
           120;
}

// Share of the pixels of `a` that no pixel of `b` within one pixel matches.
double ShareWithoutNeighbourMatch(const QImage& a, const QImage& b) {
    long long differing = 0;
    long long total = 0;
    for (int y = 2; y < a.height() - 2; ++y) {
        for (int x = 2; x < a.width() - 2; ++x) {
            ++total;
            bool matched = false;
            for (int dy = -1; dy <= 1 && !matched; ++dy) {
                for (int dx = -1; dx <= 1 && !matched; ++dx) {
                    matched = Near(a.pixel(x, y), b.pixel(x + dx, y + dy));
                }
            }
            differing += matched ? 0 : 1;
        }
    }
    return static_cast<double>(differing) / static_cast<double>(total);
}

class ReportsDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        units::StartUnitsLibrary("OILFIELD");
        plots = std::make_unique<SuckerRodPlots>();
        plots->SetResults(SampleCalculation().Results);
        ApplySuckerRodReportContent(
            mgr, MakeSuckerRodReportContent(SampleDesign(), SampleCalculation()));
        mgr.SetPlots(&plots->Cards(), &plots->PumpVelocity(), &plots->Torque());
        mgr.PrepareAndBuild();
    }
    void TearDown() override {
        plots.reset();
        units::ShutdownUnitsLibrary();
    }

    std::unique_ptr<SuckerRodPlots> plots;
    CSuckerRodReportMgr mgr;
};

TEST_F(ReportsDlgTest, ButtonsFollowTheRightEdgeAndDriveTheViewer) {
    CReportsDlg dialog(&mgr.GetReport(), QStringLiteral("Sucker Rod Report"));
    dialog.resize(1000, 700);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Sucker Rod Report"));
    EXPECT_EQ(dialog.GetPrintButton()->text(), QStringLiteral("&Print..."));
    EXPECT_EQ(dialog.GetZoomInButton()->text(), QStringLiteral("Zoom In"));
    EXPECT_EQ(dialog.GetZoomOutButton()->text(), QStringLiteral("Zoom Out"));
    EXPECT_EQ(dialog.GetExportButton()->text(), QStringLiteral("Export PDF..."));

    const int w = dialog.GetZoomOutButton()->width();
    EXPECT_EQ(dialog.GetZoomOutButton()->x(), 1000 - w - 12);
    EXPECT_EQ(dialog.GetZoomInButton()->x(), 1000 - 2 * w - 24);
    EXPECT_EQ(dialog.GetViewer()->geometry(), QRect(0, 41, 1000, 659));

    QTest::mouseClick(dialog.GetZoomInButton(), Qt::LeftButton);
    EXPECT_NEAR(dialog.GetViewer()->GetZoom(), 1.1, 1e-12);
    QTest::mouseClick(dialog.GetZoomOutButton(), Qt::LeftButton);
    QTest::mouseClick(dialog.GetZoomOutButton(), Qt::LeftButton);
    EXPECT_NEAR(dialog.GetViewer()->GetZoom(), 0.9, 1e-12);
}

TEST_F(ReportsDlgTest, ExportPdfWritesTheChosenFileAndCancelWritesNothing) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("exported.pdf"));
    CReportsDlg dialog(&mgr.GetReport(), QStringLiteral("Preview"));
    QString suggested;
    dialog.SetPdfPathChooser([&](QWidget*, const QString& name) {
        suggested = name;
        return path;
    });
    EXPECT_TRUE(dialog.ExportPdf());
    EXPECT_EQ(suggested, QStringLiteral("Sucker Rod Report.pdf"));
    std::ifstream in(path.toStdString(), std::ios::binary);
    std::string head(4, '\0');
    in.read(head.data(), 4);
    EXPECT_EQ(head, "%PDF");

    dialog.SetPdfPathChooser([](QWidget*, const QString&) { return QString(); });
    EXPECT_FALSE(dialog.ExportPdf());
}

// The printer receives exactly the page the preview shows: print through the printer path into
// a PDF without margins, turn it into a picture at the preview's 100 pixels an inch and lay it
// over the preview's page.
TEST_F(ReportsDlgTest, PrintedPageMatchesThePreview) {
    if (std::system("command -v pdftoppm > /dev/null 2>&1") != 0) {
        GTEST_SKIP() << "pdftoppm is not installed";
    }
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("printed.pdf"));
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::Letter));
        printer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QtReportPrinter target(printer, nullptr, false);
        ASSERT_EQ(mgr.GetReport().Print(target), PrintResult::kPrinted);
    }
    const QString prefix = dir.filePath(QStringLiteral("printed"));
    const std::string command = "pdftoppm -r 100 -png -singlefile '" + pdf.toStdString() + "' '" +
                                prefix.toStdString() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const QImage printed =
        QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(printed.size(), QSize(850, 1100));

    CPageViewerWnd viewer;
    viewer.resize(900, 1200);
    viewer.SetReport(&mgr.GetReport());
    QImage shown(viewer.size(), QImage::Format_RGB32);
    {
        QPainter painter(&shown);
        viewer.Draw(painter);
    }
    const QImage page = shown.copy(15, 15, 850, 1100);

    // Two renderers rasterise text and curves a little differently and may round an edge to
    // the next pixel: about 0.6 % of the pixels (compared at half size, each against its
    // neighbourhood). Text lines drifting by a pixel over a column already make 1.1 %.
    const QImage a = printed.scaled(425, 550, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage b = page.scaled(425, 550, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_LT(ShareWithoutNeighbourMatch(a, b), 0.0085);
    EXPECT_LT(ShareWithoutNeighbourMatch(b, a), 0.0085);
}

}  // namespace
}  // namespace report
