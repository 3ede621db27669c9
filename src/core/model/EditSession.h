#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "model/CycleStarts.h"
#include "model/UserMessage.h"
#include "model/WashStore.h"

namespace korvanta {

// Refresh codes of the main window: bits 1 cycle list, 2 current cycle row, 4 step list,
// 8 step editor. 0 refreshes only the status bar, captions and enabled states.
constexpr int kRefreshNone = -1;

// What a command asks of the window: show a message (if any), then refresh (if any).
struct CommandResult {
    int refresh = kRefreshNone;
    std::optional<UserMessage> message;
    bool busy = false; // the window shows the hourglass while running it (paste)
};

enum class PlacementMode { Add, Insert };

// Fills a freshly inserted record of a step type from the editor's current settings.
using StepFiller = std::function<void(WashRecord &)>;

// Which commands of the cycle and step panels (and their menu items) are enabled.
struct EnabledStates {
    bool deleteCycle = false;
    bool cut = false;
    bool copy = false;
    bool paste = false;
    bool cycleUp = false;
    bool cycleDown = false;
    bool rename = false;   // name field and its label
    bool renumber = false; // number field and its spin control
    bool addMode = false;
    bool insertMode = false;
    bool addStep = false; // the eight type buttons
    bool deleteStep = false;
    bool stepUp = false;
    bool stepDown = false;
};

// The editing state of the main window and every command on cycles and steps. Works on the
// program's one WashStore (data, snapshot, clipboard, marks), which it does not own.
class EditSession {
public:
    explicit EditSession(WashStore &store);

    WashStore &Store() { return store_; }
    const WashStore &Store() const { return store_; }
    WashData &Data() { return store_.data; }
    const WashData &Data() const { return store_.data; }

    // Ordinal of the current cycle among all cycles (from 1), 0 for none.
    int CurrentCycle() const { return currentCycle_; }
    // Ordinal of the current step inside the current cycle (from 1), 0 for none.
    int CurrentStep() const { return currentStep_; }
    // Index in the list of the current cycle's CycleStart.
    std::size_t CurrentCycleStart() const { return currentCycleStart_; }
    const CycleStarts &Starts() const { return starts_; }
    int NewCycleNumber() const { return newCycleNumber_; }
    PlacementMode Mode() const { return mode_; }

    // Steps of the current cycle (0 without a cycle).
    int CurrentStepCount() const;
    // The current step's record, nullptr when there is none.
    WashRecord *CurrentStepRecord();
    const WashRecord *CurrentCycleStartRecord() const;

    // --- Refresh rules, called by the window's RefreshView ---
    // Rebuilds CycleStarts, brings CurrentCycle/CurrentStep into range and empties the
    // clipboard when the data holds no cycle.
    void BeginRefresh();
    // Sets CurrentCycleStart from CycleStarts[CurrentCycle]; false (and 0) when none.
    bool SyncCycleStart();
    // End of a refresh: CurrentCycleStart from CycleStarts when a cycle exists; forces AddMode
    // when the current cycle has no steps.
    void EndRefresh();
    EnabledStates Enabled() const;

    // --- Cycle panel texts ---
    std::string AddCycleCaption() const;     // "Add Cycle " + N
    std::string AddCycleMenuCaption() const; // "Add &cycle " + N
    std::string CycleHeading() const;        // "Cycle 3: Whites " or "Cycle : - "
    std::string NameFieldText() const;       // the current name, or "-"
    int NumberFieldValue() const;            // the current number, or 1

    // --- Cycle commands ---
    CommandResult StepNewCycleNumber(bool up); // spin control beside Add Cycle
    CommandResult AddCycle();
    CommandResult DeleteCycle();
    CommandResult CopyCycle();
    CommandResult CutCycle();
    CommandResult PasteCycle();
    CommandResult MoveCycleUp();
    CommandResult MoveCycleDown();
    CommandResult RenameCycle(const std::string &name); // name field text changed
    CommandResult RenumberCycle(bool up);               // spin control beside the number
    CommandResult SelectCycle(int row);                 // row from 1

    // --- Step commands ---
    void SetMode(PlacementMode mode);
    CommandResult AddStep(RecordType type, const StepFiller &fill);
    CommandResult DeleteStep();
    CommandResult MoveStepUp();
    CommandResult MoveStepDown();
    CommandResult SelectStep(int row); // row from 1

    // --- Lifecycle ---
    // After New: no current cycle or step, AddMode, clipboard emptied, NewCycleNumber the
    // lowest free number.
    void ResetAfterNew();
    // After a file was loaded: CurrentCycle 1 when the list holds more than one record,
    // CurrentStep 0, NewCycleNumber the lowest free number. The clipboard is kept.
    void ResetAfterLoad();

private:
    // CurrentCycleStart from CycleStarts; on none resets the current cycle and step.
    bool LocateCurrentCycle();
    // Index of the first CycleEnd (or DataEnd, or the list's end) at or after from.
    std::size_t CycleEndFrom(std::size_t from) const;
    // Index just after the current cycle: past its CycleEnd, or at the DataEnd (or the end of
    // the list) that closes a cycle without one.
    std::size_t CurrentCycleSpanEnd() const;
    std::optional<int> NextFreeNumber(int from, bool up) const;
    CommandResult NoCurrentCycle();

    WashStore &store_;
    CycleStarts starts_;
    int currentCycle_ = 0;
    int currentStep_ = 0;
    std::size_t currentCycleStart_ = 0;
    int newCycleNumber_ = 1;
    PlacementMode mode_ = PlacementMode::Add;
};

} // namespace korvanta
