#pragma once

#include <vector>

#include "print/DrawOp.h"
#include "ui/ReportPainter.h"

class QPrinter;

namespace korvanta {

// The printer's printable area in device pixels and its resolution.
ReportPage PrinterPage(const QPrinter &printer);

// Runs one print job titled "Korvanta Planner v2.04" that draws the operations, black on
// white. False when the job could not be started (no printer, an unwritable output file) or
// the printer reported an error; the job is ended either way.
bool PaintReport(QPrinter &printer, const std::vector<DrawOp> &ops,
                 const ProfileDrawer &profiles = {});

} // namespace korvanta
