#include "calculators/qt/slippage_calculator_dlg.h"

#include "dialog_fixture.h"
#include "plot/curve_data.h"
#include "plot/data_area.h"
#include "plot/data_area_curve.h"
#include "units/qt/ex_edit.h"
#include "units/qt/ex_static.h"

#include <QPushButton>

namespace {

using calc::CSlippageCalculatorDlg;

calc::SlippageCase Example(double displacement) {
    calc::SlippageCase pump;
    pump.m_tubingPressure = 100.0;
    pump.m_pumpIntakePressure = 50.0;
    pump.m_pumpDisplacement = displacement;
    return pump;  // 1.5 in, 5000 ft, 8.3 SPM, SG 1, 0.006 in, 0.76 cP, 48 in
}

class SlippageCalculatorDlg : public calctest::DialogTest {};

TEST_F(SlippageCalculatorDlg, OpensWithEfficiencyAndCurve) {
    CSlippageCalculatorDlg dialog(Example(200.0), "");
    const double expected = calc::PattersonSlippage(Example(200.0)).m_efficiency;
    EXPECT_DOUBLE_EQ(dialog.GetEfficiency(), expected);
    EXPECT_EQ(dialog.EfficiencyLabel()->text(), QString::number(expected, 'f', 2));
    EXPECT_TRUE(dialog.UseCalculationButton()->isEnabled());
    const plot::CDataAreaCurve* curve =
        dialog.Plot().Plot().FindDataArea("DataArea")->FindCurve("SlippageCurve");
    ASSERT_NE(curve, nullptr);
    EXPECT_EQ(curve->Series()[0]->Count(), 10);
    EXPECT_NEAR(curve->Series()[0]->At(0), 0.003, 1e-12);
}

TEST_F(SlippageCalculatorDlg, UseCalculationHandsBackTheEfficiency) {
    CSlippageCalculatorDlg dialog(Example(200.0), "");
    dialog.ClearanceEdit()->setText(QStringLiteral("0.0035"));
    dialog.UseCalculationButton()->click();
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.GetInputs().m_clearance, 0.0035);
    calc::SlippageCase expected = Example(200.0);
    expected.m_clearance = 0.0035;
    EXPECT_DOUBLE_EQ(dialog.GetEfficiency(), calc::PattersonSlippage(expected).m_efficiency);
    const plot::CDataAreaCurve* curve =
        dialog.Plot().Plot().FindDataArea("DataArea")->FindCurve("SlippageCurve");
    EXPECT_NEAR(curve->Series()[0]->At(0), 0.002, 1e-12);
}

TEST_F(SlippageCalculatorDlg, InputCheckListsViscosityPlungerClearance) {
    CSlippageCalculatorDlg dialog(Example(200.0), "");
    dialog.ClearanceEdit()->setText(QStringLiteral("-0.001"));
    dialog.PlungerLengthEdit()->setText(QStringLiteral("0"));
    dialog.ViscosityEdit()->setText(QStringLiteral("0"));
    dialog.UseCalculationButton()->click();
    ASSERT_EQ(Messages().size(), 1u);
    const std::string in = Symbol("SMALL_LENGTH_2");
    EXPECT_EQ(Messages()[0].text.toStdString(),
              "The following are invalid:\n\n"
              "Fluid Viscosity  must be a number greater than 0.000 " +
                  Symbol("DYNAMIC_VISCOSITY") +
                  ".\n"
                  "Plunger Length  must be a number greater than 0.000 " +
                  in +
                  ".\n"
                  "Clearance  must be a number greater than 0.000 " +
                  in + ".\n");
    EXPECT_NE(dialog.result(), QDialog::Accepted);
}

TEST_F(SlippageCalculatorDlg, SlippageAboveTheDisplacementDisablesUse) {
    CSlippageCalculatorDlg dialog(Example(200.0), "");
    dialog.DisplacementEdit()->setText(QStringLiteral("20"));
    dialog.UseCalculationButton()->click();
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text.toStdString(),
              "Following calulation error occured:\n\n"
              "Pump Clearance is too large because the Slippage Exceeds the Pump "
              "Displacement.\n");
    EXPECT_FALSE(dialog.UseCalculationButton()->isEnabled());
    EXPECT_NE(dialog.result(), QDialog::Accepted);

    // No clearance: no slippage and 100 %, usable again.
    dialog.ClearanceEdit()->setText(QStringLiteral("0"));
    EXPECT_TRUE(dialog.Calculate());
    EXPECT_EQ(dialog.GetEfficiency(), 100.0);
    EXPECT_TRUE(dialog.UseCalculationButton()->isEnabled());
}

TEST_F(SlippageCalculatorDlg, PreviewCarriesThePlotAndResults) {
    CSlippageCalculatorDlg dialog(Example(200.0), "Well 7");
    calctest::RecordingViewer viewer;
    dialog.SetReportViewer(&viewer);
    dialog.PrintPreview();
    ASSERT_EQ(viewer.shown, 1);
    EXPECT_EQ(viewer.titles[0], "Slippage Calculator");
    EXPECT_TRUE(viewer.hasSlippagePlot);
    EXPECT_EQ(viewer.texts["UserData"].substr(0, 51),
              "Clearance (C)\nFluid Viscosity (\nPlunger Length (L)|");
    EXPECT_EQ(viewer.texts["ResultsData"].rfind("Slippage \nPressure Differential (P)\n", 0), 0u);
}

}  // namespace
