#include "app/qt/data_units_configuration_dlg.h"

#include "app/language.h"
#include "app/qt/design_input_panel.h"
#include "app/qt/main_menu.h"
#include "app/qt/message_service.h"
#include "app/qt/settings_dlg.h"
#include "app/qt/ui_language.h"
#include "app/qt/zelk_app.h"
#include "app/qt/zelk_dlg.h"
#include "tests/app/qt/qstring_printer.h"
#include "units/dcl_manager.h"
#include "units/preferences_store.h"
#include "units/qt/ex_combo.h"
#include "units/qt/ex_edit.h"
#include "units/qt/units_ctrl.h"
#include "units/unit_info.h"
#include "units/unit_system.h"
#include "units/units_category.h"
#include "units/units_manager.h"
#include "units/units_saver.h"

#include <algorithm>
#include <functional>
#include <memory>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

std::string currentUnit(const char* categoryKey) {
    const units::CUnitsCategory* category = units::FindCategory(categoryKey);
    return category != nullptr && category->GetCurrentUnit() != nullptr
               ? category->GetCurrentUnit()->GetKey()
               : std::string();
}

void chooseUnit(units::CUnitsCtrl* control, const std::string& unitKey) {
    ASSERT_NE(control, nullptr);
    const std::vector<std::string> keys = control->MenuKeys();
    const auto found = std::find(keys.begin(), keys.end(), unitKey);
    ASSERT_NE(found, keys.end()) << unitKey;
    control->BuildMenu(nullptr)->deleteLater();
    control->ChooseMenuItem(static_cast<int>(found - keys.begin()) + 1);
}

class DataUnitsTest : public ::testing::Test {
protected:
    void SetUp() override {
        app::applyUiLanguage(app::kEnglish);
        app::MessageService::clearRecorded();
    }
    void TearDown() override {
        m_window.reset();
        // The catalogue lives for the whole test run: leave it in US units.
        if (units::CUnitsManager* catalogue = units::UnitsManager()) {
            units::ApplyUnitSystem(units::kUnitSystemUs, units::CUnitsSaver(), *catalogue);
        }
    }
    app::CZelkDlg& window() {
        if (!m_window) {
            m_window = std::make_unique<app::CZelkDlg>(m_app);
            m_window->show();
        }
        return *m_window;
    }
    // Tools > Data Units with `step` run on the open dialog; false when it did not open.
    bool runDialog(const std::function<void(app::CDataUnitsConfigurationDlg&)>& step) {
        bool wasOpen = false;
        QTimer::singleShot(0, [&] {
            auto* d =
                qobject_cast<app::CDataUnitsConfigurationDlg*>(QApplication::activeModalWidget());
            if (d == nullptr) {
                return;
            }
            wasOpen = true;
            step(*d);
            if (d->isVisible()) {
                d->reject();
            }
        });
        window().menu()->dataUnits->trigger();
        return wasOpen;
    }
    QString depthUnit() {
        app::DesignInputPanel* in = window().inputs();
        return in->unitControlFor(in->pumpDepth)->GetText();
    }
    QString pressureUnit() {
        app::DesignInputPanel* in = window().inputs();
        return in->unitControlFor(in->tubingPressure)->GetText();
    }

    units::MemoryPreferencesStore m_store;
    app::CZelkApp m_app{m_store};
    std::unique_ptr<app::CZelkDlg> m_window;
};

TEST_F(DataUnitsTest, FirstRunIsUsAndDoneWithSiSwitchesAndStoresTheIndex) {
    EXPECT_EQ(depthUnit(), QStringLiteral("ft"));
    ASSERT_TRUE(runDialog([](app::CDataUnitsConfigurationDlg& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Data Units Configuration"));
        EXPECT_TRUE(d.usUnits()->isChecked());
        d.siUnits()->setChecked(true);
        d.doneButton()->click();
    }));
    EXPECT_EQ(m_store.getInt("Units", -1), 1);
    EXPECT_EQ(depthUnit(), QStringLiteral("m"));
    EXPECT_EQ(pressureUnit(), QStringLiteral("kPa"));
    EXPECT_EQ(currentUnit("SMALL_WEIGHT"), "KG");
    EXPECT_EQ(currentUnit("FLUID_SPECIFIC_GRAVITY"), "ZELK_G_CM3");
    EXPECT_EQ(currentUnit("TEMPERATURE"), "C");
    // Gauge pressures and a category that only shares a caption do not follow.
    EXPECT_EQ(currentUnit("GAUGEPRESSURE"), "PSIG");
    EXPECT_EQ(currentUnit("DEPTH_TENTH"), "FT");
    // The value inside stays in feet.
    EXPECT_EQ(window().design().m_pumpDepth, 5000.0);
}

TEST_F(DataUnitsTest, StoredSiAtStartUpNewShowsUsButKeepsTheStoredChoice) {
    units::WriteUnitSystem(m_store, units::kUnitSystemSi);
    EXPECT_EQ(depthUnit(), QStringLiteral("m"));
    window().onFileNew();
    EXPECT_EQ(depthUnit(), QStringLiteral("ft"));
    EXPECT_EQ(units::ReadUnitSystem(m_store), units::kUnitSystemSi);
    ASSERT_TRUE(runDialog([](app::CDataUnitsConfigurationDlg& d) {
        EXPECT_TRUE(d.siUnits()->isChecked());
        d.doneButton()->click();
    }));
    EXPECT_EQ(depthUnit(), QStringLiteral("m"));
}

