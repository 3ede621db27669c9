#pragma once
// Starts korvanta-machine-sim as a child process and talks to its pseudo-terminal directly.

#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>
#include <vector>

#include "../core/SimTestFrames.h"

extern char **environ;

namespace machinesim {

using Bytes = std::vector<uint8_t>;
using Clock = std::chrono::steady_clock;

inline int ElapsedMs(Clock::time_point since) {
    return static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - since).count());
}

// The simulator process; its first stdout line names the terminal.
class SimProcess {
public:
    explicit SimProcess(std::vector<std::string> args) {
        int out[2];
        if (pipe(out) != 0)
            return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        args.insert(args.begin(), KVT_SIM_BINARY);
        std::vector<char *> argv;
        for (auto &a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        if (posix_spawn(&pid_, KVT_SIM_BINARY, &actions, nullptr, argv.data(), environ) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        stdout_ = out[0];
        port_ = ReadPortLine();
    }
    ~SimProcess() {
        if (pid_ > 0)
            Stop();
        if (stdout_ >= 0)
            close(stdout_);
    }
    SimProcess(const SimProcess &) = delete;
    SimProcess &operator=(const SimProcess &) = delete;

    const std::string &Port() const { return port_; }
    const std::string &FirstLine() const { return firstLine_; }

    // SIGTERM, then the exit status (-1 when it did not end normally within 5 s).
    int Stop() {
        if (pid_ <= 0)
            return -1;
        kill(pid_, SIGTERM);
        return Wait(5000);
    }
    int Wait(int limitMs) {
        auto start = Clock::now();
        int status = 0;
        while (ElapsedMs(start) < limitMs) {
            pid_t done = waitpid(pid_, &status, WNOHANG);
            if (done == pid_) {
                pid_ = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            usleep(5000);
        }
        kill(pid_, SIGKILL);
        waitpid(pid_, &status, 0);
        pid_ = -1;
        return -1;
    }

private:
    std::string ReadPortLine() {
        auto start = Clock::now();
        std::string line;
        char c = 0;
        while (ElapsedMs(start) < 5000) {
            pollfd p{stdout_, POLLIN, 0};
            if (poll(&p, 1, 100) <= 0)
                continue;
            if (read(stdout_, &c, 1) != 1)
                break;
            if (c == '\n')
                break;
            line += c;
        }
        firstLine_ = line;
        const std::string prefix = "port: ";
        return line.rfind(prefix, 0) == 0 ? line.substr(prefix.size()) : std::string();
    }

    pid_t pid_ = -1;
    int stdout_ = -1;
    std::string port_;
    std::string firstLine_;
};

// The computer's end of the line: raw 8N1, input discarded before each request.
class Line {
public:
    explicit Line(const std::string &path) {
        fd_ = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (fd_ < 0)
            return;
        termios t{};
        tcgetattr(fd_, &t);
        cfmakeraw(&t);
        cfsetispeed(&t, B38400);
        cfsetospeed(&t, B38400);
        tcsetattr(fd_, TCSANOW, &t);
        tcflush(fd_, TCIOFLUSH);
    }
    ~Line() {
        if (fd_ >= 0)
            close(fd_);
    }
    Line(const Line &) = delete;
    Line &operator=(const Line &) = delete;
    bool IsOpen() const { return fd_ >= 0; }

    void Send(const Bytes &bytes) {
        tcflush(fd_, TCIFLUSH);
        std::size_t sent = 0;
        while (sent < bytes.size()) {
            ssize_t n = write(fd_, bytes.data() + sent, bytes.size() - sent);
            if (n > 0)
                sent += static_cast<std::size_t>(n);
            else
                usleep(1000);
        }
        tcdrain(fd_);
    }

    // Up to count bytes: returns once count arrived, after totalMs, or after gapMs of silence
    // once a byte arrived (the front-panel read rules).
    Bytes Read(std::size_t count, int totalMs = 1000, int gapMs = 50) {
        Bytes got;
        auto start = Clock::now();
        auto last = start;
        while (got.size() < count) {
            int left = totalMs - ElapsedMs(start);
            if (!got.empty())
                left = std::min(left, gapMs - ElapsedMs(last));
            if (left <= 0)
                break;
            pollfd p{fd_, POLLIN, 0};
            if (poll(&p, 1, left) <= 0)
                continue;
            uint8_t buffer[512];
            ssize_t n = read(fd_, buffer, std::min(sizeof buffer, count - got.size()));
            if (n > 0) {
                got.insert(got.end(), buffer, buffer + n);
                last = Clock::now();
            }
        }
        return got;
    }

    Bytes Ask(const Bytes &request, std::size_t count, int totalMs = 1000) {
        Send(request);
        return Read(count, totalMs);
    }

private:
    int fd_ = -1;
};

struct RunResult {
    int status = -1; // exit status; -1 when killed or not started
    std::string out, err;
};

inline std::string Slurp(const std::string &path) {
    std::string text;
    if (FILE *f = std::fopen(path.c_str(), "rb")) {
        char buffer[4096];
        std::size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
            text.append(buffer, n);
        std::fclose(f);
    }
    return text;
}

// Runs a program to its end (killed after limitMs) with stdout and stderr collected; extra
// environment entries ("NAME=value") come first, so they win over the inherited ones.
inline RunResult Run(const std::string &program, std::vector<std::string> args,
                     const std::vector<std::string> &extraEnv, int limitMs = 60000) {
    std::string base = "/tmp/machine-run-" + std::to_string(getpid()) + "-" +
                       std::to_string(Clock::now().time_since_epoch().count());
    std::string outPath = base + ".out", errPath = base + ".err";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    args.insert(args.begin(), program);
    std::vector<char *> argv;
    for (auto &a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<std::string> env = extraEnv;
    std::vector<char *> envp;
    for (auto &e : env)
        envp.push_back(e.data());
    for (char **e = environ; *e; ++e)
        envp.push_back(*e);
    envp.push_back(nullptr);
    RunResult result;
    pid_t pid = -1;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data()) == 0) {
        auto start = Clock::now();
        int status = 0;
        while (waitpid(pid, &status, WNOHANG) == 0) {
            if (ElapsedMs(start) > limitMs) {
                kill(pid, SIGKILL);
                waitpid(pid, &status, 0);
                status = -1;
                break;
            }
            usleep(5000);
        }
        result.status = status >= 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    result.out = Slurp(outPath);
    result.err = Slurp(errPath);
    unlink(outPath.c_str());
    unlink(errPath.c_str());
    return result;
}

using simtest::Frame;

} // namespace machinesim
