// The main window's calculator links: values that follow the fluid specific gravity, sinker bar
// and slippage calculators while their links are on, and the tubing anchor catcher's state.
#include "app/case_builder.h"
#include "app/language.h"
#include "app/qt/calculate_button.h"
#include "app/qt/calculation_runner.h"
#include "app/qt/design_input_panel.h"
#include "app/qt/main_menu.h"
#include "app/qt/message_service.h"
#include "app/qt/ui_language.h"
#include "app/qt/zelk_app.h"
#include "app/qt/zelk_dlg.h"
#include "app/text_format.h"
#include "calculators/design_links.h"
#include "calculators/patterson_slippage.h"
#include "calculators/qt/calculator_message_box.h"
#include "calculators/qt/tubing_anchor_catcher_dlg.h"
#include "calculators/sinker_bar_sizing.h"
#include "engine/calculation_driver.h"
#include "files/design_file.h"
#include "files/lenient_number.h"
#include "tests/app/qt/qstring_printer.h"
#include "tests/app/qt/shown_main_window.h"
#include "units/preferences_store.h"
#include "units/qt/ex_edit.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using apptest::retype;
using ZelkEngine::CalculationCase;
using ZelkEngine::DesignCase;

// A new design as the window starts it with the built-in options.
DesignCase newDesign() {
    return app::WithOptionDefaults(DesignCase(), app::ZelkOptions().RoundedForRun());
}

double number(const QString& text) {
    return files::lenientNumber(text.toStdString());
}

// The pump efficiency text a slippage update writes for the design: the slippage of the pump
// displacement that one engine run of the design gives.
std::string slippageEfficiency(const DesignCase& design, const app::ZelkOptions& options) {
    CalculationCase run = app::BuildCalculationCase(design, options);
    ZelkEngine::Calculate(run);
    return calc::PumpEfficiencyText(
        calc::PattersonSlippage(calc::SlippageCaseFromDesign(design, run.Settings.PumpInletPressure,
                                                             run.Results.PumpDisplacement))
            .m_efficiency);
}

double sinkerBarWeight(const DesignCase& design, double gravity) {
    return calc::SinkerBarSizing(
               {design.m_pumpDiameter, design.m_pumpDepth, gravity, design.m_sinkerBarDiameter})
        .m_recommendedWeight;
}

class MainWindowLinksTest : public ::testing::Test {
protected:
    void SetUp() override {
        app::applyUiLanguage(app::kEnglish);
        app::MessageService::clearRecorded();
        ASSERT_TRUE(m_dir.isValid());
    }
    void TearDown() override {
        m_window.reset();
        app::setCalculationRunner({});
    }
    app::CZelkDlg& window() {
        if (!m_window) {
            m_window = std::make_unique<app::CZelkDlg>(m_app);
            m_window->show();
        }
        return *m_window;
    }
    app::DesignInputPanel* in() { return window().inputs(); }
    QString path() const { return m_dir.filePath(QStringLiteral("links.zlk")); }
    // Writes the design as a file; the links come into the window only through a file or the
    // calculators' dialogs.
    void write(const DesignCase& design) {
        ASSERT_TRUE(files::SaveDesignFile(path().toStdString(), design, app::ZelkOptions()).ok);
    }
    // File > Open of the design, which calculates.
    void open(const DesignCase& design) {
        write(design);
        ASSERT_TRUE(window().openDesign(path()));
        app::MessageService::clearRecorded();
    }
    // Opens the Tubing Anchor Catcher tool, lets `use` work in it and closes it.
    void useTubingAnchorTool(const std::function<void(calc::CTubingAnchorCatcherDlg&)>& use) {
        bool wasOpened = false;
        QTimer::singleShot(0, [&] {
            auto* dialog =
                qobject_cast<calc::CTubingAnchorCatcherDlg*>(QApplication::activeModalWidget());
            if (dialog != nullptr) {
                wasOpened = true;
                use(*dialog);
                dialog->reject();
            }
        });
        window().menu()->tubingAnchorCatcher->trigger();
        ASSERT_TRUE(wasOpened);
    }
    QString pumpEfficiency() { return in()->pumpEfficiency->text(); }
    const std::vector<app::MessageService::Message>& messages() {
        return app::MessageService::recorded();
    }

    QTemporaryDir m_dir;
    units::MemoryPreferencesStore m_store;
    app::CZelkApp m_app{m_store};
    std::unique_ptr<app::CZelkDlg> m_window;
};

