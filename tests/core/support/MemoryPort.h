#pragma once

#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "comm/SerialPort.h"

namespace korvanta::testing {

// A serial port whose other end is a function in the same process: each write is handed to the
// peer, whose answer arrives while the next read waits. Time is a counter: a read that times
// out advances it by the time-out it would have waited, so no test waits for real.
class MemoryPort : public SerialPort {
public:
    using Peer = std::function<std::vector<uint8_t>(const uint8_t *, std::size_t)>;

    explicit MemoryPort(Peer peer = {}) : peer_(std::move(peer)) {}

    bool Open(const std::string &name, const LinkSettings &link) override {
        openedNames.push_back(name);
        if (std::find(refusedNames.begin(), refusedNames.end(), name) != refusedNames.end())
            return false;
        if (open_)
            ++doubleOpens;
        open_ = true;
        link_ = link;
        readConstantMs = link.readTotalConstantMs;
        return true;
    }
    void Close() override {
        open_ = false;
        ++closes;
    }
    bool IsOpen() const override { return open_; }
    void SetReadTimeoutConstant(int ms) override { readConstantMs = ms; }
    bool Write(const uint8_t *data, std::size_t count) override {
        if (!open_)
            return false;
        sent.emplace_back(data, data + count);
        if (peer_) {
            const std::vector<uint8_t> answer = peer_(data, count);
            inFlight_.insert(inFlight_.end(), answer.begin(), answer.end());
        }
        return true;
    }
    void DiscardInput() override { arrived_.clear(); }
    std::size_t Read(uint8_t *into, std::size_t count) override {
        arrived_.insert(arrived_.end(), inFlight_.begin(), inFlight_.end());
        inFlight_.clear();
        const std::size_t got = open_ ? std::min(count, arrived_.size()) : 0;
        std::copy_n(arrived_.begin(), got, into);
        arrived_.erase(arrived_.begin(), arrived_.begin() + static_cast<long>(got));
        if (got < count) {
            clockMs +=
                got == 0 ? ReadTotalTimeoutMs(link_, readConstantMs, count) : link_.readIntervalMs;
            if (onIdle)
                onIdle();
        }
        return got;
    }
    void SetRts(bool on) override { rts = on; }
    void Sleep(int ms) override { clockMs += ms; }

    // Bytes that arrived before anyone asked (line noise, a late answer).
    void Inject(const std::vector<uint8_t> &bytes) {
        arrived_.insert(arrived_.end(), bytes.begin(), bytes.end());
    }
    void SetPeer(Peer peer) { peer_ = std::move(peer); }

    std::vector<std::vector<uint8_t>> sent;
    std::vector<std::string> openedNames;
    std::vector<std::string> refusedNames;
    std::function<void()> onIdle; // the line went quiet: a read timed out
    long long clockMs = 0;
    int readConstantMs = 0;
    int closes = 0;
    int doubleOpens = 0;
    bool rts = true;

private:
    Peer peer_;
    LinkSettings link_ = FrontPanelLink;
    bool open_ = false;
    std::deque<uint8_t> arrived_;
    std::vector<uint8_t> inFlight_;
};

} // namespace korvanta::testing
