#include "steps/HeatStep.h"

namespace korvanta {

HeatTime HeatTimePreset(int index) {
    return {0, index == 1 ? 30 : 15};
}

} // namespace korvanta
