#include "calculators/qt/tubing_anchor_catcher_dlg.h"

#include "app/language.h"
#include "dialog_fixture.h"
#include "units/qt/ex_edit.h"
#include "units/qt/ex_static.h"

#include <algorithm>
#include <cmath>

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QToolButton>

namespace {

using calc::AnchorInput;
using calc::AnchorResult;
using calc::CTubingAnchorCatcherDlg;

calc::TubingAnchorOpening Opening() {
    calc::TubingAnchorOpening opening;
    opening.m_pumpDiameter = 1.5;
    opening.m_pumpDepth = 5000.0;
    opening.m_tubingPressure = 80.0;
    opening.m_casingPressure = 45.0;
    opening.m_tubingRow = 29;
    return opening;
}

class TubingAnchorCatcherDlg : public calctest::DialogTest {};

TEST_F(TubingAnchorCatcherDlg, OpensWithDefaultsAndHiddenResults) {
    CTubingAnchorCatcherDlg dialog(Opening(), nullptr, "");
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Tubing Anchor Catcher Design"));
    EXPECT_EQ(dialog.TubingList()->count(), 52);
    EXPECT_EQ(dialog.TubingList()->currentIndex(), 29);
    EXPECT_EQ(dialog.TubingList()->currentText(),
              QStringLiteral("2.875\" (8.70 lb/ft) 2.259\" ID"));
    EXPECT_EQ(dialog.CasingList()->currentIndex(), 33);  // the first casing that holds 2 7/8 in
    EXPECT_EQ(dialog.AnnulusFluidList()->currentText(), QStringLiteral("Water"));
    EXPECT_EQ(dialog.FluidFlowList()->currentText(), QStringLiteral("Tubing"));
    EXPECT_EQ(dialog.InputEdit(AnchorInput::PerfDepth)->text(), QStringLiteral("5,304"));
    EXPECT_EQ(dialog.InputEdit(AnchorInput::CasingPressure)->text(), QStringLiteral("45.00"));
    EXPECT_TRUE(dialog.ResultsArea()->isHidden());
    EXPECT_FALSE(dialog.PrintAction()->isEnabled());
    EXPECT_FALSE(dialog.PrintPreviewAction()->isEnabled());
    EXPECT_EQ(dialog.DepthEntryTexts().size(), 15u);
    EXPECT_EQ(dialog.DepthEntryTexts().back(), QStringLiteral("5,200"));
}

TEST_F(TubingAnchorCatcherDlg, CalculateShowsResultsAndReplacesTheSurfaceDifference) {
    CTubingAnchorCatcherDlg dialog(Opening(), nullptr, "");
    dialog.CalculateButton()->click();
    EXPECT_TRUE(Messages().empty());
    EXPECT_FALSE(dialog.ResultsArea()->isHidden());
    EXPECT_TRUE(dialog.PrintAction()->isEnabled());
    const double computed = dialog.GetState().Result(AnchorResult::DeltaSurfaceTemperature);
    EXPECT_NE(computed, 17.3);
    EXPECT_EQ(dialog.GetState().Input(AnchorInput::DeltaSurfaceTemperature), computed);
    EXPECT_EQ(dialog.InputEdit(AnchorInput::DeltaSurfaceTemperature)->text(),
              QString::number(computed, 'f', 0));
    EXPECT_EQ(dialog.ResultLabel(AnchorResult::CasingPressureEffectsWeight)->text(),
              QStringLiteral("-140.0"));
    EXPECT_EQ(dialog.ResultLabel(AnchorResult::FluidLoadOnTubingLength)->text(),
              QStringLiteral("1.63"));
    EXPECT_EQ(dialog.GetState().m_profile.m_nodeDepths.size(), 16u);
}

TEST_F(TubingAnchorCatcherDlg, InputsItCannotComputeAreNamedInTheUsersLanguage) {
    app::setCurrentLanguage(app::kSpanish);
    CTubingAnchorCatcherDlg dialog(Opening(), nullptr, "");
    dialog.CasingList()->setCurrentIndex(0);  // 1.05 in cannot hold the 2 7/8 in tubing
    const bool isCalculated = dialog.Calculate();
    app::setCurrentLanguage(app::kEnglish);
    EXPECT_FALSE(isCalculated);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text, QStringLiteral("El Diámetro del Casing debe tener un diámetro "
                                                 "interior mayor que el diámetro exterior de la "
                                                 "tubería."));
    EXPECT_EQ(Messages()[0].icon, calc::CalculatorMessageBox::Icon::Exclamation);
    EXPECT_TRUE(dialog.ResultsArea()->isHidden());
}

