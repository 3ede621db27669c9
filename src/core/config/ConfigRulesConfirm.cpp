#include "config/ConfigRulesConfirm.h"

#include <algorithm>
#include <functional>

#include "config/ConfigRules.h"
#include "config/MachineTypeTable.h"
#include "model/Conversions.h"

namespace korvanta {

namespace {

// Fill Code1 bits.
constexpr int kColdInlet = 0x01;
constexpr int kExtraInlet = 0x04;
constexpr int kHardInlet = 0x08;
constexpr int kInletBits = 0x0F;
// Drain Code1 bits.
constexpr int kDrain1 = 0x01;
constexpr int kDrain2 = 0x02;
constexpr int kWashSpeedCode = 5; // Wash Code5: drum speed in rpm

// Applies a change to Code n of every record of a type that has it; true when any changed.
bool RewriteCodes(WashData &data, RecordType type, int n, const std::function<int(int)> &change) {
    bool changed = false;
    for (WashRecord &record : data.Records()) {
        if (record.type != type || !record.Has(n))
            continue;
        const int before = record.Code(n);
        const int after = change(before);
        if (after != before) {
            record.SetCode(n, after);
            changed = true;
        }
    }
    return changed;
}

uint8_t Byte(int value) {
    return static_cast<uint8_t>(std::clamp(value, 0, 255));
}

uint8_t StoredTemp(int spinner, bool inCelsius) {
    return Byte(2 * (inCelsius ? spinner : FahrenheitToCelsius(spinner)));
}

} // namespace

ConfigChoice ChoiceFromConfig(const MachineConfig &config) {
    ConfigChoice choice;
    choice.fourCompartment = config.machineType >= kFirstCompartmentType;
    choice.listIndex =
        choice.fourCompartment ? config.machineType - kFirstCompartmentType : config.machineType;
    choice.english = config.English();
    const int drain1 = config.drains & 0x0F;
    choice.drain1 = (drain1 == 1 || drain1 == 2) ? std::optional<int>(drain1) : std::nullopt;
    const int drain2 = config.drains >> 4;
    choice.drain2 = drain2 <= 2 ? std::optional<int>(drain2) : std::nullopt;
    choice.extraInlet = (config.inletOptions & 0x01) != 0;
    choice.heatKW = config.heatKW;
    choice.flowRate = config.flowRate;
    choice.spinRetries = config.spinRetries;
    choice.coldTemp = config.coldInletTemp / 2;
    choice.hotTemp = config.hotInletTemp / 2;
    choice.tempsInCelsius = true;
    choice.advanceEnabled = config.advance != 0;
    choice.chemHoldEnabled = config.chemHold == 0;
    choice.showTemp = config.showTemp != 0;
    choice.levelHysteresis = config.levelHysteresis;
    choice.tempHysteresis = config.tempHysteresis;
    return choice;
}

std::optional<std::string> GenerationChangeQuestion(int oldType, bool fourCompartment) {
    const char *tail = "!\nThe washdata is not compatible and will be cleared!\nContinue?";
    if (oldType < kFirstCompartmentType && fourCompartment)
        return std::string("Changing machine type to CT4") + tail;
    if (oldType >= kFirstCompartmentType && !fourCompartment)
        return std::string("Changing machine type to CT3") + tail;
    return std::nullopt;
}

bool RemoveExtraInlet(WashData &data) {
    return RewriteCodes(data, RecordType::Fill, 1, [](int code) {
        if ((code & kInletBits) == kExtraInlet)
            return (code & ~kInletBits) | kColdInlet;
        return code & ~kExtraInlet;
    });
}

bool ClearHardInlets(WashData &data) {
    return RewriteCodes(data, RecordType::Fill, 1, [](int code) { return code & ~kHardInlet; });
}

bool MoveDrainsToDrain1(WashData &data) {
    return RewriteCodes(data, RecordType::Drain, 1,
                        [](int code) { return (code | kDrain1) & ~kDrain2; });
}

bool ConvertWashSpeeds(WashData &data, int oldType, int newType) {
    if (oldType == newType)
        return false;
    const int oldNormal = NormalWashSpeed(oldType);
    const int oldGentle = GentleWashSpeed(oldType);
    const int newNormal = NormalWashSpeed(newType);
    const int newGentle = GentleWashSpeed(newType);
    return RewriteCodes(data, RecordType::Wash, kWashSpeedCode, [&](int speed) {
        if (speed == oldNormal)
            return newNormal;
        if (speed == oldGentle)
            return newGentle;
        return speed;
    });
}

void StoreChoice(MachineConfig &config, const ConfigChoice &choice) {
    config.units = choice.english ? 1 : 0;
    if (choice.drain1)
        config.drains = static_cast<uint8_t>((config.drains & 0xF0) | *choice.drain1);
    if (choice.drain2)
        config.drains = static_cast<uint8_t>((config.drains & 0x0F) | (*choice.drain2 << 4));
    config.inletOptions =
        static_cast<uint8_t>((config.inletOptions & ~0x01) | (choice.extraInlet ? 1 : 0));
    config.heatKW = Byte(choice.heatKW);
    config.flowRate = Byte(choice.flowRate);
    config.spinRetries = Byte(choice.spinRetries);
    config.coldInletTemp = StoredTemp(choice.coldTemp, choice.tempsInCelsius);
    config.hotInletTemp = StoredTemp(choice.hotTemp, choice.tempsInCelsius);
    config.advance = choice.advanceEnabled ? 1 : 0;
    config.chemHold = choice.chemHoldEnabled ? 0 : 1;
    config.showTemp = choice.showTemp ? 1 : 0;
    config.levelHysteresis = Byte(choice.levelHysteresis);
    config.tempHysteresis = Byte(choice.tempHysteresis);
}

std::vector<std::string> ConfirmConfig(MachineConfig &config, WashData &data,
                                       const ConfigChoice &choice) {
    std::vector<std::string> warnings;
    const int oldType = config.machineType;
    const int shown = ShownType(choice.fourCompartment, choice.listIndex);
    if (shown >= 0 && shown < kMachineTypeCount)
        config.machineType = static_cast<uint8_t>(shown);
    if (!choice.extraInlet && RemoveExtraInlet(data))
        warnings.emplace_back(kExtraInletMessage);
    if (ClearHardInlets(data))
        warnings.emplace_back(kHardInletMessage);
    if (choice.drain2 == 0 && MoveDrainsToDrain1(data))
        warnings.emplace_back(kSecondDrainMessage);
    StoreChoice(config, choice);
    ConvertWashSpeeds(data, oldType, config.machineType);
    return warnings;
}

} // namespace korvanta
