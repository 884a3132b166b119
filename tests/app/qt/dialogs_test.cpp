#include "app/language.h"
#include "app/qt/about_dlg.h"
#include "app/qt/calculate_button.h"
#include "app/qt/help_launcher.h"
#include "app/qt/language_change_dlg.h"
#include "app/qt/message_service.h"
#include "app/qt/picture_panel.h"
#include "app/qt/ui_language.h"
#include "app/qt/zelk_app.h"
#include "tests/app/qt/qstring_printer.h"

#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        app::applyUiLanguage(app::kEnglish);
        app::CLanguageChangeDlg::resetChoice();
    }
    void TearDown() override { app::applyUiLanguage(app::kEnglish); }
};

// Runs `step` on the dialog once its modal loop is running.
template <typename Dialog, typename Step>
int runModal(Dialog& dialog, Step step) {
    QTimer::singleShot(0, &dialog, [&] { step(dialog); });
    return dialog.exec();
}

TEST_F(DialogTest, LanguageDialogStartsAtTheLanguageInForceThenAtTheLastChoice) {
    app::applyUiLanguage(app::kSpanish);
    {
        app::CLanguageChangeDlg dialog;
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Idioma de Zelk"));
        EXPECT_EQ(dialog.languageList()->currentIndex(), 1);
        EXPECT_EQ(dialog.languageList()->itemText(1), QStringLiteral("Español"));
        runModal(dialog, [](app::CLanguageChangeDlg& d) {
            d.languageList()->setCurrentIndex(0);
            QTest::keyClick(&d, Qt::Key_Return);  // Enter anywhere takes the choice
        });
    }
    EXPECT_EQ(app::CLanguageChangeDlg::chosenLanguage(), app::kEnglish);
    {
        app::CLanguageChangeDlg dialog;
        EXPECT_EQ(dialog.languageList()->currentIndex(), 0);
        // Closing without the button keeps the earlier choice.
        runModal(dialog, [](app::CLanguageChangeDlg& d) {
            d.languageList()->setCurrentIndex(1);
            d.reject();
        });
    }
    EXPECT_EQ(app::CLanguageChangeDlg::chosenLanguage(), app::kEnglish);
}

TEST_F(DialogTest, AboutBoxShowsVersionAndYearAndHidesTheUpdateLines) {
    app::CAboutDlg about;
    about.show();
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Zelk"));
    EXPECT_EQ(about.versionLine()->text(), QStringLiteral("Zelk, version 3.1.0.0"));
    EXPECT_TRUE(about.noticeLine()->text().contains(QString::number(QDate::currentDate().year())));
    EXPECT_FALSE(about.noticeLine()->text().contains(QStringLiteral("%s")));
    EXPECT_FALSE(about.linkLine()->isVisible());
    EXPECT_FALSE(about.statusLine()->isVisible());
    EXPECT_EQ(about.updateButton()->text(), QStringLiteral("Check for updates..."));
    int requests = 0;
    int closings = 0;
    QObject::connect(&about, &app::CAboutDlg::updateCheckRequested, [&] { ++requests; });
    QObject::connect(&about, &app::CAboutDlg::closing, [&] { ++closings; });
    QTest::mouseClick(about.updateButton(), Qt::LeftButton);
    about.reject();
    EXPECT_EQ(requests, 1);
    EXPECT_EQ(closings, 1);
}

TEST_F(DialogTest, AboutBoxInSpanish) {
    app::applyUiLanguage(app::kSpanish);
    app::CAboutDlg about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Acerca de Zelk"));
    EXPECT_EQ(about.versionLine()->text(), QStringLiteral("Zelk, versión 3.1.0.0"));
    EXPECT_TRUE(app::isQtSpanishCatalogueLoaded());
    app::applyUiLanguage(app::kEnglish);
    EXPECT_FALSE(app::isQtSpanishCatalogueLoaded());
}

