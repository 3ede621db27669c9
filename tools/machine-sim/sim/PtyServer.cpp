#include "sim/PtyServer.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/select.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace korvanta::sim {

namespace {

constexpr std::size_t kReadChunk = 4096;
constexpr int kBitsPerByte = 10; // start bit, 8 data bits, stop bit
constexpr int kHangupPauseMs = 10;
// Nobody reads the terminal side for this long: the rest of the reply is lost, as on a line
// whose other end is unplugged.
constexpr auto kStalledWriteLimit = std::chrono::milliseconds(200);

void IgnoreSignal(int) {}

void MakeRaw(int fd) {
    termios attributes{};
    if (tcgetattr(fd, &attributes) != 0)
        return;
    cfmakeraw(&attributes);
    cfsetispeed(&attributes, B38400);
    cfsetospeed(&attributes, B38400);
    tcsetattr(fd, TCSANOW, &attributes);
}

bool Fail(std::string *error, const std::string &what) {
    if (error)
        *error = what + ": " + std::strerror(errno);
    return false;
}

} // namespace

PtyServer::PtyServer(Controller &controller, const SimSettings &settings)
    : controller_(controller), settings_(settings) {}

PtyServer::~PtyServer() {
    if (terminal_ >= 0)
        close(terminal_);
    if (master_ >= 0)
        close(master_);
}

bool PtyServer::Open(std::string *error) {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0)
        return Fail(error, "posix_openpt");
    if (grantpt(master_) != 0 || unlockpt(master_) != 0)
        return Fail(error, "unlockpt");
    const char *name = ptsname(master_);
    if (name == nullptr)
        return Fail(error, "ptsname");
    terminalName_ = name;
    terminal_ = open(name, O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (terminal_ < 0)
        return Fail(error, "open " + terminalName_);
    MakeRaw(terminal_);
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    return true;
}

void PtyServer::Serve() {
    sigset_t blocked, waitMask;
    sigemptyset(&blocked);
    sigaddset(&blocked, SIGTERM);
    sigaddset(&blocked, SIGINT);
    sigprocmask(SIG_BLOCK, &blocked, &waitMask);
    sigdelset(&waitMask, SIGTERM);
    sigdelset(&waitMask, SIGINT);
    struct sigaction action {};
    action.sa_handler = IgnoreSignal; // a handler, so the signal only interrupts the wait
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);

    bool lineBusy = false;
    for (;;) {
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(master_, &readable);
        timespec idle{0, static_cast<long>(Controller::kLineIdleMs) * 1000000L};
        int ready = pselect(master_ + 1, &readable, nullptr, nullptr, &idle, &waitMask);
        if (ready < 0) {
            if (errno == EINTR)
                return; // SIGTERM or SIGINT: the only signals let through during the wait
            std::this_thread::sleep_for(std::chrono::milliseconds(kHangupPauseMs));
            continue;
        }
        if (ready == 0) {
            if (lineBusy)
                controller_.LineIdle();
            lineBusy = false;
            continue;
        }
        uint8_t buffer[kReadChunk];
        ssize_t got = read(master_, buffer, sizeof buffer);
        if (got <= 0) {
            // No peer on the terminal side, or nothing after all: wait a little and look again.
            std::this_thread::sleep_for(std::chrono::milliseconds(kHangupPauseMs));
            continue;
        }
        lineBusy = true;
        Answer(buffer, static_cast<std::size_t>(got));
    }
}

void PtyServer::Answer(const uint8_t *data, std::size_t n) {
    std::vector<uint8_t> reply = controller_.Receive(data, n);
    if (reply.empty())
        return;
    std::this_thread::sleep_for(std::chrono::milliseconds(settings_.turnaroundMs));
    Send(reply);
}

// With a line speed set, byte i leaves no earlier than i byte times after the first.
void PtyServer::Send(const std::vector<uint8_t> &bytes) {
    using Clock = std::chrono::steady_clock;
    auto start = Clock::now();
    auto lastProgress = start;
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        std::size_t chunk = settings_.baud > 0 ? 1 : bytes.size() - sent;
        if (settings_.baud > 0) {
            auto due = start + std::chrono::microseconds(static_cast<long long>(sent) *
                                                         kBitsPerByte * 1000000LL / settings_.baud);
            std::this_thread::sleep_until(due);
        }
        ssize_t written = write(master_, bytes.data() + sent, chunk);
        if (written < 0) {
            if ((errno != EAGAIN && errno != EINTR) ||
                Clock::now() - lastProgress > kStalledWriteLimit)
                return;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            continue;
        }
        sent += static_cast<std::size_t>(written);
        lastProgress = Clock::now();
    }
}

} // namespace korvanta::sim
