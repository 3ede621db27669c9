#include "platform/QtSerialPort.h"

#include <QElapsedTimer>
#include <QSerialPort>
#include <QThread>

#include <algorithm>

namespace korvanta {

namespace {
bool HardError(QSerialPort::SerialPortError error) {
    return error != QSerialPort::NoError && error != QSerialPort::TimeoutError &&
           error != QSerialPort::UnsupportedOperationError;
}
} // namespace

QtSerialPort::QtSerialPort() : port_(std::make_unique<QSerialPort>()) {}

QtSerialPort::~QtSerialPort() {
    Close();
}

bool QtSerialPort::Open(const std::string &name, const LinkSettings &link) {
    Close();
    port_->setPortName(QString::fromStdString(name));
    if (!port_->open(QIODevice::ReadWrite))
        return false;
    link_ = link;
    readConstantMs_ = link.readTotalConstantMs;
    port_->setBaudRate(link.baud);
    port_->setDataBits(QSerialPort::Data8);
    port_->setParity(QSerialPort::NoParity);
    port_->setStopBits(QSerialPort::OneStop);
    port_->setFlowControl(QSerialPort::NoFlowControl);
    // Control lines are not wired on every device (a pseudo-terminal has none): not checked.
    port_->setRequestToSend(link.rtsOn);
    port_->setDataTerminalReady(link.dtrOn);
    port_->clearError();
    return true;
}

void QtSerialPort::Close() {
    beforeWrite_.clear();
    wroteSinceRead_ = false;
    if (!port_->isOpen())
        return;
    port_->clear(QSerialPort::AllDirections);
    port_->setRequestToSend(false);
    port_->setDataTerminalReady(false);
    port_->close();
}

bool QtSerialPort::IsOpen() const {
    return port_->isOpen();
}

void QtSerialPort::SetReadTimeoutConstant(int ms) {
    readConstantMs_ = ms;
}

// Takes in what the driver holds now, so that it can later be told apart from what comes after.
void QtSerialPort::SetAsideArrived() {
    while (port_->waitForReadyRead(0)) {
    }
    beforeWrite_ += port_->readAll();
}

bool QtSerialPort::Write(const uint8_t *data, std::size_t count) {
    if (!port_->isOpen())
        return false;
    port_->clearError();
    SetAsideArrived();
    wroteSinceRead_ = true;
    const auto size = static_cast<qint64>(count);
    if (port_->write(reinterpret_cast<const char *>(data), size) != size)
        return false;
    const int timeoutMs =
        link_.writeTotalPerByteMs * static_cast<int>(count) + link_.writeTotalConstantMs;
    QElapsedTimer timer;
    timer.start();
    // write() only queues: the bytes have left once nothing is left to write.
    while (port_->bytesToWrite() > 0) {
        const qint64 left = timeoutMs - timer.elapsed();
        if (left <= 0 || !port_->waitForBytesWritten(static_cast<int>(left)))
            return port_->bytesToWrite() == 0;
    }
    return true;
}

// Drops everything that arrived before the command now waiting for its reply began to go out
// (a stale or late answer to something earlier). The command's own reply is kept even when it
// is already there; without a command since the last read, everything received is dropped.
void QtSerialPort::DiscardInput() {
    beforeWrite_.clear();
    if (!port_->isOpen() || wroteSinceRead_)
        return;
    port_->clear(QSerialPort::Input);
}

std::size_t QtSerialPort::Read(uint8_t *into, std::size_t count) {
    wroteSinceRead_ = false;
    if (!port_->isOpen() || count == 0)
        return 0;
    port_->clearError();
    const qint64 totalMs = ReadTotalTimeoutMs(link_, readConstantMs_, count);
    QElapsedTimer timer;
    timer.start();
    qint64 lastByteAt = 0;
    // Bytes set aside at a write and not discarded since come first, in the order they arrived.
    std::size_t got = std::min(count, static_cast<std::size_t>(beforeWrite_.size()));
    std::copy_n(beforeWrite_.constData(), got, into);
    beforeWrite_.remove(0, static_cast<qsizetype>(got));
    while (got < count) {
        if (port_->bytesAvailable() > 0) {
            const qint64 n =
                port_->read(reinterpret_cast<char *>(into + got), static_cast<qint64>(count - got));
            if (n <= 0)
                break;
            got += static_cast<std::size_t>(n);
            lastByteAt = timer.elapsed();
            continue;
        }
        const qint64 now = timer.elapsed();
        qint64 waitMs = totalMs - now;
        if (got > 0)
            waitMs = std::min(waitMs, link_.readIntervalMs - (now - lastByteAt));
        if (waitMs <= 0)
            break;
        if (!port_->waitForReadyRead(static_cast<int>(waitMs)) && HardError(port_->error()))
            break; // the other end is gone: nothing more will come
    }
    return got;
}

void QtSerialPort::SetRts(bool on) {
    if (port_->isOpen())
        port_->setRequestToSend(on);
}

void QtSerialPort::Sleep(int ms) {
    QThread::msleep(static_cast<unsigned long>(ms));
}

} // namespace korvanta
