#include "app/language.h"
#include "app/qt/design_input_panel.h"
#include "app/qt/main_menu.h"
#include "app/qt/message_service.h"
#include "app/qt/results_panel.h"
#include "app/qt/ui_language.h"
#include "app/qt/zelk_app.h"
#include "app/qt/zelk_dlg.h"
#include "files/qt/dyn_file_compare_dlg.h"
#include "plot/data_area.h"
#include "plot/data_area_curve.h"
#include "plot/line_annotation.h"
#include "report/report.h"
#include "report/report_mgr.h"
#include "tests/app/qt/qstring_printer.h"
#include "units/data_object.h"
#include "units/dcl_manager.h"
#include "units/preferences_store.h"
#include "units/qt/ex_edit.h"
#include "units/qt/units_ctrl.h"
#include "units/units_manager.h"

#include <algorithm>
#include <memory>

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

const QString kData = QStringLiteral(ZELK_APP_QT_TEST_DATA_DIR);

int overlayCurves(plot::CPlot& plot) {
    const plot::CDataArea* area = plot.FindDataArea("DataArea");
    return static_cast<int>(
        std::count_if(area->Curves().begin(), area->Curves().end(),
                      [](const auto& curve) { return curve->GetName() == "overlayGraph"; }));
}

// Chooses the unit with this key on a unit label, as its menu would.
void chooseUnit(units::CUnitsCtrl* label, const std::string& key) {
    const std::vector<std::string> keys = label->MenuKeys();
    const auto at = std::find(keys.begin(), keys.end(), key);
    ASSERT_NE(at, keys.end()) << key;
    label->BuildMenu(nullptr)->deleteLater();
    label->ChooseMenuItem(static_cast<int>(at - keys.begin()) + 1);
}

// A shown value without its unit symbol and thousands separators.
double number(QString text) {
    text.remove(QLatin1Char(','));
    return text.split(QLatin1Char(' ')).value(0).toDouble();
}

// Unit categories are shared by the whole program: tests give the loads back their pounds.
void resetLoadUnit() {
    units::CUnitsCategory* category = units::FindCategory("SMALL_WEIGHT");
    units::UnitsManager()->SetUnitForCaption(category->GetCaption(), units::FindUnit("LB"));
}

class CountingViewer : public report::ReportViewer {
public:
    void ShowReport(report::CReport& shown, const std::string& title) override {
        ++count;
        lastTitle = title;
        pages = shown.GetPageCount();
    }
    int count = 0;
    int pages = 0;
    std::string lastTitle;
};

class DynOverlayTest : public ::testing::Test {
protected:
    void SetUp() override {
        app::applyUiLanguage(app::kEnglish);
        app::MessageService::clearRecorded();
        m_window = std::make_unique<app::CZelkDlg>(m_app);
        m_window->show();
    }
    void TearDown() override {
        app::CZelkDlg::setDynFileChooser({});
        app::CZelkDlg::setCompareDialogRunner({});
        m_window.reset();
    }
    plot::CPlot& cards() { return m_window->resultsPanel()->cardsPlot(); }
    plot::CDataAreaCurve* overlay() {
        return cards().FindDataArea("DataArea")->FindCurve("overlayGraph");
    }

    units::MemoryPreferencesStore m_store;
    app::CZelkApp m_app{m_store};
    std::unique_ptr<app::CZelkDlg> m_window;
};

