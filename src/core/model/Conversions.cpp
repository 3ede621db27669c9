#include "model/Conversions.h"

namespace korvanta {

int CodeToFahrenheit(int code) { return (9 * code + 325) / 10; }

int CodeToCelsius(int code) { return code / 2; }

int CelsiusToCode(int celsius) { return 2 * celsius; }

int FahrenheitToCode(int fahrenheit) { return ((fahrenheit - 32) * 100 / 9 + 5) / 10; }

int FahrenheitToCelsius(int fahrenheit) { return ((fahrenheit - 32) * 50 / 9 + 5) / 10; }

int CelsiusToFahrenheitEven(int celsius) { return 2 * ((18 * celsius + 10) / 20) + 32; }

int LevelToTenthInch(int halfCentimetres) { return (1000 * halfCentimetres + 127) / 508; }

int LitresToImperialGallons(long double litres) {
    return static_cast<int>((litres + 2.273L) * (1.0L / 4.546L));
}

int LitresToUsGallons(long double litres) {
    return static_cast<int>((litres + 1.8925L) * (1.0L / 3.785L));
}

} // namespace korvanta
