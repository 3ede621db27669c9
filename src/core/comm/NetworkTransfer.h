#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "comm/NetworkLine.h"

namespace korvanta {

// Data travels in blocks of 64 bytes, sent once to every machine as 128 hex digits.
constexpr std::size_t kNetworkBlockBytes = 64;
constexpr int kFirstNetworkCycleBlock = 0;
constexpr int kLastNetworkCycleBlock = 1024;
constexpr int kFirstNetworkSoftwareBlock = 2048;
constexpr int kLastNetworkSoftwareBlock = 3072;
// Bytes of a file that the largest allowed write can reach.
constexpr std::uintmax_t kNetworkFileBytesRead =
    (kLastNetworkCycleBlock - kFirstNetworkCycleBlock + 1) * kNetworkBlockBytes;

// Why a network write stopped; only none versus any other shows to the user.
enum class NetworkTransferError {
    None = 0,
    NotReady = 1,          // "A" not answered
    NotAnnounced = 2,      // "BL" not answered
    BlockNotConfirmed = 3, // "R" not answered
    BoundaryCommit = 4,    // "BF" after block 3071 not answered
    TooManyBlocks = 5,
    FinalCommit = 6, // the last "BF" not answered
    NotFinished = 7, // "GO" not answered
    BadSignature = 8,
};

// How one kind of file goes out.
struct NetworkTransferPlan {
    int firstBlock;        // number of the file's first block
    int lastBlock;         // a block number above this stops the write
    int blockPauseMs;      // after each broadcast block
    bool acceptsOkConfirm; // "R" answered with a text starting with "O" confirms at once
    bool commitsEvery1024; // blocks ...3FF are committed as soon as they are confirmed
};

inline constexpr NetworkTransferPlan kCyclesPlan{kFirstNetworkCycleBlock, kLastNetworkCycleBlock,
                                                 50, true, false};
inline constexpr NetworkTransferPlan kSoftwarePlan{kFirstNetworkSoftwareBlock,
                                                   kLastNetworkSoftwareBlock, 25, false, true};

// Sends a file of `size` bytes to every ticked machine: ready, announce, size / 64 + 1 blocks
// each confirmed by every machine, commit, finish.
NetworkTransferError SendNetworkFile(NetworkLine &line, const std::vector<uint8_t> &head,
                                     std::uintmax_t size, const NetworkTransferPlan &plan);

} // namespace korvanta
