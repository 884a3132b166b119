#include "app/qt/settings_dlg.h"

#include "app/language.h"
#include "app/qt/design_input_panel.h"
#include "app/qt/main_menu.h"
#include "app/qt/message_service.h"
#include "app/qt/settings_preferences_store.h"
#include "app/qt/ui_language.h"
#include "app/qt/zelk_app.h"
#include "app/qt/zelk_dlg.h"
#include "app/zelk_options.h"
#include "tests/app/qt/qstring_printer.h"
#include "units/dcl_manager.h"
#include "units/preferences_store.h"
#include "units/qt/ex_edit.h"
#include "units/qt/units_ctrl.h"
#include "units/unit_system.h"
#include "units/units_manager.h"
#include "units/units_saver.h"

#include <memory>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

double shownNumber(const QLineEdit* field) {
    return field->text().remove(QLatin1Char(',')).toDouble();
}

class SettingsDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        app::applyUiLanguage(app::kEnglish);
        units::StartUnitsLibrary("OILFIELD");
        app::MessageService::clearRecorded();
    }
    void TearDown() override {
        app::MessageService::startRecording();
        app::MessageService::clearRecorded();
        units::ApplyUnitSystem(units::kUnitSystemUs, units::CUnitsSaver(), *units::UnitsManager());
    }
    app::CSettingsDlg& dialog() {
        if (!m_dialog) {
            m_options = app::ZelkOptions::Load(m_store);
            m_dialog = std::make_unique<app::CSettingsDlg>(m_options, m_store);
            m_dialog->show();
        }
        return *m_dialog;
    }
    void pressOk() { dialog().okButton()->click(); }

    units::MemoryPreferencesStore m_store;
    app::ZelkOptions m_options;
    std::unique_ptr<app::CSettingsDlg> m_dialog;
};

TEST_F(SettingsDlgTest, FirstRunShowsTheBuiltInValuesWithTheirUnits) {
    app::CSettingsDlg& d = dialog();
    EXPECT_EQ(d.tabs()->tabText(0), QStringLiteral("Calculation Settings"));
    EXPECT_EQ(d.tabs()->tabText(1), QStringLiteral("Default Settings"));
    EXPECT_EQ(d.targetRateIncrement()->text(), QStringLiteral("5"));
    EXPECT_EQ(d.spmIncrement()->text(), QStringLiteral("0.1"));
    EXPECT_EQ(d.numberOfTimeSteps()->text(), QStringLiteral("300"));
    EXPECT_DOUBLE_EQ(shownNumber(d.dxMaximum()), 1000.0);
    EXPECT_EQ(d.minimumNumberOfElements()->text(), QStringLiteral("4"));
    EXPECT_DOUBLE_EQ(shownNumber(d.sinkerBarWeight()), 0.0);
    EXPECT_DOUBLE_EQ(shownNumber(d.fluidSpecificGravity()), 1.0);
    EXPECT_DOUBLE_EQ(shownNumber(d.tubingPressure()), 80.0);
    EXPECT_DOUBLE_EQ(shownNumber(d.casingPressure()), 45.0);
    EXPECT_EQ(d.dampingFactor()->text(), QStringLiteral("0.1"));
    EXPECT_EQ(d.pumpEfficiency()->text(), QStringLiteral("95"));
    EXPECT_EQ(d.unitEfficiency()->text(), QStringLiteral("95"));
    EXPECT_EQ(d.unitsOf(d.dxMaximum())->GetText(), QStringLiteral("in"));
    EXPECT_EQ(d.unitsOf(d.casingPressure())->GetText(), QStringLiteral("psi"));
    // The selectors of a page show only with it.
    EXPECT_TRUE(d.unitsOf(d.dxMaximum())->isVisible());
    EXPECT_FALSE(d.unitsOf(d.casingPressure())->isVisible());
    d.tabs()->setCurrentIndex(app::CSettingsDlg::kDefaultsPage);
    EXPECT_FALSE(d.unitsOf(d.dxMaximum())->isVisible());
    EXPECT_TRUE(d.unitsOf(d.casingPressure())->isVisible());
}

