#pragma once

#include <QByteArray>
#include <QPageLayout>
#include <functional>
#include <string>
#include <vector>

#include "model/UserMessage.h"
#include "print/DrawOp.h"
#include "print/TextWidth.h"
#include "ui/ReportPainter.h"

namespace korvanta {

// Lays the report out for a page, measuring texts in the font it is drawn with.
using ReportOps =
    std::function<std::vector<DrawOp>(const ReportPage &page, const TextWidth &width)>;

// The page of a report written without a printer: A4 portrait inside margins of 10 points.
QPageLayout DefaultReportLayout();

// The report as the bytes of a PDF document titled "Korvanta Planner v2.04", drawn at
// 1200 dots per inch on pages of the layout; empty when it could not be drawn.
QByteArray ReportPdf(const QPageLayout &layout, const ReportOps &build,
                     const ProfileDrawer &profiles = {});

// Writes the report as a PDF file at path (UTF-8). The document is complete before the file is
// replaced in one step, so a failure never leaves half a PDF or harms an older file there; the
// message is then "Unable to save " + path.
bool SaveReportPdf(const std::string &path, const QPageLayout &layout, const ReportOps &build,
                   const ProfileDrawer &profiles, UserMessage &message);

} // namespace korvanta
