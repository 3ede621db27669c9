#pragma once

#include <vector>

#include "model/WarningMarks.h"
#include "model/WashData.h"

namespace korvanta {

// The one wash data list of the program with its companions: the snapshot that tells unsaved
// changes (ListViewDebugSaved), the cycle clipboard (ListViewClipBoard: nothing, or one whole
// cycle from CycleStart to CycleEnd) and the red marks. Owned by the debug window object,
// which lives from start-up to exit; everyone else is handed a reference.
struct WashStore {
    WashData data;
    WashData snapshot;
    std::vector<WashRecord> clipboard;
    WarningMarks marks;

    void TakeSnapshot() { snapshot = data; }
    bool Changed() const { return ChangedSinceSnapshot(snapshot, data); }
};

} // namespace korvanta
