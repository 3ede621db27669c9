#include "steps/HeatSoakCodes.h"

#include "steps/StepDescription.h"
#include "steps/TempScale.h"

namespace korvanta {

void SetHeatSoakCodes(WashRecord &record, RecordType type, const HeatSoakCodes &codes) {
    record.type = type;
    record.codes = {};
    record.SetCode(1, codes.tempCode);
    record.SetCode(2, codes.hours);
    record.SetCode(3, codes.minutes);
    record.time = 0;
}

std::string HeatSoakDescription(const char *word, const WashRecord &step,
                                const MachineConfig &config) {
    return std::string(word) + " " + " (" + TempCodeText(step.Code(1), config) + ")";
}

std::string SoakStepDescription(const WashRecord &step, const MachineConfig &config) {
    return HeatSoakDescription("Soak", step, config);
}

std::string HeatStepDescription(const WashRecord &step, const MachineConfig &config) {
    return HeatSoakDescription("Heat", step, config);
}

} // namespace korvanta
