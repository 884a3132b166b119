#include "app/app_preferences.h"
#include "app/language.h"
#include "app/qt/calculate_button.h"
#include "app/qt/design_input_panel.h"
#include "app/qt/language_change_dlg.h"
#include "app/qt/main_menu.h"
#include "app/qt/message_service.h"
#include "app/qt/picture_panel.h"
#include "app/qt/ui_language.h"
#include "app/qt/zelk_app.h"
#include "app/qt/zelk_dlg.h"
#include "units/preferences_store.h"

#include <memory>

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
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

}  // namespace
