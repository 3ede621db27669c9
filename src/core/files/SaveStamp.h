#pragma once

#include <optional>
#include <string>

namespace korvanta {

constexpr std::size_t kSaveStampLength = 10; // "ddmmyyhhnn"
constexpr std::size_t kSavedByLength = 20;   // padded with spaces, cut after 20

// A local date and time as the platform's clock gives it.
struct LocalDateTime {
    int year = 2000;
    int month = 1; // 1..12
    int day = 1;   // 1..31
    int hour = 0;  // 0..23
    int minute = 0;
};

// Day, month, two-digit year, hour and minute as two digits each: 8 December 2025 at 11:55
// gives "0812251155".
std::string SaveStampText(const LocalDateTime &when);

// Who saves, as far as the platform could find out (Windows-1252 bytes). An absent name could
// not be read; a present one may still be empty.
struct SaverNames {
    std::optional<std::string> userName;
    std::optional<std::string> computerName;
};

// The name written into a saved file: the logged-on user's name when it can be read (an
// unreadable one keeps the previous name), the computer name when that leaves it empty, then
// exactly 20 characters.
std::string ResolveSavedBy(const std::string &previous, const SaverNames &names);

// What a save needs from the world outside the core.
struct SaveContext {
    LocalDateTime now;
    SaverNames names;
};

} // namespace korvanta
