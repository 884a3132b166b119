#include "cli/report_command.h"

#include "cli/exit_codes.h"
#include "units/dcl_manager.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace cli {
namespace {

class ReportCommandTest : public ::testing::Test {
protected:
    void TearDown() override { units::ShutdownUnitsLibrary(); }

    int Run(const ReportRequest& request) { return RunReport(request, out, err); }

    QTemporaryDir dir;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(ReportCommandTest, DefaultDesignGivesAOnePagePdfAndAPicture) {
    ReportRequest request;
    request.m_pdfPath = dir.filePath(QStringLiteral("default.pdf")).toStdString();
    request.m_pngPath = dir.filePath(QStringLiteral("default.png")).toStdString();
    request.m_dpi = 100;
    ASSERT_EQ(Run(request), kExitSuccess) << err.str();
    EXPECT_NE(out.str().find("Wrote " + request.m_pdfPath), std::string::npos);

    std::ifstream in(request.m_pdfPath, std::ios::binary);
    const std::string pdf((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);
    EXPECT_NE(pdf.find("/Count 1"), std::string::npos);

    const QImage image(QString::fromStdString(request.m_pngPath));
    EXPECT_EQ(image.size(), QSize(850, 1100));
}

TEST_F(ReportCommandTest, MissingOutputsAndBadFilesAreUsageErrors) {
    ReportRequest none;
    EXPECT_EQ(Run(none), kExitUsage);
    EXPECT_NE(err.str().find("--pdf"), std::string::npos);

    ReportRequest missing;
    missing.m_designFile = dir.filePath(QStringLiteral("absent.zlk")).toStdString();
    missing.m_pdfPath = dir.filePath(QStringLiteral("x.pdf")).toStdString();
    err.str("");
    EXPECT_EQ(Run(missing), kExitUsage);
    EXPECT_FALSE(err.str().empty());
    EXPECT_EQ(err.str().find('\n'), err.str().size() - 1);  // one line

    ReportRequest unwritable;
    unwritable.m_pdfPath = "/nonexistent-folder/report.pdf";
    err.str("");
    EXPECT_EQ(Run(unwritable), kExitUsage);
    EXPECT_NE(err.str().find("/nonexistent-folder/report.pdf"), std::string::npos);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

const std::string kMetricDesign = ZELK_REPORT_TEST_DATA "/metric_fiberglass.zlk";

TEST_F(ReportCommandTest, EngineRefusalIsReportedWithTheWindowsText) {
    std::string design = ReadFile(kMetricDesign);
    const std::string depth = "PumpDepth:1524.000000";
    ASSERT_NE(design.find(depth), std::string::npos);
    design.replace(design.find(depth), depth.size(), "PumpDepth:50000.000000");
    const std::string path = dir.filePath(QStringLiteral("deep.zlk")).toStdString();
    std::ofstream(path, std::ios::binary) << design;

    ReportRequest request;
    request.m_designFile = path;
    request.m_pdfPath = dir.filePath(QStringLiteral("deep.pdf")).toStdString();
    EXPECT_EQ(Run(request), kExitEngine);
    EXPECT_EQ(err.str(), "report: Pump Depth must be between 100 and 20,000 ft.\n");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(request.m_pdfPath)));
}

TEST_F(ReportCommandTest, DesignFileShowsItsOwnUnitsAndRodString) {
    if (std::system("command -v pdftotext > /dev/null 2>&1") != 0) {
        GTEST_SKIP() << "pdftotext is not installed";
    }
    ReportRequest request;
    request.m_designFile = kMetricDesign;
    request.m_pdfPath = dir.filePath(QStringLiteral("metric.pdf")).toStdString();
    ASSERT_EQ(Run(request), kExitSuccess) << err.str();
    const std::string txt = dir.filePath(QStringLiteral("metric.txt")).toStdString();
    ASSERT_EQ(std::system(("pdftotext -layout '" + request.m_pdfPath + "' '" + txt + "'").c_str()),
              0);
    const std::string text = ReadFile(txt);
    EXPECT_NE(text.find("Metric fiberglass well"), std::string::npos);
    EXPECT_NE(text.find("1,524 m"), std::string::npos);
    EXPECT_NE(text.find("Fiberglass Size"), std::string::npos);
    EXPECT_NE(text.find("Accumulator Pressure"), std::string::npos);
    EXPECT_NE(text.find("Reservoir Pressure"), std::string::npos);
    EXPECT_NE(text.find("Position (cm)"), std::string::npos);
}

}  // namespace
}  // namespace cli
