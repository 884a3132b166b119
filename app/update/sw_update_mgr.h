#pragma once

#include "app/update/update_file.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>

namespace units {
class PreferencesStore;
}

namespace app {

/// Where the update file is fetched from. The host may be a name or an IPv4 address.
struct UpdateServer {
    std::string host;
    std::int32_t port = 21;
    std::string password;
};

/// The update check: logs on to the update server by FTP (passive mode), fetches the update
/// file from its folder and keeps what it says. Each check runs on its own worker thread; the
/// owner asks it to stop, and is told through the notify function (called on the worker thread)
/// when it has finished. The worker keeps its own share of the state, so an owner that gives up
/// waiting never leaves it pointing at freed memory.
class CSWUpdateMgr {
public:
    /// Status codes of a finished check.
    enum Status : int {
        kNoFailure = 0,
        kNoConnection = 1,
        kLoginRejected = 2,
        kNoFolder = 3,
        kNoFile = 4,
        kDownloadFailed = 5,
        kStopped = 7,
        kInternetError = 8,
    };

    static constexpr const char* kRemoteFolder = "Zelk_Updates";
    static constexpr const char* kRemoteFile = "ZelkUpdateCheck.txt";
    static constexpr const char* kUserName = "zelkupdate";
    /// Preference keys that point the check at another server.
    static constexpr const char* kServerKey = "UpdateServer";
    static constexpr const char* kServerPortKey = "UpdateServerPort";
    static constexpr const char* kPasswordKey = "UpdatePassword";
    static constexpr const char* kDefaultServer = "ftp.brantwick.com";
    static constexpr const char* kDefaultPassword = "zelkcheckup314";
    /// How long the owner waits for a running check when it is destroyed.
    static constexpr std::chrono::milliseconds kCloseWait{3500};

    /// What a finished check left behind.
    struct Result {
        bool fileRead = false;
        int status = kNoFailure;
        UpdateFile file;
    };

    using NotifyFunction = std::function<void()>;

    /// The server of the preferences, or the built-in one where nothing (or a bad port) is stored.
    static UpdateServer ServerFromPreferences(const units::PreferencesStore& store);

    explicit CSWUpdateMgr(UpdateServer server);
    /// Asks a running check to stop and waits for it at most `kCloseWait`.
    ~CSWUpdateMgr();
    CSWUpdateMgr(const CSWUpdateMgr&) = delete;
    CSWUpdateMgr& operator=(const CSWUpdateMgr&) = delete;

    /// Starts a check on a worker thread; `notify` is called on that thread when it ends (under
    /// the result lock: it must only hand the news on), unless the check was stopped first. False
    /// (and nothing started) while a check is running.
    bool Start(NotifyFunction notify);
    /// Asks the running check to stop and drops its notification.
    void Stop();
    bool IsRunning() const;
    /// Waits until the running check has ended, at most `timeout`; true when none is running.
    bool WaitUntilDone(std::chrono::milliseconds timeout);
    /// The outcome of the last finished check (read under the result lock).
    Result GetResult() const;

    /// The state shared by the owner and its worker thread.
    struct State;

private:
    void finishThread(std::chrono::milliseconds timeout);

    std::shared_ptr<State> m_state;
    std::thread m_worker;
};

}  // namespace app
