#pragma once

#include <QByteArray>

#include <memory>

#include "comm/SerialPort.h"

class QSerialPort;

namespace korvanta {

// The serial port of this computer through QSerialPort. Reads follow the time-out rules of
// LinkSettings: they return the moment the bytes are there and never wait longer than the
// total or interval time-out. Needs a QCoreApplication.
class QtSerialPort : public SerialPort {
public:
    QtSerialPort();
    ~QtSerialPort() override;

    bool Open(const std::string &name, const LinkSettings &link) override;
    void Close() override;
    bool IsOpen() const override;
    void SetReadTimeoutConstant(int ms) override;
    bool Write(const uint8_t *data, std::size_t count) override;
    void DiscardInput() override;
    std::size_t Read(uint8_t *into, std::size_t count) override;
    void SetRts(bool on) override;
    void Sleep(int ms) override;

private:
    void SetAsideArrived();

    std::unique_ptr<QSerialPort> port_;
    // What had arrived when the last write began. A reply read right after a command drops it;
    // a plain read gets it first. Whatever came after the write began may already be the answer:
    // a link without wire time (a pseudo-terminal) can carry it back before the read starts.
    QByteArray beforeWrite_;
    bool wroteSinceRead_ = false;
    LinkSettings link_ = FrontPanelLink;
    int readConstantMs_ = FrontPanelLink.readTotalConstantMs;
};

} // namespace korvanta
