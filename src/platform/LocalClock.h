#pragma once

#include <QDateTime>

#include "files/SaveStamp.h"

namespace korvanta {

// The current local date and time. When SOURCE_DATE_EPOCH holds a whole number of seconds it
// replaces the clock, read as UTC, so that saved stamps and reports come out the same on
// every run and every machine.
QDateTime CurrentDateTime();

LocalDateTime ToLocalDateTime(const QDateTime &when);

// CurrentDateTime() as the save stamp needs it.
LocalDateTime CurrentLocalDateTime();

} // namespace korvanta