TEST_F(DialogTest, HelpWritesTheGuideOfTheLanguageAndOpensIt) {
    QUrl opened;
    app::HelpLauncher::setOpener([&](const QUrl& url) {
        opened = url;
        return true;
    });
    for (int language : {app::kEnglish, app::kSpanish}) {
        SCOPED_TRACE(language);
        app::applyUiLanguage(language);
        const QString path = app::HelpLauncher::open();
        EXPECT_EQ(opened, QUrl::fromLocalFile(path));
        QFile guide(path);
        ASSERT_TRUE(guide.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(guide.readAll());
        EXPECT_TRUE(text.contains(language == app::kSpanish ? QStringLiteral("Guía del usuario")
                                                            : QStringLiteral("Zelk User Guide")));
    }
    app::HelpLauncher::setOpener({});
}

TEST_F(DialogTest, MessageServiceRecordsInsteadOfBlocking) {
    app::MessageService::clearRecorded();
    app::MessageService::show(nullptr, QStringLiteral("text"), QString(),
                              app::MessageService::Icon::Warning);
    ASSERT_EQ(app::MessageService::recorded().size(), 1u);
    EXPECT_EQ(app::MessageService::recorded()[0].caption, QStringLiteral("Zelk"));
    EXPECT_EQ(app::MessageService::recorded()[0].icon, app::MessageService::Icon::Warning);
    app::MessageService::clearRecorded();
}

TEST_F(DialogTest, EveryPictureExistsInBothLanguages) {
    const int expected[] = {0, 2, 1, 0, 3, 1};  // picture for counters 0..5
    for (int counter = 0; counter < 6; ++counter) {
        SCOPED_TRACE(counter);
        EXPECT_EQ(app::PicturePanel::pictureForCounter(counter), expected[counter]);
    }
    for (int picture = 0; picture < 4; ++picture) {
        for (int language : {app::kEnglish, app::kSpanish}) {
            SCOPED_TRACE(app::PicturePanel::picturePath(picture, language).toStdString());
            EXPECT_FALSE(QPixmap(app::PicturePanel::picturePath(picture, language)).isNull());
        }
    }
}

TEST_F(DialogTest, CalculateButtonPaintsItsStateAndHover) {
    QWidget parent;
    auto* field = new QLineEdit(&parent);
    field->setGeometry(10, 10, 120, 24);
    app::CCalculateButton link(field);
    app::CCalculateButton tool(field, true);
    parent.show();
    EXPECT_FALSE(QPixmap(link.picturePath()).isNull());
    EXPECT_EQ(link.picturePath(), QStringLiteral(":/images/link_off.png"));
    link.setLinkState(app::CCalculateButton::On);
    EXPECT_EQ(link.picturePath(), QStringLiteral(":/images/link_on.png"));
    link.setLinkState(5);
    EXPECT_EQ(link.picturePath(), QStringLiteral(":/images/link_other.png"));
    tool.setLinkState(app::CCalculateButton::On);
    EXPECT_EQ(tool.picturePath(), QStringLiteral(":/images/tool.png"));
    // Inside the right end of its field, 2 pixels in from the top and right edges.
    EXPECT_EQ(link.geometry().right(), field->geometry().right() - 2);
    EXPECT_EQ(link.geometry().top(), field->geometry().top() + 2);
    field->move(40, 50);
    EXPECT_EQ(link.geometry().top(), 52);
}

TEST(CommandLine, PathLosesItsQuotesAndKeepsItsBlanks) {
    EXPECT_EQ(app::CZelkApp::commandLinePath({}), QString());
    EXPECT_EQ(app::CZelkApp::commandLinePath({QStringLiteral("\"/tmp/my well.zlk\"")}),
              QStringLiteral("/tmp/my well.zlk"));
    EXPECT_EQ(
        app::CZelkApp::commandLinePath({QStringLiteral("/tmp/my"), QStringLiteral("well.zlk")}),
        QStringLiteral("/tmp/my well.zlk"));
}

}  // namespace
