#pragma once

#include <optional>
#include <string>
#include <vector>

#include "config/MachineConfig.h"
#include "model/WashData.h"

namespace korvanta {

// What the configuration dialog shows when OK is pressed.
struct ConfigChoice {
    bool fourCompartment = true; // "4 compartment" down
    int listIndex = 0;           // selection of the visible type list
    bool english = false;
    std::optional<int> drain1; // 1 valve, 2 pump; nothing when neither button is down
    std::optional<int> drain2; // 0 none, 1 valve, 2 pump; nothing when no button is down
    bool extraInlet = false;   // sbReuse down
    int heatKW = 9;
    int flowRate = 17;
    int spinRetries = 5;
    int coldTemp = 20;          // spinner value, degrees C or F
    int hotTemp = 75;           // spinner value, degrees C or F
    bool tempsInCelsius = true; // spinners hold degrees C
    bool advanceEnabled = true;
    bool chemHoldEnabled = false;
    bool showTemp = true;
    int levelHysteresis = 2;
    int tempHysteresis = 2;
};

// The controls as they are set from a configuration when the dialog opens (degrees C).
ConfigChoice ChoiceFromConfig(const MachineConfig &config);

// The question asked before a change of soap supply generation clears the wash data.
// Nothing when the generation stays.
std::optional<std::string> GenerationChangeQuestion(int oldType, bool fourCompartment);

constexpr const char *kExtraInletMessage = "Reuse inlets disabled or converted to cold inlet!";
constexpr const char *kHardInletMessage = "Hard inlets converted to cold inlet!";
constexpr const char *kSecondDrainMessage =
    "All drains that were set to drain 2,\nare converted to drain 1!";

// Fill steps lose the extra inlet: one that filled through it alone takes the cold inlet.
bool RemoveExtraInlet(WashData &data);
// Fill steps lose the hard water inlet bit.
bool ClearHardInlets(WashData &data);
// Drain steps on the second drain move to the first.
bool MoveDrainsToDrain1(WashData &data);
// Wash steps at the wash or gentle preset of the old drum take the presets of the new one.
bool ConvertWashSpeeds(WashData &data, int oldType, int newType);

// Writes the dialog's controls into the configuration.
void StoreChoice(MachineConfig &config, const ConfigChoice &choice);

// OK after the generation question was answered (or not needed): stores the type, brings
// the steps in line with the new configuration and stores the other controls. Returns the
// warnings to show, in order.
std::vector<std::string> ConfirmConfig(MachineConfig &config, WashData &data,
                                       const ConfigChoice &choice);

} // namespace korvanta