TEST_F(TubingAnchorCatcherDlg, DepthListEditing) {
    CTubingAnchorCatcherDlg dialog(Opening(), nullptr, "");
    dialog.DepthEdit()->setText(QStringLiteral("1200"));
    dialog.AddButton()->click();
    ASSERT_EQ(dialog.DepthEntryTexts().size(), 16u);
    EXPECT_EQ(dialog.DepthEntryTexts()[6], QStringLiteral("1,200"));
    dialog.AddButton()->click();  // already listed
    EXPECT_EQ(dialog.DepthEntryTexts().size(), 16u);
    dialog.DepthEdit()->setText(QString());
    dialog.AddButton()->click();  // nothing typed
    EXPECT_EQ(dialog.DepthEntryTexts().size(), 16u);

    // Removing an entry after a calculation recalculates at once.
    dialog.CalculateButton()->click();
    const std::size_t nodes = dialog.GetState().m_profile.m_nodeDepths.size();
    dialog.DepthRemoveButton(0)->click();
    ASSERT_EQ(dialog.DepthEntryTexts().size(), 15u);
    EXPECT_EQ(dialog.DepthEntryTexts()[0], QStringLiteral("200"));
    EXPECT_EQ(dialog.GetState().m_profile.m_nodeDepths.size(), nodes - 1);

    // In metric units the entries show metres and the typed depth is read in metres.
    SetUnit("DEPTH", "M");
    EXPECT_EQ(dialog.DepthEntryTexts()[0], QStringLiteral("61"));
    dialog.DepthEdit()->setText(QStringLiteral("100"));
    dialog.AddButton()->click();
    const auto& depths = dialog.GetState().m_depths.Values();
    EXPECT_TRUE(std::any_of(depths.begin(), depths.end(),
                            [](double depth) { return std::abs(depth - 100.0 / 0.3048) < 1e-6; }));

    dialog.RemoveAllButton()->click();
    EXPECT_TRUE(dialog.DepthEntryTexts().empty());
    ASSERT_EQ(Messages().size(), 1u);  // the recalculation cannot find the Labinski factor
    EXPECT_NE(Messages()[0].text.indexOf(QStringLiteral("Delta Surface Temp.")), -1);
}

TEST_F(TubingAnchorCatcherDlg, TakesNoMoreThan195Depths) {
    CTubingAnchorCatcherDlg dialog(Opening(), nullptr, "");
    dialog.RemoveAllButton()->click();
    for (int i = 0; i < 196; ++i) {
        dialog.DepthEdit()->setText(QString::number(10 * i));
        dialog.AddButton()->click();
    }
    EXPECT_EQ(dialog.DepthEntryTexts().size(), 195u);
    EXPECT_EQ(dialog.GetState().m_depths.Values().back(), 1940.0);
}

TEST_F(TubingAnchorCatcherDlg, SavedListRestoresEverythingButTheTubingRow) {
    std::vector<double> saved;
    {
        CTubingAnchorCatcherDlg dialog(Opening(), nullptr, "");
        dialog.InputEdit(AnchorInput::OilRate)->setText(QStringLiteral("300"));
        dialog.CasingList()->setCurrentIndex(43);
        dialog.AnnulusFluidList()->setCurrentIndex(3);
        dialog.CalculateButton()->click();
        saved = dialog.GetSavedList();
    }
    ASSERT_EQ(saved.size(), calc::kSavedAnchorFixedCount + 15);
    calc::TubingAnchorOpening other = Opening();
    other.m_tubingRow = 17;
    CTubingAnchorCatcherDlg dialog(other, &saved, "");
    EXPECT_EQ(dialog.TubingList()->currentIndex(), 17);
    EXPECT_EQ(dialog.CasingList()->currentIndex(), 43);
    EXPECT_EQ(dialog.AnnulusFluidList()->currentIndex(), 3);
    EXPECT_EQ(dialog.InputEdit(AnchorInput::OilRate)->text(), QStringLiteral("300.00"));
    EXPECT_TRUE(dialog.ResultsArea()->isHidden());
    EXPECT_FALSE(dialog.PrintPreviewAction()->isEnabled());
    EXPECT_EQ(dialog.GetSavedList(), saved);
}

TEST_F(TubingAnchorCatcherDlg, PreviewListsTheWellAndTheDepths) {
    CTubingAnchorCatcherDlg dialog(Opening(), nullptr, "Well 7");
    calctest::RecordingViewer viewer;
    dialog.SetReportViewer(&viewer);
    dialog.CalculateButton()->click();
    dialog.PrintPreviewAction()->trigger();
    ASSERT_EQ(viewer.shown, 1);
    EXPECT_EQ(viewer.titles[0], "Tubing Anchor Catcher Design");
    EXPECT_TRUE(viewer.hasTemperaturePlot);
    EXPECT_EQ(viewer.texts["DepthHeader"], "Depths (ft)");
    EXPECT_EQ(viewer.texts["DepthData"].rfind("|", 0), std::string::npos);
    EXPECT_NE(viewer.texts["DepthData"].find("0, 200, 400, "), std::string::npos);
    const std::string results = viewer.texts["ResultsData"];
    EXPECT_EQ(results.rfind("Ambient Surf. Temp.\nDelta Surface Temp.\nFluid Surf. Temp.\n"
                            "Labinski Factor\n\nForce\nFluid Load on Tubing",
                            0),
              0u);
    EXPECT_NE(results.find("\n\nPickup\n"), std::string::npos);
    EXPECT_NE(viewer.texts["WellFluidData"].find("Tubing\nWater"), std::string::npos);
    EXPECT_EQ(viewer.texts["WellDimData"].find("Tubing Size\nCasing Size"), 0u);
}

}  // namespace
