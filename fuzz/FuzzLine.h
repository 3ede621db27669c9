#pragma once

// A machine that answers with the fuzzer's bytes: every read takes the next bytes of the
// input, and once the input is used up the line stays silent. The user answers Retry while the
// input's retry budget lasts, then Cancel or No, so every procedure comes to an end.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <unistd.h>

#include "comm/CommUi.h"
#include "comm/SerialPort.h"

namespace korvanta::fuzz {

class FuzzPort : public SerialPort {
public:
    FuzzPort(const uint8_t *bytes, std::size_t size) : bytes_(bytes), size_(size) {}
    bool Open(const std::string &, const LinkSettings &) override { return open_ = true; }
    void Close() override { open_ = false; }
    bool IsOpen() const override { return open_; }
    void SetReadTimeoutConstant(int) override {}
    bool Write(const uint8_t *, std::size_t) override { return true; }
    void DiscardInput() override {}
    std::size_t Read(uint8_t *into, std::size_t count) override {
        const std::size_t n = std::min(count, size_ - at_);
        std::copy_n(bytes_ + at_, n, into);
        at_ += n;
        return n;
    }
    void SetRts(bool) override {}
    void Sleep(int) override {}

private:
    const uint8_t *bytes_;
    std::size_t size_;
    std::size_t at_ = 0;
    bool open_ = false;
};

class FuzzUi : public CommUi {
public:
    explicit FuzzUi(int retries, std::string chosenFile = {})
        : retries_(retries), chosenFile_(std::move(chosenFile)) {}
    void SetStatus(int, const std::string &) override {}
    void ShowGauge(bool) override {}
    void SetGauge(int) override {}
    void SetHourglass(bool) override {}
    void EnableTransfers(bool) override {}
    void Repaint() override {}
    void ProcessEvents() override {}
    Answer Ask(const std::string &, BoxIcon, BoxButtons buttons) override {
        switch (buttons) {
        case BoxButtons::RetryCancel:
            return retries_-- > 0 ? Answer::Retry : Answer::Cancel;
        case BoxButtons::YesNo:
            return retries_-- > 0 ? Answer::Yes : Answer::No;
        default:
            return Answer::Ok;
        }
    }
    std::string ChooseFile(const FileRequest &) override { return chosenFile_; }

private:
    int retries_;
    std::string chosenFile_;
};

// A scratch path of this process for files the procedures write: in memory where the system
// has a memory file system, so that the flushes of a save cost no disk writes per run.
inline std::string ScratchPath(const char *name) {
    const char *folder = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    return std::string(folder) + "/korvanta-fuzz-" + std::to_string(::getpid()) + "-" + name;
}

} // namespace korvanta::fuzz
