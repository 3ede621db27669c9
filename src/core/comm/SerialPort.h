#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "comm/LinkSettings.h"
#include "comm/ReplyBuffer.h"

namespace korvanta {

// The serial port under every machine protocol: a small table of operations that a platform
// port, the in-memory test port and the simulator's terminal implement. The protocol
// primitives (SendBytes, ReceiveReply, SendFrame, ReadRaw) are built on them here.
class SerialPort {
public:
    virtual ~SerialPort() = default;

    // Opens the named port with the link's line settings, control lines and time-outs,
    // remembering the time-outs it found. False when the port cannot be opened.
    virtual bool Open(const std::string &name, const LinkSettings &link) = 0;
    // Restores the time-outs found at Open, drops RTS and DTR and closes. Harmless when closed.
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    // Changes only the constant part of the total read time-out.
    virtual void SetReadTimeoutConstant(int ms) = 0;
    // Writes every byte and returns once the last one has left the transmit queue.
    virtual bool Write(const uint8_t *data, std::size_t count) = 0;
    // Discards everything received and not yet read.
    virtual void DiscardInput() = 0;
    // Reads up to count bytes under the link's time-outs; returns how many arrived (maybe 0).
    virtual std::size_t Read(uint8_t *into, std::size_t count) = 0;
    // Switches the RTS line (the RS-485 line driver sends while RTS is off).
    virtual void SetRts(bool on) = 0;
    // Waits; the in-memory port only advances its clock.
    virtual void Sleep(int ms) = 0;

    bool SendBytes(const uint8_t *data, std::size_t count) { return Write(data, count); }
    bool SendBytes(const std::vector<uint8_t> &bytes) { return Write(bytes.data(), bytes.size()); }
    // Drops what arrived before this call (an answer to anything earlier is stale), clears the
    // head of the buffer and reads up to count bytes into it.
    std::size_t ReceiveReply(ReplyBuffer &reply, std::size_t count);
    // Network frame: RTS off while the bytes go out one at a time, then on again.
    void SendFrame(const uint8_t *data, std::size_t count);
    // Plain read of up to count bytes into the buffer.
    std::size_t ReadRaw(ReplyBuffer &reply, std::size_t count);
};

} // namespace korvanta
