#include "ui/steps/HeatSoakFrame.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Cp1252.h"
#include "steps/HeatSoakCodes.h"
#include "ui/steps/EditorHost.h"
#include "ui/steps/StepControls.h"
#include "ui/steps/TemperatureField.h"
#include "ui/steps/TimeFields.h"

namespace korvanta {

namespace {

constexpr int kTempCode = 1;
constexpr int kHoursCode = 2;

} // namespace

HeatSoakFrame::HeatSoakFrame(RecordType type, const Captions &captions, EditorHost *host,
                             QWidget *parent)
    : StepEditor(host, parent), type_(type), temp_(new TemperatureField(this)),
      time_(new TimeFields("Hour", {0, kHeatSoakHoursMax, 1, false, 2}, "Min", captions.hours,
                           captions.minutes, this)),
      remark_(MakeLabel(captions.remarkName, captions.remarkText, this)),
      lastInRange_(temp_->Value()) {
    setObjectName(captions.frameName);
    temp_->UnitLabel()->setObjectName("StaticText1");
    auto *rows = MakeRows(this);
    AddRow(rows, {MakeLabel("Label1", "Temp", this)});
    temperatureRow_ = new QHBoxLayout;
    temperatureRow_->addWidget(temp_);
    temperatureRow_->addWidget(temp_->UnitLabel());
    AddRow(rows, temperatureRow_);
    const auto &presets = temp_->Presets();
    AddRow(rows, {presets[0], presets[1], presets[2], presets[3]});
    AddRow(rows, {MakeLabel("StaticText5", captions.timeCaption, this)});
    timeRow_ = new QHBoxLayout;
    const QList<QWidget *> timeWidgets{time_->Larger(), MakeLabel("StaticText10", "hour", this),
                                       time_->Smaller(), MakeLabel("StaticText11", "min", this)};
    for (QWidget *widget : timeWidgets)
        timeRow_->addWidget(widget);
    AddRow(rows, timeRow_);
    MakeRemarkLabel(remark_);
    rows->addWidget(remark_);
    rows->addStretch();
    time_->UpdateAlert();
    connect(temp_, &NumberField::TextChanged, this, &HeatSoakFrame::TemperatureTextChanged);
    connect(time_, &TimeFields::Edited, this,
            [this] { StoreStepTime(Host(), type_, time_, kHoursCode); });
}

void HeatSoakFrame::LoadStep(WashRecord &record) {
    const MachineConfig &config = Host()->Config();
    const int original = record.Code(kTempCode);
    const int code = EnglishTemplateCorrection(original, config).value_or(original);
    const QString textBefore = temp_->Edit()->text();
    loading_ = true;
    temp_->ApplyScale(TempScaleFor(config));
    temp_->SetCode(code, config);
    loading_ = false;
    lastInRange_ = temp_->Value();
    // Store what is shown: a code that does not survive the display (81 shows 40 degrees C)
    // becomes the code of the value shown, even when the text happened to read that already.
    const int shownCode = temp_->Code(config);
    if (shownCode != original || temp_->Edit()->text() != textBefore) {
        record.SetCode(kTempCode, shownCode);
        Host()->RefreshView(kRefreshCycleRowAndSteps);
    }
    time_->Load(record, kHoursCode);
    ShowPanel(this);
}

void HeatSoakFrame::AddToTemperatureRow(QWidget *widget) {
    AddBeforeStretch(temperatureRow_, widget);
}

void HeatSoakFrame::AddToTimeRow(QWidget *widget) {
    AddBeforeStretch(timeRow_, widget);
}

void HeatSoakFrame::AddBeforeStretch(QHBoxLayout *row, QWidget *widget) {
    row->insertWidget(row->count() - 1, widget);
}

void HeatSoakFrame::NewStepRecord(WashRecord &record) {
    SetHeatSoakCodes(record, type_,
                     {temp_->Code(Host()->Config()), time_->LargerValue(), time_->SmallerValue()});
}

void HeatSoakFrame::SetRemark(const std::string &remark) {
    remark_->setText(FromCp1252(remark));
}

void HeatSoakFrame::TemperatureTextChanged(const QString &text) {
    if (loading_)
        return;
    // While the text is on its way to a value (typing 1, 15, 150 in Fahrenheit) the last
    // value within the field's range is stored.
    bool ok = false;
    const int typed = text.toInt(&ok);
    const NumberFieldRange range = temp_->Range();
    if (ok && typed >= range.min && typed <= range.max)
        lastInRange_ = typed;
    StoreTemperature(lastInRange_);
}

void HeatSoakFrame::StoreTemperature(int value) {
    const int code = TempFieldCode(value, Host()->Config());
    StoreStep(Host(), type_, kRefreshCycleRowAndSteps,
              [code](WashRecord &record) { record.SetCode(kTempCode, code); });
}

} // namespace korvanta
