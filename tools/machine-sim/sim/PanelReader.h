#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sim/BlockFrame.h"

namespace korvanta::sim {

// One complete thing the computer sent over the front-panel line.
struct PanelRequest {
    enum class Kind { Command, Block, BadBlock };
    Kind kind = Kind::Command;
    std::string text;                            // the command text (Kind::Command)
    std::array<uint8_t, kBlockDataBytes> data{}; // the block's data bytes (Kind::Block)
};

// Cuts the incoming byte stream into command frames (STX, printable text, checksum, ETX) and,
// after the controller has accepted "WB1", one raw 289-byte block frame. Bytes outside a frame,
// over-long frames and frames with a wrong checksum are dropped without an answer.
class PanelReader {
public:
    static constexpr std::size_t kLongestFrame = 64;

    std::optional<PanelRequest> Feed(uint8_t byte);
    void ExpectBlock();
    void Reset(); // the line went quiet: forget any half-received frame or block

private:
    enum class Mode { Hunting, Frame, Block };
    std::optional<PanelRequest> FinishFrame();
    std::optional<PanelRequest> FinishBlock();

    Mode mode_ = Mode::Hunting;
    std::vector<uint8_t> bytes_;
};

} // namespace korvanta::sim
