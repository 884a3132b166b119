#pragma once

// A real FTP server on 127.0.0.1 for the update check tests: the Python script beside this file,
// started on a free port for one test and stopped (killed if need be) when the test ends.

#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <string>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

#ifndef ZELK_FTP_SERVER_SCRIPT
#error "The build names the FTP server script"
#endif
#ifndef ZELK_PYTHON
#define ZELK_PYTHON "python3"
#endif

namespace ftptest {

inline constexpr const char* kPassword = "testpass123";

class FtpTestServer {
public:
    FtpTestServer() {
        char pattern[] = "/tmp/zelk-ftp-XXXXXX";
        if (mkdtemp(pattern) != nullptr) {
            m_root = pattern;
        }
    }
    ~FtpTestServer() {
        stop();
        if (!m_root.empty()) {
            std::error_code ignored;
            std::filesystem::remove_all(m_root, ignored);
        }
    }
    FtpTestServer(const FtpTestServer&) = delete;
    FtpTestServer& operator=(const FtpTestServer&) = delete;

    /// The folder the server offers; the update folder lies inside it.
    const std::filesystem::path& root() const { return m_root; }
    int port() const { return m_port; }

    /// Writes the update file the server offers.
    void writeUpdateFile(const std::string& content) {
        const std::filesystem::path folder = m_root / "Zelk_Updates";
        std::filesystem::create_directories(folder);
        std::ofstream(folder / "ZelkUpdateCheck.txt", std::ios::binary) << content;
    }

    /// Starts the server; `silent` makes one that accepts connections and never answers.
    /// Returns false (with a test failure) when it did not come up within ten seconds.
    bool start(bool silent = false) {
        if (m_root.empty()) {
            ADD_FAILURE() << "no temporary folder";
            return false;
        }
        int fds[2];
        if (pipe(fds) != 0) {
            ADD_FAILURE() << "no pipe";
            return false;
        }
        std::vector<std::string> args = {
            ZELK_PYTHON, ZELK_FTP_SERVER_SCRIPT, "--root", m_root.string(), "--password",
            kPassword,   "--lifetime",           "60"};
        if (silent) {
            args.emplace_back("--silent");
        }
        std::vector<char*> argv;
        for (std::string& arg : args) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        m_pid = fork();
        if (m_pid == 0) {
            dup2(fds[1], STDOUT_FILENO);
            close(fds[0]);
            close(fds[1]);
            execvp(argv[0], argv.data());
            _exit(127);
        }
        close(fds[1]);
        m_port = readPort(fds[0]);
        close(fds[0]);
        if (m_port <= 0) {
            ADD_FAILURE() << "the FTP test server (" << ZELK_PYTHON
                          << " with pyftpdlib) did not start";
            stop();
            return false;
        }
        return true;
    }

    void stop() {
        if (m_pid > 0) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
            m_pid = -1;
        }
    }

    /// A port on 127.0.0.1 where nothing listens.
    static int closedPort() {
        const int fd = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = 0;
        socklen_t length = sizeof(address);
        int port = 0;
        if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0 &&
            getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
            port = ntohs(address.sin_port);
        }
        close(fd);
        return port;
    }

private:
    static int readPort(int fd) {
        std::string text;
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (std::chrono::steady_clock::now() < end) {
            pollfd entry{fd, POLLIN, 0};
            if (poll(&entry, 1, 200) <= 0) {
                continue;
            }
            char buffer[64];
            const ssize_t count = read(fd, buffer, sizeof(buffer));
            if (count <= 0) {
                return -1;
            }
            text.append(buffer, static_cast<std::size_t>(count));
            const std::size_t newline = text.find('\n');
            if (newline != std::string::npos) {
                int port = -1;
                return std::sscanf(text.c_str(), "PORT %d", &port) == 1 ? port : -1;
            }
        }
        return -1;
    }

    std::filesystem::path m_root;
    pid_t m_pid = -1;
    int m_port = -1;
};

}  // namespace ftptest
