#include "ui/steps/TFrameHeat1.h"

#include <QPushButton>

#include "steps/HeatStep.h"
#include "ui/steps/TimeFields.h"

namespace korvanta {

namespace {

constexpr HeatSoakFrame::Captions kCaptions{
    "TFrameHeat1", "Timeout", "lblHeatRemark", " Warnings will be shown here!", 0, 15};

} // namespace

TFrameHeat1::TFrameHeat1(EditorHost *host, QWidget *parent)
    : HeatSoakFrame(RecordType::Heat, kCaptions, host, parent) {
    const char *const names[] = {"sbTime15", "sbTime30"};
    const char *const captions[] = {"0h15", "0h30"};
    for (int i = 0; i < 2; ++i) {
        const HeatTime preset = HeatTimePreset(i);
        AddToTimeRow(Time()->AddPreset(names[i], captions[i], preset.hours, preset.minutes, this));
    }
}

} // namespace korvanta
