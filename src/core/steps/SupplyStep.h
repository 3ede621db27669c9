#pragma once

#include <string>

namespace korvanta {

// A Supply step opens soap compartments and remote chemical supplies for a time.
//   Code1: soap supplies, bit 0 = A (or 1) .. bit 5 = F; bits 6 and 7 are kept as they are
//   Code2: remote supplies, bit 0 = first remote supply .. bit 5 = sixth
//   Code3: minutes 0..10, Code4: seconds 0..59
constexpr int kSupplyButtonsPerCode = 6;
constexpr int kSupplyButtonBits = 0x3F; // the bits the editor's buttons own
constexpr int kSupplyMaxMinutes = 10;
constexpr int kSupplyInitialSeconds = 45;
// On the 4-compartment generation soap A and soap D need this long at least when the arrows
// shorten the time: the compartment must be flushed before the step ends.
constexpr int kSupplyMinimumSoapSeconds = 15;
constexpr int kSupplyFlushedSoapBits = 0x01 | 0x08; // soap A (softener) and soap D (bleach)

// Caption of the soap button for bit 0..5 in the layout of a generation.
std::string SoapButtonCaption(int bit, bool compartmentMachine);
// Caption of the remote supply button for bit 0..5 in the layout of a generation.
std::string RemoteSupplyButtonCaption(int bit, bool compartmentMachine);
// Captions of soap D, E, F before the editor has shown a step.
std::string InitialSoapButtonCaption(int bit);

// The code with bits 0..5 replaced by the buttons' bits; bits 6 and up stay.
int WithSupplyButtonBits(int code, int buttonBits);

// Seconds after the minimum-time rule: on the 4-compartment generation, with soap A or soap D
// selected and a time under 0:15, the time becomes 0:15.
int SupplySecondsAfterMinimumRule(bool compartmentMachine, int soapBits, int minutes, int seconds);

} // namespace korvanta