TEST_F(DataUnitsTest, SavedPopUpUnitsComeBackAsUserDefined) {
    chooseUnit(window().inputs()->unitControlFor(window().inputs()->tubingPressure), "KPA");
    ASSERT_TRUE(runDialog([](app::CDataUnitsConfigurationDlg& d) {
        d.saveButton()->click();  // the dialog stays open
        EXPECT_TRUE(d.isVisible());
        d.usUnits()->setChecked(true);
        d.doneButton()->click();
    }));
    EXPECT_EQ(m_store.getString("UserDefinedUnits\\DIFFERENTIALPRESSURE", ""), "KPA");
    EXPECT_EQ(m_store.getString("UserDefinedUnits\\DEPTH", ""), "FT");
    EXPECT_EQ(pressureUnit(), QStringLiteral("psi"));
    ASSERT_TRUE(runDialog([](app::CDataUnitsConfigurationDlg& d) {
        d.userDefinedUnits()->setChecked(true);
        d.doneButton()->click();
    }));
    EXPECT_EQ(pressureUnit(), QStringLiteral("kPa"));
    EXPECT_EQ(currentUnit("DIFFERENTIALPRESSURE"), "KPA");
    // The pop-up changed both categories of that caption; both were saved and come back.
    EXPECT_EQ(m_store.getString("UserDefinedUnits\\DIFFERENTIALPRESSURE0", ""), "KPA");
    EXPECT_EQ(currentUnit("DIFFERENTIALPRESSURE0"), "KPA");
    EXPECT_EQ(depthUnit(), QStringLiteral("ft"));
    EXPECT_EQ(units::ReadUnitSystem(m_store), units::kUnitSystemUserDefined);
}

TEST_F(DataUnitsTest, CancelAfterSaveKeepsTheSavedUnitsAndTheIndex) {
    chooseUnit(window().inputs()->unitControlFor(window().inputs()->pumpDepth), "M");
    ASSERT_TRUE(runDialog([](app::CDataUnitsConfigurationDlg& d) {
        d.saveButton()->click();
        d.siUnits()->setChecked(true);
        d.cancelButton()->click();
    }));
    EXPECT_FALSE(m_store.has("Units"));
    EXPECT_EQ(m_store.getString("UserDefinedUnits\\DEPTH", ""), "M");
    EXPECT_EQ(depthUnit(), QStringLiteral("m"));  // nothing applied
    EXPECT_EQ(pressureUnit(), QStringLiteral("psi"));
}

TEST_F(DataUnitsTest, UnknownStoredUnitOrIndexFallsBackToUs) {
    m_store.setString("UserDefinedUnits\\DEPTH", "FURLONG");
    m_store.setString("UserDefinedUnits\\SMALL_WEIGHT", "KG");
    units::WriteUnitSystem(m_store, units::kUnitSystemUserDefined);
    EXPECT_EQ(depthUnit(), QStringLiteral("ft"));
    EXPECT_EQ(currentUnit("SMALL_WEIGHT"), "KG");
    m_window.reset();
    m_store.setInt("Units", 7);  // only a hand-edited value holds this
    EXPECT_EQ(depthUnit(), QStringLiteral("ft"));
    EXPECT_EQ(currentUnit("SMALL_WEIGHT"), "LB");
    ASSERT_TRUE(runDialog(
        [](app::CDataUnitsConfigurationDlg& d) { EXPECT_TRUE(d.usUnits()->isChecked()); }));
}

TEST_F(DataUnitsTest, ResultsFollowTheNewUnits) {
    ASSERT_TRUE(window().calculate());
    ASSERT_TRUE(runDialog([](app::CDataUnitsConfigurationDlg& d) {
        d.siUnits()->setChecked(true);
        d.doneButton()->click();
    }));
    EXPECT_TRUE(window().hasResults());
    EXPECT_EQ(depthUnit(), QStringLiteral("m"));
}

TEST_F(DataUnitsTest, SpanishTexts) {
    // Run on its own, no window has started the unit catalogue yet.
    units::StartUnitsLibrary("OILFIELD");
    ASSERT_NE(units::UnitsManager(), nullptr);
    app::applyUiLanguage(app::kSpanish);
    units::CUnitsSaver saver;
    app::CDataUnitsConfigurationDlg d(units::kUnitSystemUserDefined, saver, *units::UnitsManager(),
                                      m_store);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Configuración de Unidades de Medida"));
    EXPECT_TRUE(d.userDefinedUnits()->isChecked());
    EXPECT_EQ(d.saveButton()->text(), QStringLiteral("Guardar"));
    EXPECT_EQ(d.cancelButton()->text(), QStringLiteral("Cancelar"));
    app::applyUiLanguage(app::kEnglish);
}

// Writes the pictures of both dialogs when ZELK_SCREENSHOT_DIR names a folder.
TEST_F(DataUnitsTest, Screenshots) {
    const QString folder = qEnvironmentVariable("ZELK_SCREENSHOT_DIR");
    if (folder.isEmpty()) {
        GTEST_SKIP() << "ZELK_SCREENSHOT_DIR not set";
    }
    window();
    app::ZelkOptions options;
    app::CSettingsDlg settings(options, m_store);
    settings.show();
    settings.adjustSize();
    EXPECT_TRUE(
        settings.grab().save(QDir(folder).filePath(QStringLiteral("settings_calculation.png"))));
    settings.tabs()->setCurrentIndex(app::CSettingsDlg::kDefaultsPage);
    EXPECT_TRUE(
        settings.grab().save(QDir(folder).filePath(QStringLiteral("settings_defaults.png"))));
    units::CUnitsSaver saver;
    app::CDataUnitsConfigurationDlg units(units::kUnitSystemUs, saver, *units::UnitsManager(),
                                          m_store);
    units.show();
    units.adjustSize();
    EXPECT_TRUE(units.grab().save(QDir(folder).filePath(QStringLiteral("data_units.png"))));
}

}  // namespace
