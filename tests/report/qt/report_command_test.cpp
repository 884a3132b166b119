#include "cli/report_command.h"

#include "cli/exit_codes.h"
#include "units/dcl_manager.h"

#include <fstream>
#include <sstream>
#include <string>

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

TEST_F(ReportCommandTest, EngineRefusalIsReported) {
    const std::string path = dir.filePath(QStringLiteral("deep.zlk")).toStdString();
    // A keyed-text design whose pump depth is out of range: validation refuses it.
    std::ofstream(path) << "Version:Zelk 3.1.0.0\nPumpDepth:50000\n";
    ReportRequest request;
    request.m_designFile = path;
    request.m_pdfPath = dir.filePath(QStringLiteral("deep.pdf")).toStdString();
    const int status = Run(request);
    EXPECT_TRUE(status == kExitEngine || status == kExitUsage) << status;
    EXPECT_FALSE(err.str().empty());
}

}  // namespace
}  // namespace cli
