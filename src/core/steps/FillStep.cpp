#include "steps/FillStep.h"

#include "config/MachineTypeTable.h"
#include "model/Conversions.h"
#include "steps/FillLevel.h"
#include "steps/StepDescription.h"
#include "steps/TempScale.h"

namespace korvanta {

namespace {

std::string Tenths(int tenths) {
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

std::string InletText(int code1, int code2, const MachineConfig &config) {
    switch (code1 & kFillInletMask) {
    case 1:
        return "Cold";
    case 2:
        return "Hot";
    case 3:
        return "Warm";
    default:
        return FillIsAuxOnly(code1, code2) ? "" : TempCodeText(code2, config);
    }
}

std::string LevelText(int levelCode, const MachineConfig &config) {
    switch (levelCode) {
    case kFillLevelLow:
        return "to Low Level";
    case kFillLevelMed:
        return "to Med Level";
    case kFillLevelHigh:
        return "to High Level";
    case kFillLevelOver:
        return "to Overflow";
    default:
        return "to Level = " + FillLevelText(levelCode, FillLevelScaleFor(config.English()));
    }
}

std::string CompartmentText(int code1) {
    switch (code1 & kFillCompartmentBits) {
    case kFillPrewash:
        return " [P]";
    case kFillWashCompartment:
        return " [W]";
    case kFillCompartmentBits:
        return " [PW]";
    default:
        return "";
    }
}

} // namespace

FillInletCodes FillInletStore(int code1, const FillInletButtons &buttons, int tempCode) {
    int inlet = buttons.reuse ? 0 : 1;
    if (buttons.down)
        inlet = static_cast<int>(*buttons.down);
    FillInletCodes codes{(code1 & ~kFillInletBits) | inlet, tempCode};
    if (buttons.reuse)
        codes.code1 |= kFillAuxInlet;
    if (inlet == 0 && buttons.down != FillInlet::Controlled)
        codes.code2 = kFillNoTemperature;
    return codes;
}

bool FillIsAuxOnly(int code1, int code2) {
    return (code1 & kFillInletMask) == 0 && code2 == kFillNoTemperature;
}

std::optional<FillInlet> FillInletShown(int code1, int code2) {
    if (FillIsAuxOnly(code1, code2))
        return std::nullopt;
    return static_cast<FillInlet>(code1 & kFillInletMask);
}

int FillCompartmentBits(bool prewash, bool wash) {
    if (!prewash && !wash)
        prewash = true;
    return (prewash ? kFillPrewash : 0) | (wash ? kFillWashCompartment : 0);
}

bool FillCorrectOnLoad(WashRecord &record, const MachineConfig &config) {
    bool changed = false;
    const int code1 = record.Code(1);
    if (!FillIsAuxOnly(code1, record.Code(2)) && record.Code(2) == kFillNoTemperature) {
        record.SetCode(2, 0);
        changed = true;
    }
    if (IsCompartmentMachine(config.machineType) && (code1 & kFillCompartmentBits) == 0) {
        record.SetCode(1, code1 | kFillPrewash);
        changed = true;
    }
    return changed;
}

void FillNewStepCodes(WashRecord &record, const FillTemplate &controls) {
    const FillInletCodes inlet = FillInletStore(0, controls.inlet, controls.tempCode);
    int code1 = inlet.code1;
    if (controls.prewash)
        code1 |= kFillPrewash;
    if (controls.wash)
        code1 |= kFillWashCompartment;
    if (controls.rotationDisabled)
        code1 |= kFillNoRotation;
    if (controls.auxHeatEnabled)
        code1 |= kFillAuxHeat;
    record.type = RecordType::Fill;
    record.codes = {};
    record.SetCode(1, code1);
    record.SetCode(2, inlet.code2);
    record.SetCode(3, controls.levelCode);
    record.SetCode(4, controls.minutes);
    record.SetCode(5, controls.seconds);
    record.time = 0;
}

std::string FillVolumeText(int volumeDl, bool english) {
    if (!english)
        return "(" + Tenths(volumeDl) + " l)";
    return "(" + Tenths(LitresToUsGallons(volumeDl)) + " US " +
           Tenths(LitresToImperialGallons(volumeDl)) + " Imp gal)";
}

const char *FillReuseCaption(const MachineConfig &config) {
    return IsCompartmentMachine(config.machineType) ? "Direct Fill" : "Aux Fill";
}

std::string FillStepDescription(const WashRecord &step, const MachineConfig &config) {
    const int code1 = step.Code(1);
    std::string text = InletText(code1, step.Code(2), config);
    if ((code1 & kFillAuxInlet) != 0) {
        if (!FillIsAuxOnly(code1, step.Code(2)))
            text += "+";
        text += IsCompartmentMachine(config.machineType) ? "Direct" : "Aux";
    }
    text += " Fill " + LevelText(step.Code(3), config);
    if (IsCompartmentMachine(config.machineType))
        text += CompartmentText(code1);
    return text;
}

} // namespace korvanta
