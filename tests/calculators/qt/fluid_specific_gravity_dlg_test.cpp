#include "calculators/qt/fluid_specific_gravity_dlg.h"

#include "dialog_fixture.h"
#include "units/qt/ex_edit.h"
#include "units/qt/ex_static.h"

#include <QAction>
#include <QPushButton>

namespace {

using calc::CFluidSpecificGravityDlg;

class FluidSpecificGravityDlg : public calctest::DialogTest {};

TEST_F(FluidSpecificGravityDlg, OpensWithTheComputedGravity) {
    CFluidSpecificGravityDlg dialog({30.0, 89.0, 0.9999}, 1.05, "Well 7");
    EXPECT_NEAR(dialog.GetFluidSpecificGravity(), 0.986289, 5e-7);
    EXPECT_EQ(dialog.ResultLabel()->text(), QStringLiteral("0.99"));
    EXPECT_EQ(dialog.OilGravityEdit()->text(), QStringLiteral("30.00"));
    EXPECT_EQ(dialog.WaterCutEdit()->text(), QStringLiteral("89.00"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Tubing Fluid Specific Gravity Calculator"));
}

TEST_F(FluidSpecificGravityDlg, UseCalculationHandsBackTheTypedInputs) {
    CFluidSpecificGravityDlg dialog({30.0, 89.0, 0.9999}, 1.0, "");
    dialog.WaterCutEdit()->setText(QStringLiteral("100"));
    dialog.WaterSpecificGravityEdit()->setText(QStringLiteral("1.07"));
    dialog.UseCalculationButton()->click();
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.GetFluid().m_waterCut, 100.0);
    EXPECT_DOUBLE_EQ(dialog.GetFluidSpecificGravity(), 1.07);
}

TEST_F(FluidSpecificGravityDlg, InvalidInputsAreListedInOneBoxAndNothingIsComputed) {
    CFluidSpecificGravityDlg dialog({30.0, 89.0, 0.9999}, 1.0, "");
    const double before = dialog.GetFluidSpecificGravity();
    dialog.OilGravityEdit()->setText(QStringLiteral("-1"));
    dialog.WaterCutEdit()->setText(QStringLiteral("120"));
    dialog.UseCalculationButton()->click();
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].icon, calc::CalculatorMessageBox::Icon::Exclamation);
    const std::string api = Symbol("OIL_GRAVITY");
    EXPECT_EQ(Messages()[0].text.toStdString(),
              "The following are invalid:\n\n"
              "Oil Gravity must be a number between 0.000 and 100.000 " +
                  api +
                  ", inclusive.\n"
                  "Water Cut must be a number between 0.000 and 100.000 %, inclusive.\n");
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.GetFluidSpecificGravity(), before);
}

TEST_F(FluidSpecificGravityDlg, BoundsShowInTheDisplayUnitSmallerFirst) {
    SetUnit("OIL_GRAVITY", "KG_M3");
    CFluidSpecificGravityDlg dialog({30.0, 89.0, 0.9999}, 1.0, "");
    dialog.WaterSpecificGravityEdit()->setText(QStringLiteral("0"));
    dialog.OilGravityEdit()->setText(QStringLiteral("1200"));  // heavier than 0 API
    EXPECT_FALSE(dialog.Calculate());
    ASSERT_EQ(Messages().size(), 1u);
    const std::string text = Messages()[0].text.toStdString();
    // 100 API is the lighter end, so its density comes first.
    EXPECT_NE(text.find("Oil Gravity must be a number between 611."), std::string::npos) << text;
    EXPECT_NE(text.find("Water Specific Gravity must be a number between 0.000 and "),
              std::string::npos)
        << text;
    EXPECT_LT(text.find("Oil Gravity"), text.find("Water Specific Gravity"));
}

TEST_F(FluidSpecificGravityDlg, PreviewShowsInputsAndResult) {
    CFluidSpecificGravityDlg dialog({30.0, 89.0, 0.9999}, 1.0, "Well 7");
    calctest::RecordingViewer viewer;
    dialog.SetReportViewer(&viewer);
    dialog.PrintPreviewAction()->trigger();
    ASSERT_EQ(viewer.shown, 1);
    EXPECT_EQ(viewer.titles[0], "Tubing Fluid Specific Gravity Calculator");
    EXPECT_EQ(viewer.texts["Title"], "Well 7");
    EXPECT_EQ(viewer.texts["Inputs"], "Oil Gravity\nWater Cut\nWater Specific Gravity|30.00 " +
                                          Symbol("OIL_GRAVITY") + "\n89.00 %\n1.00 " +
                                          Symbol("H2O_GRAVITY"));
    EXPECT_EQ(viewer.texts["Result"],
              "Fluid Specific Gravity|0.99 " + Symbol("FLUID_SPECIFIC_GRAVITY"));
}

}  // namespace
