#include "sim/NetworkBus.h"

#include <algorithm>
#include <utility>

#include "sim/HexText.h"
#include "sim/NetworkFrame.h"

namespace korvanta::sim {

namespace {
constexpr std::size_t kBlockNumberDigits = 4;
constexpr std::size_t kBlockHexDigits = 2 * NetworkMachine::kNetworkBlockBytes;
} // namespace

NetworkBus::NetworkBus(const ControllerOptions &options, FaultInjector &faults,
                       std::vector<std::string> &log)
    : faults_(faults), log_(log) {
    for (int address : options.networkAddresses)
        machines_.emplace_back(address, options);
}

std::vector<uint8_t> NetworkBus::Receive(const uint8_t *data, std::size_t n) {
    std::vector<uint8_t> out;
    for (std::size_t i = 0; i < n; ++i) {
        char c = static_cast<char>(data[i]);
        if (c == kNetworkStart) {
            inFrame_ = true;
            body_.clear();
        } else if (!inFrame_) {
            continue; // the NUL after each frame, or noise between frames
        } else if (c == kNetworkEnd) {
            inFrame_ = false;
            auto reply = Answer(body_);
            out.insert(out.end(), reply.begin(), reply.end());
        } else if (body_.size() < kLongestFrame) {
            body_ += c;
        } else {
            inFrame_ = false;
        }
    }
    return out;
}

void NetworkBus::LineIdle() {
    inFrame_ = false;
}

const NetworkMachine *NetworkBus::Machine(int address) const {
    for (const NetworkMachine &m : machines_)
        if (m.Address() == address)
            return &m;
    return nullptr;
}

NetworkMachine *NetworkBus::Machine(int address) {
    return const_cast<NetworkMachine *>(std::as_const(*this).Machine(address));
}

std::vector<uint8_t> NetworkBus::Answer(const std::string &body) {
    auto request = ParseNetworkFrame(body);
    if (!request) {
        // A damaged data block means every machine lacks it: their next "R" says so.
        if (body.rfind("FFBW", 0) == 0)
            Broadcast("BW");
        return {};
    }
    log_.push_back(HexDigits(static_cast<unsigned>(request->address), 2) + ":" +
                   request->text.substr(0, 6));
    if (request->address == kBroadcastAddress) {
        Broadcast(request->text);
        return {};
    }
    NetworkMachine *machine = Machine(request->address);
    if (machine == nullptr)
        return {};
    return faults_.Pass(NetworkReply(machine->Address(), machine->Answer(request->text)),
                        ReplyCheck::NetworkText);
}

// "BW", the block number as 4 hex digits, then 64 data bytes as 128 hex digits.
void NetworkBus::Broadcast(const std::string &text) {
    if (text.rfind("BW", 0) != 0)
        return;
    unsigned number = 0;
    std::array<uint8_t, NetworkMachine::kNetworkBlockBytes> data{};
    bool damaged = text.size() != 2 + kBlockNumberDigits + kBlockHexDigits ||
                   !ParseHex(std::string_view(text).substr(2, kBlockNumberDigits), number);
    std::string_view digits =
        std::string_view(text).substr(std::min(text.size(), 2 + kBlockNumberDigits));
    for (std::size_t i = 0; !damaged && i < data.size(); ++i) {
        unsigned byte = 0;
        damaged = !ParseHex(digits.substr(2 * i, 2), byte);
        data[i] = static_cast<uint8_t>(byte);
    }
    for (NetworkMachine &m : machines_)
        m.TakeBlock(static_cast<int>(number), data, damaged);
}

} // namespace korvanta::sim
