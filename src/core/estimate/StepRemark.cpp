#include "estimate/StepRemark.h"

#include <cstdio>

#include "estimate/StepRules.h"
#include "model/Conversions.h"
#include "steps/WashStep.h"

namespace korvanta {

namespace {

std::string Format(const char *pattern, int a, int b = 0) {
    char text[128];
    std::snprintf(text, sizeof text, pattern, a, b);
    return text;
}

std::string FillRemark(const TubState &after, const MachineConfig &config) {
    if (!after.notReached)
        return {};
    const int level = static_cast<int>(after.level);
    if (config.English()) {
        const int tenths = LevelToTenthInch(level);
        return Format("(Attention: only %d,%dinch will be reached within the given time.)",
                      tenths / 10, tenths % 10);
    }
    return Format("(Attention: only %dcm will be reached within the given time.)", level / 2);
}

// Wash, Soak and Heat: the temperature that will be reached, or why there is none.
std::string TemperatureRemark(bool heats, const TubState &after, const MachineConfig &config) {
    if (after.notReached) {
        if (heats && config.heatKW == 0)
            return "(Warning: temperature can't be reached, machine has no heat source.)";
        const int temp = static_cast<int>(after.temperature);
        const bool english = config.English();
        return Format("(Attention: only %d\xB0%c will be reached within the given time.)",
                      english ? CodeToFahrenheit(temp) : CodeToCelsius(temp), english ? 'F' : 'C');
    }
    if (after.level == 0)
        return "(Attention: there is no water in the tub.)";
    return {};
}

} // namespace

std::string StepRemark(const WashRecord &step, const TubState &after, const MachineConfig &config) {
    switch (step.type) {
    case RecordType::Fill:
        return FillRemark(after, config);
    case RecordType::Wash:
        // A cool-down misses its temperature for lack of cold water, never for lack of heat.
        return TemperatureRemark(step.Code(1) != kWashCooldownMode, after, config);
    case RecordType::Soak:
    case RecordType::Heat:
        return TemperatureRemark(true, after, config);
    default:
        return {};
    }
}

} // namespace korvanta