TEST_F(SettingsDlgTest, OkCopiesAndStoresAllTwelveValues) {
    QTemporaryDir dir;
    const QString file = QDir(dir.path()).filePath(QStringLiteral("zelk.ini"));
    app::ZelkOptions options;
    {
        app::SettingsPreferencesStore store(file);
        app::CSettingsDlg d(options, store);
        d.targetRateIncrement()->setText(QStringLiteral("2.5"));
        d.spmIncrement()->setText(QStringLiteral("-1"));  // the calculation page has no range
        d.numberOfTimeSteps()->setText(QStringLiteral("400"));
        d.dxMaximum()->setText(QStringLiteral("500"));
        d.minimumNumberOfElements()->setText(QStringLiteral("7.9"));
        d.sinkerBarWeight()->setText(QStringLiteral("1,200"));
        d.fluidSpecificGravity()->setText(QStringLiteral("1.05"));
        d.tubingPressure()->setText(QStringLiteral("100"));
        d.casingPressure()->setText(QStringLiteral("50"));
        d.dampingFactor()->setText(QStringLiteral("0.2"));
        d.unitEfficiency()->setText(QStringLiteral("90"));
        d.pumpEfficiency()->setText(QStringLiteral("85"));
        d.okButton()->click();
        EXPECT_EQ(d.result(), QDialog::Accepted);
        EXPECT_TRUE(app::MessageService::recorded().empty());
    }
    app::ZelkOptions expected;
    expected.targetRateIncrement = 2.5;
    expected.spmIncrement = -1.0;
    expected.numberOfTimeSteps = 400.0;
    expected.dxMaximum = 500.0;
    expected.minimumNumberOfElements = 7;  // truncated
    expected.defaultTotalSinkerBarWeight = 1200.0;
    expected.defaultFluidSpecificGravity = 1.05;
    expected.defaultTubingPressure = 100.0;
    expected.defaultCasingPressure = 50.0;
    expected.defaultDampingFactor = 0.2;
    expected.defaultUnitEfficiency = 90.0;
    expected.defaultPumpEfficiency = 85.0;
    EXPECT_TRUE(options == expected);
    // A fresh store on the same file reads back what OK wrote.
    app::SettingsPreferencesStore reopened(file);
    EXPECT_TRUE(app::ZelkOptions::Load(reopened) == expected);
    EXPECT_EQ(reopened.getString("MinimumNumberOfElements", ""), "7.000");
}

TEST_F(SettingsDlgTest, CancelChangesNothing) {
    dialog().casingPressure()->setText(QStringLiteral("60"));
    dialog().cancelButton()->click();
    EXPECT_EQ(dialog().result(), QDialog::Rejected);
    EXPECT_EQ(m_store.size(), 0u);
    EXPECT_TRUE(m_options == app::ZelkOptions());
}

struct RangeCase {
    const char* name;
    QLineEdit* (*field)(const app::CSettingsDlg&);
    const char* text;
    const char* line;
};

class SettingsRangeTest : public SettingsDlgTest,
                          public ::testing::WithParamInterface<RangeCase> {};

