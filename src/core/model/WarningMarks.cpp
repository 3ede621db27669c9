#include "model/WarningMarks.h"

#include <cstddef>

namespace korvanta {

namespace {
bool ValidNumber(int number) { return number >= 0 && number < WarningMarks::kNumbers; }
bool ValidStep(int step) { return step >= 0 && step < WarningMarks::kSteps; }
} // namespace

void WarningMarks::ClearCycle(int number) {
    if (!ValidNumber(number))
        return;
    cycles_.reset(static_cast<std::size_t>(number));
    steps_[static_cast<std::size_t>(number)].reset();
}

void WarningMarks::MarkStep(int number, int step) {
    if (!ValidNumber(number))
        return;
    cycles_.set(static_cast<std::size_t>(number));
    if (ValidStep(step))
        steps_[static_cast<std::size_t>(number)].set(static_cast<std::size_t>(step));
}

bool WarningMarks::CycleMarked(int number) const {
    return ValidNumber(number) && cycles_.test(static_cast<std::size_t>(number));
}

bool WarningMarks::StepMarked(int number, int step) const {
    return ValidNumber(number) && ValidStep(step) &&
           steps_[static_cast<std::size_t>(number)].test(static_cast<std::size_t>(step));
}

} // namespace korvanta
