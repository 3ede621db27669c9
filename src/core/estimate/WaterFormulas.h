#pragma once

#include <cstdint>

namespace korvanta {

// The water arithmetic of the tub simulation. Volumes are decilitres, flows litres per minute,
// temperatures TempCodes (half degrees C), power watts, times seconds. Integer arithmetic with
// truncating division, 64-bit intermediates: volume x temperature x 4186 passes 2^32.

// Temperature of two bodies of water mixed; 0 when there is no water at all.
int64_t MixTemperature(int64_t volume1Dl, int64_t temp1, int64_t volume2Dl, int64_t temp2);

// Seconds to let a volume in at a flow, rounded to the nearest second.
int64_t FillSeconds(int64_t volumeDl, int64_t flowLpm);

// Decilitres let in during a time at a flow.
int64_t VolumeIn(int64_t seconds, int64_t flowLpm);

// Temperature after heating a volume for a time. Water warms at three quarters of the rate the
// heating power would give without losses: 16744 = 4 x 4186 J/(kg K), a decilitre weighs a
// tenth of a kilogram and a TempCode step is half a kelvin.
int64_t HeatTemperature(int64_t volumeDl, int64_t watts, int64_t temp, int64_t seconds);

// Seconds to raise a volume by a temperature difference (TempCode steps) under the same losses.
int64_t HeatSeconds(int64_t volumeDl, int64_t watts, int64_t tempRise);

// The total volume after enough cold water has been added to bring a volume at temp down to
// the target; kColdNeverReaches when the cold water is not colder than the target.
constexpr int64_t kColdNeverReaches = 65535;
int64_t ColdNeeded(int64_t volumeDl, int64_t temp, int64_t coldTemp, int64_t targetTemp);

} // namespace korvanta
