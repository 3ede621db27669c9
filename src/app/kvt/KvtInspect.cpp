#include "KvtInspect.h"

#include <array>

#include "KvtOutput.h"
#include "estimate/Time_calc.h"
#include "files/RawRecordRow.h"
#include "model/WashDataSize.h"
#include "platform/LocalClock.h"
#include "platform/SaverIdentity.h"

namespace korvanta {

namespace {

constexpr std::array<const char *, kConfigBytes> kConfigNames = {
    "MachineType", "Units",    "Drains",          "InletOptions",   "HeatKW",
    "Advance",     "ChemHold", "LevelHysteresis", "TempHysteresis", "SpinRetries",
    "ShowTemp",    "FlowRate", "ColdInletTemp",   "HotInletTemp"};

void PrintField(const std::string &name, const std::string &value) {
    PrintLine(name + "\t" + value);
}

std::string Joined(const RawRow &row) {
    std::string line;
    for (std::size_t i = 0; i < row.size(); ++i)
        line += (i ? "\t" : "") + Utf8(row[i]);
    return line;
}

} // namespace

int RunInfo(const QString &path) {
    const auto file = LoadForCommand(path);
    if (!file)
        return kExitFailed;
    const auto formatByte = file->result.formatByte;
    const auto level = formatByte ? FormatLevel(*formatByte) : std::nullopt;
    PrintField("FormatByte", formatByte ? std::to_string(*formatByte) : "");
    PrintField("FormatLevel", level ? std::to_string(*level) : "");
    const ConfigBytes bytes = file->config.Bytes();
    for (std::size_t i = 0; i < bytes.size(); ++i)
        PrintField(kConfigNames[i], std::to_string(bytes[i]));
    PrintField("SaveStamp", Utf8(file->config.saveStamp));
    PrintField("SavedBy", Utf8(file->config.savedBy));
    PrintField("Cycles", std::to_string(file->data.CycleCount()));
    PrintField("Size", std::to_string(WashDataFileSize(file->data)));
    return kExitOk;
}

int RunDump(const QString &path, bool heading) {
    auto file = LoadForCommand(path);
    if (!file)
        return kExitFailed;
    // After a load the editor estimates every cycle, so the rows carry the estimated times.
    WarningMarks marks;
    std::string remark;
    for (std::size_t i = 0; i < file->data.Size(); ++i)
        if (file->data.At(i).type == RecordType::CycleStart)
            EstimateCycle(file->data, i, file->config, marks, 0, remark);
    if (heading) {
        RawRow headings;
        for (std::size_t i = 0; i < headings.size(); ++i)
            headings[i] = kRawRowHeadings[i];
        PrintLine(Joined(headings));
    }
    for (const WashRecord &record : file->data.Records())
        PrintLine(Joined(RawRecordRow(record)));
    return kExitOk;
}

int RunResave(const QString &in, const QString &out) {
    auto file = LoadForCommand(in);
    if (!file)
        return kExitFailed;
    const SaveContext context{CurrentLocalDateTime(), CurrentSaverNames()};
    const SaveResult saved = SaveWashData(PathBytes(out), file->data, file->config, context);
    if (!saved.ok)
        return PrintFailure(saved.message.value_or(ErrorMessage("Unable to save")));
    return kExitOk;
}

} // namespace korvanta
