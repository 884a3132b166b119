#include "app/update/sw_update_mgr.h"

#include "units/preferences_store.h"

#include <condition_variable>
#include <curl/curl.h>
#include <mutex>
#include <sstream>

namespace app {

namespace {

using std::chrono::milliseconds;

constexpr int kAttempts = 3;
constexpr milliseconds kRetryPause{1000};
constexpr long kTimeoutMs = 3000;
constexpr long kTimeoutSeconds = 3;
constexpr milliseconds kPollStep{50};
/// The update file is two short lines; anything much larger is not one.
constexpr std::size_t kMaxFileBytes = 64 * 1024;
constexpr std::size_t kMaxListingBytes = 1024 * 1024;

/// A host name or IPv4 address: letters, digits, "." and "-" only, so the text cannot change
/// the meaning of the address built from it.
bool isHostName(const std::string& host) {
    if (host.empty() || host.size() > 253 || host.front() == '.' || host.front() == '-') {
        return false;
    }
    for (char c : host) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                        (c >= '0' && c <= '9') || c == '.' || c == '-';
        if (!ok) {
            return false;
        }
    }
    return true;
}

bool hasControlCharacter(const std::string& text) {
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            return true;
        }
    }
    return false;
}

struct Sink {
    std::string data;
    std::size_t limit;
};

std::size_t writeToSink(char* bytes, std::size_t size, std::size_t count, void* user) {
    auto* sink = static_cast<Sink*>(user);
    const std::size_t length = size * count;
    if (sink->data.size() + length > sink->limit) {
        return 0;  // ends the transfer with a write error
    }
    sink->data.append(bytes, length);
    return length;
}

void initialiseCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

}  // namespace

struct CSWUpdateMgr::State {
    UpdateServer server;

    mutable std::mutex lock;  // guards everything below
    std::condition_variable changed;
    bool running = false;
    bool done = true;
    bool stopRequested = false;
    bool notifyWanted = false;
    NotifyFunction notify;
    Result result;

    bool stopped() const {
        std::lock_guard<std::mutex> guard(lock);
        return stopRequested;
    }
    /// Waits for the pause between attempts; true when a stop was asked for meanwhile.
    bool pause() {
        std::unique_lock<std::mutex> guard(lock);
        return changed.wait_for(guard, kRetryPause, [this] { return stopRequested; });
    }
};

namespace {

/// One FTP session: the connection made by the first request is kept by the multi handle and
/// used again by the next ones.
class FtpSession {
public:
    FtpSession(const UpdateServer& server, const std::function<bool()>& stopped)
        : m_stopped(stopped) {
        m_base = "ftp://" + server.host + ":" + std::to_string(server.port) + "/";
        m_multi = curl_multi_init();
        m_easy = curl_easy_init();
        m_password = server.password;
    }
    ~FtpSession() {
        if (m_easy != nullptr) {
            curl_easy_cleanup(m_easy);
        }
        if (m_multi != nullptr) {
            curl_multi_cleanup(m_multi);
        }
    }
    FtpSession(const FtpSession&) = delete;
    FtpSession& operator=(const FtpSession&) = delete;

    bool valid() const { return m_multi != nullptr && m_easy != nullptr; }

