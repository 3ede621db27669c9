#include "platform/LocalClock.h"

#include <QRegularExpression>
#include <QTimeZone>
#include <QtGlobal>

namespace korvanta {

QDateTime CurrentDateTime() {
    const QString epoch = qEnvironmentVariable("SOURCE_DATE_EPOCH").trimmed();
    static const QRegularExpression wholeNumber("^[0-9]{1,12}$");
    if (wholeNumber.match(epoch).hasMatch())
        return QDateTime::fromSecsSinceEpoch(epoch.toLongLong(), QTimeZone::utc());
    return QDateTime::currentDateTime();
}

LocalDateTime ToLocalDateTime(const QDateTime &when) {
    const QDate date = when.date();
    const QTime time = when.time();
    return LocalDateTime{date.year(), date.month(), date.day(), time.hour(), time.minute()};
}

LocalDateTime CurrentLocalDateTime() {
    return ToLocalDateTime(CurrentDateTime());
}

} // namespace korvanta
