#include "steps/DrainStep.h"

#include "steps/StepDescription.h"

namespace korvanta {

std::string DrainStepDescription(const WashRecord &step, const MachineConfig &config) {
    (void)config;
    switch (step.Code(1)) {
    case 1:
        return "Drain 1";
    case 2:
        return "Drain 2";
    default:
        return "Unknown Drain";
    }
}

} // namespace korvanta
