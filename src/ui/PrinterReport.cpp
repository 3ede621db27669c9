#include "ui/PrinterReport.h"

#include <QPainter>
#include <QPrinter>

#include "print/ReportTexts.h"
#include "ui/ReportPainter.h"

namespace korvanta {

ReportPage PrinterPage(const QPrinter &printer) {
    return ReportPage{printer.width(), printer.height(), printer.resolution()};
}

bool PaintReport(QPrinter &printer, const std::vector<DrawOp> &ops, const ProfileDrawer &profiles) {
    printer.setDocName(QString::fromStdString(ReportProgramTitle()));
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const bool painted = PaintReportOps(painter, printer, ops, profiles) &&
                         printer.printerState() != QPrinter::Error;
    if (!painted)
        printer.abort();
    painter.end();
    return painted && printer.printerState() != QPrinter::Error;
}

} // namespace korvanta
