// Writes pictures of the four dialogs after Calculate and of their report previews into the
// folder named by ZELK_SCREENSHOT_DIR; skipped when it is not set.
#include "calculators/qt/fluid_specific_gravity_dlg.h"
#include "calculators/qt/sinker_bar_calculator_dlg.h"
#include "calculators/qt/slippage_calculator_dlg.h"
#include "calculators/qt/tubing_anchor_catcher_dlg.h"
#include "dialog_fixture.h"
#include "report/qt/report_image.h"

#include <QApplication>
#include <QPixmap>

namespace {

class PngViewer : public report::ReportViewer {
public:
    explicit PngViewer(std::string path) : m_path(std::move(path)) {}
    void ShowReport(report::CReport& report, const std::string&) override {
        std::string error;
        written = report::WriteReportPng(report, m_path, 100, 0, &error);
        EXPECT_TRUE(written) << error;
    }
    bool written = false;

private:
    std::string m_path;
};

class Screenshots : public calctest::DialogTest {
protected:
    void SetUp() override {
        calctest::DialogTest::SetUp();
        m_folder = qEnvironmentVariable("ZELK_SCREENSHOT_DIR").toStdString();
        if (m_folder.empty()) {
            GTEST_SKIP() << "ZELK_SCREENSHOT_DIR not set";
        }
    }

    void Save(calc::CCalculatorDlg& dialog, const std::string& name) {
        dialog.show();
        dialog.adjustSize();
        QApplication::processEvents();
        EXPECT_TRUE(dialog.grab().save(QString::fromStdString(m_folder + "/" + name + ".png")));
        PngViewer viewer(m_folder + "/" + name + "_report.png");
        dialog.SetReportViewer(&viewer);
        dialog.PrintPreview();
        EXPECT_TRUE(viewer.written);
        dialog.SetReportViewer(nullptr);
    }

    std::string m_folder;
};

TEST_F(Screenshots, FourDialogsAndTheirReports) {
    calc::CFluidSpecificGravityDlg fluid({30.0, 89.0, 0.9999}, 1.0, "Example well");
    ASSERT_TRUE(fluid.Calculate());
    Save(fluid, "fluid_specific_gravity_dlg");

    calc::CSinkerBarCalculatorDlg sinker({1.5, 5000.0, 0.986289, 1.5}, 2.259, "Example well");
    ASSERT_TRUE(sinker.Calculate());
    Save(sinker, "sinker_bar_calculator_dlg");

    calc::SlippageCase pump;
    pump.m_tubingPressure = 100.0;
    pump.m_pumpIntakePressure = 50.0;
    pump.m_pumpDisplacement = 200.0;
    calc::CSlippageCalculatorDlg slippage(pump, "Example well");
    ASSERT_TRUE(slippage.Calculate());
    Save(slippage, "slippage_calculator_dlg");

    calc::TubingAnchorOpening opening;
    opening.m_tubingPressure = 80.0;
    opening.m_casingPressure = 45.0;
    calc::CTubingAnchorCatcherDlg anchor(opening, nullptr, "Example well");
    ASSERT_TRUE(anchor.Calculate());
    Save(anchor, "tubing_anchor_catcher_dlg");
    EXPECT_TRUE(Messages().empty());
}

}  // namespace
