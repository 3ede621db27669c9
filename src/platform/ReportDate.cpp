#include "platform/ReportDate.h"

#include <QLocale>

#include "platform/Cp1252.h"
#include "platform/LocalClock.h"
#include "print/ReportTexts.h"

namespace korvanta {

std::string ReportDateText() {
    return ToCp1252(QLocale::system().toString(CurrentDateTime(), kReportDatePattern));
}

} // namespace korvanta
