#include "app/app_preferences.h"
#include "app/case_builder.h"
#include "app/language.h"
#include "app/qt/calculate_button.h"
#include "app/qt/calculation_runner.h"
#include "app/qt/design_input_panel.h"
#include "app/qt/language_change_dlg.h"
#include "app/qt/main_menu.h"
#include "app/qt/message_service.h"
#include "app/qt/picture_panel.h"
#include "app/qt/results_panel.h"
#include "app/qt/ui_language.h"
#include "app/qt/zelk_app.h"
#include "app/qt/zelk_dlg.h"
#include "calculators/qt/sinker_bar_calculator_dlg.h"
#include "engine/calculation_driver.h"
#include "engine/zelk_calculator_exception.h"
#include "plot/data_area.h"
#include "plot/data_area_curve.h"
#include "plot/text_block.h"
#include "report/qt/reports_dlg.h"
#include "tests/app/qt/qstring_printer.h"
#include "units/preferences_store.h"
#include "units/qt/ex_combo.h"
#include "units/qt/ex_edit.h"
#include "units/qt/units_ctrl.h"

#include <algorithm>
#include <limits>
#include <memory>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        app::applyUiLanguage(app::kEnglish);
        app::CLanguageChangeDlg::resetChoice();
        app::MessageService::clearRecorded();
    }
    void TearDown() override {
        m_window.reset();
        app::setCalculationRunner({});
        app::applyUiLanguage(app::kEnglish);
    }
    app::CZelkDlg& window() {
        if (!m_window) {
            m_window = std::make_unique<app::CZelkDlg>(m_app);
            m_window->show();
        }
        return *m_window;
    }
    // Chooses a language in Tools > Languages as a user would.
    void chooseLanguage(int index) {
        QTimer::singleShot(0, [index] {
            auto* dialog =
                qobject_cast<app::CLanguageChangeDlg*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->languageList()->setCurrentIndex(index);
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        window().menu()->languages->trigger();
    }

    units::MemoryPreferencesStore m_store;
    app::CZelkApp m_app{m_store};
    std::unique_ptr<app::CZelkDlg> m_window;
};

TEST_F(MainWindowTest, StartsInTheStoredLanguageAndStepsThePictureCounter) {
    app::AppPreferences(m_store).writeLanguage(app::kSpanish);
    m_store.setInt("AdvertNumber", '3');
    EXPECT_EQ(window().pictureNumber(), 4);
    EXPECT_EQ(window().picturePanel()->counter(), 4);
    EXPECT_EQ(app::currentLanguage(), app::kSpanish);
    EXPECT_EQ(window().menu()->fileNew->text(), QStringLiteral("&Nuevo"));
    EXPECT_EQ(window().inputs()->calculate->text(), QStringLiteral("Calcular"));
    window().onFileNew();
    EXPECT_EQ(window().pictureNumber(), 5);
    window().onFileNew();
    EXPECT_EQ(window().pictureNumber(), 0);
    EXPECT_EQ(app::AppPreferences(m_store).stepPictureCounter(), 1);
}

TEST_F(MainWindowTest, LanguageSwitchReloadsEveryTextAndIsStoredOnClose) {
    EXPECT_EQ(window().windowTitle(), QStringLiteral("Brantwick Zelk 3.1"));
    EXPECT_EQ(window().menu()->bar()->actions().at(0)->text(), QStringLiteral("&File"));
    EXPECT_EQ(window().menu()->printReport->text(), QStringLiteral("&Print Report..."));
    EXPECT_EQ(window().inputs()->fromStrokeRate->text(), QStringLiteral("Stroke Rate"));
    chooseLanguage(1);
    EXPECT_EQ(app::currentLanguage(), app::kSpanish);
    EXPECT_EQ(window().menu()->bar()->actions().at(0)->text(), QStringLiteral("&Archivo"));
    EXPECT_EQ(window().menu()->languages->text(), QStringLiteral("&Idiomas"));
    EXPECT_EQ(window().inputs()->fromStrokeRate->text(), QStringLiteral("Velocidad de Bombeo"));
    EXPECT_EQ(window().inputs()->steelRods->text(), QStringLiteral("Varillas de Acero"));
    // Nothing is stored until the window goes away.
    EXPECT_FALSE(m_store.has("Lang"));
    m_window.reset();
    EXPECT_EQ(app::AppPreferences(m_store).storedLanguage(), app::kSpanish);
}

TEST_F(MainWindowTest, ChoosingTheSameLanguageChangesNothingButRefreshesTheMenu) {
    const QString before = window().inputs()->calculate->text();
    chooseLanguage(0);
    EXPECT_EQ(window().inputs()->calculate->text(), before);
    EXPECT_FALSE(window().menu()->printReport->isEnabled());
    EXPECT_FALSE(window().menu()->compareDynFile->isEnabled());
}

TEST_F(MainWindowTest, PrintingAndOverlayCommandsStartGreyed) {
    app::MainMenu* menu = window().menu();
    EXPECT_FALSE(menu->printReport->isEnabled());
    EXPECT_FALSE(menu->printPreview->isEnabled());
    EXPECT_FALSE(menu->exportPdf->isEnabled());
    EXPECT_FALSE(menu->compareDynFile->isEnabled());
    EXPECT_FALSE(menu->clearDynOverlay->isEnabled());
    EXPECT_TRUE(menu->overlayDynFile->isEnabled());
    EXPECT_FALSE(menu->isTubingAnchorVisible());
}

TEST_F(MainWindowTest, TubingAnchorToolOnlyForItsTitle) {
    QLineEdit* title = window().inputs()->title;
    title->setFocus();
    QTest::keyClicks(title, QStringLiteral("PLOVERMANTLE"));
    EXPECT_TRUE(window().menu()->isTubingAnchorVisible());
    EXPECT_TRUE(window().inputs()->tubingAnchorTool->isVisible());
    QTest::keyClick(title, Qt::Key_Backspace);
    EXPECT_FALSE(window().menu()->isTubingAnchorVisible());
    EXPECT_FALSE(window().inputs()->tubingAnchorTool->isVisible());
    title->setText(QStringLiteral("plovermantle"));
    EXPECT_FALSE(window().menu()->isTubingAnchorVisible());
    title->setText(QStringLiteral("PLOVERMANTLE"));
    ASSERT_TRUE(window().menu()->isTubingAnchorVisible());
    // Fourth in the Tools menu, after Slippage.
    QMenu* tools = window().menu()->bar()->actions().at(1)->menu();
    EXPECT_EQ(tools->actions().at(3), window().menu()->tubingAnchorCatcher);
}

TEST_F(MainWindowTest, RodTypeShowsItsOwnControls) {
    app::DesignInputPanel* inputs = window().inputs();
    EXPECT_TRUE(inputs->rodNumber->isVisible());
    EXPECT_FALSE(inputs->fiberglassSize->isVisible());
    inputs->showRodType(1);
    EXPECT_FALSE(inputs->rodNumber->isVisible());
    EXPECT_TRUE(inputs->fiberglassSize->isVisible());
    EXPECT_TRUE(inputs->percentFiberglass->isVisible());
    EXPECT_EQ(inputs->rodType(), 1);
}

// A stand-in for the engine with fixed results, so that these tests look at the window alone.
void fakeEngine(ZelkEngine::CalculationCase& c) {
    ZelkEngine::ZelkResults& r = c.Results;
    r.PumpDisplacement = 9.87;
    r.ProductionRate = 9.87 * c.Settings.PumpEfficiency / 100.0;
    r.TaperPercentages = {34.0, 66.0};
    r.TopRodLoading = 100.0;
    r.MinGearboxRating = 227.6;
    r.MinStructureRating = 213.2;
    r.MotorSize = 0.95;
    r.PolishedRodPower = 1.0;
    r.PPRL = 12345.0;
    r.FiberglassMinLoad = -5.0;
    r.FiberglassLoading = std::numeric_limits<double>::quiet_NaN();
    r.PolishedRodPositionCurve = {0.0, 50.0, 100.0};
    r.PolishedRodLoadCurve = {5000.0, 9000.0, 6000.0};
    if (c.Inputs.CalcSPMFromTargetRate) {
        c.Inputs.StrokeRate = 9.126;
    }
}

class CalculateTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        app::setCalculationRunner(fakeEngine);
    }
    QString value(int row) { return window().resultsPanel()->resultRows().at(row).value; }
};

