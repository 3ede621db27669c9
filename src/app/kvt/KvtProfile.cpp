#include "KvtProfile.h"

#include <cstdio>
#include <optional>
#include <string>

#include "KvtJson.h"
#include "KvtOutput.h"
#include "estimate/Time_calc.h"
#include "print/ReportFile.h"
#include "print/ReportTexts.h"
#include "steps/FillLevel.h"
#include "steps/StepDescription.h"
#include "ui/ProfileSvg.h"

namespace korvanta {

namespace {

// The picture's size in pixels at 96 dpi: a wide chart that a page or a screen shows whole.
constexpr int kProfileSvgWidth = 1200;
constexpr int kProfileSvgHeight = 560;

// The display units of a configuration: level codes are half centimetres or fifths of an
// inch, TempCode half degrees Celsius.
struct ProfileUnits {
    bool english = false;
    double codesPerLevelUnit = 2;

    explicit ProfileUnits(const MachineConfig &config)
        : english(config.English()),
          codesPerLevelUnit(FillLevelScaleFor(config.English()).codesPerUnit) {}

    const char *LevelUnit() const { return english ? "inch" : "cm"; }
    const char *TemperatureUnit() const { return english ? "F" : "C"; }
    double Level(int64_t code) const { return static_cast<double>(code) / codesPerLevelUnit; }
    double Temperature(int64_t code) const {
        return english ? static_cast<double>(code) * 9 / 10 + 32 : static_cast<double>(code) / 2;
    }
};

// Every value has one decimal: that is exact for both level scales and both temperature scales.
std::string Decimal(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

void PrintCsv(const CycleCourse &course, const ProfileUnits &units) {
    PrintLine(std::string("seconds,step,level_") + units.LevelUnit() + ",temperature_" +
              units.TemperatureUnit());
    for (const CourseStep &step : course.steps)
        for (const CoursePoint &point : course.PointsOf(step))
            PrintLine(std::to_string(point.seconds) + "," + std::to_string(step.ordinal) + "," +
                      Decimal(units.Level(point.level)) + "," +
                      Decimal(units.Temperature(point.temperature)));
}

std::string OptionalJson(const std::optional<int64_t> &code,
                         double (ProfileUnits::*convert)(int64_t) const,
                         const ProfileUnits &units) {
    return code ? Decimal((units.*convert)(*code)) : "null";
}

std::string StepJson(const CycleCourse &course, const CourseStep &step, const WashData &data,
                     const MachineConfig &config, const ProfileUnits &units) {
    std::string points;
    for (const CoursePoint &point : course.PointsOf(step))
        points += (points.empty() ? "[" : ", [") + std::to_string(point.seconds) + ", " +
                  Decimal(units.Level(point.level)) + ", " +
                  Decimal(units.Temperature(point.temperature)) + "]";
    const WashRecord &record = data.At(step.recordIndex);
    return "{\"step\": " + std::to_string(step.ordinal) +
           ", \"type\": " + std::to_string(static_cast<int>(step.type)) +
           ", \"description\": " + JsonQuoted(Utf8(StepDescription(record, config))) +
           ", \"start\": " + std::to_string(step.startSeconds) +
           ", \"end\": " + std::to_string(step.endSeconds) +
           ", \"levelStart\": " + Decimal(units.Level(step.levelStart)) +
           ", \"levelEnd\": " + Decimal(units.Level(step.levelEnd)) +
           ", \"temperatureStart\": " + Decimal(units.Temperature(step.temperatureStart)) +
           ", \"temperatureEnd\": " + Decimal(units.Temperature(step.temperatureEnd)) +
           ", \"targetLevel\": " + OptionalJson(step.targetLevel, &ProfileUnits::Level, units) +
           ", \"targetTemperature\": " +
           OptionalJson(step.targetTemperature, &ProfileUnits::Temperature, units) +
           ", \"reached\": " + JsonBool(step.reached) + ",\n    \"points\": [" + points + "]}";
}

void PrintJson(const CycleCourse &course, const WashData &data, std::size_t start,
               const MachineConfig &config, const ProfileUnits &units) {
    std::string steps;
    for (const CourseStep &step : course.steps)
        steps += (steps.empty() ? "" : ",\n   ") + StepJson(course, step, data, config, units);
    PrintLine("{\"number\": " + std::to_string(data.At(start).Code(1)) +
              ", \"name\": " + JsonQuoted(Utf8(data.At(start).name)) +
              ", \"total\": " + std::to_string(course.totalSeconds) +
              ", \"levelUnit\": " + JsonQuoted(units.LevelUnit()) + ", \"temperatureUnit\": " +
              JsonQuoted(std::string("\xC2\xB0") + units.TemperatureUnit()) + ",\n \"steps\": [" +
              steps + "]}");
}

// The picture is complete before it replaces the file in one step.
int WriteSvg(const QString &path, const CycleCourse &course, const MachineConfig &config,
             const std::string &title) {
    const QByteArray svg =
        ProfileSvg(course, config, title, QSize(kProfileSvgWidth, kProfileSvgHeight));
    UserMessage message = ErrorMessage("Unable to save " + PathBytes(path));
    if (svg.isEmpty() || !WriteReportFile(PathBytes(path), svg.toStdString(), message))
        return PrintFailure(message);
    return kExitOk;
}

} // namespace

int RunProfile(const QString &path, int number, const KvtProfileOptions &options) {
    auto file = LoadForCommand(path);
    if (!file)
        return kExitFailed;
    const auto start = CycleNumbered(file->data, number);
    if (!start)
        return kExitFailed;
    WarningMarks marks;
    std::string remark;
    CycleCourse course;
    EstimateCycle(file->data, *start, file->config, marks, 0, remark, &course);
    const ProfileUnits units(file->config);
    switch (options.format) {
    case ProfileFormat::Csv:
        PrintCsv(course, units);
        break;
    case ProfileFormat::Json:
        PrintJson(course, file->data, *start, file->config, units);
        break;
    case ProfileFormat::Svg:
        return WriteSvg(options.svg, course, file->config,
                        CycleHeadingText(number, file->data.At(*start).name));
    }
    return kExitOk;
}

} // namespace korvanta