DesignCase allLinked() {
    DesignCase d = newDesign();
    d.m_useFluidSpGravCalculator = true;
    d.m_useSinkerBarCalculator = true;
    d.m_useSlippageCalculator = true;
    d.m_pumpEfficiency = 95.0;
    return d;
}

TEST_F(MainWindowLinksTest, OpenWithTheGravityLinkRecomputesGravitySinkerBarAndEfficiency) {
    DesignCase d = allLinked();
    d.m_oilGravity = 35.0;
    d.m_waterCut = 60.0;
    d.m_waterSpecificGravity = 1.05;
    d.m_fluidSpecificGravity = 0.7;  // not what the oil and water give
    d.m_sinkerBarWeight = 100.0;
    open(d);

    const double gravity = 141.5 / (35.0 + 131.5) * (1.0 - 0.6) + 1.05 * 0.6;
    EXPECT_NEAR(window().design().m_fluidSpecificGravity, gravity, 1e-12);
    EXPECT_DOUBLE_EQ(window().design().m_sinkerBarWeight, sinkerBarWeight(d, gravity));
    // The efficiency follows the new gravity and weight; the calculation that Open ends with
    // uses it.
    DesignCase updated = window().designFromControls();
    updated.m_pumpEfficiency = 95.0;
    const std::string efficiency = slippageEfficiency(updated, window().options());
    EXPECT_EQ(pumpEfficiency().toStdString(), efficiency);
    EXPECT_NE(efficiency, "95.00");
    ASSERT_TRUE(window().hasResults());
    EXPECT_EQ(window().lastCalculation().Settings.PumpEfficiency, std::stod(efficiency));
    EXPECT_EQ(window().lastCalculation().Settings.FluidSpGrav, gravity);
    // Values set by the program keep every link on.
    EXPECT_TRUE(in()->fluidSpecificGravityLink->isOn());
    EXPECT_TRUE(in()->sinkerBarLink->isOn());
    EXPECT_TRUE(in()->slippageLink->isOn());
    EXPECT_TRUE(messages().empty());
}

TEST_F(MainWindowLinksTest, OpenWithoutTheGravityLinkKeepsTheFilesValues) {
    DesignCase d = allLinked();
    d.m_useFluidSpGravCalculator = false;
    d.m_fluidSpecificGravity = 0.7;
    d.m_sinkerBarWeight = 100.0;
    open(d);
    EXPECT_EQ(window().design().m_fluidSpecificGravity, 0.7);
    EXPECT_EQ(window().design().m_sinkerBarWeight, 100.0);
    EXPECT_EQ(pumpEfficiency(), QStringLiteral("95"));
}

TEST_F(MainWindowLinksTest, TypingTheGravityTakesItFromTheCalculatorAndUpdatesTheLinkedValues) {
    open(allLinked());
    const DesignCase before = window().design();
    retype(in()->fluidSpecificGravity, QStringLiteral("1.1"));
    EXPECT_FALSE(in()->fluidSpecificGravityLink->isOn());
    EXPECT_FALSE(window().menu()->fluidSpecificGravity->isChecked());
    // Kept as typed while the user is in the field.
    EXPECT_EQ(in()->fluidSpecificGravity->text(), QStringLiteral("1.1"));
    EXPECT_EQ(window().design().m_fluidSpecificGravity, 1.1);
    EXPECT_DOUBLE_EQ(window().design().m_sinkerBarWeight, sinkerBarWeight(before, 1.1));
    DesignCase expected = window().designFromControls();
    EXPECT_EQ(pumpEfficiency().toStdString(), slippageEfficiency(expected, window().options()));
    EXPECT_TRUE(in()->sinkerBarLink->isOn());
    EXPECT_TRUE(in()->slippageLink->isOn());
    EXPECT_TRUE(messages().empty());

    // The pressures move a linked efficiency too.
    retype(in()->tubingPressure, QStringLiteral("250"));
    EXPECT_EQ(in()->tubingPressure->text(), QStringLiteral("250"));
    expected = window().designFromControls();
    EXPECT_EQ(expected.m_tubingPressure, 250.0);
    EXPECT_EQ(pumpEfficiency().toStdString(), slippageEfficiency(expected, window().options()));

    // An efficiency typed by hand is the user's; the pressures leave it alone.
    retype(in()->pumpEfficiency, QStringLiteral("90"));
    EXPECT_FALSE(in()->slippageLink->isOn());
    retype(in()->pumpIntakePressure, QStringLiteral("75"));
    EXPECT_EQ(window().design().m_pumpIntakePressure, 75.0);
    EXPECT_EQ(pumpEfficiency(), QStringLiteral("90"));
}

