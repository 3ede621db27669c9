#pragma once

#include <optional>
#include <string>

#include "config/MachineConfig.h"
#include "model/WashRecord.h"

namespace korvanta {

// Code1 of a Fill record.
constexpr int kFillInletMask = 0x03;  // bits 0-1: FillInlet
constexpr int kFillAuxInlet = 0x04;   // "Aux Fill" / "Direct Fill", with or instead of bits 0-1
constexpr int kFillInletBits = 0x0F;  // bits 0-3, rewritten by every inlet change
constexpr int kFillPrewash = 0x10;    // water through the prewash compartment
constexpr int kFillNoRotation = 0x20; // drum does not turn during the fill
constexpr int kFillAuxHeat = 0x40;    // auxiliary heating during the fill
constexpr int kFillWashCompartment = 0x80; // water through the wash compartment
constexpr int kFillCompartmentBits = kFillPrewash | kFillWashCompartment;

// Code2 of a fill through the auxiliary inlet alone: no temperature.
constexpr int kFillNoTemperature = 255;

enum class FillInlet { Controlled = 0, Cold = 1, Hot = 2, Warm = 3 };

// The inlet buttons of the editor: at most one of the four is down; sbReuse is a switch.
struct FillInletButtons {
    std::optional<FillInlet> down;
    bool reuse = false;
};

struct FillInletCodes {
    int code1;
    int code2;
};

// The inlet store: bits 0-3 of code1 from the buttons (a fill always has an inlet: with no
// button down it is the auxiliary inlet when that is on, else cold), code2 from the field,
// or "no temperature" for the auxiliary inlet alone.
FillInletCodes FillInletStore(int code1, const FillInletButtons &buttons, int tempCode);

// The inlet button shown for a record; nullopt when all four are up (auxiliary inlet alone).
std::optional<FillInlet> FillInletShown(int code1, int code2);
bool FillIsAuxOnly(int code1, int code2);

// Bits 4 and 7 for the two compartment switches; with neither down the prewash compartment
// is used.
int FillCompartmentBits(bool prewash, bool wash);

// The corrections that showing a Fill step makes to its record: code2 "no temperature" with
// a real inlet becomes 0, and on compartment machines a fill with neither compartment gets
// the prewash one. Returns true when the record changed.
bool FillCorrectOnLoad(WashRecord &record, const MachineConfig &config);

// The controls a new Fill step copies.
struct FillTemplate {
    FillInletButtons inlet;
    int tempCode = 0;  // of the field's value, in the current display unit
    int levelCode = 0; // of the level button that is down, else of the level fields
    int minutes = 0;
    int seconds = 0;
    bool prewash = false;
    bool wash = false;
    bool rotationDisabled = false;
    bool auxHeatEnabled = false;
};

void FillNewStepCodes(WashRecord &record, const FillTemplate &controls);

// "(45.0 l)" / "(11.9 US 9.9 Imp gal)" for a volume in decilitres.
std::string FillVolumeText(int volumeDl, bool english);

// "Aux Fill" or, on compartment machines, "Direct Fill".
const char *FillReuseCaption(const MachineConfig &config);

} // namespace korvanta
