#pragma once

#include "config/MachineConfig.h"
#include "model/WashRecord.h"

namespace korvanta {

// What a step editor panel needs from the window that holds it. The main window implements
// it; widget tests implement it with a small fake.
class EditorHost {
public:
    virtual ~EditorHost() = default;
    // The record of the current step, or nullptr when there is none. Asked anew before every
    // store: the list may have moved since the step was loaded.
    virtual WashRecord *CurrentStepRecord() = 0;
    virtual const MachineConfig &Config() const = 0;
    virtual bool AdvancedMode() const = 0;
    // Rebuild what the bits say: 1 cycle list, 2 current cycle row, 4 step list, 8 editor.
    virtual void RefreshView(int code) = 0;
};

} // namespace korvanta
