#include "print/PrintedReport.h"

#include <algorithm>

#include "print/ConfigSection.h"
#include "print/CycleHeading.h"
#include "print/ReportCycle.h"
#include "print/ReportSheet.h"
#include "print/ReportTexts.h"

namespace korvanta {

namespace {

// The heading row spans the left column; its texts keep a padding of W / 200 from both rules.
void HeadingRow(ReportSheet &sheet, const ReportCycle &cycle, const char *mark,
                const TextWidth &width) {
    const int w = sheet.Width();
    const CycleHeadingParts parts{CycleHeadingText(cycle.number, ""), cycle.name, mark,
                                  EstimatedDurationText(cycle.total)};
    const CycleHeadingRoom room{sheet.Margin() + w / 200, w / 2 - w / 200, w / 2 - (10 * w) / 43,
                                w / 100};
    const CycleHeadingFit fit = FitCycleHeading(parts, room, sheet.RowPoints(), width);
    sheet.BoldAt(fit.points);
    sheet.Text(room.left, fit.title);
    if (fit.durationAtRight)
        sheet.TextRight(room.right, parts.duration);
    else
        sheet.Text(room.durationX, parts.duration);
    sheet.Regular();
    sheet.RowFrame(ReportSheet::RowKind::Heading);
}

void StepRow(ReportSheet &sheet, const ReportRow &row, const TextWidth &width) {
    const int w = sheet.Width();
    const int c = sheet.ColumnLeft(sheet.Line());
    const int e = sheet.ColumnRight(sheet.Line());
    sheet.Text(c + w / 90 + (row.position < 10 ? w / 100 : 0), std::to_string(row.position));
    if (row.known) {
        sheet.Text(c + w / 20, row.description);
        // A step of 100 minutes or more would run into the column's right rule: it moves left.
        const std::string duration = StepDurationText(row.seconds);
        const int durationEnd = e - w / 200;
        sheet.Text(std::min(e - w / 20, durationEnd - width(duration, sheet.RowPoints(), false)),
                   duration);
    } else {
        sheet.Text(c + w / 25, "Unknown! ");
        sheet.Text(e - w / 25, "??:??");
    }
    sheet.RowFrame(ReportSheet::RowKind::Step);
}

void CyclePage(ReportSheet &sheet, const ReportRequest &request, const ReportCycle &cycle,
               const TextWidth &width) {
    const std::string title = ReportProgramTitle() + ": " + request.fileName;
    sheet.StartPage();
    sheet.Header(request.dateText, title);
    HeadingRow(sheet, cycle, "", width);
    int lastRowLine = sheet.Line();
    sheet.NextRow();
    for (const ReportRow &row : cycle.rows) {
        // A cycle longer than both columns goes on over the page instead of off its bottom,
        // under its heading again, marked as continued.
        if (sheet.PageFull()) {
            sheet.ClosingFrame(lastRowLine);
            sheet.Footer();
            sheet.NextPageNumber();
            sheet.StartPage();
            sheet.Header(request.dateText, title);
            HeadingRow(sheet, cycle, kContinuedMark, width);
            sheet.NextRow();
        }
        StepRow(sheet, row, width);
        lastRowLine = sheet.Line();
        sheet.NextRow();
    }
    // Under the last row drawn, also when that row ended the left column.
    sheet.ClosingFrame(lastRowLine);
    sheet.Footer();
    sheet.NextPageNumber();
}

// The cycle's profile on a page of its own under the cycle's heading row: the full width
// between the margins, five eighths as high (less where the page is short).
void ProfilePage(ReportSheet &sheet, const ReportRequest &request, const ReportCycle &cycle,
                 std::size_t cycleStart, const TextWidth &width) {
    sheet.StartPage();
    sheet.Header(request.dateText, ReportProgramTitle() + ": " + request.fileName);
    HeadingRow(sheet, cycle, kProfileMark, width);
    sheet.NextRow();
    const int left = sheet.Margin();
    const int right = sheet.Width() - sheet.Margin();
    const int top = sheet.DrawY(sheet.Line());
    const int bottom = std::min(top + (right - left) * 5 / 8, sheet.Height() - sheet.LineHeight());
    if (bottom > top)
        sheet.Profile(cycleStart, left, top, right, bottom);
    sheet.Footer();
    sheet.NextPageNumber();
}

void ConfigPage(ReportSheet &sheet, const ReportRequest &request, const MachineConfig &config) {
    const int m = sheet.Margin();
    sheet.StartPage();
    sheet.Header(request.dateText, ReportProgramTitle() + ": Configuration");
    for (const ConfigLine &line : ConfigSectionLines(config)) {
        switch (line.kind) {
        case ConfigLineKind::Group:
            sheet.Bold();
            sheet.Text(m, line.caption);
            sheet.Regular();
            break;
        case ConfigLineKind::Setting:
            sheet.Text(m + m / 5, line.caption + " : " + line.value);
            break;
        case ConfigLineKind::Dimension:
            sheet.Text(m + 2 * m / 5, "->" + line.caption);
            break;
        case ConfigLineKind::Blank:
            break;
        }
        sheet.NextLine();
    }
    sheet.Footer();
}

} // namespace

std::vector<DrawOp> PrintedReport(WashData &data, const MachineConfig &config, WarningMarks &marks,
                                  const ReportRequest &request, const ReportPage &page,
                                  const TextWidth &width) {
    ReportSheet sheet(page);
    for (std::size_t start : ChosenCycleStarts(data, request.rows)) {
        const ReportCycle cycle = CollectReportCycle(data, start, config, marks);
        CyclePage(sheet, request, cycle, width);
        if (request.profiles)
            ProfilePage(sheet, request, cycle, start, width);
    }
    if (request.includeConfig)
        ConfigPage(sheet, request, config);
    return sheet.TakeOps();
}

} // namespace korvanta
