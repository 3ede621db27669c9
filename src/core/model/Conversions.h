#pragma once

#include <cstdint>

namespace korvanta {

// A temperature in half degrees Celsius held in one byte (0..127.5 degrees C).
using TempCode = uint8_t;

// Integer conversions compute in signed 32-bit integers with truncating division; each
// rounding is written out as half the divisor added before dividing.
int CodeToFahrenheit(int code);          // whole degrees F
int CodeToCelsius(int code);             // whole degrees C, truncated
int CelsiusToCode(int celsius);          // exact: 2 x degrees C (callers keep the low 8 bits)
int FahrenheitToCode(int fahrenheit);    // rounded to the nearest half degree C
int FahrenheitToCelsius(int fahrenheit); // rounded to the nearest degree C
int CelsiusToFahrenheitEven(int celsius); // nearest even degree F, for 0..100 degrees C
int LevelToTenthInch(int halfCentimetres);

// Volumes: half a gallon in litres is added so that the truncation rounds to the nearest
// gallon; the divisor is applied as its reciprocal in extended precision.
int LitresToImperialGallons(long double litres);
int LitresToUsGallons(long double litres);

} // namespace korvanta
