#pragma once

#include <cstddef>

namespace korvanta {

// One way of using the serial port: line settings, control lines and read/write time-outs.
// Read time-outs follow the classic serial driver rules: a read of n bytes returns as soon as
// n bytes arrived, else when the total time-out (perByte x n + constant, from the start of the
// read) has passed, or when after at least one byte no further byte came within the interval.
struct LinkSettings {
    int baud;                // bits per second; always 8 data bits, no parity, 1 stop bit
    const char *lineText;    // the line settings in device-control text form
    int readIntervalMs;      // largest gap between two received bytes
    int readTotalPerByteMs;  // total read time-out, per byte requested
    int readTotalConstantMs; // total read time-out, constant part
    int writeTotalPerByteMs; // total write time-out, per byte
    int writeTotalConstantMs;
    int queueBytes; // driver receive and transmit queue sizes
    bool rtsOn;     // RTS line after opening
    bool dtrOn;     // DTR line after opening
};

// The machine's front-panel connector.
constexpr LinkSettings FrontPanelLink{.baud = 38400,
                                      .lineText = "38400,N,8,1",
                                      .readIntervalMs = 50,
                                      .readTotalPerByteMs = 0,
                                      .readTotalConstantMs = 150,
                                      .writeTotalPerByteMs = 10,
                                      .writeTotalConstantMs = 10,
                                      .queueBytes = 512,
                                      .rtsOn = true,
                                      .dtrOn = false};
// The RS-485 network of several addressed machines.
constexpr LinkSettings NetworkLink{.baud = 9600,
                                   .lineText = "9600,N,8,1",
                                   .readIntervalMs = 20,
                                   .readTotalPerByteMs = 1,
                                   .readTotalConstantMs = 20,
                                   .writeTotalPerByteMs = 1,
                                   .writeTotalConstantMs = 1,
                                   .queueBytes = 512,
                                   .rtsOn = true,
                                   .dtrOn = true};

// Read total constant while waiting for board information or probing a port.
constexpr int kSlowReplyReadTotalMs = 500;
// Pause after opening a port to probe it, before the first frame.
constexpr int kProbeSettleMs = 50;

// Total time-out of a read of count bytes under these settings.
inline int ReadTotalTimeoutMs(const LinkSettings &link, int constantMs, std::size_t count) {
    return link.readTotalPerByteMs * static_cast<int>(count) + constantMs;
}

} // namespace korvanta
