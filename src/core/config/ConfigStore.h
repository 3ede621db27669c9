#pragma once

#include "config/MachineConfig.h"

namespace korvanta {

// The one machine configuration of the program and its saved copy. Owned by the configuration
// dialog object, which lives from start-up to exit; everyone else is handed a reference.
struct ConfigStore {
    MachineConfig config;
    SavedConfig saved = TakeSavedConfig(MachineConfig{});

    void TakeSnapshot() { saved = TakeSavedConfig(config); }
    bool Changed() const { return ConfigChanged(config, saved); }
};

} // namespace korvanta
