#include "KvtReport.h"

#include <QRegularExpression>
#include <QStringList>

#include <optional>
#include <set>
#include <vector>

#include "KvtOutput.h"
#include "platform/Cp1252.h"
#include "platform/ReportDate.h"
#include "print/PrintedReport.h"
#include "print/ReportFile.h"
#include "print/ReportTexts.h"
#include "print/TextReport.h"
#include "ui/ReportPdf.h"
#include "ui/ReportProfiles.h"

namespace korvanta {

namespace {

// The cycle numbers of "N,N..", or nothing when the list is malformed.
std::optional<std::set<int>> CycleNumbers(const QString &text) {
    static const QRegularExpression list("^[0-9]{1,3}(,[0-9]{1,3})*$");
    if (!list.match(text).hasMatch())
        return std::nullopt;
    std::set<int> numbers;
    for (const QString &part : text.split(','))
        numbers.insert(part.toInt());
    return numbers;
}

// Rows of the print dialog's list (from 1) that the cycles option ticks, in list order, and the
// cycle numbers they carry.
std::vector<int> ChosenRows(const WashData &data, const std::optional<std::set<int>> &numbers,
                            std::set<int> &found) {
    std::vector<int> rows;
    for (int k = 1; const auto index = data.CycleStartIndex(k); ++k) {
        const int number = data.At(*index).Code(1);
        if (!numbers || numbers->count(number)) {
            rows.push_back(k);
            found.insert(number);
        }
    }
    return rows;
}

} // namespace

int RunReport(const QStringList &args, const KvtReportOptions &options) {
    if (args.size() != 2)
        return PrintUsage("Wrong arguments for report");
    if (options.output.isEmpty() && options.pdf.isEmpty())
        return PrintUsage("report: -o OUT is required (or --pdf OUT.pdf)");
    if (!options.output.isEmpty() && !options.pdf.isEmpty())
        return PrintUsage("report: -o OUT and --pdf OUT.pdf exclude each other");
    if (options.profiles && options.pdf.isEmpty())
        return PrintUsage("report: --profiles needs --pdf OUT.pdf");
    std::optional<std::set<int>> numbers;
    if (options.cycles != "all") {
        numbers = CycleNumbers(options.cycles);
        if (!numbers)
            return PrintUsage("report: --cycles takes all or N,N..");
    }
    auto file = LoadForCommand(args[1]);
    if (!file)
        return kExitFailed;
    ReportRequest request;
    std::set<int> found;
    request.rows = ChosenRows(file->data, numbers, found);
    request.includeConfig = options.config;
    request.profiles = options.profiles;
    for (int number : numbers.value_or(std::set<int>{}))
        if (!found.count(number))
            return PrintFailure(
                ErrorMessage("No cycle " + std::to_string(number) + " in the file"));
    if (request.rows.empty() && !request.includeConfig)
        return PrintFailure(ErrorMessage(kNothingToPrint));
    request.fileName = ToCp1252(QString::fromStdString(FileNamePart(PathBytes(args[1]))));
    request.dateText = ReportDateText();
    WarningMarks marks;
    UserMessage message;
    if (!options.pdf.isEmpty()) {
        const ReportOps build = [&](const ReportPage &page, const TextWidth &width) {
            return PrintedReport(file->data, file->config, marks, request, page, width);
        };
        if (!SaveReportPdf(PathBytes(options.pdf), DefaultReportLayout(), build,
                           ReportProfileDrawer(file->data, file->config), message))
            return PrintFailure(message);
        return kExitOk;
    }
    const std::string bytes = TextReport(file->data, file->config, marks, request);
    if (!WriteReportFile(PathBytes(options.output), bytes, message))
        return PrintFailure(message);
    return kExitOk;
}

} // namespace korvanta
