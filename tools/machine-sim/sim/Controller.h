#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "sim/MemoryLayout.h"

namespace korvanta::sim {

// Everything the simulator's command line sets. The defaults describe a plain non-coin machine
// of type 0 with one drain that answers at once and never loses a reply.
struct ControllerOptions {
    uint8_t machineType = 0;           // the type number the machine reports ("I")
    uint8_t drains = 0x01;             // the drains byte as the configuration stores it
    bool coin = false;                 // coin machine: "C" in the identification, "K" keyboard text
    std::string bootText;              // empty: "1.05"
    std::string firmwareText;          // empty: "1.10"
    std::string keyboardText;          // empty: "1.02", or "K1.02" on a coin machine
    std::string hardwareText;          // empty: "1.00"
    int busyIdentifications = 0;       // the first N identifications are answered NAK (busy)
    double corruptRate = 0.0;          // share of reply frames sent damaged, 0..1
    double dropRate = 0.0;             // share of reply frames never sent, 0..1
    uint32_t seed = 1;                 // seeds the damage and loss decisions
    int eraseBusyPolls = 1;            // "TSK" polls answered busy after an erase
    int programBusyPolls = 0;          // "TSK" polls answered busy after a block is programmed
    std::vector<int> networkAddresses; // non-empty: answer the RS-485 protocol at these addresses
};

// The controller at the machine end of the serial line, usable in-process.
//
// Receive() takes the bytes the computer sent and returns the bytes the controller answers
// (empty while it stays silent: an unfinished frame, a damaged request or a lost reply).
// Requests may arrive split over several calls or several in one call; the answers are
// concatenated in order.
//
// A real controller gives up a half-received frame when the line stays quiet. A host that
// notices the line has been quiet for longer than kLineIdleMs (a read that timed out, or the
// pseudo-terminal's poll) calls LineIdle(). Without it a block frame whose announcing reply was
// lost would swallow the computer's next requests as block data.
class Controller {
public:
    static constexpr int kLineIdleMs = 100;

    explicit Controller(ControllerOptions options);
    ~Controller();
    Controller(const Controller &) = delete;
    Controller &operator=(const Controller &) = delete;

    std::vector<uint8_t> Receive(const uint8_t *data, std::size_t n);
    std::vector<uint8_t> Receive(const std::vector<uint8_t> &bytes) {
        return Receive(bytes.data(), bytes.size());
    }
    void LineIdle();

    const ControllerOptions &Options() const;

    // The stored cycles: StoredCycleBlocks() x 256 bytes, as "RBL" reads them back.
    std::vector<uint8_t> CycleMemory() const;
    int StoredCycleBlocks() const;
    void SetCycleMemory(const std::vector<uint8_t> &bytes); // padded with 0xFF to whole blocks

    // The controller software, kSoftwareImageBytes long (erased bytes are 0xFF).
    const std::vector<uint8_t> &SoftwareImage() const;
    void SetSoftwareImage(const std::vector<uint8_t> &image); // cut or padded with 0xFF
    // True when the image ends in the 0x55 0xAA marker and the word sum that a start checks.
    bool SoftwareImageIntact() const;

    // What a machine on the RS-485 line stored (empty for an address not on the line).
    std::vector<uint8_t> NetworkCycleMemory(int address) const;
    std::vector<uint8_t> NetworkSoftwareImage(int address) const;

    uint16_t Parameter(int address) const; // 0 for an address outside 0..255
    void SetParameter(int address, uint16_t value);

    // The text of every well-formed request in arrival order; a received block frame is
    // logged as "<block>" and a damaged one as "<bad block>". Network requests are logged as
    // "address:text" with the address in hex.
    const std::vector<std::string> &RequestLog() const;

    // DIR/cycles.bin (the stored blocks), DIR/software.bin (the image) and DIR/params.txt
    // (a line "address value" per parameter, decimal); each machine on the RS-485 line keeps
    // the same files in DIR/net-XX (its address in hex). Loading tolerates missing files and
    // folders; both return false with the reason in *error when a file cannot be read or
    // written.
    bool LoadMemory(const std::string &dir, std::string *error);
    bool SaveMemory(const std::string &dir, std::string *error) const;

private:
    struct State;
    std::unique_ptr<State> state_;
};

} // namespace korvanta::sim
