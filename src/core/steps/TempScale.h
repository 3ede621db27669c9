#pragma once

#include <array>
#include <optional>
#include <string>

#include "config/MachineConfig.h"

namespace korvanta {

// The temperature field shared by the Fill, Wash, Soak and Heat editors, in the unit that the
// configuration displays. Records always hold TempCodes (half degrees Celsius); the field holds
// whole degrees of the display unit: either Min ("Cold" / "No heat") or a value from the
// threshold to Max.
struct TempScale {
    int min; // whole degrees of the display unit
    int max;
    int threshold;              // lowest value above Min that may be set
    const char *unit;           // "\260F" or "\260C" (Windows-1252 degree sign, 0xB0)
    std::array<int, 4> presets; // sbTemp80, sbTemp100, sbTemp110, sbTemp150
    std::array<const char *, 4> presetCaptions;
};

constexpr int kTempFieldMaxLength = 3; // characters of the edit box

const TempScale &TempScaleFor(const MachineConfig &config);

// Captions and range the panels carry before they first show a step (captions without a
// blank, range 32..200); the field's value is then kInitialTempValue.
const TempScale &InitialTempScale();
constexpr int kInitialTempValue = 40;

// A code in whole degrees of the display unit, without any clamp (descriptions, remarks).
int TempCodeToDegrees(int code, const MachineConfig &config);
// "40 \260C" / "104 \260F": a code as the step descriptions show it.
std::string TempCodeText(int code, const MachineConfig &config);

// The value the field shows for a code: the conversion, limited to Max.
int TempFieldShown(int code, const MachineConfig &config);
// The code for a field value. The field may still hold a value of the other unit when the
// units changed since it was last set; a value outside Min..Max is taken as the nearer end, so
// the code always fits in the record's byte.
int TempFieldCode(int value, const MachineConfig &config);
// The code of the value the field shows for a code; what an editor that stores what it shows
// writes back. In Celsius an odd code comes back one lower, in Fahrenheit a code ending in 5
// one higher, and a code above Max comes back as the code of Max.
int TempRoundTrip(int code, const MachineConfig &config);

// One press of the field's arrows: a step of 1 within Min..Max, then a value below the
// threshold becomes the threshold (up) or Min (down).
int TempFieldArrow(int value, bool up, const TempScale &scale);
// Leaving the edit box: empty gives Min, above Max gives Max, below the threshold gives Min.
int TempFieldExit(const std::string &text, const TempScale &scale);

// Wash, Soak and Heat show an English step whose code is 9 (the field's initial 40 read as
// 40 degrees F, when a new step was made before any was shown) as 80 (104 degrees F).
constexpr int kEnglishTemplateCode = 9;
constexpr int kEnglishTemplateCorrected = 80;
std::optional<int> EnglishTemplateCorrection(int code, const MachineConfig &config);

} // namespace korvanta
