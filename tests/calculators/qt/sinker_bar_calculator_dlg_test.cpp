#include "calculators/qt/sinker_bar_calculator_dlg.h"

#include "dialog_fixture.h"
#include "units/qt/ex_edit.h"
#include "units/qt/ex_static.h"

#include <QAction>
#include <QPushButton>

namespace {

using calc::CSinkerBarCalculatorDlg;

class SinkerBarCalculatorDlg : public calctest::DialogTest {};

TEST_F(SinkerBarCalculatorDlg, OpensWithTheSizing) {
    CSinkerBarCalculatorDlg dialog({1.5, 5000.0, 1.0, 1.5}, 1.995, "");
    EXPECT_EQ(dialog.RecommendedLengthLabel()->text(), QStringLiteral("175"));
    EXPECT_EQ(dialog.RecommendedWeightLabel()->text(), QStringLiteral("918.2"));
    EXPECT_NEAR(dialog.GetResult().m_requiredLength, 171.23, 0.005);
}

TEST_F(SinkerBarCalculatorDlg, TooWideABarIsRefused) {
    // Opening computes without the check, even for a bar that does not fit.
    CSinkerBarCalculatorDlg dialog({1.5, 5000.0, 1.0, 1.695}, 1.995, "");
    EXPECT_GT(dialog.GetRecommendedWeight(), 0.0);
    dialog.PumpDepthEdit()->setText(QStringLiteral("6000"));
    dialog.UseCalculationButton()->click();
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text.toStdString(),
              "The Sinker bar diameter is to large.\nMaximum diameter is tubing inner diameter - "
              ".3 in.\n");
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.GetInputs().m_pumpDepth, 6000.0);
    EXPECT_NEAR(dialog.GetResult().m_requiredWeight, 0.41465 * 5000.0 * 0.433333, 1e-9);

    dialog.SinkerBarDiameterEdit()->setText(QStringLiteral("1.69"));
    dialog.UseCalculationButton()->click();
    EXPECT_EQ(Messages().size(), 1u);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.GetSinkerBarDiameter(), 1.69);
    EXPECT_DOUBLE_EQ(dialog.GetRecommendedWeight(),
                     calc::SinkerBarSizing({1.5, 6000.0, 1.0, 1.69}).m_recommendedWeight);
}

TEST_F(SinkerBarCalculatorDlg, MetricInputIsConvertedBack) {
    SetUnit("SMALL_LENGTH_2", "MM");
    CSinkerBarCalculatorDlg dialog({1.5, 5000.0, 1.0, 1.5}, 2.441, "");
    dialog.SinkerBarDiameterEdit()->setText(QStringLiteral("50.8"));  // 2 in
    ASSERT_TRUE(dialog.Calculate());
    // The catalogue's millimetre factor carries eight digits.
    EXPECT_NEAR(dialog.GetSinkerBarDiameter(), 2.0, 1e-7);
}

TEST_F(SinkerBarCalculatorDlg, PreviewShowsRequiredAndRecommended) {
    CSinkerBarCalculatorDlg dialog({1.5, 5000.0, 1.0, 1.5}, 1.995, "Well 7");
    calctest::RecordingViewer viewer;
    dialog.SetReportViewer(&viewer);
    dialog.PrintPreview();
    ASSERT_EQ(viewer.shown, 1);
    EXPECT_EQ(viewer.titles[0], "Sinker Bar Calculator");
    const std::string lb = Symbol("SMALL_WEIGHT");
    const std::string ft = Symbol("DEPTH");
    EXPECT_EQ(viewer.texts["RecommendedData"],
              "Sinker Bar Weight\nLength|918.2 " + lb + "\n175 " + ft);
    EXPECT_EQ(viewer.texts["pInputsData"].rfind(
                  "Pump Diameter (D)\nPump Depth\nSinker Bar Diameter|1.500 ", 0),
              0u);
}

TEST_F(SinkerBarCalculatorDlg, PrintDrawsOnePageAndACancelChangesNothing) {
    CSinkerBarCalculatorDlg dialog({1.5, 5000.0, 1.0, 1.5}, 1.995, "Well 7");
    calctest::RecordingPrinter printer;
    dialog.SetReportPrinter(&printer);
    dialog.PrintAction()->trigger();
    EXPECT_EQ(printer.calls,
              (std::vector<std::string>{"begin Sucker Rod Report", "page", "endpage", "end"}));

    calctest::RecordingPrinter cancelling(false);
    dialog.SetReportPrinter(&cancelling);
    dialog.Print();
    EXPECT_EQ(cancelling.calls, std::vector<std::string>{"begin Sucker Rod Report"});
    EXPECT_TRUE(Messages().empty());  // a cancelled print is not a failure
}

}  // namespace