    /// Logs on (or finds the connection still logged on) without transferring anything.
    CURLcode logOn() {
        Sink sink{std::string(), 0};
        prepare(m_base, sink);
        curl_easy_setopt(m_easy, CURLOPT_NOBODY, 1L);
        return perform();
    }
    /// The names in the folder; a folder that cannot be made current fails with
    /// CURLE_REMOTE_ACCESS_DENIED.
    CURLcode listFolder(const std::string& folder, std::string& names) {
        Sink sink{std::string(), kMaxListingBytes};
        prepare(m_base + folder + "/", sink);
        curl_easy_setopt(m_easy, CURLOPT_DIRLISTONLY, 1L);
        const CURLcode code = perform();
        names = sink.data;
        return code;
    }
    /// Fetches the file as bytes, without any line-end translation.
    CURLcode fetch(const std::string& path, std::string& content) {
        Sink sink{std::string(), kMaxFileBytes};
        prepare(m_base + path, sink);
        curl_easy_setopt(m_easy, CURLOPT_TRANSFERTEXT, 0L);
        curl_easy_setopt(m_easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
        curl_easy_setopt(m_easy, CURLOPT_LOW_SPEED_TIME, kTimeoutSeconds);
        const CURLcode code = perform();
        content = sink.data;
        return code;
    }

private:
    void prepare(const std::string& url, Sink& sink) {
        curl_easy_reset(m_easy);
        curl_easy_setopt(m_easy, CURLOPT_URL, url.c_str());
#if LIBCURL_VERSION_NUM >= 0x075500
        curl_easy_setopt(m_easy, CURLOPT_PROTOCOLS_STR, "ftp");
#else
        curl_easy_setopt(m_easy, CURLOPT_PROTOCOLS, static_cast<long>(CURLPROTO_FTP));
#endif
        curl_easy_setopt(m_easy, CURLOPT_USERNAME, CSWUpdateMgr::kUserName);
        curl_easy_setopt(m_easy, CURLOPT_PASSWORD, m_password.c_str());
        curl_easy_setopt(m_easy, CURLOPT_USERAGENT, "Test update session");
        curl_easy_setopt(m_easy, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(m_easy, CURLOPT_CONNECTTIMEOUT_MS, kTimeoutMs);
        curl_easy_setopt(m_easy, CURLOPT_SERVER_RESPONSE_TIMEOUT, kTimeoutSeconds);
        // Passive mode, with the data connection going to the host of the control connection
        // whatever address the server announces.
        curl_easy_setopt(m_easy, CURLOPT_FTPPORT, nullptr);
        curl_easy_setopt(m_easy, CURLOPT_FTP_SKIP_PASV_IP, 1L);
        curl_easy_setopt(m_easy, CURLOPT_WRITEFUNCTION, &writeToSink);
        curl_easy_setopt(m_easy, CURLOPT_WRITEDATA, &sink);
    }

    /// Runs the request in short polling steps so that a stop request ends it at once.
    CURLcode perform() {
        if (curl_multi_add_handle(m_multi, m_easy) != CURLM_OK) {
            return CURLE_FAILED_INIT;
        }
        CURLcode code = CURLE_OK;
        bool finished = false;
        int running = 1;
        while (!finished) {
            if (curl_multi_perform(m_multi, &running) != CURLM_OK) {
                code = CURLE_FAILED_INIT;
                break;
            }
            int queued = 0;
            while (CURLMsg* message = curl_multi_info_read(m_multi, &queued)) {
                if (message->msg == CURLMSG_DONE && message->easy_handle == m_easy) {
                    code = message->data.result;
                    finished = true;
                }
            }
            if (finished) {
                break;
            }
            if (m_stopped()) {
                code = CURLE_ABORTED_BY_CALLBACK;
                break;
            }
            curl_multi_poll(m_multi, nullptr, 0, static_cast<int>(kPollStep.count()), nullptr);
        }
        curl_multi_remove_handle(m_multi, m_easy);
        return code;
    }

    std::function<bool()> m_stopped;
    std::string m_base;
    std::string m_password;
    CURLM* m_multi = nullptr;
    CURL* m_easy = nullptr;
};

bool listingHas(const std::string& names, const std::string& name) {
    std::istringstream in(names);
    std::string line;
    while (std::getline(in, line)) {
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) {
            line.pop_back();
        }
        // Some servers list names with the folder in front.
        const std::size_t slash = line.find_last_of('/');
        if ((slash == std::string::npos ? line : line.substr(slash + 1)) == name) {
            return true;
        }
    }
    return false;
}

/// The network part of the check: fills `content` and returns kNoFailure, or returns why not.
int download(CSWUpdateMgr::State& state, std::string& content) {
    const UpdateServer& server = state.server;
    if (!isHostName(server.host) || server.port < 1 || server.port > 65535) {
        return CSWUpdateMgr::kNoConnection;
    }
    if (hasControlCharacter(server.password)) {
        return CSWUpdateMgr::kLoginRejected;
    }
    FtpSession session(server, [&state] { return state.stopped(); });
    if (!session.valid()) {
        return CSWUpdateMgr::kInternetError;
    }

    bool connected = false;
    for (int attempt = 0; attempt < kAttempts && !connected; ++attempt) {
        const CURLcode code = session.logOn();
        if (code == CURLE_OK) {
            connected = true;
            break;
        }
        if (code == CURLE_LOGIN_DENIED) {
            return CSWUpdateMgr::kLoginRejected;
        }
        if (state.stopped()) {
            return CSWUpdateMgr::kStopped;
        }
        if (attempt + 1 < kAttempts && state.pause()) {
            return CSWUpdateMgr::kStopped;
        }
    }
    if (!connected) {
        return CSWUpdateMgr::kNoConnection;
    }

    std::string names;
    const CURLcode listed = session.listFolder(CSWUpdateMgr::kRemoteFolder, names);
    if (state.stopped()) {
        return CSWUpdateMgr::kStopped;
    }
    if (listed == CURLE_REMOTE_ACCESS_DENIED) {
        return CSWUpdateMgr::kNoFolder;
    }
    if (listed != CURLE_OK) {
        return CSWUpdateMgr::kInternetError;
    }
    if (!listingHas(names, CSWUpdateMgr::kRemoteFile)) {
        return CSWUpdateMgr::kNoFile;
    }

    const std::string path =
        std::string(CSWUpdateMgr::kRemoteFolder) + "/" + CSWUpdateMgr::kRemoteFile;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (state.stopped()) {
            return CSWUpdateMgr::kStopped;
        }
        if (session.fetch(path, content) == CURLE_OK) {
            return CSWUpdateMgr::kNoFailure;
        }
        content.clear();
        if (state.stopped()) {
            return CSWUpdateMgr::kStopped;
        }
        if (attempt + 1 < kAttempts && state.pause()) {
            return CSWUpdateMgr::kStopped;
        }
    }
    return CSWUpdateMgr::kDownloadFailed;
}

void runCheck(const std::shared_ptr<CSWUpdateMgr::State>& state) {
    std::string content;
    const int status = download(*state, content);
    const std::optional<UpdateFile> file =
        status == CSWUpdateMgr::kNoFailure ? ParseUpdateFile(content) : std::nullopt;

    {
        // The notification runs under the lock, so once Stop() has returned it cannot come.
        std::lock_guard<std::mutex> guard(state->lock);
        state->result.status = status;
        state->result.fileRead = file.has_value();
        state->result.file = file.value_or(UpdateFile{});
        state->running = false;
        if (state->notifyWanted && state->notify) {
            state->notify();
        }
        state->notifyWanted = false;
        state->notify = nullptr;
        state->done = true;
    }
    state->changed.notify_all();
}

}  // namespace

