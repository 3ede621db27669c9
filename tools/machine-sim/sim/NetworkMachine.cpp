#include "sim/NetworkMachine.h"

#include <algorithm>

#include "sim/HexText.h"

namespace korvanta::sim {

namespace {
constexpr unsigned kNoBlock = 0xFFFF;
constexpr std::size_t kNumberDigits = 4;
} // namespace

NetworkMachine::NetworkMachine(int address, const ControllerOptions &options)
    : address_(address), options_(options) {}

std::string NetworkMachine::Answer(const std::string &text) {
    if (text == "I")
        return Identify();
    if (text == "A") {
        open_ = true;
        blocks_.clear();
        lastGood_ = -1;
        return "ak";
    }
    unsigned number = 0;
    if (text.rfind("BL", 0) == 0 && text.size() == 2 + kNumberDigits &&
        ParseHex(std::string_view(text).substr(2), number) && open_)
        return "Ok";
    if (text == "R")
        return HexDigits(lastGood_ < 0 ? kNoBlock : static_cast<unsigned>(lastGood_),
                         kNumberDigits);
    if (text.rfind("BF", 0) == 0)
        return Commit(text.substr(2));
    if (text == "GO") {
        open_ = false;
        return "go";
    }
    return "?";
}

// Type, drains with its nibbles swapped, and the machine's kind: "C" coin, "N" otherwise.
std::string NetworkMachine::Identify() const {
    unsigned drains = static_cast<unsigned>((options_.drains & 0x0F) << 4 | options_.drains >> 4);
    return HexDigits(options_.machineType, 2) + HexDigits(drains, 2) + (options_.coin ? "C" : "N");
}

void NetworkMachine::TakeBlock(int number, const std::array<uint8_t, kNetworkBlockBytes> &data,
                               bool damaged) {
    if (!open_)
        return;
    if (damaged) {
        lastGood_ = -1;
        return;
    }
    blocks_[number] = data;
    lastGood_ = number;
}

// Commits blocks first..last, where first is 0 for cycles and 2048 for software; refused
// (FFFF) when one of them is missing.
std::string NetworkMachine::Commit(const std::string &numberText) {
    unsigned last = 0;
    if (numberText.size() != kNumberDigits || !ParseHex(numberText, last) || !open_)
        return HexDigits(kNoBlock, kNumberDigits);
    int first =
        static_cast<int>(last) >= kFirstSoftwareNetworkBlock ? kFirstSoftwareNetworkBlock : 0;
    std::vector<uint8_t> bytes;
    for (int b = first; b <= static_cast<int>(last); ++b) {
        auto found = blocks_.find(b);
        if (found == blocks_.end())
            return HexDigits(kNoBlock, kNumberDigits);
        bytes.insert(bytes.end(), found->second.begin(), found->second.end());
    }
    if (first == 0) {
        memory_.SetStoredCycles(bytes);
    } else {
        std::vector<uint8_t> image = memory_.Software();
        std::copy(bytes.begin(),
                  bytes.begin() + static_cast<long>(std::min(bytes.size(), image.size())),
                  image.begin());
        memory_.SetSoftware(image);
    }
    return HexDigits(last, kNumberDigits);
}

} // namespace korvanta::sim