TEST_F(CalculateTest, ResultsListShowsFormatsAndRedValues) {
    ASSERT_TRUE(window().calculate());
    EXPECT_TRUE(window().hasResults());
    EXPECT_TRUE(window().menu()->printReport->isEnabled());
    const std::vector<app::ResultRow>& rows = window().resultsPanel()->resultRows();
    ASSERT_EQ(rows.size(), 9u);  // steel rods, not air balanced
    EXPECT_EQ(rows[0].label, QStringLiteral("Rate (100% pump volumetric eff.)"));
    EXPECT_EQ(rows[0].value, QStringLiteral("9.87 BBL/D"));
    EXPECT_EQ(rows[1].label, QStringLiteral("Rate (95% pump volumetric eff.)"));
    EXPECT_EQ(rows[2].value, QStringLiteral("34.0%, 66.0% "));
    EXPECT_EQ(rows[3].value, QStringLiteral("100.0 %"));
    EXPECT_TRUE(rows[3].isRed);
    EXPECT_FALSE(rows[0].isRed);
    EXPECT_EQ(rows[4].value, QStringLiteral("228-213-100"));
    EXPECT_TRUE(rows[5].value.startsWith(QStringLiteral("0.950 ")));
    EXPECT_TRUE(rows[6].value.startsWith(QStringLiteral("1.00 ")));
    EXPECT_EQ(window().resultsPanel()->plotLabels(app::ResultsPanel::CardsLeft).at(0),
              QStringLiteral("PPRL"));
    plot::CPlot& cards = window().resultsPanel()->cardsPlot();
    EXPECT_EQ(cards.FindTextBlock("PlotTitle")->GetText(), "Dynamometer Cards");
    plot::CDataAreaCurve* surface = cards.FindDataArea("DataArea")->FindCurve("SurfaceCard");
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(surface->PointCount(), 3);
    // The stroke-rate mode feeds the calculated rate back as the target rate.
    EXPECT_NEAR(window().design().m_targetRate, 9.87 * 0.95, 1e-9);
}