UpdateServer CSWUpdateMgr::ServerFromPreferences(const units::PreferencesStore& store) {
    UpdateServer server;
    server.host = store.getString(kServerKey, kDefaultServer);
    server.password = store.getString(kPasswordKey, kDefaultPassword);
    const std::int32_t port = store.getInt(kServerPortKey, 21);
    server.port = port >= 1 && port <= 65535 ? port : 21;
    return server;
}

CSWUpdateMgr::CSWUpdateMgr(UpdateServer server) : m_state(std::make_shared<State>()) {
    m_state->server = std::move(server);
}

CSWUpdateMgr::~CSWUpdateMgr() {
    Stop();
    finishThread(kCloseWait);
}

bool CSWUpdateMgr::Start(NotifyFunction notify) {
    {
        std::lock_guard<std::mutex> guard(m_state->lock);
        if (!m_state->done) {
            return false;
        }
    }
    finishThread(milliseconds(0));
    initialiseCurlOnce();
    {
        std::lock_guard<std::mutex> guard(m_state->lock);
        m_state->running = true;
        m_state->done = false;
        m_state->stopRequested = false;
        m_state->notifyWanted = true;
        m_state->notify = std::move(notify);
        m_state->result = Result{};
    }
    std::shared_ptr<State> state = m_state;
    m_worker = std::thread([state] { runCheck(state); });
    return true;
}

void CSWUpdateMgr::Stop() {
    {
        std::lock_guard<std::mutex> guard(m_state->lock);
        m_state->stopRequested = true;
        m_state->notifyWanted = false;
        m_state->notify = nullptr;
    }
    m_state->changed.notify_all();
}

bool CSWUpdateMgr::IsRunning() const {
    std::lock_guard<std::mutex> guard(m_state->lock);
    return m_state->running;
}

bool CSWUpdateMgr::WaitUntilDone(milliseconds timeout) {
    std::unique_lock<std::mutex> guard(m_state->lock);
    return m_state->changed.wait_for(guard, timeout, [this] { return m_state->done; });
}

CSWUpdateMgr::Result CSWUpdateMgr::GetResult() const {
    std::lock_guard<std::mutex> guard(m_state->lock);
    return m_state->result;
}

void CSWUpdateMgr::finishThread(milliseconds timeout) {
    if (!m_worker.joinable()) {
        return;
    }
    if (WaitUntilDone(timeout)) {
        m_worker.join();
    } else {
        // The worker holds its own share of the state and finishes on its own.
        m_worker.detach();
    }
}

}  // namespace app
