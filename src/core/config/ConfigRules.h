#pragma once

#include <optional>
#include <string>
#include <vector>

namespace korvanta {

// Rules of the configuration dialog that follow from the shown machine type and the display
// units. Texts are Windows-1252 bytes (the degree sign is 0xB0).

// The type a dialog list selection stands for: 4-compartment types follow the 18 others.
int ShownType(bool fourCompartment, int listIndex);

// A length for the dimension texts: "530 mm", or in English units whole and half inches
// ("20.5 inch"; -90 mm reads "-3.0 inch" since division and remainder truncate toward zero).
std::string LengthText(int mm, bool english);

struct DimensionTexts {
    std::string offset;       // "Offset : ..."
    std::string drumDiameter; // "Diameter drum : ..."
    std::string tubDiameter;  // "Diameter tub : ..."
    std::string tubDepth;     // "Depth tub : ..."
};

DimensionTexts DimensionTextsFor(int type, bool english);

struct HysteresisChoices {
    std::vector<std::string> levelItems;
    std::string levelUnit;
    std::vector<std::string> tempItems;
    std::string tempUnit;
};

// Items of the two hysteresis lists; the stored value is the index, whatever the units.
HysteresisChoices HysteresisChoicesFor(bool english);

std::string DegreeText(bool english); // "°C" or "°F"

struct TempSpinnerRange {
    int min;
    int max;
    int step;
};

// The inlet temperature spinners hold whole degrees C (10..90) or even degrees F (50..200).
TempSpinnerRange TempSpinnerRangeFor(bool english);

// A spinner value carried over to the other unit and brought into that unit's range.
int ConvertTempSpinner(int value, bool toEnglish);

// The unit text beside the flow field. Metric "l"; English adds the flow in tenths of US and
// imperial gallons. Returns nothing when the field's text is no number (an empty field while
// typing): the text shown before stays.
std::optional<std::string> FlowText(bool english, const std::string &fieldText);

// Captions and shown buttons that follow the soap supply generation of a type.
struct GenerationCaptions {
    std::string extraInlet;  // sbReuse: "Aux Fill" or "Direct Fill"
    std::string drain2Valve; // sbDrain2Valve: "Valve" or "Dual drain"
    bool drain2PumpShown;    // 4-compartment machines have no second drain pump
};

GenerationCaptions GenerationCaptionsFor(int type);

// Rows that follow the coin kind of a type: coin machines set the temperature display, the
// others advance and chemical hold. Disabled rows keep their state and are stored all the same.
struct BehaviourRows {
    bool temperatureEnabled;
    bool advanceEnabled;
    bool chemHoldEnabled;
};

BehaviourRows BehaviourRowsFor(int type);

// Drain 1 is fixed while a 4-compartment machine drains through both valves ("Dual drain").
bool Drain1Enabled(bool fourCompartment, bool dualDrainDown);

} // namespace korvanta
