#include "files/SaveStamp.h"

namespace korvanta {

namespace {
// Two decimal digits of a value kept to 0..99; the stamp has no room for more.
std::string TwoDigits(int value) {
    value = ((value % 100) + 100) % 100;
    return {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}
} // namespace

std::string SaveStampText(const LocalDateTime &when) {
    return TwoDigits(when.day) + TwoDigits(when.month) + TwoDigits(when.year) +
           TwoDigits(when.hour) + TwoDigits(when.minute);
}

std::string ResolveSavedBy(const std::string &previous, const SaverNames &names) {
    std::string savedBy = names.userName.value_or(previous);
    if (savedBy.empty() && names.computerName)
        savedBy = *names.computerName;
    savedBy.resize(kSavedByLength, ' ');
    return savedBy;
}

} // namespace korvanta