TEST_F(DynOverlayTest, OverlayStaysThroughCalculationsAndReplacesItself) {
    app::MainMenu* menu = m_window->menu();
    QString filter;
    m_window->setDynFileChooser([&](QWidget*, const QString& offered) {
        filter = offered;
        return kData + QStringLiteral("/counted_card.dyn");
    });
    // No results yet: the command calculates first so that there is a card to compare with.
    ASSERT_FALSE(m_window->hasResults());
    menu->overlayDynFile->trigger();
    EXPECT_TRUE(filter.contains(QStringLiteral("Dyn files (*.dyn)")));
    EXPECT_TRUE(filter.contains(QStringLiteral("All Files (*.*)")));
    EXPECT_TRUE(m_window->hasResults());
    ASSERT_TRUE(m_window->hasOverlay());
    EXPECT_TRUE(menu->compareDynFile->isEnabled());
    EXPECT_TRUE(menu->clearDynOverlay->isEnabled());
    ASSERT_NE(overlay(), nullptr);
    EXPECT_EQ(overlay()->GetColor(), 0xFFFF00FFu);
    EXPECT_EQ(m_window->dynLoads(), (std::vector<double>{9000, 11000, 12000, 6000, 5000}));
    EXPECT_EQ(m_window->importedCard().strokesPerMinute, 8);
    EXPECT_DOUBLE_EQ(m_window->importedCard().strokeLength, 86.0);
    EXPECT_DOUBLE_EQ(m_window->importedCard().tvLoad, 10500.0);

    ASSERT_TRUE(m_window->calculate());
    ASSERT_NE(overlay(), nullptr);
    EXPECT_EQ(overlayCurves(cards()), 1);
    EXPECT_EQ(overlay()->GetColor(), 0xFFFF00FFu);

    // A second file, in the tabbed layout, takes the place of the first.
    m_window->setDynFileChooser(
        [](QWidget*, const QString&) { return kData + QStringLiteral("/tabbed_card.txt"); });
    menu->overlayDynFile->trigger();
    EXPECT_EQ(overlayCurves(cards()), 1);
    EXPECT_EQ(m_window->dynLoads(), (std::vector<double>{9500, 11200, 12100, 6200, 5100}));
    EXPECT_EQ(m_window->importedCard().strokeLength, 0.0);
    EXPECT_EQ(m_window->importedCard().polishedRodPower, 0.001);
    ASSERT_TRUE(m_window->calculate());
    EXPECT_EQ(overlayCurves(cards()), 1);

    menu->clearDynOverlay->trigger();
    EXPECT_EQ(overlay(), nullptr);
    EXPECT_FALSE(m_window->hasOverlay());
    EXPECT_FALSE(menu->compareDynFile->isEnabled());
    EXPECT_FALSE(menu->clearDynOverlay->isEnabled());
    // The curve follows the (now empty) lists after the next calculation.
    ASSERT_TRUE(m_window->calculate());
    ASSERT_NE(overlay(), nullptr);
    EXPECT_EQ(overlay()->GetColor(), 0xFFFF00FFu);
    EXPECT_TRUE(m_window->dynPositions().empty());
    EXPECT_TRUE(app::MessageService::recorded().empty());
}

