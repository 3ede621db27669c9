#pragma once

#include "comm/SerialPort.h"

namespace korvanta {

// A port with nothing connected: it opens, takes every byte and never answers. The front-panel
// dialog opens its port when shown; this one lets it show without a machine or an error box.
class IdlePort : public SerialPort {
public:
    bool Open(const std::string &, const LinkSettings &) override { return open_ = true; }
    void Close() override { open_ = false; }
    bool IsOpen() const override { return open_; }
    void SetReadTimeoutConstant(int) override {}
    bool Write(const uint8_t *, std::size_t) override { return open_; }
    void DiscardInput() override {}
    std::size_t Read(uint8_t *, std::size_t) override { return 0; }
    void SetRts(bool) override {}
    void Sleep(int) override {}

private:
    bool open_ = false;
};

} // namespace korvanta
