#include "comm/VersionReply.h"

namespace korvanta {

namespace {
constexpr std::size_t kVersionTextBytes = 10;
constexpr std::size_t kBootAt = 2;
constexpr std::size_t kFirmwareAt = 12;
constexpr std::size_t kKeyboardAt = 22;
constexpr std::size_t kHardwareAt = 32;

std::string TextAt(const ReplyBuffer &reply, std::size_t at) {
    std::string text;
    for (std::size_t i = at; i < at + kVersionTextBytes && reply.At(i) != 0; ++i)
        text.push_back(static_cast<char>(reply.At(i)));
    return text;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
} // namespace

VersionTexts ReadVersionTexts(const ReplyBuffer &reply) {
    return {TextAt(reply, kBootAt), TextAt(reply, kFirmwareAt), TextAt(reply, kKeyboardAt),
            TextAt(reply, kHardwareAt)};
}

int VersionNumber(const std::string &text) {
    if (text.size() < 4 || !IsDigit(text[0]) || !IsDigit(text[2]) || !IsDigit(text[3]))
        return 0;
    return 100 * (text[0] - '0') + 10 * (text[2] - '0') + (text[3] - '0');
}

char KeypadKindOf(const VersionTexts &texts) {
    return texts.keyboard.empty() ? 0 : texts.keyboard[0];
}

} // namespace korvanta
