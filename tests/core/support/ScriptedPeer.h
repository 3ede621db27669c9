#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "comm/CommandFrame.h"
#include "comm/FrontPanelCodes.h"

namespace korvanta::testing {

// A hand-written machine: answers each command frame through `answer`, and each 289-byte
// block frame through `blockAnswer`. Keeps the texts it received.
struct ScriptedPeer {
    std::function<std::vector<uint8_t>(const std::string &)> answer;
    std::function<std::vector<uint8_t>()> blockAnswer;
    std::vector<std::string> texts; // "<block>" for a block frame

    std::vector<uint8_t> operator()(const uint8_t *data, std::size_t n) {
        if (n == kBlockFrameBytes) {
            texts.push_back("<block>");
            return blockAnswer ? blockAnswer() : Short(kAck);
        }
        if (n < 3)
            return {};
        const std::string text(reinterpret_cast<const char *>(data) + 1, n - 3);
        texts.push_back(text);
        return answer ? answer(text) : std::vector<uint8_t>{};
    }
    int Count(const std::string &text) const {
        int count = 0;
        for (const std::string &t : texts)
            count += t == text;
        return count;
    }

    static std::vector<uint8_t> Short(uint8_t verdict) { return {kStx, verdict, 0x30, kEtx}; }
    // A framed reply around a payload, as "I", "VER" and "ER" answers are built.
    static std::vector<uint8_t> Framed(const std::string &payload) {
        std::vector<uint8_t> bytes(payload.size() + 3);
        bytes[0] = kStx;
        for (std::size_t i = 0; i < payload.size(); ++i)
            bytes[i + 1] = static_cast<uint8_t>(payload[i]);
        bytes[payload.size() + 1] = FrameChecksum(payload);
        bytes[payload.size() + 2] = kEtx;
        return bytes;
    }
};

} // namespace korvanta::testing