TEST_F(CalculateTest, FiberglassAndAirBalancedAddTheirLinesAndWarn) {
    window().inputs()->unitType->setCurrentIndex(3);  // AirBal
    window().inputs()->fiberglassRods->click();
    app::MessageService::clearRecorded();
    ASSERT_TRUE(window().calculate());
    const std::vector<app::ResultRow>& rows = window().resultsPanel()->resultRows();
    ASSERT_EQ(rows.size(), 15u);
    EXPECT_EQ(rows[9].label, QStringLiteral("Accumulator Pressure"));
    EXPECT_EQ(rows[14].value, QStringLiteral("0/0"));
    EXPECT_TRUE(rows[14].isRed);
    EXPECT_TRUE(rows[11].isRed);  // negative fiberglass minimum load
    ASSERT_EQ(app::MessageService::recorded().size(), 1u);
    EXPECT_EQ(app::MessageService::recorded()[0].text,
              QStringLiteral("Fiberglass load is negative. The rod string will likely fail."));
}

TEST_F(CalculateTest, PreCalculationCheckListsEveryBadFieldAndCalculatesNothing) {
    int runs = 0;
    app::setCalculationRunner([&](ZelkEngine::CalculationCase& c) {
        ++runs;
        fakeEngine(c);
    });
    window().inputs()->dampingFactor->setText(QStringLiteral("abc"));
    window().inputs()->unitEfficiency->setText(QStringLiteral("120"));
    window().inputs()->pumpDepth->setEditText(QStringLiteral("50"));
    app::MessageService::clearRecorded();
    EXPECT_FALSE(window().calculate());
    EXPECT_EQ(runs, 0);
    EXPECT_FALSE(window().hasResults());
    ASSERT_EQ(app::MessageService::recorded().size(), 1u);
    const app::MessageService::Message& box = app::MessageService::recorded()[0];
    EXPECT_EQ(box.icon, app::MessageService::Icon::Warning);
    EXPECT_EQ(box.text, QStringLiteral("The following are invalid:\n\n"
                                       "Damping Factor must be a number greater than 0.000 .\n"
                                       "Surface Unit Efficiency must be a number between 0.000 "
                                       "and 100.000 %, inclusive.\n"
                                       "Pump Depth must be a number between 100.000 and "
                                       "20000.000 ft.\n"));
}

