#include "app/update/sw_update_mgr.h"

#include "ftp_test_server.h"
#include "units/preferences_store.h"

#include <atomic>
#include <chrono>

#include <gtest/gtest.h>

namespace {

using app::CSWUpdateMgr;
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

app::UpdateServer localServer(int port, const std::string& password = ftptest::kPassword) {
    return app::UpdateServer{"127.0.0.1", port, password};
}

/// Runs one check to its end and returns the result; fails when it takes longer than `limit`.
CSWUpdateMgr::Result runCheck(CSWUpdateMgr& manager, int& notifications,
                              milliseconds limit = milliseconds(20000)) {
    std::atomic<int> calls{0};
    EXPECT_TRUE(manager.Start([&calls] { ++calls; }));
    EXPECT_TRUE(manager.WaitUntilDone(limit));
    EXPECT_FALSE(manager.IsRunning());
    notifications = calls;
    return manager.GetResult();
}

class UpdateCheckTest : public ::testing::Test {
protected:
    ftptest::FtpTestServer m_server;
};

TEST_F(UpdateCheckTest, ReadsTheVersionAndAddressOfTheUpdateFile) {
    m_server.writeUpdateFile("3.1.7\r\nhttps://example.com/zelk-3.1.7.exe\r\nmore\r\n");
    ASSERT_TRUE(m_server.start());
    CSWUpdateMgr manager(localServer(m_server.port()));
    int notifications = 0;
    const CSWUpdateMgr::Result result = runCheck(manager, notifications);
    EXPECT_EQ(notifications, 1);
    EXPECT_EQ(result.status, CSWUpdateMgr::kNoFailure);
    ASSERT_TRUE(result.fileRead);
    EXPECT_EQ(result.file.version.major, 3);
    EXPECT_EQ(result.file.version.minor, 1);
    EXPECT_EQ(result.file.version.build, 7);
    EXPECT_EQ(result.file.address, "https://example.com/zelk-3.1.7.exe");

    // The same manager checks again with a fresh result.
    m_server.writeUpdateFile("3.1.0\n");
    const CSWUpdateMgr::Result again = runCheck(manager, notifications);
    EXPECT_EQ(notifications, 1);
    EXPECT_EQ(again.status, CSWUpdateMgr::kNoFailure);
    EXPECT_FALSE(again.fileRead);
}

TEST_F(UpdateCheckTest, FailuresOfTheServerGiveTheirStatus) {
    ASSERT_TRUE(m_server.start());
    struct Row {
        const char* name;
        const char* password;
        bool folder;
        bool file;
        int status;
    };
    const Row rows[] = {
        {"wrong password", "wrongpass", true, true, CSWUpdateMgr::kLoginRejected},
        {"no folder", ftptest::kPassword, false, false, CSWUpdateMgr::kNoFolder},
        {"no file", ftptest::kPassword, true, false, CSWUpdateMgr::kNoFile},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::filesystem::remove_all(m_server.root() / "Zelk_Updates");
        if (row.folder) {
            std::filesystem::create_directories(m_server.root() / "Zelk_Updates");
        }
        if (row.file) {
            m_server.writeUpdateFile("9.0.0\nhttps://example.com\n");
        }
        CSWUpdateMgr manager(localServer(m_server.port(), row.password));
        int notifications = 0;
        const Clock::time_point begin = Clock::now();
        const CSWUpdateMgr::Result result = runCheck(manager, notifications);
        EXPECT_EQ(result.status, row.status);
        EXPECT_FALSE(result.fileRead);
        EXPECT_EQ(notifications, 1);
        // A rejected log-on is not tried again.
        EXPECT_LT(Clock::now() - begin, milliseconds(1000));
    }
}

TEST_F(UpdateCheckTest, NoServerMeansNoConnectionAfterThreeAttemptsASecondApart) {
    CSWUpdateMgr manager(localServer(ftptest::FtpTestServer::closedPort()));
    int notifications = 0;
    const Clock::time_point begin = Clock::now();
    const CSWUpdateMgr::Result result = runCheck(manager, notifications);
    const auto elapsed = Clock::now() - begin;
    EXPECT_EQ(result.status, CSWUpdateMgr::kNoConnection);
    EXPECT_FALSE(result.fileRead);
    // Three refused attempts with two pauses of a second between them.
    EXPECT_GE(elapsed, milliseconds(1900));
    EXPECT_LT(elapsed, milliseconds(3500));
}

TEST_F(UpdateCheckTest, ABadHostIsNeverContacted) {
    for (const char* host : {"", "host/../x", "a b", "evil.example@127.0.0.1", "-x"}) {
        SCOPED_TRACE(host);
        CSWUpdateMgr manager(app::UpdateServer{host, 21, ftptest::kPassword});
        int notifications = 0;
        const Clock::time_point begin = Clock::now();
        EXPECT_EQ(runCheck(manager, notifications).status, CSWUpdateMgr::kNoConnection);
        EXPECT_LT(Clock::now() - begin, milliseconds(500));
    }
}

TEST_F(UpdateCheckTest, StopEndsACheckOnAHangingServerAtOnceWithoutNotifying) {
    ASSERT_TRUE(m_server.start(/*silent=*/true));
    std::atomic<int> calls{0};
    {
        CSWUpdateMgr manager(localServer(m_server.port()));
        ASSERT_TRUE(manager.Start([&calls] { ++calls; }));
        EXPECT_FALSE(manager.Start([] {}));  // one check at a time
        std::this_thread::sleep_for(milliseconds(1200));
        EXPECT_TRUE(manager.IsRunning());
        const Clock::time_point begin = Clock::now();
        manager.Stop();
        EXPECT_TRUE(manager.WaitUntilDone(milliseconds(3500)));
        EXPECT_LT(Clock::now() - begin, milliseconds(1000));
        EXPECT_EQ(manager.GetResult().status, CSWUpdateMgr::kStopped);
    }
    EXPECT_EQ(calls, 0);

    // Destroying the manager during a check stops it within the close wait.
    const Clock::time_point begin = Clock::now();
    {
        CSWUpdateMgr manager(localServer(m_server.port()));
        ASSERT_TRUE(manager.Start([&calls] { ++calls; }));
        std::this_thread::sleep_for(milliseconds(500));
    }
    EXPECT_LT(Clock::now() - begin, milliseconds(500) + CSWUpdateMgr::kCloseWait);
    EXPECT_EQ(calls, 0);
}

TEST(UpdateServerSettings, PreferencesPointTheCheckAtAnotherServer) {
    units::MemoryPreferencesStore store;
    app::UpdateServer server = CSWUpdateMgr::ServerFromPreferences(store);
    EXPECT_EQ(server.host, CSWUpdateMgr::kDefaultServer);
    EXPECT_EQ(server.port, 21);
    EXPECT_EQ(server.password, CSWUpdateMgr::kDefaultPassword);
    EXPECT_EQ(server.password.size(), 14u);

    store.setString(CSWUpdateMgr::kServerKey, "127.0.0.1");
    store.setInt(CSWUpdateMgr::kServerPortKey, 2121);
    store.setString(CSWUpdateMgr::kPasswordKey, "secret");
    server = CSWUpdateMgr::ServerFromPreferences(store);
    EXPECT_EQ(server.host, "127.0.0.1");
    EXPECT_EQ(server.port, 2121);
    EXPECT_EQ(server.password, "secret");

    for (std::int32_t bad : {0, -1, 65536}) {
        store.setInt(CSWUpdateMgr::kServerPortKey, bad);
        EXPECT_EQ(CSWUpdateMgr::ServerFromPreferences(store).port, 21);
    }
    EXPECT_EQ(store.size(), 3u);
}

}  // namespace
