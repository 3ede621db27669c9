#include "ui/steps/TFrameSoak1.h"

#include <QPushButton>

#include "ui/steps/StepControls.h"
#include "ui/steps/TemperatureField.h"

namespace korvanta {

namespace {

constexpr HeatSoakFrame::Captions kCaptions{
    "TFrameSoak1", "Time", "lblSoakRemark", "Warnings will be shown here!", 2, 0};

} // namespace

TFrameSoak1::TFrameSoak1(EditorHost *host, QWidget *parent)
    : HeatSoakFrame(RecordType::Soak, kCaptions, host, parent) {
    QPushButton *noHeat = MakeActionButton("sbNoHeat", "No heat", this);
    AddToTemperatureRow(noHeat);
    // Setting the text stores it, as every change of the field's text does.
    connect(noHeat, &QPushButton::clicked, this,
            [this] { Temperature()->SetValue(Temperature()->Scale().min); });
}

} // namespace korvanta