TEST_F(CalculateTest, EngineErrorShowsTheCodeTextAndKeepsThePreviousResults) {
    ASSERT_TRUE(window().calculate());
    const QString before = value(0);
    app::setCalculationRunner([](ZelkEngine::CalculationCase&) {
        throw ZelkEngine::ZelkCalculatorException(11, "engine words", 250.456, 180.0);
    });
    app::applyUiLanguage(app::kSpanish);
    app::MessageService::clearRecorded();
    EXPECT_FALSE(window().calculate());
    ASSERT_EQ(app::MessageService::recorded().size(), 1u);
    const app::MessageService::Message& box = app::MessageService::recorded()[0];
    EXPECT_EQ(box.caption, QStringLiteral("Comprobación de Validez"));
    EXPECT_EQ(box.icon, app::MessageService::Icon::Stop);
    EXPECT_TRUE(box.text.startsWith(QStringLiteral("El caudal calculado de la bomba de 250.46")));
    EXPECT_TRUE(window().hasResults());
    EXPECT_EQ(value(0), before);
}

TEST_F(CalculateTest, StrokeRateStepsStayInsideTheirRange) {
    QLineEdit* spm = window().inputs()->strokeRate;
    spm->setText(QStringLiteral("9.9"));
    window().onStrokeRateStep(1);
    EXPECT_EQ(spm->text(), QStringLiteral("10.0"));
    EXPECT_TRUE(window().hasResults());
    spm->setText(QStringLiteral("99.9"));
    window().onStrokeRateStep(1);
    EXPECT_EQ(spm->text(), QStringLiteral("100.0"));  // exactly 100 is taken
    window().onStrokeRateStep(1);
    EXPECT_EQ(spm->text(), QStringLiteral("100.0"));
    spm->setText(QStringLiteral("0.1"));
    window().onStrokeRateStep(-1);
    EXPECT_EQ(spm->text(), QStringLiteral("0.1"));
}

TEST_F(CalculateTest, TargetRateModeWritesTheStrokeRateBack) {
    window().inputs()->fromTargetRate->click();
    EXPECT_FALSE(window().inputs()->strokeRate->isEnabled());
    ASSERT_TRUE(window().calculate());
    EXPECT_EQ(window().inputs()->strokeRate->text(), QStringLiteral("9.13"));
    // "<<" can take the target rate below zero; the next check refuses it.
    for (int i = 0; i < 40; ++i) {
        app::setCalculationRunner(fakeEngine);
        window().onTargetRateStep(-1);
    }
    EXPECT_LT(window().design().m_targetRate, 0.0);
    EXPECT_TRUE(
        app::MessageService::recorded().back().text.contains(QStringLiteral("Target Rate")));
}

TEST_F(CalculateTest, RodTypeChangeGreysPrintingUntilTheNextCalculation) {
    ASSERT_TRUE(window().calculate());
    window().inputs()->title->setText(QStringLiteral("another title"));
    EXPECT_TRUE(window().menu()->printReport->isEnabled());
    window().inputs()->fiberglassRods->click();
    EXPECT_FALSE(window().menu()->printReport->isEnabled());
    EXPECT_TRUE(window().hasResults());
    ASSERT_TRUE(window().calculate());
    EXPECT_TRUE(window().menu()->printReport->isEnabled());
}

