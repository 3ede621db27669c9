#include "steps/StepDescription.h"

namespace korvanta {

std::string StepDescription(const WashRecord &step, const MachineConfig &config) {
    switch (step.type) {
    case RecordType::Fill: return FillStepDescription(step, config);
    case RecordType::Wash: return WashStepDescription(step, config);
    case RecordType::Supply: return SupplyStepDescription(step, config);
    case RecordType::Drain: return DrainStepDescription(step, config);
    case RecordType::Spin: return SpinStepDescription(step, config);
    case RecordType::Soak: return SoakStepDescription(step, config);
    case RecordType::Aux: return AuxStepDescription(step, config);
    case RecordType::Heat: return HeatStepDescription(step, config);
    default: return "unknown command";
    }
}

} // namespace korvanta
