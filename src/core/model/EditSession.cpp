#include "model/EditSession.h"

#include <algorithm>

namespace korvanta {

namespace {

constexpr int kRefreshAll = 13;
constexpr int kRefreshCycleRow = 2;
constexpr int kRefreshStepsAndEditor = 12;
constexpr int kRefreshCycleStepsEditor = 14;
constexpr int kRefreshEditor = 8;
constexpr int kRefreshStatus = 0;

CommandResult Refresh(int code) {
    return CommandResult{code, std::nullopt, false};
}

CommandResult Fail(std::string text) {
    return CommandResult{kRefreshNone, ErrorMessage(std::move(text)), false};
}

bool ClosesCycle(RecordType type) {
    return type == RecordType::CycleEnd || type == RecordType::DataEnd;
}

using Offset = std::ptrdiff_t;

} // namespace

EditSession::EditSession(WashStore &store) : store_(store) {
    starts_.Rebuild(store_.data);
}

int EditSession::CurrentStepCount() const {
    if (currentCycle_ < 1 || !starts_[currentCycle_])
        return 0;
    return store_.data.StepCountAt(*starts_[currentCycle_]);
}

WashRecord *EditSession::CurrentStepRecord() {
    if (currentStep_ < 1 || currentStep_ > CurrentStepCount())
        return nullptr;
    const std::size_t index = currentCycleStart_ + static_cast<std::size_t>(currentStep_);
    if (index >= store_.data.Size() || !store_.data.At(index).IsStep())
        return nullptr;
    return &store_.data.At(index);
}

const WashRecord *EditSession::CurrentCycleStartRecord() const {
    if (currentCycle_ < 1 || !starts_[currentCycle_])
        return nullptr;
    return &store_.data.At(*starts_[currentCycle_]);
}

// --- Refresh rules ---

void EditSession::BeginRefresh() {
    starts_.Rebuild(store_.data);
    const bool hasCycle = starts_[1].has_value();
    if (currentCycle_ == 0 && hasCycle)
        currentCycle_ = 1;
    const int steps = CurrentStepCount();
    if (currentStep_ > steps)
        currentStep_ = 0;
    if (currentStep_ == 0 && hasCycle && steps > 0)
        currentStep_ = 1;
    if (!hasCycle)
        store_.clipboard.clear();
}

bool EditSession::SyncCycleStart() {
    const auto start = starts_[currentCycle_];
    currentCycleStart_ = start.value_or(0);
    return start.has_value();
}

void EditSession::EndRefresh() {
    if (starts_[1])
        SyncCycleStart();
    if (CurrentStepCount() == 0)
        mode_ = PlacementMode::Add;
}

EnabledStates EditSession::Enabled() const {
    EnabledStates on;
    const int cycles = store_.data.CycleCount();
    const bool hasCycle = cycles > 0;
    const int steps = CurrentStepCount();
    on.deleteCycle = on.cut = on.copy = on.rename = on.renumber = hasCycle;
    on.paste = !store_.clipboard.empty();
    on.cycleUp = currentCycle_ > 1;
    on.cycleDown = hasCycle && currentCycle_ < cycles;
    on.addMode = on.addStep = hasCycle;
    on.insertMode = on.deleteStep = steps > 0;
    on.stepUp = steps >= 2 && currentStep_ > 1;
    on.stepDown = steps >= 2 && currentStep_ < steps;
    return on;
}

// --- Cycle panel texts ---

std::string EditSession::AddCycleCaption() const {
    return "Add Cycle " + std::to_string(newCycleNumber_);
}

std::string EditSession::AddCycleMenuCaption() const {
    return "Add &cycle " + std::to_string(newCycleNumber_);
}

std::string EditSession::CycleHeading() const {
    const WashRecord *start = CurrentCycleStartRecord();
    if (!start)
        return "Cycle : - ";
    return "Cycle " + std::to_string(start->Code(1)) + ": " + start->name + " ";
}

std::string EditSession::NameFieldText() const {
    const WashRecord *start = CurrentCycleStartRecord();
    return start ? start->name : "-";
}

int EditSession::NumberFieldValue() const {
    const WashRecord *start = CurrentCycleStartRecord();
    return start ? start->Code(1) : 1;
}

// --- Helpers ---

bool EditSession::LocateCurrentCycle() {
    if (SyncCycleStart())
        return true;
    currentCycleStart_ = 0;
    currentCycle_ = 0;
    currentStep_ = 0;
    return false;
}

std::size_t EditSession::CycleEndFrom(std::size_t from) const {
    const auto &records = store_.data.Records();
    std::size_t i = from;
    while (i < records.size() && !ClosesCycle(records[i].type))
        ++i;
    return i;
}

std::size_t EditSession::CurrentCycleSpanEnd() const {
    const std::size_t end = CycleEndFrom(currentCycleStart_);
    const bool foundCycleEnd =
        end < store_.data.Size() && store_.data.At(end).type == RecordType::CycleEnd;
    return foundCycleEnd ? end + 1 : end;
}

std::optional<int> EditSession::NextFreeNumber(int from, bool up) const {
    const UsedNumbers used = store_.data.Used();
    if (up) {
        for (int n = std::max(from + 1, 1); n <= kMaxCycles; ++n)
            if (!used.test(static_cast<std::size_t>(n)))
                return n;
    } else {
        for (int n = std::min(from - 1, kMaxCycles); n >= 1; --n)
            if (!used.test(static_cast<std::size_t>(n)))
                return n;
    }
    return std::nullopt;
}

CommandResult EditSession::NoCurrentCycle() {
    return Refresh(kRefreshAll);
}

// --- Cycle commands ---

CommandResult EditSession::StepNewCycleNumber(bool up) {
    if (const auto number = NextFreeNumber(newCycleNumber_, up))
        newCycleNumber_ = *number;
    return Refresh(kRefreshStatus);
}

CommandResult EditSession::AddCycle() {
    const UsedNumbers used = store_.data.Used();
    if (newCycleNumber_ >= 1 && newCycleNumber_ <= kMaxCycles &&
        used.test(static_cast<std::size_t>(newCycleNumber_)))
        return Fail("Cycle " + std::to_string(newCycleNumber_) + " already exists!");
    if (used.count() >= static_cast<std::size_t>(kMaxCycles) || newCycleNumber_ < 1)
        return Fail("Maximum cycles reached!");

    LocateCurrentCycle();
    // Directly after the current cycle; on empty data before DataEnd. A cycle that a file
    // left without its CycleEnd gets the new cycle before the DataEnd that closes it.
    const std::size_t end = CycleEndFrom(currentCycleStart_);
    std::size_t at = currentCycleStart_;
    if (end > currentCycleStart_) {
        const bool foundCycleEnd =
            end < store_.data.Size() && store_.data.At(end).type == RecordType::CycleEnd;
        at = foundCycleEnd ? end + 1 : end;
    }
    store_.data.Insert(at, WashRecord::MakeCycleStart(newCycleNumber_,
                                                      "Cycle " + std::to_string(newCycleNumber_)));
    store_.data.Insert(at + 1, WashRecord::MakeCycleEnd());
    ++currentCycle_;
    currentStep_ = 0;
    StepNewCycleNumber(true);
    return Refresh(kRefreshAll);
}

CommandResult EditSession::DeleteCycle() {
    if (LocateCurrentCycle()) {
        auto &records = store_.data.Records();
        const std::size_t end = CurrentCycleSpanEnd(); // the CycleEnd goes too; a DataEnd stays
        records.erase(records.begin() + static_cast<Offset>(currentCycleStart_),
                      records.begin() + static_cast<Offset>(end));
        starts_.Rebuild(store_.data);
        const int remaining = store_.data.CycleCount();
        if (remaining < currentCycle_)
            currentCycle_ = remaining;
        SyncCycleStart();
    }
    currentStep_ = 0;
    return Refresh(kRefreshAll);
}

CommandResult EditSession::CopyCycle() {
    if (!LocateCurrentCycle())
        return NoCurrentCycle();
    const auto &records = store_.data.Records();
    const std::size_t end = CurrentCycleSpanEnd();
    store_.clipboard.assign(records.begin() + static_cast<Offset>(currentCycleStart_),
                            records.begin() + static_cast<Offset>(end));
    if (store_.clipboard.back().type != RecordType::CycleEnd)
        store_.clipboard.push_back(WashRecord::MakeCycleEnd()); // a whole cycle, always closed
    return Refresh(kRefreshStatus);
}

CommandResult EditSession::CutCycle() {
    const CommandResult copied = CopyCycle();
    if (copied.refresh == kRefreshAll)
        return copied; // there was no current cycle
    return DeleteCycle();
}

CommandResult EditSession::PasteCycle() {
    if (!LocateCurrentCycle())
        return NoCurrentCycle();
    if (store_.clipboard.empty())
        return Refresh(kRefreshStatus);
    const auto number = NextFreeNumber(0, true);
    if (!number)
        return Fail("Maximum cycles reached!");
    const std::size_t at = CurrentCycleSpanEnd();
    std::vector<WashRecord> copy = store_.clipboard;
    for (auto &record : copy)
        if (record.type == RecordType::CycleStart) {
            record.SetCode(1, *number);
            break;
        }
    auto &records = store_.data.Records();
    records.insert(records.begin() + static_cast<Offset>(at), copy.begin(), copy.end());
    ++currentCycle_;
    CommandResult result = Refresh(kRefreshAll);
    result.busy = true;
    return result;
}

CommandResult EditSession::MoveCycleDown() {
    if (!LocateCurrentCycle())
        return NoCurrentCycle();
    if (currentCycle_ >= store_.data.CycleCount())
        return Refresh(kRefreshStatus);
    auto &records = store_.data.Records();
    const std::size_t currentEnd = CycleEndFrom(currentCycleStart_);
    if (currentEnd >= records.size() || records[currentEnd].type != RecordType::CycleEnd)
        return Refresh(kRefreshStatus);
    const std::size_t nextEnd = CycleEndFrom(currentEnd + 1);
    if (nextEnd >= records.size() || records[nextEnd].type != RecordType::CycleEnd)
        return Refresh(kRefreshStatus);
    std::rotate(records.begin() + static_cast<Offset>(currentCycleStart_),
                records.begin() + static_cast<Offset>(currentEnd + 1),
                records.begin() + static_cast<Offset>(nextEnd + 1));
    ++currentCycle_;
    return Refresh(kRefreshAll);
}

CommandResult EditSession::MoveCycleUp() {
    if (!LocateCurrentCycle())
        return NoCurrentCycle();
    if (currentCycle_ <= 1 || currentCycleStart_ == 0)
        return Refresh(kRefreshStatus);
    auto &records = store_.data.Records();
    const std::size_t currentEnd = CycleEndFrom(currentCycleStart_);
    if (currentEnd >= records.size() || records[currentEnd].type != RecordType::CycleEnd)
        return Refresh(kRefreshStatus);
    std::size_t previous = currentCycleStart_ - 1;
    while (previous > 0 && records[previous].type != RecordType::CycleStart)
        --previous;
    if (records[previous].type != RecordType::CycleStart)
        return Refresh(kRefreshStatus);
    std::rotate(records.begin() + static_cast<Offset>(previous),
                records.begin() + static_cast<Offset>(currentCycleStart_),
                records.begin() + static_cast<Offset>(currentEnd + 1));
    --currentCycle_;
    return Refresh(kRefreshAll);
}

CommandResult EditSession::RenameCycle(const std::string &name) {
    if (!SyncCycleStart())
        return CommandResult{};
    WashRecord &start = store_.data.At(currentCycleStart_);
    if (start.name == name)
        return CommandResult{};
    start.name = name;
    return Refresh(kRefreshCycleRow);
}

CommandResult EditSession::RenumberCycle(bool up) {
    if (!SyncCycleStart())
        return CommandResult{};
    WashRecord &start = store_.data.At(currentCycleStart_);
    const auto number = NextFreeNumber(start.Code(1), up);
    if (!number)
        return Refresh(kRefreshStatus); // the spin control goes back to the cycle's number
    start.SetCode(1, *number);
    return Refresh(kRefreshCycleRow);
}

CommandResult EditSession::SelectCycle(int row) {
    if (row < 1 || row == currentCycle_ || row > store_.data.CycleCount())
        return CommandResult{};
    currentCycle_ = row;
    currentStep_ = 1;
    SyncCycleStart();
    return Refresh(kRefreshStepsAndEditor);
}

// --- Step commands ---

void EditSession::SetMode(PlacementMode mode) {
    mode_ = mode;
}

CommandResult EditSession::AddStep(RecordType type, const StepFiller &fill) {
    if (!LocateCurrentCycle())
        return NoCurrentCycle();
    const int steps = CurrentStepCount();
    if (steps >= kMaxStepsPerCycle)
        return Fail("Maximum " + std::to_string(kMaxStepsPerCycle) + " steps!");
    if (mode_ == PlacementMode::Add || currentStep_ < 1) {
        // The CycleStart and every step: the count lands on the CycleEnd's position.
        const std::size_t end = CycleEndFrom(currentCycleStart_);
        currentStep_ = static_cast<int>(end - currentCycleStart_);
    }
    const std::size_t at = currentCycleStart_ + static_cast<std::size_t>(currentStep_);
    store_.data.Insert(at, WashRecord::MakeStep(type));
    WashRecord &record = store_.data.At(at);
    if (fill)
        fill(record);
    record.type = type;
    record.time = 0;
    return Refresh(kRefreshCycleStepsEditor);
}

CommandResult EditSession::DeleteStep() {
    if (!LocateCurrentCycle())
        return NoCurrentCycle();
    const int steps = CurrentStepCount();
    if (currentStep_ >= steps)
        currentStep_ = steps;
    if (currentStep_ > 0) {
        const std::size_t at = currentCycleStart_ + static_cast<std::size_t>(currentStep_);
        store_.data.Erase(at);
        if (at >= store_.data.Size() || ClosesCycle(store_.data.At(at).type))
            --currentStep_;
    }
    return Refresh(kRefreshCycleStepsEditor);
}

CommandResult EditSession::MoveStepUp() {
    if (!LocateCurrentCycle())
        return NoCurrentCycle();
    if (currentStep_ < 2 || currentStep_ > CurrentStepCount())
        return Refresh(kRefreshStatus);
    auto &records = store_.data.Records();
    const std::size_t at = currentCycleStart_ + static_cast<std::size_t>(currentStep_);
    std::swap(records[at], records[at - 1]);
    --currentStep_;
    return Refresh(kRefreshCycleStepsEditor);
}

CommandResult EditSession::MoveStepDown() {
    if (!LocateCurrentCycle())
        return NoCurrentCycle();
    if (currentStep_ < 1 || currentStep_ >= CurrentStepCount())
        return Refresh(kRefreshStatus);
    auto &records = store_.data.Records();
    const std::size_t at = currentCycleStart_ + static_cast<std::size_t>(currentStep_);
    std::swap(records[at], records[at + 1]);
    ++currentStep_;
    return Refresh(kRefreshCycleStepsEditor);
}

CommandResult EditSession::SelectStep(int row) {
    if (row < 1 || row == currentStep_)
        return CommandResult{};
    currentStep_ = row;
    return Refresh(kRefreshEditor);
}

// --- Lifecycle ---

void EditSession::ResetAfterNew() {
    currentCycle_ = 0;
    currentStep_ = 0;
    currentCycleStart_ = 0;
    mode_ = PlacementMode::Add;
    store_.clipboard.clear();
    starts_.Rebuild(store_.data);
    newCycleNumber_ = NextFreeNumber(0, true).value_or(0);
}

void EditSession::ResetAfterLoad() {
    currentCycle_ = store_.data.Size() > 1 ? 1 : 0;
    currentStep_ = 0;
    currentCycleStart_ = 0;
    starts_.Rebuild(store_.data);
    newCycleNumber_ = NextFreeNumber(0, true).value_or(0);
}

} // namespace korvanta