TEST_F(CalculateTest, LanguageSwitchWithResultsRetitlesThePlots) {
    ASSERT_TRUE(window().calculate());
    chooseLanguage(1);
    plot::CPlot& cards = window().resultsPanel()->cardsPlot();
    EXPECT_EQ(cards.FindTextBlock("PlotTitle")->GetText(), "Cartas Dinamométricas");
    EXPECT_EQ(cards.FindTextBlock("YLabel")->GetText(), "Carga En Variilas");
    EXPECT_EQ(window().resultsPanel()->torquePlot().FindTextBlock("XLabel")->GetText(), "Ángulo");
    EXPECT_EQ(window().resultsPanel()->plotLabels(app::ResultsPanel::CardsLeft).at(0),
              QStringLiteral("Carga Máxima"));
}

TEST_F(CalculateTest, NewHidesResultsAndRestoresTheDefaults) {
    window().inputs()->pumpDepth->setEditText(QStringLiteral("7000"));
    ASSERT_TRUE(window().calculate());
    EXPECT_EQ(window().design().m_pumpDepth, 7000.0);
    window().onFileNew();
    EXPECT_FALSE(window().hasResults());
    EXPECT_FALSE(window().menu()->printReport->isEnabled());
    EXPECT_EQ(window().design().m_pumpDepth, 5000.0);
    EXPECT_EQ(window().inputs()->dampingFactor->text(), QStringLiteral("0.10"));
    EXPECT_EQ(window().inputs()->tubingSize->currentIndex(), 29);
}

TEST_F(CalculateTest, SaveThenOpenRestoresEveryInput) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("well.zlk"));
    app::DesignInputPanel* in = window().inputs();
    in->title->setText(QStringLiteral("Well 7"));
    in->unitType->setCurrentIndex(2);
    in->pumpDepth->setEditText(QStringLiteral("6500"));
    in->tubingSize->setCurrentIndex(31);
    in->anchoredTubing->setChecked(true);
    in->fiberglassRods->click();
    in->percentFiberglass->setEditText(QStringLiteral("60"));
    in->dampingFactor->setText(QStringLiteral("0.15"));
    in->pressureFromReservoir->click();
    in->reservoirPressure->setText(QStringLiteral("1500"));
    in->fromTargetRate->click();
    in->targetRate->setText(QStringLiteral("250"));
    const ZelkEngine::DesignCase saved = window().designFromControls();
    ASSERT_TRUE(window().saveDesign(path));

    window().onFileNew();
    EXPECT_EQ(in->title->text(), QString());
    ASSERT_TRUE(window().openDesignWithoutCalculating(path));
    EXPECT_FALSE(window().hasResults());
    const ZelkEngine::DesignCase opened = window().designFromControls();
    EXPECT_EQ(opened.m_title, "Well 7");
    EXPECT_EQ(opened.m_unitTypeName, "MarkII");
    EXPECT_EQ(opened.m_pumpDepth, 6500.0);
    EXPECT_EQ(in->tubingSize->currentIndex(), 31);
    EXPECT_TRUE(opened.m_anchoredTubing);
    EXPECT_EQ(opened.m_rodType, 1);
    EXPECT_EQ(opened.m_fiberglassPercent, 60.0);
    EXPECT_EQ(opened.m_dampingFactor, 0.15);
    EXPECT_FALSE(opened.m_pumpIntakePressureEntered);
    EXPECT_EQ(opened.m_reservoirPressure, 1500.0);
    EXPECT_EQ(opened.m_calculationType, 1);
    EXPECT_EQ(opened.m_targetRate, 250.0);
    EXPECT_EQ(opened.m_tubingOD, saved.m_tubingOD);
}

