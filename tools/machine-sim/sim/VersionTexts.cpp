#include "sim/VersionTexts.h"

namespace korvanta::sim {

namespace {
constexpr const char *kBoot = "1.05";
constexpr const char *kFirmware = "1.10";
constexpr const char *kKeyboard = "1.02";
constexpr const char *kCoinKeyboard = "K1.02";
constexpr const char *kHardware = "1.00";

std::string OrDefault(const std::string &text, const char *fallback) {
    return text.empty() ? fallback : text;
}
} // namespace

std::array<std::string, 4> VersionTexts(const ControllerOptions &options) {
    return {OrDefault(options.bootText, kBoot), OrDefault(options.firmwareText, kFirmware),
            OrDefault(options.keyboardText, options.coin ? kCoinKeyboard : kKeyboard),
            OrDefault(options.hardwareText, kHardware)};
}

} // namespace korvanta::sim