TEST_F(DynOverlayTest, UnreadableFileIsReportedAndThePreviousOverlayStays) {
    ASSERT_TRUE(m_window->overlayDynFile(kData + QStringLiteral("/counted_card.dyn")));
    const std::vector<double> before = m_window->dynLoads();
    struct Case {
        const char* file;
        const char* reason;
    };
    const Case cases[] = {{"/missing_card.dyn", "could not be opened"},
                          {"/no_points.dyn", "holds no card point"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        app::MessageService::clearRecorded();
        m_window->setDynFileChooser(
            [&](QWidget*, const QString&) { return kData + QString::fromLatin1(c.file); });
        m_window->menu()->overlayDynFile->trigger();
        ASSERT_EQ(app::MessageService::recorded().size(), 1u);
        const QString text = app::MessageService::recorded().front().text;
        EXPECT_TRUE(text.contains(QString::fromLatin1(c.file).mid(1))) << text.toStdString();
        EXPECT_TRUE(text.contains(QString::fromLatin1(c.reason))) << text.toStdString();
        EXPECT_TRUE(m_window->hasOverlay());
        EXPECT_EQ(m_window->dynLoads(), before);
        EXPECT_EQ(overlayCurves(cards()), 1);
    }
    // Cancelling the dialog changes nothing and says nothing.
    app::MessageService::clearRecorded();
    m_window->setDynFileChooser([](QWidget*, const QString&) { return QString(); });
    m_window->menu()->overlayDynFile->trigger();
    EXPECT_TRUE(app::MessageService::recorded().empty());
    EXPECT_EQ(m_window->dynLoads(), before);
}

TEST_F(DynOverlayTest, CompareShowsTheCardsAndARowUnitChangeReachesTheMainWindow) {
    ASSERT_TRUE(m_window->overlayDynFile(kData + QStringLiteral("/tabbed_card.txt")));
    const QString peakBefore =
        m_window->resultsPanel()->plotValues(app::ResultsPanel::CardsLeft).at(0);
    ASSERT_TRUE(peakBefore.endsWith(QStringLiteral("lb"))) << peakBefore.toStdString();
    bool ran = false;
    app::CZelkDlg::setCompareDialogRunner([&](files::CDynFileCompareDlg& dialog) {
        ran = true;
        using D = files::CDynFileCompareDlg;
        const files::ComparedValue& peak = dialog.comparison().values[D::kPeakLoadRow];
        EXPECT_EQ(peak.imported, 12100.0);
        EXPECT_GT(peak.predicted, 0.0);
        // The tabbed file has no stroke length: no percent for that row.
        EXPECT_EQ(dialog.percentLabel(D::kStrokeLengthRow)->text(), QStringLiteral("-1.0"));
        plot::CDataArea* area = dialog.comparisonPlot().FindDataArea("DataArea");
        for (const char* name : {"ZelkCurve", "ZelkCurve2", "ImportedCurve"}) {
            EXPECT_NE(area->FindCurve(name), nullptr) << name;
        }
        EXPECT_EQ(area->FindCurve("ImportedCurve")->GetColor(), 0xFFFF00FFu);
        EXPECT_EQ(area->FindCurve("ZelkCurve")->GetColor(), 0xFF0000FFu);

        const QString percent = dialog.percentLabel(D::kPeakLoadRow)->text();
        chooseUnit(dialog.unitLabel(D::kPeakLoadRow), "KG");
        EXPECT_TRUE(
            dialog.valueLabel(D::kPeakLoadRow, 1)->text().startsWith(QStringLiteral("5,488.")))
            << dialog.valueLabel(D::kPeakLoadRow, 1)->text().toStdString();
        EXPECT_TRUE(
            dialog.valueLabel(D::kMinimumLoadRow, 1)->text().startsWith(QStringLiteral("2,313.")))
            << dialog.valueLabel(D::kMinimumLoadRow, 1)->text().toStdString();
        EXPECT_EQ(dialog.percentLabel(D::kPeakLoadRow)->text(), percent);
        EXPECT_EQ(dialog.unitLabel(D::kMinimumLoadRow)->GetText(), QStringLiteral("kg"));

        CountingViewer viewer;
        dialog.setReportViewer(&viewer);
        dialog.onPrintPreview();
        EXPECT_EQ(viewer.count, 1);
        EXPECT_EQ(viewer.pages, 1);
    });
    m_window->menu()->compareDynFile->trigger();
    ASSERT_TRUE(ran);
    // The load unit is the program's: the main window shows its small loads in kg too.
    const QString peakAfter =
        m_window->resultsPanel()->plotValues(app::ResultsPanel::CardsLeft).at(0);
    EXPECT_TRUE(peakAfter.endsWith(QStringLiteral("kg"))) << peakAfter.toStdString();
    EXPECT_NEAR(number(peakAfter), number(peakBefore) * 0.45359237, 1.0);
    units::CUnitsCategory* category = units::FindCategory("SMALL_WEIGHT");
    ASSERT_NE(category, nullptr);
    EXPECT_EQ(category->GetCurrentUnit()->GetKey(), "KG");
    resetLoadUnit();
}

files::CardRecord card(double peak, double minimum, double stroke, double power, double tv,
                       double sv) {
    files::CardRecord c;
    c.peakLoad = peak;
    c.minimumLoad = minimum;
    c.strokeLength = stroke;
    c.polishedRodPower = power;
    c.tvLoad = tv;
    c.svLoad = sv;
    c.positions = {0, 50, 100, 50};
    c.loads = {minimum, peak, peak, minimum};
    return c;
}

TEST(DynFileCompareDlgTest, TableShowsValuesDifferencesAndPercents) {
    app::applyUiLanguage(app::kEnglish);
    // The dialog needs the unit catalogue, which no main window has started when this test runs
    // on its own.
    units::StartUnitsLibrary("OILFIELD");
    const files::CardRecord predicted = card(12200, 4000, 100, 20, 11000, 4500);
    const files::CardRecord imported = card(11800, 4400, 98, 0.001, 10800, 0);
    files::CDynFileCompareDlg dialog(predicted, imported, {0, 90, 90, 0}, {0, 6000, 6000, 0},
                                     report::SuckerRodReportContent{});
    using D = files::CDynFileCompareDlg;
    struct Row {
        int row;
        double predicted, imported, difference;
        const char* percent;
    };
    const Row rows[] = {{D::kPeakLoadRow, 12200, 11800, 400, "3.3"},
                        {D::kMinimumLoadRow, 4000, 4400, 400, "9.5"},
                        {D::kStrokeLengthRow, 100, 98, 2, "2.0"},
                        {D::kPolishedRodPowerRow, 20, 0.001, 19.999, "200.0"}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.row);
        EXPECT_NEAR(number(dialog.valueLabel(r.row, 0)->text()), r.predicted, 0.01);
        EXPECT_NEAR(number(dialog.valueLabel(r.row, 1)->text()), r.imported, 0.01);
        EXPECT_NEAR(number(dialog.valueLabel(r.row, 2)->text()), r.difference, 0.01);
        EXPECT_EQ(dialog.percentLabel(r.row)->text(), QString::fromLatin1(r.percent));
    }
    const auto columns = dialog.reportColumns();
    ASSERT_EQ(columns[0].size(), 5u);
    EXPECT_EQ(columns[2][0], "Dyn File");
    EXPECT_EQ(columns[4][1], "3.3");

    // The load lines exist from the start and follow the box; they stand at the loads.
    plot::CDataArea* area = dialog.comparisonPlot().FindDataArea("DataArea");
    const char* const names[] = {"ZelkTVLoadAnnotation", "ZelkSVLoadAnnotation",
                                 "ImportedTVLoadAnnotation", "ImportedSVLoadAnnotation"};
    const double loads[] = {11000, 4500, 10800, 0};
    for (bool checked : {false, true, false}) {
        dialog.loadLinesBox()->setChecked(checked);
        for (int i = 0; i < 4; ++i) {
            auto* line = dynamic_cast<plot::CLineAnnotation*>(area->FindObject(names[i]));
            ASSERT_NE(line, nullptr) << names[i];
            EXPECT_EQ(line->IsVisible() != 0, checked) << names[i];
            EXPECT_DOUBLE_EQ(line->GetIntercept(), loads[i]);
            EXPECT_EQ(line->GetColor(), i < 2 ? 0xFF0000FFu : 0xFFFF00FFu);
        }
    }
    // In kg the lines move to the loads in kg.
    chooseUnit(dialog.yAxisUnitLabel(), "KG");
    ASSERT_FALSE(::testing::Test::HasFatalFailure());
    dialog.loadLinesBox()->setChecked(true);
    auto* tv = dynamic_cast<plot::CLineAnnotation*>(area->FindObject(names[0]));
    ASSERT_NE(tv, nullptr);
    EXPECT_NEAR(tv->GetIntercept(), 11000 * 0.45359237, 0.01);
    EXPECT_TRUE(dialog.comparisonPlot().FindTextBlock("YLabel")->GetText().find("(kg)") !=
                std::string::npos);
    resetLoadUnit();
}

}  // namespace
