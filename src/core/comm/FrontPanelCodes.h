#pragma once

#include <cstddef>
#include <cstdint>

namespace korvanta {

// Control characters of the front-panel protocol.
constexpr uint8_t kStx = 0x02;
constexpr uint8_t kEtx = 0x03;
constexpr uint8_t kAck = 0x06;
constexpr uint8_t kNak = 0x15;

// Reply lengths in bytes.
constexpr std::size_t kShortReplyBytes = 4;     // STX, verdict, two more bytes
constexpr std::size_t kIdentifyReplyBytes = 8;  // non-coin identification
constexpr std::size_t kCoinIdentifyBytes = 9;   // with the coin letter at index 6
constexpr std::size_t kVersionReplyBytes = 44;  // four 10-character version texts
constexpr std::size_t kBlockFrameBytes = 289;   // 17 rows of 17 bytes
constexpr std::size_t kParameterReplyBytes = 7; // STX, 4 hex digits, checksum, ETX
constexpr std::size_t kBlockBytes = 256;        // data bytes of one block

constexpr int kIdentifyAttempts = 10;
constexpr int kTaskPolls = 20;
constexpr int kTaskPollPauseMs = 50;
constexpr int kRefusedFramesBeforeAsking = 10;
constexpr int kBlockReadRounds = 25;     // cycle block reads before asking
constexpr int kParameterReadRounds = 10; // parameter reads before asking

// Attempts of SendCommand per command.
constexpr int kVersionAttempts = 3;
constexpr int kAttentionAttempts = 50;
constexpr int kEraseAttempts = 10;
constexpr int kAnnounceAttempts = 10; // "WLB", "WB1", "PB1"
constexpr int kTaskAttempts = 20;
constexpr int kBlockCountAttempts = 10;
constexpr int kStartAttempts = 100;
constexpr int kParameterWriteAttempts = 10;

} // namespace korvanta
