#include "print/TextReport.h"

#include "print/ConfigSection.h"
#include "print/ReportCycle.h"
#include "print/ReportTexts.h"

namespace korvanta {

namespace {

constexpr const char *kLineEnd = "\r\n";

void AppendCycle(std::string &out, const ReportCycle &cycle) {
    out += kLineEnd;
    out += CycleHeadingText(cycle.number, cycle.name) + "\t" + EstimatedDurationText(cycle.total) +
           kLineEnd;
    for (const ReportRow &row : cycle.rows) {
        if (row.known)
            out += "\t" + std::to_string(row.position) + "\t[" + StepDurationText(row.seconds) +
                   "]\t" + row.description + kLineEnd;
        else
            out += std::string("\t\tUnknown! ") + kLineEnd;
    }
}

} // namespace

std::string TextReport(WashData &data, const MachineConfig &config, WarningMarks &marks,
                       const ReportRequest &request) {
    std::string out = ReportProgramTitle() + ": " + request.fileName + "\t" + request.dateText +
                      kLineEnd + kLineEnd;
    for (std::size_t start : ChosenCycleStarts(data, request.rows))
        AppendCycle(out, CollectReportCycle(data, start, config, marks));
    out += std::string(kLineEnd) + kLineEnd + kLineEnd;
    if (request.includeConfig)
        for (const ConfigLine &line : ConfigSectionLines(config))
            out += ConfigLineText(line) + kLineEnd;
    return out;
}

} // namespace korvanta