TEST_F(CalculateTest, UnreadableFileIsReportedAndChangesNothing) {
    window().inputs()->title->setText(QStringLiteral("kept"));
    app::MessageService::clearRecorded();
    EXPECT_FALSE(window().openDesignWithoutCalculating(QStringLiteral("/nonexistent/x.zlk")));
    EXPECT_EQ(window().inputs()->title->text(), QStringLiteral("kept"));
    EXPECT_EQ(app::MessageService::recorded().size(), 1u);
    EXPECT_FALSE(window().saveDesign(QStringLiteral("/nonexistent/folder/x.zlk")));
    ASSERT_EQ(app::MessageService::recorded().size(), 2u);
    EXPECT_EQ(app::MessageService::recorded()[1].icon, app::MessageService::Icon::Stop);
}

// Picks a unit in the pop-up menu of an input's unit control, as a click would.
void chooseUnit(units::CUnitsCtrl* control, const std::string& unitKey) {
    ASSERT_NE(control, nullptr);
    const std::vector<std::string> keys = control->MenuKeys();
    const auto found = std::find(keys.begin(), keys.end(), unitKey);
    ASSERT_NE(found, keys.end()) << unitKey;
    control->BuildMenu(nullptr)->deleteLater();
    control->ChooseMenuItem(static_cast<int>(found - keys.begin()) + 1);
}

TEST_F(CalculateTest, MetricUnitFromThePopUpUpdatesEveryBoundControl) {
    ASSERT_TRUE(window().calculate());
    app::DesignInputPanel* in = window().inputs();
    const QString feet = in->unitControlFor(in->pumpDepth)->GetText();
    chooseUnit(in->unitControlFor(in->tubingPressure), "KPA");
    // Every pressure input follows, the values stay the same in psi inside.
    for (QWidget* input :
         {static_cast<QWidget*>(in->casingPressure), static_cast<QWidget*>(in->pumpIntakePressure),
          static_cast<QWidget*>(in->reservoirPressure)}) {
        EXPECT_EQ(in->unitControlFor(input)->GetText(), QStringLiteral("kPa"));
    }
    EXPECT_EQ(in->unitControlFor(in->pumpDepth)->GetText(), feet);
    EXPECT_EQ(window().design().m_casingPressure, 45.0);
    EXPECT_NEAR(in->casingPressure->text().remove(QLatin1Char(',')).toDouble(), 45.0 * 6.894757,
                0.05);  // shown with its metric format
    chooseUnit(in->unitControlFor(in->pumpDepth), "M");
    EXPECT_NEAR(in->pumpDepth->currentText().remove(QLatin1Char(',')).toDouble(), 1524.0, 0.5);
    EXPECT_EQ(window().design().m_pumpDepth, 5000.0);
    // Typing in the display unit stores the internal value.
    in->pumpDepth->setEditText(QStringLiteral("2000"));
    // The catalogue's metre factor has six significant digits: 0.001 ft over 6500 ft is enough.
    EXPECT_NEAR(window().designFromControls().m_pumpDepth, 2000.0 / 0.3048, 1e-3);
    // New shows oilfield units again.
    window().onFileNew();
    EXPECT_EQ(in->unitControlFor(in->pumpDepth)->GetText(), feet);
    EXPECT_EQ(in->unitControlFor(in->casingPressure)->GetText(), QStringLiteral("psi"));
}

TEST_F(CalculateTest, DesignSavedInMetresOpensWithTheSameDepth) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("metric.zlk"));
    app::DesignInputPanel* in = window().inputs();
    chooseUnit(in->unitControlFor(in->pumpDepth), "M");
    in->pumpDepth->setEditText(QStringLiteral("2000"));
    ASSERT_TRUE(window().saveDesign(path));
    window().onFileNew();
    ASSERT_TRUE(window().openDesign(path));  // File > Open calculates
    EXPECT_TRUE(window().hasResults());
    EXPECT_NEAR(window().design().m_pumpDepth, 2000.0 / 0.3048, 1e-3);
    EXPECT_EQ(in->unitControlFor(in->pumpDepth)->GetText(), QStringLiteral("m"));
}

