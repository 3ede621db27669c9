#pragma once

#include "ui/steps/HeatSoakFrame.h"

namespace korvanta {

// Editor of a Soak step: a temperature ("No heat" for none) and a time in hours and minutes.
class TFrameSoak1 : public HeatSoakFrame {
    Q_OBJECT
public:
    TFrameSoak1(EditorHost *host, QWidget *parent);
};

} // namespace korvanta