TEST_F(MainWindowLinksTest, ProgramSetGravityKeepsItsLink) {
    open(allLinked());
    // Refreshing the controls (a display-unit change, a calculation) rewrites the field.
    ASSERT_TRUE(window().calculate());
    in()->fluidSpecificGravity->setText(QStringLiteral("1.2"));
    EXPECT_TRUE(in()->fluidSpecificGravityLink->isOn());
}

TEST_F(MainWindowLinksTest, GravityAboveTwoWarnsOnceAndStillSizesTheSinkerBar) {
    DesignCase d = newDesign();
    d.m_useSinkerBarCalculator = true;
    open(d);
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    // The sizing runs at every key, the warning waits until the field is left: a box taking
    // the focus half way through a number would swallow the keys still to come.
    retype(in()->fluidSpecificGravity, QStringLiteral("2.5"));
    EXPECT_TRUE(messages().empty());
    EXPECT_DOUBLE_EQ(window().design().m_sinkerBarWeight, sinkerBarWeight(d, 2.5));
    EXPECT_EQ(in()->fluidSpecificGravity->text(), QStringLiteral("2.5"));
    in()->fluidSpecificGravity->clearFocus();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text,
              QStringLiteral("Can't Perfom Sinker Bar recalculation:\nFluid Specific Gravity must "
                             "be a number between 0.000 and 2.000 Sp.Gr.H2O, inclusive.\n"));
    EXPECT_EQ(messages()[0].icon, app::MessageService::Icon::None);
    EXPECT_DOUBLE_EQ(window().design().m_sinkerBarWeight, sinkerBarWeight(d, 2.5));
    EXPECT_TRUE(in()->sinkerBarLink->isOn());

    // "0" on the way to "0.95" is outside (0, 2] too, but has nothing left to say once "0.95"
    // stands in the field.
    app::MessageService::clearRecorded();
    retype(in()->fluidSpecificGravity, QStringLiteral("0.95"));
    in()->fluidSpecificGravity->clearFocus();
    EXPECT_TRUE(messages().empty());
    EXPECT_DOUBLE_EQ(window().design().m_sinkerBarWeight, sinkerBarWeight(d, 0.95));

    // Clearing the field runs nothing and keeps the last value until the field is left.
    in()->fluidSpecificGravity->setFocus();
    QTest::keyClick(in()->fluidSpecificGravity, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(in()->fluidSpecificGravity, Qt::Key_Delete);
    EXPECT_TRUE(in()->fluidSpecificGravity->text().isEmpty());
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(window().design().m_fluidSpecificGravity, 0.95);
}

