#include "app/qt/update_check_view.h"

#include "app/language.h"
#include "app/qt/about_dlg.h"
#include "app/qt/ui_language.h"
#include "tests/app/ftp_test_server.h"
#include "tests/app/qt/qstring_printer.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString kChecking = QStringLiteral("Checking for updates.");
const QString kUnable = QStringLiteral("Unable to update at this time.");

/// An about box whose update check goes to the local test server.
class UpdateCheckViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        app::applyUiLanguage(app::kEnglish);
        app::CUpdateCheckView::setOpener([this](const QUrl& url) {
            m_opened.push_back(url);
            return true;
        });
    }
    void TearDown() override { app::CUpdateCheckView::setOpener(nullptr); }

    std::unique_ptr<app::CUpdateCheckView> makeView(app::CAboutDlg& about) {
        return std::make_unique<app::CUpdateCheckView>(
            about, app::UpdateServer{"127.0.0.1", m_server.port(), ftptest::kPassword});
    }

    /// Presses "Check for updates..." and waits for the status line to show the outcome.
    void check(app::CAboutDlg& about) {
        QTest::mouseClick(about.updateButton(), Qt::LeftButton);
        EXPECT_TRUE(about.statusLine()->isVisible());
        EXPECT_EQ(about.statusLine()->text(), kChecking);
        QElapsedTimer clock;
        clock.start();
        while (about.statusLine()->text() == kChecking && clock.elapsed() < 20000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            QTest::qWait(10);
        }
    }

    /// Clicks the link line the way its label reports a click.
    static void clickLink(app::CAboutDlg& about) {
        emit about.linkLine()->linkActivated(QStringLiteral("#download"));
    }

    static bool isRed(const QLabel* label) {
        return label->styleSheet().contains(QStringLiteral("#ff0000"));
    }

    ftptest::FtpTestServer m_server;
    std::vector<QUrl> m_opened;
};

TEST_F(UpdateCheckViewTest, NewerVersionOffersTheDownloadLink) {
    m_server.writeUpdateFile("3.1.1\r\nhttps://www.example.com/zelk/setup-3.1.1.exe\r\n");
    ASSERT_TRUE(m_server.start());
    app::CAboutDlg about;
    auto view = makeView(about);
    about.show();
    check(about);
    EXPECT_EQ(about.statusLine()->text(), QStringLiteral("Click to download available update."));
    EXPECT_FALSE(isRed(about.statusLine()));
    ASSERT_TRUE(about.linkLine()->isVisible());
    EXPECT_EQ(about.linkLine()->textFormat(), Qt::RichText);
    EXPECT_TRUE(about.linkLine()->text().contains(
        QStringLiteral(">https://www.example.com/zelk/setup-3.1.1.exe</a>")));
    EXPECT_TRUE(m_opened.empty());
    clickLink(about);
    ASSERT_EQ(m_opened.size(), 1u);
    EXPECT_EQ(m_opened[0], QUrl(QStringLiteral("https://www.example.com/zelk/setup-3.1.1.exe")));

    const QString folder = qEnvironmentVariable("ZELK_SCREENSHOT_DIR");
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        EXPECT_TRUE(about.grab().save(folder + QStringLiteral("/about_update_check.png")));
    }
}

TEST_F(UpdateCheckViewTest, OutcomesWithoutADownload) {
    ASSERT_TRUE(m_server.start());
    struct Row {
        const char* name;
        const char* content;  // nullptr: no update file on the server
        QString status;
        bool red;
    };
    const Row rows[] = {
        {"equal version", "3.1.0\nhttps://www.example.com/\n",
         QStringLiteral("No update available."), false},
        {"older version", "3.0.9\nhttps://www.example.com/\n",
         QStringLiteral("No update available."), false},
        {"one line", "3.2.0\n", kUnable, true},
        {"missing file", nullptr, kUnable, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::filesystem::remove_all(m_server.root() / "Zelk_Updates");
        if (row.content != nullptr) {
            m_server.writeUpdateFile(row.content);
        } else {
            std::filesystem::create_directories(m_server.root() / "Zelk_Updates");
        }
        app::CAboutDlg about;
        auto view = makeView(about);
        about.show();
        check(about);
        EXPECT_EQ(about.statusLine()->text(), row.status);
        EXPECT_EQ(isRed(about.statusLine()), row.red);
        EXPECT_FALSE(about.linkLine()->isVisible());
    }
}

TEST_F(UpdateCheckViewTest, AnAddressThatIsNotAWebAddressIsShownAsTextAndNeverOpened) {
    ASSERT_TRUE(m_server.start());
    const char* addresses[] = {
        "file:///etc/passwd",
        "<a href=\"file:///etc/passwd\">https://www.example.com/</a>",
        "javascript:alert(1)",
        "/usr/bin/xterm",
    };
    for (const char* address : addresses) {
        SCOPED_TRACE(address);
        m_server.writeUpdateFile(std::string("4.0.0\n") + address + "\n");
        app::CAboutDlg about;
        auto view = makeView(about);
        about.show();
        check(about);
        EXPECT_EQ(about.statusLine()->text(),
                  QStringLiteral("Click to download available update."));
        ASSERT_TRUE(about.linkLine()->isVisible());
        EXPECT_EQ(about.linkLine()->textFormat(), Qt::PlainText);
        EXPECT_EQ(about.linkLine()->text(), QString::fromUtf8(address));
        clickLink(about);
        QTest::mouseClick(about.linkLine(), Qt::LeftButton);
        EXPECT_FALSE(about.linkLine()->openExternalLinks());
    }
    EXPECT_TRUE(m_opened.empty());
}

TEST_F(UpdateCheckViewTest, ClosingTheBoxDuringASlowCheckReturnsQuicklyAndShowsNothing) {
    ASSERT_TRUE(m_server.start(/*silent=*/true));
    QElapsedTimer clock;
    {
        app::CAboutDlg about;
        auto view = makeView(about);
        about.show();
        QTest::mouseClick(about.updateButton(), Qt::LeftButton);
        QTest::qWait(800);
        EXPECT_TRUE(view->manager().IsRunning());
        clock.start();
        about.reject();
        view.reset();
        QCoreApplication::processEvents();
        EXPECT_EQ(about.statusLine()->text(), kChecking);
        EXPECT_FALSE(about.linkLine()->isVisible());
    }
    EXPECT_LT(clock.elapsed(), 3500);
}

}  // namespace
