#include "steps/AuxStep.h"

#include "steps/StepDescription.h"

namespace korvanta {

std::string AuxStepDescription(const WashRecord &step, const MachineConfig &config) {
    (void)config;
    const int output = step.Code(1);
    if (!IsAuxOutput(output))
        return "Unknown Auxiliary";
    return "Auxiliary " + std::to_string(output);
}

} // namespace korvanta
