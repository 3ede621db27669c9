#pragma once

#include <string>
#include <vector>

#include "config/MachineConfig.h"

namespace korvanta {

enum class ConfigLineKind {
    Group,     // "Machine", "In & out", "Behavior"
    Setting,   // caption : value
    Dimension, // a dimension text of the machine type, "Offset : 50 mm"
    Blank,     // separates the groups
};

struct ConfigLine {
    ConfigLineKind kind = ConfigLineKind::Blank;
    std::string caption; // group caption, setting caption or the whole dimension text
    std::string value;   // settings only; Windows-1252 (the degree sign is 0xB0)
};

// The configuration as the configuration dialog shows it for the stored record: its captions,
// dimension texts and list items. Settings whose row the dialog disables for the machine type
// are left out (Advance and Chemical hold on coin machines, Temperature on the others).
std::vector<ConfigLine> ConfigSectionLines(const MachineConfig &config);

// The text form of a line, without its line end: group captions alone, "- caption : value",
// a tab and "-> " before a dimension text.
std::string ConfigLineText(const ConfigLine &line);

} // namespace korvanta
