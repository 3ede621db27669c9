#pragma once

#include <cstdint>
#include <optional>

#include "comm/FrontPanel.h"

namespace korvanta {

constexpr int kLifeTestParameter = 20;
constexpr uint16_t kLifeTestOn = 0x5A27; // any other value means off

// Switches the machine's life test on or off.
bool WriteLifeTest(FrontPanel &panel, bool on);
// Whether the machine's life test is on; nothing when the read failed.
std::optional<bool> ReadLifeTest(FrontPanel &panel);

} // namespace korvanta
