#pragma once

namespace korvanta {

// An Aux step drives one auxiliary output of the machine.
//   Code1: output 1..7 (the editor offers 1 to 3)
//   Code2: minutes 0..10, Code3: seconds 0..59; output 1 ("Soft wash") has no time of its own
constexpr int kAuxOutputCount = 7;
constexpr int kAuxShownOutputs = 3;
constexpr int kAuxSoftWashOutput = 1;
constexpr int kAuxMaxMinutes = 10;
constexpr int kAuxInitialMinutes = 1;

inline bool IsAuxOutput(int output) {
    return output >= 1 && output <= kAuxOutputCount;
}
// The step's time is edited only for outputs that use it.
inline bool AuxOutputUsesTime(int output) {
    return output != kAuxSoftWashOutput;
}

} // namespace korvanta
