#include "estimate/WaterFormulas.h"

namespace korvanta {

namespace {
constexpr int64_t kSpecificHeat = 4186;                 // J/(kg K) of water
constexpr int64_t kLossyHeatFactor = 4 * kSpecificHeat; // 16744
} // namespace

int64_t MixTemperature(int64_t volume1Dl, int64_t temp1, int64_t volume2Dl, int64_t temp2) {
    const int64_t total = volume1Dl + volume2Dl;
    if (total == 0)
        return 0;
    return (volume1Dl * temp1 + volume2Dl * temp2 + total / 2) / total;
}

int64_t FillSeconds(int64_t volumeDl, int64_t flowLpm) {
    // A flow of 0 (a configuration byte from a file) is taken as 1 l/min: the duration stays
    // finite and such a fill runs into its time-out like any slow fill.
    const int64_t flow = flowLpm > 0 ? flowLpm : 1;
    return (6 * volumeDl + flow / 2) / flow;
}

int64_t VolumeIn(int64_t seconds, int64_t flowLpm) {
    return (flowLpm * seconds + 3) / 6;
}

int64_t HeatTemperature(int64_t volumeDl, int64_t watts, int64_t temp, int64_t seconds) {
    if (volumeDl == 0 || seconds == 0)
        return temp;
    return temp + (3 * seconds * watts) / ((kLossyHeatFactor * volumeDl) / 20);
}

int64_t HeatSeconds(int64_t volumeDl, int64_t watts, int64_t tempRise) {
    if (watts == 0)
        return 0;
    int64_t joules = (volumeDl * tempRise * kSpecificHeat) / 20;
    joules = joules / watts; // seconds without losses
    return (4 * joules) / 3;
}

int64_t ColdNeeded(int64_t volumeDl, int64_t temp, int64_t coldTemp, int64_t targetTemp) {
    if (targetTemp <= coldTemp)
        return kColdNeverReaches;
    return ((temp - coldTemp) * volumeDl) / (targetTemp - coldTemp);
}

} // namespace korvanta
