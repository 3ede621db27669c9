#pragma once

#include <array>
#include <optional>
#include <string>

namespace korvanta {

// A Spin step spins the drum at a speed for a time.
//   Code1: speed in rpm, 200..1000 in steps of 5 (files hold Code1 / 5, so it may exceed 255)
//   Code2: minutes 0..10, Code3: seconds 0..59
constexpr int kSpinMinSpeed = 200;  // rpm, also what an emptied speed box becomes
constexpr int kSpinMaxSpeed = 1000; // rpm
constexpr int kSpinSpeedIncrement = 5;
constexpr int kSpinSpeedLength = 4; // characters in the speed box
constexpr int kSpinMaxMinutes = 10;
constexpr int kSpinInitialSeconds = 30;

// The four named speeds "Spin 1" .. "Spin 4", in rpm.
constexpr std::array<int, 4> kNamedSpinSpeeds{500, 650, 800, 1000};

// Index 0..3 of the named speed with this rpm, if it is one.
std::optional<int> NamedSpinSpeedIndex(int rpm);

// Centrifugal force in multiples of gravity at rpm in a drum of this inner diameter (mm).
double SpinGForce(int rpm, int drumDiameterMm);
// "G-Force : " and the force rounded to a whole number with at most 4 significant digits.
std::string SpinGForceText(int rpm, int drumDiameterMm);

// True when the speed is above what the machine type may spin.
bool SpinAboveMaximum(int rpm, int machineType);

} // namespace korvanta