TEST_P(SettingsRangeTest, BadDefaultIsListedAndKeepsTheDialogOpen) {
    const RangeCase& c = GetParam();
    c.field(dialog())->setText(QString::fromUtf8(c.text));
    pressOk();
    ASSERT_EQ(app::MessageService::recorded().size(), 1u);
    const app::MessageService::Message& box = app::MessageService::recorded().front();
    EXPECT_EQ(box.text, QString::fromUtf8(c.line));
    EXPECT_EQ(box.caption, QStringLiteral("Error"));
    EXPECT_EQ(box.icon, app::MessageService::Icon::Stop);
    EXPECT_NE(dialog().result(), QDialog::Accepted);
    EXPECT_TRUE(dialog().isVisible());
    EXPECT_EQ(m_store.size(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Defaults, SettingsRangeTest,
    ::testing::Values(
        RangeCase{"casing",
                  [](const app::CSettingsDlg& d) -> QLineEdit* { return d.casingPressure(); }, "-1",
                  "Casing Pressure must be a number greater than or equal to 0.000 psi."},
        RangeCase{
            "sinker", [](const app::CSettingsDlg& d) -> QLineEdit* { return d.sinkerBarWeight(); },
            "-5", "Total Sinker Bar Weight must be a number greater than or equal to 0.000 lb."},
        RangeCase{"gravity",
                  [](const app::CSettingsDlg& d) -> QLineEdit* { return d.fluidSpecificGravity(); },
                  "2.01",
                  "Fluid Specific Gravity must be a number between 0.000 and 2.000 Sp.Gr.H2O, "
                  "inclusive."},
        RangeCase{"damping",
                  [](const app::CSettingsDlg& d) -> QLineEdit* { return d.dampingFactor(); },
                  "-0.1", "Damping Factor must be a number greater than or equal to 0.000 ."},
        RangeCase{"unitEff",
                  [](const app::CSettingsDlg& d) -> QLineEdit* { return d.unitEfficiency(); },
                  "100.5",
                  "Surface Unit Efficiency must be a number between 0.000 and 100.000 %, "
                  "inclusive."},
        RangeCase{"pumpEff",
                  [](const app::CSettingsDlg& d) -> QLineEdit* { return d.pumpEfficiency(); }, "-1",
                  "Pump Volumetric Efficiency must be a number between 0.000 and 100.000 %, "
                  "inclusive."},
        // Text that is no number would be stored as "nan": refused on either page.
        RangeCase{"notNumber",
                  [](const app::CSettingsDlg& d) -> QLineEdit* { return d.targetRateIncrement(); },
                  "fast", "Target Rate Increment must be a number."},
        RangeCase{"notNumberDefaults",
                  [](const app::CSettingsDlg& d) -> QLineEdit* { return d.dampingFactor(); }, "x1",
                  "Damping Factor must be a number."}),
    [](const ::testing::TestParamInfo<RangeCase>& row) { return row.param.name; });

TEST_F(SettingsDlgTest, EveryFailureInOneMessageWithBoundsInTheDisplayUnit) {
    units::ApplyUnitSystem(units::kUnitSystemSi, units::CUnitsSaver(), *units::UnitsManager());
    app::CSettingsDlg& d = dialog();
    d.tubingPressure()->setText(QStringLiteral("-3"));
    d.casingPressure()->setText(QStringLiteral("-1"));
    d.pumpEfficiency()->setText(QStringLiteral("101"));
    d.spmIncrement()->setText(QStringLiteral("-1"));
    pressOk();
    ASSERT_EQ(app::MessageService::recorded().size(), 1u);
    const QString symbol = d.unitsOf(d.casingPressure())->GetText();
    EXPECT_EQ(symbol, QStringLiteral("kPa"));
    EXPECT_EQ(app::MessageService::recorded().front().text,
              QStringLiteral("Tubing Pressure must be a number greater than or equal to 0.000 %1.\n"
                             "Casing Pressure must be a number greater than or equal to 0.000 %1.\n"
                             "Pump Volumetric Efficiency must be a number between 0.000 and "
                             "100.000 %, inclusive.")
                  .arg(symbol));
    // Mended, it passes, and the typed kilopascals are stored in psi.
    d.tubingPressure()->setText(QStringLiteral("689.4757"));
    d.casingPressure()->setText(QStringLiteral("0"));
    d.pumpEfficiency()->setText(QStringLiteral("100"));
    pressOk();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_NEAR(m_options.defaultTubingPressure, 100.0, 1e-3);
    EXPECT_EQ(m_options.spmIncrement, -1.0);
}

TEST_F(SettingsDlgTest, DefaultsAsksForItsPageAndResetsOnlyThatPage) {
    app::CSettingsDlg& d = dialog();
    d.spmIncrement()->setText(QStringLiteral("0.5"));
    d.dxMaximum()->setText(QStringLiteral("200"));
    d.dampingFactor()->setText(QStringLiteral("0.4"));
    d.casingPressure()->setText(QStringLiteral("10"));

    app::MessageService::startRecording(QMessageBox::Cancel);
    d.defaultsButton()->click();
    ASSERT_EQ(app::MessageService::recorded().size(), 1u);
    EXPECT_EQ(app::MessageService::recorded()[0].text,
              QStringLiteral("Reset calculation settings to default values?"));
    EXPECT_EQ(app::MessageService::recorded()[0].caption, QStringLiteral("Use defaults?"));
    EXPECT_EQ(app::MessageService::recorded()[0].icon, app::MessageService::Icon::Question);
    EXPECT_EQ(d.spmIncrement()->text(), QStringLiteral("0.5"));  // declined

    app::MessageService::startRecording(QMessageBox::Ok);
    d.defaultsButton()->click();
    EXPECT_EQ(d.spmIncrement()->text(), QStringLiteral("0.1"));
    EXPECT_DOUBLE_EQ(shownNumber(d.dxMaximum()), 1000.0);
    EXPECT_EQ(d.dampingFactor()->text(), QStringLiteral("0.4"));  // the other page keeps its text
    EXPECT_EQ(d.casingPressure()->text(), QStringLiteral("10"));

    d.tabs()->setCurrentIndex(app::CSettingsDlg::kDefaultsPage);
    d.defaultsButton()->click();
    ASSERT_EQ(app::MessageService::recorded().size(), 3u);
    EXPECT_EQ(app::MessageService::recorded()[2].text,
              QStringLiteral("Reset values for new Zelk tests to defaults?"));
    EXPECT_EQ(d.dampingFactor()->text(), QStringLiteral("0.1"));
    EXPECT_DOUBLE_EQ(shownNumber(d.casingPressure()), 45.0);
    // Nothing is stored until OK; Cancel leaves the stored values as they were.
    d.cancelButton()->click();
    EXPECT_EQ(m_store.size(), 0u);
}

TEST_F(SettingsDlgTest, MainWindowHandsItsOptionsInAndTakesTheNewDefaults) {
    m_store.setString("SPMIncrement", "0.333");
    m_store.setString("PumpEfficiency", "0.000");  // out of range: loaded as 95
    app::CZelkApp application(m_store);
    app::CZelkDlg window(application);
    window.show();
    window.inputs()->dampingFactor->setText(QStringLiteral("0.05"));
    bool wasOpen = false;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<app::CSettingsDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        wasOpen = true;
        EXPECT_EQ(d->spmIncrement()->text(), QStringLiteral("0.33"));  // the run's two decimals
        EXPECT_EQ(d->pumpEfficiency()->text(), QStringLiteral("95"));
        d->spmIncrement()->setText(QStringLiteral("0.257"));
        d->dampingFactor()->setText(QStringLiteral("0.3"));
        d->pumpEfficiency()->setText(QStringLiteral("80"));
        d->casingPressure()->setText(QStringLiteral("60"));
        d->okButton()->click();
    });
    window.menu()->settings->trigger();
    ASSERT_TRUE(wasOpen);
    EXPECT_DOUBLE_EQ(window.options().spmIncrement, 0.26);
    EXPECT_EQ(m_store.getString("SPMIncrement", ""), "0.257");
    EXPECT_EQ(m_store.getString("PumpEfficiency", ""), "80.000");
    // The design was not reset, yet it shows the new defaults.
    EXPECT_EQ(window.inputs()->dampingFactor->text(), QStringLiteral("0.30"));
    EXPECT_EQ(window.inputs()->pumpEfficiency->text(), QStringLiteral("80.00"));
    EXPECT_EQ(window.inputs()->unitEfficiency->text(), QStringLiteral("95.00"));
    EXPECT_EQ(window.designFromControls().m_casingPressure, 60.0);
    EXPECT_EQ(window.designFromControls().m_dampingFactor, 0.3);

    // Cancel changes neither the window nor the store.
    QTimer::singleShot(0, [] {
        auto* d = qobject_cast<app::CSettingsDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        d->dampingFactor()->setText(QStringLiteral("0.9"));
        d->cancelButton()->click();
    });
    window.menu()->settings->trigger();
    EXPECT_EQ(window.inputs()->dampingFactor->text(), QStringLiteral("0.30"));
    EXPECT_EQ(m_store.getString("DampingFactor", ""), "0.300");
}

TEST_F(SettingsDlgTest, TextsFollowTheLanguage) {
    app::applyUiLanguage(app::kSpanish);
    app::CSettingsDlg& d = dialog();
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Configuración de Zelk"));
    EXPECT_EQ(d.tabs()->tabText(0), QStringLiteral("Parámetros de Cálculo"));
    EXPECT_EQ(d.cancelButton()->text(), QStringLiteral("Cancelar"));
    d.targetRateIncrement()->setText(QStringLiteral("?"));
    pressOk();
    ASSERT_EQ(app::MessageService::recorded().size(), 1u);
    EXPECT_EQ(app::MessageService::recorded()[0].text,
              QStringLiteral("Incremento del Caudal Objetivo debe ser un número."));
    app::applyUiLanguage(app::kEnglish);
}

}  // namespace
