#pragma once

#include "ui/steps/HeatSoakFrame.h"

namespace korvanta {

// Editor of a Heat step: the temperature to reach and a timeout in hours and minutes, with
// the presets "0h15" and "0h30". There is no "No heat" button.
class TFrameHeat1 : public HeatSoakFrame {
    Q_OBJECT
public:
    TFrameHeat1(EditorHost *host, QWidget *parent);
};

} // namespace korvanta