TEST_F(MainWindowLinksTest, LeavingTheStrokeRateFollowsTheSlippageOrSaysWhyNot) {
    struct Row {
        const char* typed;
        bool isLinked;
        bool isRefused;
    };
    const Row rows[] = {
        {"12", true, false}, {"0", true, true},   {"150", true, true},
        {"100", true, true}, {"abc", true, true}, {"150", false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        DesignCase d = allLinked();
        d.m_useFluidSpGravCalculator = false;
        d.m_useSlippageCalculator = row.isLinked;
        open(d);
        QApplication::setActiveWindow(&window());
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
        in()->strokeRate->setFocus();
        ASSERT_TRUE(in()->strokeRate->hasFocus());
        in()->strokeRate->setText(QString::fromLatin1(row.typed));
        in()->dampingFactor->setFocus();
        if (row.isRefused) {
            ASSERT_EQ(messages().size(), 1u);
            EXPECT_EQ(messages()[0].text, QStringLiteral("Stroke Rate (SPM) must be a number "
                                                         "greater than 0.000 SPM."));
            EXPECT_EQ(messages()[0].icon, app::MessageService::Icon::None);
            EXPECT_EQ(pumpEfficiency(), QStringLiteral("95"));
        } else {
            EXPECT_TRUE(messages().empty());
            const DesignCase now = window().designFromControls();
            EXPECT_EQ(pumpEfficiency().toStdString(),
                      row.isLinked ? slippageEfficiency(now, window().options()) : "95");
        }
        // Leaving without a change asks again: the check is on leaving, not on changing.
        app::MessageService::clearRecorded();
        in()->strokeRate->setFocus();
        in()->dampingFactor->setFocus();
        EXPECT_EQ(messages().size(), row.isRefused ? 1u : 0u);
    }
}

TEST_F(MainWindowLinksTest, StrokeRateStepFollowsTheSlippageBeforeCalculating) {
    DesignCase d = allLinked();
    d.m_useFluidSpGravCalculator = false;
    d.m_strokeRate = 9.9;
    open(d);
    window().onStrokeRateStep(1);
    EXPECT_EQ(in()->strokeRate->text(), QStringLiteral("10.0"));
    DesignCase expected = window().designFromControls();
    EXPECT_EQ(expected.m_strokeRate, 10.0);
    const std::string efficiency = slippageEfficiency(expected, window().options());
    EXPECT_EQ(pumpEfficiency().toStdString(), efficiency);
    EXPECT_EQ(window().lastCalculation().Settings.PumpEfficiency, std::stod(efficiency));
    EXPECT_EQ(window().lastCalculation().Inputs.StrokeRate, 10.0);
}

TEST_F(MainWindowLinksTest, TargetRateStepRunsTheSlippageFirstAndStopsOnAnUnusableEfficiency) {
    DesignCase d = allLinked();
    d.m_useFluidSpGravCalculator = false;
    d.m_calculationType = 1;
    d.m_targetRate = 150.0;
    write(d);
    ASSERT_TRUE(window().openDesignWithoutCalculating(path()));
    int runs = 0;
    app::setCalculationRunner([&runs](CalculationCase& c) {
        ++runs;
        ZelkEngine::Calculate(c);
    });
    window().onTargetRateStep(1);
    EXPECT_EQ(window().design().m_targetRate, 155.0);
    EXPECT_EQ(runs, 1 + 5 + 4);  // the step's slippage, then five passes with it between them
    EXPECT_TRUE(window().hasResults());

    // A worn pump: the step's slippage leaves no usable efficiency, and nothing is calculated.
    window().onFileNew();
    d.m_clearance = 0.05;
    write(d);
    ASSERT_TRUE(window().openDesignWithoutCalculating(path()));
    runs = 0;
    window().onTargetRateStep(1);
    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(window().hasResults());
    EXPECT_LT(number(pumpEfficiency()), 0.0);
}

struct PassesCase {
    const char* name;
    bool isTargetRate;
    bool isFromReservoir;
};

class FivePassesTest : public MainWindowLinksTest,
                       public ::testing::WithParamInterface<PassesCase> {};

// The passes, worked by hand with the engine: each starts from the stroke rate or pump intake
// pressure the previous one computed and the efficiency the slippage gives for them.
TEST_P(FivePassesTest, ReachWhatPassesByHandGive) {
    const PassesCase& mode = GetParam();
    DesignCase d = allLinked();
    d.m_useFluidSpGravCalculator = false;
    d.m_calculationType = mode.isTargetRate ? 1 : 0;
    d.m_targetRate = 150.0;
    d.m_pumpIntakePressureEntered = !mode.isFromReservoir;
    write(d);
    ASSERT_TRUE(window().openDesignWithoutCalculating(path()));
    const DesignCase start = window().designFromControls();
    const app::ZelkOptions options = window().options();
    int runs = 0;
    app::setCalculationRunner([&runs](CalculationCase& c) {
        ++runs;
        ZelkEngine::Calculate(c);
    });
    ASSERT_TRUE(window().calculate());
    EXPECT_EQ(runs, 5 + 4);  // five passes and the slippage between them

    DesignCase byHand = start;
    std::vector<CalculationCase> passes;
    std::string efficiency;
    for (int pass = 0; pass < 5; ++pass) {
        if (pass > 0) {
            efficiency = slippageEfficiency(byHand, options);
            byHand.m_pumpEfficiency = std::stod(efficiency);
        }
        CalculationCase c = app::BuildCalculationCase(byHand, options);
        ZelkEngine::Calculate(c);
        if (mode.isTargetRate) {
            byHand.m_strokeRate = std::stod(app::formatText("%.2f", {c.Inputs.StrokeRate}));
        } else {
            byHand.m_targetRate = c.Results.ProductionRate;
        }
        if (mode.isFromReservoir) {
            byHand.m_pumpIntakePressure = c.Settings.PumpInletPressure;
        }
        passes.push_back(c);
    }
    const CalculationCase& last = passes.back();
    const CalculationCase& shown = window().lastCalculation();
    EXPECT_EQ(pumpEfficiency().toStdString(), efficiency);
    EXPECT_EQ(shown.Settings.PumpEfficiency, last.Settings.PumpEfficiency);
    EXPECT_EQ(shown.Inputs.StrokeRate, last.Inputs.StrokeRate);
    EXPECT_EQ(shown.Results.ProductionRate, last.Results.ProductionRate);
    EXPECT_EQ(in()->strokeRate->text().toStdString(),
              app::formatText(mode.isTargetRate ? "%.2f" : "%g", {byHand.m_strokeRate}));
    EXPECT_EQ(window().design().m_pumpIntakePressure, byHand.m_pumpIntakePressure);
    // The passes matter: the first one, at the file's efficiency, computes something else.
    if (mode.isTargetRate) {
        EXPECT_NE(passes.front().Inputs.StrokeRate, last.Inputs.StrokeRate);
    } else {
        EXPECT_NE(passes.front().Settings.PumpInletPressure, last.Settings.PumpInletPressure);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Modes, FivePassesTest, ::testing::Values(
    PassesCase{"target_rate", true, false},
    PassesCase{"productivity_index", false, true},
    PassesCase{"both", true, true}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

TEST_F(MainWindowLinksTest, OnePassWhenNothingTheSlippageDependsOnIsComputed) {
    DesignCase d = allLinked();
    d.m_useFluidSpGravCalculator = false;
    open(d);
    int runs = 0;
    app::setCalculationRunner([&runs](CalculationCase& c) {
        ++runs;
        ZelkEngine::Calculate(c);
    });
    ASSERT_TRUE(window().calculate());
    EXPECT_EQ(runs, 1);
}

TEST_F(MainWindowLinksTest, UnusableEfficiencyBetweenPassesStopsTheCalculation) {
    DesignCase d = allLinked();
    d.m_useFluidSpGravCalculator = false;
    d.m_calculationType = 1;
    d.m_clearance = 0.05;  // a worn pump: the slippage exceeds the displacement
    write(d);
    ASSERT_TRUE(window().openDesignWithoutCalculating(path()));
    EXPECT_FALSE(window().calculate());
    EXPECT_FALSE(window().hasResults());
    EXPECT_LT(number(pumpEfficiency()), 0.0);
}

TEST_F(MainWindowLinksTest, TubingAnchorStateSurvivesSaveAndOpen) {
    in()->title->setText(QStringLiteral("PLOVERMANTLE"));
    std::vector<double> kept;
    useTubingAnchorTool([&kept](calc::CTubingAnchorCatcherDlg& dialog) {
        dialog.CasingList()->setCurrentIndex(45);
        dialog.AnnulusFluidList()->setCurrentIndex(1);
        dialog.InputEdit(calc::AnchorInput::OilRate)->setText(QStringLiteral("300"));
        dialog.DepthEdit()->setText(QStringLiteral("2750"));
        dialog.AddDepth();
        EXPECT_TRUE(dialog.Calculate());
        kept = dialog.GetSavedList();
    });
    ASSERT_EQ(kept.size(), 44u + 16u);
    EXPECT_EQ(window().design().m_tubingAnchorCatcherState, kept);

    ASSERT_TRUE(window().saveDesign(path()));
    window().onFileNew();
    EXPECT_TRUE(window().design().m_tubingAnchorCatcherState.empty());
    ASSERT_TRUE(window().openDesignWithoutCalculating(path()));
    const std::vector<double>& opened = window().design().m_tubingAnchorCatcherState;
    ASSERT_EQ(opened.size(), kept.size());
    for (std::size_t i = 0; i < kept.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(opened[i], kept[i], 5e-7);  // the file keeps six decimals
    }

    // The tool opens on the opened state.
    useTubingAnchorTool([&opened](calc::CTubingAnchorCatcherDlg& dialog) {
        EXPECT_EQ(dialog.CasingList()->currentIndex(), 45);
        EXPECT_EQ(dialog.AnnulusFluidList()->currentIndex(), 1);
        EXPECT_EQ(dialog.GetState().Input(calc::AnchorInput::OilRate), 300.0);
        EXPECT_EQ(dialog.DepthEntryTexts().size(), 16u);
        EXPECT_EQ(dialog.GetSavedList(), opened);
    });
}

}  // namespace
