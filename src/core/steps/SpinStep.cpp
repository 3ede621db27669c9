#include "steps/SpinStep.h"

#include <cmath>

#include "config/MachineTypeTable.h"
#include "steps/StepDescription.h"

namespace korvanta {

namespace {

constexpr int kShownDigits = 4;

} // namespace

std::optional<int> NamedSpinSpeedIndex(int rpm) {
    for (std::size_t i = 0; i < kNamedSpinSpeeds.size(); ++i)
        if (kNamedSpinSpeeds[i] == rpm)
            return static_cast<int>(i);
    return std::nullopt;
}

// Radial acceleration over gravity: (2 pi n / 60)^2 * r / g, folded into one constant per
// millimetre of diameter.
double SpinGForce(int rpm, int drumDiameterMm) {
    const double s = rpm;
    return s * s * 0.558 * drumDiameterMm * 0.000001;
}

std::string SpinGForceText(int rpm, int drumDiameterMm) {
    double g = std::round(SpinGForce(rpm, drumDiameterMm));
    // A speed typed beyond the range can give five digits: show only the first four.
    double scale = 1.0;
    while (std::fabs(g) >= std::pow(10.0, kShownDigits) * scale)
        scale *= 10.0;
    g = std::round(g / scale) * scale;
    return "G-Force : " + std::to_string(static_cast<long long>(g));
}

bool SpinAboveMaximum(int rpm, int machineType) {
    return rpm > MaxSpinSpeed(machineType);
}

std::string SpinStepDescription(const WashRecord &step, const MachineConfig &config) {
    (void)config;
    const int rpm = step.Code(1);
    if (const auto named = NamedSpinSpeedIndex(rpm))
        return "Spin " + std::to_string(*named + 1);
    return "Spin = " + std::to_string(rpm) + " rpm";
}

} // namespace korvanta
