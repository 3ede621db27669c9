#pragma once

#include <QString>

namespace korvanta {

struct KvtReportOptions {
    QString cycles = "all"; // "all", or cycle numbers "N,N.."
    bool config = false;    // add the configuration section
    QString output;         // the text report file
    QString pdf;            // the printed report as a PDF file; output or pdf is required
    bool profiles = false;  // each cycle's profile on a page after it (PDF only)
};

// kvt report FILE [--cycles all|N,N..] [--config] -o OUT: writes the text report of the print
// dialog's "Print to file" (Windows-1252, CR LF line ends) for the chosen cycles in list order.
// With --pdf OUT.pdf instead: the printed report on A4 pages, as the print dialog's
// "Save as PDF..." writes it; --profiles adds each cycle's profile on the page after it.
int RunReport(const QStringList &args, const KvtReportOptions &options);

} // namespace korvanta
