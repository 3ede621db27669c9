#include "ui/steps/TFrameWash1.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/MachineTypeTable.h"
#include "platform/Cp1252.h"
#include "steps/TempScale.h"
#include "steps/WashStep.h"
#include "ui/steps/EditorHost.h"
#include "ui/steps/NumberField.h"
#include "ui/steps/StepControls.h"
#include "ui/steps/TemperatureField.h"
#include "ui/steps/TimeFields.h"
#include "ui/steps/ToggleGroup.h"

namespace korvanta {

namespace {

constexpr int kModeCode = 1;
constexpr int kTempCode = 2;
constexpr int kAgitationCode = 3;
constexpr int kPauseCode = 4;
constexpr int kSpeedCode = 5;
constexpr int kLargerTimeCode = 6;

constexpr int kInitialMode = 1;
constexpr int kInitialMinutes = 5;
constexpr int kTimeLargerMax = 9;

// The pause skips 1 and 2 seconds: an arrow jumps between 0 and 3, and a typed 1 or 2 is
// taken as 3.
class PauseField : public NumberField {
public:
    PauseField(int value, QWidget *parent)
        : NumberField("EditPause", "UpDownPause", {kWashPauseMin, kWashPauseMax, 1, false, 2},
                      value, parent) {}

protected:
    int ArrowValue(int from, bool up) const override { return WashPauseArrow(from, up); }
    int TypedValue(const QString &text) const override {
        const auto typed = ParseNumberText(text.toStdString(), Range().maxLength);
        if (typed && *typed <= Range().max)
            return WashPauseOnExit(*typed);
        return NumberField::TypedValue(text); // out of range: not taken
    }
};

int NormalSpeedOf(const MachineConfig &config) {
    return NormalWashSpeed(config.machineType);
}

} // namespace

TFrameWash1::TFrameWash1(EditorHost *host, QWidget *parent)
    : StepEditor(host, parent), modes_(new ToggleGroup(ToggleGroup::Kind::CannotBeAllUp, this)),
      agitation_(new NumberField("EditPuls", "UpDownPuls", {0, 60, 1, false, 2},
                                 WashModeAt(kInitialMode)->agitation, this)),
      pause_(new PauseField(WashModeAt(kInitialMode)->pause, this)),
      noReverse_(new QCheckBox("No reverse", this)), temp_(new TemperatureField(this)),
      speed_(new NumberField("EditSpeed", "UpDownSpeed",
                             {kWashSpeedMin, kWashSpeedMax, 1, false, 2},
                             NormalSpeedOf(MachineConfig{}), this)),
      time_(new TimeFields("High", {0, kTimeLargerMax, 1, false, 2}, "Low", kInitialMinutes, 0,
                           this)),
      largerUnit_(MakeLabel("StaticText10", "min", this)),
      smallerUnit_(MakeLabel("StaticText11", "sec", this)),
      remark_(MakeLabel("lblWashRemark", " Warnings will be shown here!", this)) {
    setObjectName("TFrameWash1");
    noReverse_->setObjectName("CheckBox1");
    speed_->SetEmptyValue(kWashSpeedMin);
    temp_->UnitLabel()->setObjectName("StaticText8");
    auto *rows = MakeRows(this);

    AddRow(rows, {MakeLabel("StaticText12", "Mode", this)});
    std::array<QPushButton *, kWashModeCount> modeButtons{};
    for (int mode = 1; mode <= kWashModeCount; ++mode) {
        auto *button =
            MakeToggleButton(QString("sbWash%1").arg(mode), QString("Wash %1").arg(mode), this);
        modes_->Add(button, mode);
        modeButtons[static_cast<std::size_t>(mode - 1)] = button;
    }
    modes_->SetDown(kInitialMode);
    AddRow(rows, {modeButtons[0], modeButtons[1], modeButtons[2], modeButtons[3]});
    AddRow(rows, {modeButtons[4], modeButtons[5], modeButtons[6]});

    QLabel *agitationLabel = MakeLabel("StaticText1", "Agitation", this);
    QLabel *agitationUnit = MakeLabel("StaticText6", "sec", this);
    QLabel *pauseLabel = MakeLabel("StaticText2", "Pause", this);
    QLabel *pauseUnit = MakeLabel("StaticText7", "sec", this);
    AddRow(rows, {agitationLabel, agitation_, agitationUnit, pauseLabel, pause_, pauseUnit});
    AddRow(rows, {noReverse_});

    QLabel *tempLabel = MakeLabel("StaticText3", "Temp", this);
    QPushButton *noHeat = MakeActionButton("sbNoHeat", "No heat", this);
    tempRow_ = {tempLabel, temp_, temp_->UnitLabel(), noHeat};
    AddRow(rows, {tempLabel, temp_, temp_->UnitLabel(), noHeat});
    const auto &presets = temp_->Presets();
    AddRow(rows, {presets[0], presets[1], presets[2], presets[3]});
    for (QPushButton *preset : presets)
        tempRow_.append(preset);

    QLabel *speedLabel = MakeLabel("StaticText4", "Speed", this);
    QLabel *speedUnit = MakeLabel("StaticText9", "rpm", this);
    QPushButton *washSpeed = MakeActionButton("sbWash", "wash", this);
    QPushButton *gentleSpeed = MakeActionButton("sbGentle", "gentle", this);
    AddRow(rows, {speedLabel, speed_, speedUnit, washSpeed, gentleSpeed});
    advancedRows_ = {agitationLabel, agitation_, agitationUnit, pauseLabel, pause_,
                     pauseUnit,      speedLabel, speed_,        speedUnit};

    AddRow(rows, {MakeLabel("StaticText5", "Time", this), time_->Larger(), largerUnit_,
                  time_->Smaller(), smallerUnit_});
    const char *const presetNames[] = {"sbTime3", "sbTime5", "sbTime7"};
    for (int i = 0; i < 3; ++i) {
        timePresets_[static_cast<std::size_t>(i)] = MakeActionButton(presetNames[i], "", this);
        connect(timePresets_[static_cast<std::size_t>(i)], &QPushButton::clicked, this,
                [this, i] { TimePreset(i); });
    }
    AddRow(rows, {timePresets_[0], timePresets_[1], timePresets_[2]});
    SetModeCaptions(kInitialMode);

    MakeRemarkLabel(remark_);
    rows->addWidget(remark_);
    rows->addStretch();
    for (QWidget *widget : advancedRows_) // until a step shows whether AdvancedMode is on
        widget->setEnabled(false);

    connect(modes_, &ToggleGroup::Clicked, this, &TFrameWash1::SelectMode);
    connect(time_, &TimeFields::Left, this, &TFrameWash1::StoreTime);
    connect(time_, &TimeFields::Stepped, this, &TFrameWash1::StoreTime);
    connect(temp_, &NumberField::Left, this, &TFrameWash1::StoreTemperature);
    connect(temp_, &NumberField::Stepped, this, &TFrameWash1::StoreTemperature);
    connect(temp_, &TemperatureField::PresetChosen, this, &TFrameWash1::StoreTemperature);
    connect(noHeat, &QPushButton::clicked, this, [this] {
        temp_->SetValue(temp_->Scale().min);
        StoreTemperature();
    });
    connect(agitation_, &NumberField::Left, this, &TFrameWash1::StoreAgitation);
    connect(agitation_, &NumberField::Stepped, this, &TFrameWash1::StoreAgitation);
    connect(pause_, &NumberField::Left, this, &TFrameWash1::StorePause);
    connect(pause_, &NumberField::Stepped, this, &TFrameWash1::StorePause);
    connect(noReverse_, &QCheckBox::toggled, this, &TFrameWash1::NoReverseChanged);
    connect(speed_, &NumberField::Left, this, &TFrameWash1::StoreSpeed);
    connect(speed_, &NumberField::Stepped, this, &TFrameWash1::StoreSpeed);
    connect(washSpeed, &QPushButton::clicked, this, &TFrameWash1::sbWashClick);
    connect(gentleSpeed, &QPushButton::clicked, this, [this] {
        speed_->SetValue(GentleWashSpeed(Host()->Config().machineType));
        StoreSpeed();
    });
}

void TFrameWash1::LoadStep(WashRecord &record) {
    // Disabling a control that holds the focus makes it leave: its store waits for the user.
    loading_ = true;
    const MachineConfig &config = Host()->Config();
    temp_->ApplyScale(TempScaleFor(config));
    const int temp = record.Code(kTempCode);
    agitation_->SetValue(record.Code(kAgitationCode));
    pause_->SetValue(record.Code(kPauseCode));
    speed_->SetValue(record.Code(kSpeedCode));
    temp_->SetCode(EnglishTemplateCorrection(temp, config).value_or(temp), config);
    time_->Set(record.Code(kLargerTimeCode), record.Code(kLargerTimeCode + 1));
    // What is shown is stored, so a code that does not survive the display is corrected.
    record.SetCode(kTempCode, temp_->Code(config));
    Host()->RefreshView(kRefreshCycleRowAndSteps);

    const int mode = record.Code(kModeCode);
    modes_->SetDown(mode); // a mode outside 1..7 leaves the button that was down
    SetModeCaptions(mode);
    for (QWidget *widget : tempRow_)
        widget->setEnabled(WashModeHeats(mode));
    noReverse_->setEnabled(WashModeAllowsNoReverse(mode));
    EnableAdvancedRows();
    loading_ = false;
    noReverse_->setChecked(pause_->Value() == 0);
    ShowPanel(this);
}

void TFrameWash1::NewStepRecord(WashRecord &record) {
    WashNewStepCodes(record, {modes_->DownId(), temp_->Code(Host()->Config()), agitation_->Value(),
                              pause_->Value(), speed_->Value(), time_->LargerValue(),
                              time_->SmallerValue()});
}

void TFrameWash1::SetRemark(const std::string &remark) {
    remark_->setText(FromCp1252(remark));
}

void TFrameWash1::sbWashClick() {
    speed_->SetValue(NormalSpeedOf(Host()->Config()));
    StoreSpeed();
}

void TFrameWash1::SelectMode(int mode) {
    const WashMode *preset = WashModeAt(mode);
    if (!preset)
        return;
    agitation_->SetValue(preset->agitation);
    pause_->SetValue(preset->pause);
    noReverse_->setEnabled(WashModeAllowsNoReverse(mode));
    for (QWidget *widget : tempRow_)
        widget->setEnabled(WashModeHeats(mode));
    if (!WashModeHeats(mode)) {
        temp_->SetValue(temp_->Scale().min);
        StoreTemperature();
    }
    if (WashRecord *record = CurrentStepOfType(Host(), Type())) {
        record->SetCode(kModeCode, mode);
        record->SetCode(kAgitationCode, preset->agitation);
        record->SetCode(kPauseCode, preset->pause);
    }
    StoreTime();
    SetModeCaptions(mode);
    noReverse_->setChecked(preset->pause == 0);
}

void TFrameWash1::SetModeCaptions(int mode) {
    const WashTimeCaptions &captions = WashTimeCaptionsFor(mode);
    largerUnit_->setText(captions.larger);
    smallerUnit_->setText(captions.smaller);
    for (std::size_t i = 0; i < timePresets_.size(); ++i)
        timePresets_[i]->setText(captions.presets[i]);
}

void TFrameWash1::EnableAdvancedRows() {
    const bool advanced = Host()->AdvancedMode();
    for (QWidget *widget : advancedRows_)
        widget->setEnabled(advanced);
}

void TFrameWash1::StoreTime() {
    Store(kRefreshCycleRowAndSteps,
          [this](WashRecord &record) { time_->Fill(record, kLargerTimeCode); });
}

void TFrameWash1::TimePreset(int index) {
    const auto *hoursButton = modes_->Button(kWashCooldownMode);
    const WashTime time = WashTimePreset(index, hoursButton && hoursButton->isChecked());
    time_->Set(time.larger, time.smaller);
    StoreTime();
}

void TFrameWash1::StoreTemperature() {
    const int code = temp_->Code(Host()->Config());
    Store(kRefreshCycleRowAndSteps,
          [code](WashRecord &record) { record.SetCode(kTempCode, code); });
}

void TFrameWash1::StoreAgitation() {
    if (loading_)
        return;
    const int agitation = agitation_->Value();
    Store(kRefreshSteps,
          [agitation](WashRecord &record) { record.SetCode(kAgitationCode, agitation); });
    ApplyNoReverseState();
}

void TFrameWash1::StorePause() {
    if (loading_)
        return;
    bool typed = false;
    const int text = pause_->Edit()->text().toInt(&typed);
    if (typed && text > 0 && text < kWashShortestPause)
        pause_->SetValue(pause_->Value()); // a typed 1 or 2 shows as the 3 it became
    const int pause = pause_->Value();
    Store(kRefreshSteps, [pause](WashRecord &record) { record.SetCode(kPauseCode, pause); });
    ApplyNoReverseState();
}

void TFrameWash1::StoreSpeed() {
    // The speed changes no duration and no description: nothing to refresh.
    if (WashRecord *record = loading_ ? nullptr : CurrentStepOfType(Host(), Type()))
        record->SetCode(kSpeedCode, speed_->Value());
}

bool TFrameWash1::Store(int refreshCode, const std::function<void(WashRecord &)> &write) {
    return !loading_ && StoreStep(Host(), Type(), refreshCode, write);
}

void TFrameWash1::ApplyNoReverseState() {
    noReverse_->setChecked(WashNoReverseState(agitation_->Value(), pause_->Value()));
}

void TFrameWash1::NoReverseChanged(bool checked) {
    const WashRecord *record = CurrentStepOfType(Host(), Type());
    pause_->SetValue(WashPauseOnNoReverse(checked, record ? record->Code(kPauseCode) : 0));
    const int pause = pause_->Value();
    Store(kRefreshSteps, [pause](WashRecord &record) { record.SetCode(kPauseCode, pause); });
}

} // namespace korvanta