TEST_F(CalculateTest, SinkerBarLinkTakesTheCalculatorsWeightUntilTyped) {
    double recommended = -1.0;
    QTimer::singleShot(0, [&recommended] {
        auto* dialog =
            qobject_cast<calc::CSinkerBarCalculatorDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->UseCalculation();
        recommended = dialog->GetRecommendedWeight();
    });
    window().inputs()->sinkerBarLink->click();
    EXPECT_TRUE(window().inputs()->sinkerBarLink->isOn());
    EXPECT_TRUE(window().menu()->sinkerBarWeight->isChecked());
    EXPECT_GT(recommended, 0.0);
    EXPECT_EQ(window().design().m_sinkerBarWeight, recommended);
    QTest::keyClicks(window().inputs()->sinkerBarWeight, QStringLiteral("1"));
    EXPECT_FALSE(window().inputs()->sinkerBarLink->isOn());
    EXPECT_FALSE(window().menu()->sinkerBarWeight->isChecked());
}

TEST_F(CalculateTest, PrintPreviewCalculatesAndShowsTheReport) {
    bool wasShown = false;
    QTimer::singleShot(0, [&wasShown] {
        auto* dialog = qobject_cast<report::CReportsDlg*>(QApplication::activeModalWidget());
        wasShown = dialog != nullptr;
        if (QWidget* modal = QApplication::activeModalWidget()) {
            modal->close();
        }
    });
    window().onPrintPreview();
    EXPECT_TRUE(wasShown);
    EXPECT_TRUE(window().hasResults());
}

TEST_F(CalculateTest, ExportPdfWritesTheReportPageAndReportsAFailure) {
    ASSERT_TRUE(window().calculate());
    EXPECT_TRUE(window().menu()->exportPdf->isEnabled());
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    ASSERT_TRUE(window().exportReportPdf(path));
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == QByteArrayLiteral("%PDF-"));
    EXPECT_GT(pdf.size(), 1000);

    app::MessageService::clearRecorded();
    EXPECT_FALSE(window().exportReportPdf(dir.filePath(QStringLiteral("no/such/folder/r.pdf"))));
    EXPECT_EQ(app::MessageService::recorded().size(), 1u);
}

TEST_F(MainWindowTest, DefaultDesignGivesWhatTheCommandLineProgramCalculates) {
    // The command-line program calculates the default design with the built-in options through
    // the same case builder; the window must hand the engine exactly that design.
    ASSERT_TRUE(window().calculate());
    const app::ZelkOptions options = app::ZelkOptions().RoundedForRun();
    ZelkEngine::CalculationCase expected = app::BuildCalculationCase(
        app::WithOptionDefaults(ZelkEngine::DesignCase(), options), options);
    ZelkEngine::Calculate(expected);
    const ZelkEngine::ZelkResults& shown = window().lastCalculation().Results;
    const ZelkEngine::ZelkResults& cli = expected.Results;
    // Same inputs through the same engine: equal to the last bit.
    EXPECT_EQ(shown.PPRL, cli.PPRL);
    EXPECT_EQ(shown.MPRL, cli.MPRL);
    EXPECT_EQ(shown.ProductionRate, cli.ProductionRate);
    EXPECT_EQ(shown.PeakTorque, cli.PeakTorque);
    EXPECT_EQ(shown.PolishedRodLoadCurve, cli.PolishedRodLoadCurve);
    const std::vector<app::ResultRow>& rows = window().resultsPanel()->resultRows();
    EXPECT_EQ(rows[1].value,
              QString::asprintf("%0.1f", cli.ProductionRate) + QStringLiteral(" BBL/D"));
    EXPECT_EQ(
        rows[6].value.section(QLatin1Char(' '), 0, 0),
        QString::asprintf(cli.PolishedRodPower >= 1 ? "%0.2f" : "%0.3f", cli.PolishedRodPower));
    EXPECT_EQ(window().resultsPanel()->plotValues(app::ResultsPanel::CardsLeft).at(2),
              QString::asprintf("%0.3f", cli.FoOverSKr));
}

}  // namespace
