#pragma once

#include <QString>

namespace korvanta {

struct KvtReportOptions {
    QString cycles = "all"; // "all", or cycle numbers "N,N.."
    bool config = false;    // add the configuration section
    QString output;         // the report file; required
};

// kvt report FILE [--cycles all|N,N..] [--config] -o OUT: writes the text report of the print
// dialog's "Print to file" (Windows-1252, CR LF line ends) for the chosen cycles in list order.
int RunReport(const QStringList &args, const KvtReportOptions &options);

} // namespace korvanta
