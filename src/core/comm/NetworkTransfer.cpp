#include "comm/NetworkTransfer.h"

#include <algorithm>
#include <functional>
#include <string>

#include "comm/FormatText.h"
#include "comm/LinkSettings.h"
#include "comm/NetworkFrame.h"
#include "comm/NetworkTransaction.h"

namespace korvanta {

namespace {
constexpr int kAttempts = 5; // per machine and request
constexpr int kReadyPauseMs = 100;
constexpr int kCommitReadTotalMs = 20000; // a machine may take long to store what it got
constexpr int kNoBlock = 0xFFFF;          // what a machine answers when a block is missing
constexpr int kBoundaryMask = 0x3FF;

// Expected reply lengths (the transaction reads two more bytes).
constexpr std::size_t kReadyReplyBytes = 8;
constexpr std::size_t kAnnounceReplyBytes = 9;
constexpr std::size_t kConfirmReplyBytes = 12;
constexpr std::size_t kCommitReplyBytes = 11;
constexpr std::size_t kFinishReplyBytes = 8;

using Acceptance = std::function<bool(bool valid, const ReplyBuffer &reply)>;

struct Request {
    std::string command;
    std::size_t replyBytes;
    Acceptance accepted;
    int pauseMs = 0; // after a refused attempt
};

bool ValidAndStartsWith(bool valid, const ReplyBuffer &reply, const char *text) {
    return valid && NetworkReplyStartsWith(reply, text);
}

// A confirmed or committed block number: 4 hex digits, not FFFF.
bool ValidBlockWord(bool valid, const ReplyBuffer &reply) {
    const int word = NetworkReplyWord(reply);
    return valid && word >= 0 && word != kNoBlock;
}

bool AskMachine(NetworkLine &line, const NetworkMachine &machine, const Request &request) {
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const bool valid = NetworkTransaction(line.port, line.state.reply, machine.address,
                                              request.command, request.replyBytes);
        if (request.accepted(valid, line.state.reply))
            return true;
        if (request.pauseMs > 0)
            line.port.Sleep(request.pauseMs);
    }
    return false;
}

// Every ticked machine in list order; the first that fails ends the round.
bool AskEveryTicked(NetworkLine &line, const Request &request) {
    for (const NetworkMachine &machine : line.state.machines)
        if (machine.ticked && !AskMachine(line, machine, request))
            return false;
    return true;
}

Request Ready() {
    return {"A", kReadyReplyBytes,
            [](bool valid, const ReplyBuffer &r) { return ValidAndStartsWith(valid, r, "a"); },
            kReadyPauseMs};
}

Request Announce(int total) {
    return {FormatText("BL%04X", total), kAnnounceReplyBytes, [](bool valid, const ReplyBuffer &r) {
                // Exactly "Ok": its two checksum digits and the CR follow at once.
                return ValidAndStartsWith(valid, r, "Ok") &&
                       r.At(kNetworkTextAt + 4) == kNetworkEnd;
            }};
}

// Older controllers confirm a cycles block with "Ok"; that answer is taken even unchecked.
Request Confirm(bool acceptsOk) {
    return {"R", kConfirmReplyBytes, [acceptsOk](bool valid, const ReplyBuffer &r) {
                return (acceptsOk && NetworkReplyStartsWith(r, "O")) || ValidBlockWord(valid, r);
            }};
}

Request Finish() {
    return {"GO", kFinishReplyBytes,
            [](bool valid, const ReplyBuffer &r) { return ValidAndStartsWith(valid, r, "g"); }};
}

bool Commit(NetworkLine &line, int block) {
    line.port.SetReadTimeoutConstant(kCommitReadTotalMs);
    const bool committed =
        AskEveryTicked(line, {FormatText("BF%04X", block), kCommitReplyBytes, ValidBlockWord});
    line.port.SetReadTimeoutConstant(NetworkLink.readTotalConstantMs);
    return committed;
}

void Broadcast(NetworkLine &line, int number, const std::vector<uint8_t> &block) {
    std::string command = FormatText("BW%04X", number);
    for (uint8_t byte : block)
        command += FormatText("%02X", byte);
    NetworkTransaction(line.port, line.state.reply, kBroadcastAddress, command, 0);
}

// Block `index` of a file of `size` bytes whose first bytes are `head`: where the file ends
// inside the block, the missing bytes repeat its last byte.
std::vector<uint8_t> NetworkBlock(const std::vector<uint8_t> &head, std::uintmax_t size,
                                  std::size_t index) {
    const std::uintmax_t available = std::min<std::uintmax_t>(size, head.size());
    const uint8_t last = available > 0 ? head[static_cast<std::size_t>(available - 1)] : 0;
    std::vector<uint8_t> block(kNetworkBlockBytes, last);
    for (std::size_t i = 0; i < kNetworkBlockBytes; ++i) {
        const std::uintmax_t at = index * kNetworkBlockBytes + i;
        if (at < available)
            block[i] = head[static_cast<std::size_t>(at)];
    }
    return block;
}

NetworkTransferError SendBlocks(NetworkLine &line, const std::vector<uint8_t> &head,
                                std::uintmax_t size, const NetworkTransferPlan &plan) {
    const std::uintmax_t lastIndex = size / kNetworkBlockBytes;
    int number = plan.firstBlock;
    bool committed = false;
    for (std::uintmax_t index = 0;; ++index) {
        Broadcast(line, number, NetworkBlock(head, size, static_cast<std::size_t>(index)));
        ShowNetworkProgress(line, number);
        line.ui.ProcessEvents(); // the dialog stays alive; it ignores clicks while writing
        line.port.Sleep(plan.blockPauseMs);
        if (!AskEveryTicked(line, Confirm(plan.acceptsOkConfirm)))
            return NetworkTransferError::BlockNotConfirmed;
        committed = plan.commitsEvery1024 && (number & kBoundaryMask) == kBoundaryMask;
        if (committed && !Commit(line, number))
            return NetworkTransferError::BoundaryCommit;
        if (++number > plan.lastBlock)
            return NetworkTransferError::TooManyBlocks;
        if (index == lastIndex)
            break;
    }
    if (!committed && !Commit(line, number - 1))
        return NetworkTransferError::FinalCommit;
    return NetworkTransferError::None;
}
} // namespace

NetworkTransferError SendNetworkFile(NetworkLine &line, const std::vector<uint8_t> &head,
                                     std::uintmax_t size, const NetworkTransferPlan &plan) {
    const int total = static_cast<int>(std::min<std::uintmax_t>(size / kNetworkBlockBytes, 0xFFFF));
    line.state.blockTotal = total;
    if (!AskEveryTicked(line, Ready()))
        return NetworkTransferError::NotReady;
    if (!AskEveryTicked(line, Announce(total)))
        return NetworkTransferError::NotAnnounced;
    const NetworkTransferError sent = SendBlocks(line, head, size, plan);
    if (sent != NetworkTransferError::None)
        return sent;
    if (!AskEveryTicked(line, Finish()))
        return NetworkTransferError::NotFinished;
    return NetworkTransferError::None;
}

} // namespace korvanta
