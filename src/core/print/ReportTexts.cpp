#include "print/ReportTexts.h"

#include "comm/BoardInfo.h"

namespace korvanta {

namespace {

std::string TwoDigits(uint32_t value) {
    return (value < 10 ? "0" : "") + std::to_string(value);
}

} // namespace

std::string ReportProgramTitle() {
    return "Korvanta Planner v" + PlannerVersionText();
}

std::string FileNamePart(const std::string &path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string EstimatedDurationText(uint32_t seconds) {
    return "Estimated duration: " + std::to_string(seconds / 3600) + ":" +
           TwoDigits((seconds / 60) % 60) + ":" + TwoDigits(seconds % 60);
}

std::string StepDurationText(uint32_t seconds) {
    return std::to_string(seconds / 60) + ":" + TwoDigits(seconds % 60);
}

std::string CycleHeadingText(int number, const std::string &name) {
    return "Cycle " + std::to_string(number) + ": " + name;
}

} // namespace korvanta
