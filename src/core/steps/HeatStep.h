#pragma once

namespace korvanta {

struct HeatTime {
    int hours;
    int minutes;
};

// The two timeout presets of the Heat editor (index 0..1): "0h15" and "0h30".
HeatTime HeatTimePreset(int index);

} // namespace korvanta
