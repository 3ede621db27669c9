#include "print/ConfigSection.h"

#include <cstddef>

#include "config/ConfigRules.h"
#include "config/MachineTypeTable.h"
#include "model/Conversions.h"

namespace korvanta {

namespace {

// A list item by its stored index; an index the list lacks (a damaged file) shows nothing,
// as a list without a selection does.
std::string Item(const std::vector<std::string> &items, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < items.size() ? items[index] : "";
}

std::string InletTempText(int tempCode, bool english) {
    const int celsius = tempCode / 2;
    return std::to_string(english ? CelsiusToFahrenheitEven(celsius) : celsius) + " " +
           DegreeText(english);
}

std::string Drain1Text(int drains) {
    switch (drains & 0x0F) {
    case 0:
        return "No drain";
    case 1:
        return "Valve";
    case 2:
        return "Pump";
    default:
        return "";
    }
}

std::string Drain2Text(int drains, const GenerationCaptions &captions) {
    switch (drains / 16) {
    case 0:
        return "No drain";
    case 1:
        return captions.drain2Valve;
    case 2:
        return "Pump";
    default:
        return "";
    }
}

void AddSetting(std::vector<ConfigLine> &lines, std::string caption, std::string value) {
    lines.push_back({ConfigLineKind::Setting, std::move(caption), std::move(value)});
}

void AddGroup(std::vector<ConfigLine> &lines, std::string caption) {
    lines.push_back({ConfigLineKind::Group, std::move(caption), {}});
}

void AddMachineGroup(std::vector<ConfigLine> &lines, const MachineConfig &config) {
    const int type = config.machineType;
    const bool english = config.English();
    AddGroup(lines, "Machine");
    AddSetting(lines, "Machine type", Designation(type));
    const DimensionTexts dimensions = DimensionTextsFor(type, english);
    for (const std::string *text : {&dimensions.offset, &dimensions.drumDiameter,
                                    &dimensions.tubDiameter, &dimensions.tubDepth})
        lines.push_back({ConfigLineKind::Dimension, *text, {}});
    AddSetting(lines, "Units", english ? "English" : "Metric");
    const HysteresisChoices choices = HysteresisChoicesFor(english);
    AddSetting(lines, "Level hysteresis",
               Item(choices.levelItems, config.levelHysteresis) + " " + choices.levelUnit);
    AddSetting(lines, "Temperature hysteresis",
               Item(choices.tempItems, config.tempHysteresis) + " " + choices.tempUnit);
    AddSetting(lines, "Heat", std::to_string(config.heatKW) + " kW");
    AddSetting(lines, "Flowrate (/min)", std::to_string(config.flowRate) + " l/min");
    AddSetting(lines, "Cold inlet temperature", InletTempText(config.coldInletTemp, english));
    AddSetting(lines, "Hot inlet temperature", InletTempText(config.hotInletTemp, english));
}

void AddInOutGroup(std::vector<ConfigLine> &lines, const MachineConfig &config) {
    const GenerationCaptions captions = GenerationCaptionsFor(config.machineType);
    AddGroup(lines, "In & out");
    AddSetting(lines, "Drain 1", Drain1Text(config.drains));
    AddSetting(lines, "Drain 2", Drain2Text(config.drains, captions));
    // Only bit 0 means something (the extra inlet); the dialog keeps the other bits as found.
    AddSetting(lines, "Inlet options", (config.inletOptions & 1) ? captions.extraInlet : "None");
}

void AddBehaviourGroup(std::vector<ConfigLine> &lines, const MachineConfig &config) {
    const BehaviourRows rows = BehaviourRowsFor(config.machineType);
    AddGroup(lines, "Behavior");
    AddSetting(lines, "Spin retries", std::to_string(config.spinRetries));
    if (rows.advanceEnabled)
        AddSetting(lines, "Advance", config.advance ? "Enabled" : "Disabled");
    // Stored inverted: nonzero means the hold is switched off.
    if (rows.chemHoldEnabled)
        AddSetting(lines, "Chemical hold", config.chemHold ? "Disabled" : "Enabled");
    if (rows.temperatureEnabled)
        AddSetting(lines, "Temperature", config.showTemp ? "Show" : "Hide");
}

} // namespace

std::vector<ConfigLine> ConfigSectionLines(const MachineConfig &config) {
    std::vector<ConfigLine> lines;
    AddMachineGroup(lines, config);
    lines.push_back({});
    AddInOutGroup(lines, config);
    lines.push_back({});
    AddBehaviourGroup(lines, config);
    return lines;
}

std::string ConfigLineText(const ConfigLine &line) {
    switch (line.kind) {
    case ConfigLineKind::Group:
        return line.caption;
    case ConfigLineKind::Setting:
        return "- " + line.caption + " : " + line.value;
    case ConfigLineKind::Dimension:
        return "\t-> " + line.caption;
    case ConfigLineKind::Blank:
        break;
    }
    return "";
}

} // namespace korvanta
