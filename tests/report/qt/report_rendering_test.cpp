#include "report/qt/pdf_report_printer.h"
#include "report/qt/report_image.h"
#include "report/sucker_rod_plots.h"
#include "report/sucker_rod_report_content.h"
#include "report/sucker_rod_report_mgr.h"
#include "sample_design.h"
#include "units/dcl_manager.h"

#include <cstdlib>
#include <fstream>
#include <string>

#include <QColor>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace report {
namespace {

// The reference picture of the sample report lives beside the tests. To regenerate it on
// purpose (after a deliberate change to the layout or the drawing), run the test with
// ZELK_UPDATE_REFERENCE=1 and commit the new file after looking at it.
const char* const kReferencePath = ZELK_REPORT_TEST_DATA "/sucker_rod_report.png";
constexpr int kReferenceDpi = 100;

// Antialiased edges may come out a shade different between builds; a real change (a moved
// block, a missing curve, one word more or less in a label) differs in more than this share
// of pixels (a short word is about 0.05 %).
constexpr double kMaxDifferingShare = 0.0003;
constexpr int kChannelTolerance = 48;

class SuckerRodReportRendering : public ::testing::Test {
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

double DifferingShare(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) {
        return 1.0;
    }
    long long differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QColor p(a.pixel(x, y));
            const QColor q(b.pixel(x, y));
            if (std::abs(p.red() - q.red()) > kChannelTolerance ||
                std::abs(p.green() - q.green()) > kChannelTolerance ||
                std::abs(p.blue() - q.blue()) > kChannelTolerance) {
                ++differing;
            }
        }
    }
    return static_cast<double>(differing) / (static_cast<double>(a.width()) * a.height());
}

TEST_F(SuckerRodReportRendering, MatchesTheReferencePicture) {
    const QImage image =
        RenderReportPage(mgr.GetReport(), 0, kReferenceDpi).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(image.width(), 850);
    ASSERT_EQ(image.height(), 1100);
    // Kept beside the test binary so a failure can be looked at.
    image.save(QStringLiteral("sucker_rod_report_actual.png"));

    const char* update = std::getenv("ZELK_UPDATE_REFERENCE");
    if (update != nullptr && std::string(update) == "1") {
        ASSERT_TRUE(image.save(QString::fromUtf8(kReferencePath)));
        GTEST_SKIP() << "reference picture written to " << kReferencePath;
    }
    const QImage reference =
        QImage(QString::fromUtf8(kReferencePath)).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(reference.isNull()) << "missing " << kReferencePath;
    EXPECT_LE(DifferingShare(image, reference), kMaxDifferingShare)
        << "compare sucker_rod_report_actual.png with " << kReferencePath;
}

TEST_F(SuckerRodReportRendering, PdfIsOneLetterPageWithRealText) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = dir.filePath(QStringLiteral("report.pdf")).toStdString();
    std::string error;
    ASSERT_TRUE(WriteReportPdf(mgr.GetReport(), path, &error)) << error;

    std::ifstream in(path, std::ios::binary);
    const std::string pdf((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);
    // US Letter in points, and a single page object.
    const auto box = pdf.find("/MediaBox [0 0 612");
    ASSERT_NE(box, std::string::npos);
    EXPECT_NE(pdf.substr(box, 40).find(" 792"), std::string::npos);
    EXPECT_NE(pdf.find("/Count 1"), std::string::npos);

    // When poppler's tools are around, check that the captions came out as text.
    if (std::system("command -v pdftotext > /dev/null 2>&1") == 0) {
        const std::string txt = dir.filePath(QStringLiteral("report.txt")).toStdString();
        ASSERT_EQ(std::system(("pdftotext '" + path + "' '" + txt + "'").c_str()), 0);
        std::ifstream textIn(txt);
        const std::string text((std::istreambuf_iterator<char>(textIn)),
                               std::istreambuf_iterator<char>());
        EXPECT_NE(text.find("Design Inputs"), std::string::npos);
        EXPECT_NE(text.find("Sample Well 7-12"), std::string::npos);
        EXPECT_NE(text.find("Dynamometer Cards"), std::string::npos);
    }
}

TEST_F(SuckerRodReportRendering, UnwritablePdfTargetIsReported) {
    std::string error;
    EXPECT_FALSE(WriteReportPdf(mgr.GetReport(), "/nonexistent-folder/report.pdf", &error));
    EXPECT_NE(error.find("/nonexistent-folder/report.pdf"), std::string::npos);
    EXPECT_FALSE(WriteReportPng(mgr.GetReport(), "/nonexistent-folder/report.png", 100, 0, &error));
    EXPECT_FALSE(WriteReportPng(mgr.GetReport(), "x.png", 100, 3, &error));
}

}  // namespace
}  // namespace report
