#include "ui/steps/TFrameFill1.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/MachineTypeTable.h"
#include "estimate/LevelVolumes.h"
#include "platform/Cp1252.h"
#include "steps/FillLevel.h"
#include "steps/FillStep.h"
#include "steps/TempScale.h"
#include "ui/steps/EditorHost.h"
#include "ui/steps/NumberField.h"
#include "ui/steps/StepControls.h"
#include "ui/steps/TemperatureField.h"
#include "ui/steps/TimeFields.h"
#include "ui/steps/ToggleGroup.h"

namespace korvanta {

namespace {

constexpr int kCode1 = 1;
constexpr int kTempCode = 2;
constexpr int kLevelCode = 3;
constexpr int kMinutesCode = 4;

constexpr int kInitialMinutes = 5;
constexpr int kReuseOption = 0x01; // bit 0 of InletOptions: the machine has the extra inlet
constexpr int kUp = -1;            // ToggleGroup id that puts every button up

// Button ids of the inlet group are the values of Code1 bits 0-1.
constexpr int kCold = static_cast<int>(FillInlet::Cold);
constexpr int kControlled = static_cast<int>(FillInlet::Controlled);
constexpr int kRotationEnabled = 0;
constexpr int kRotationDisabled = 1;
constexpr int kAuxHeatEnabled = 0;
constexpr int kAuxHeatDisabled = 1;

// The decimal digit of the level steps by 2 tenths of an inch or 5 tenths of a centimetre.
NumberFieldRange LevelDecimalRange(const FillLevelScale &scale) {
    return {0, 10 - scale.decimalStep, scale.decimalStep, true, 2};
}

QWidget *Row(QWidget *parent, const QList<QWidget *> &widgets) {
    auto *row = new QWidget(parent);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget *widget : widgets)
        layout->addWidget(widget);
    layout->addStretch();
    return row;
}

} // namespace

TFrameFill1::TFrameFill1(EditorHost *host, QWidget *parent)
    : StepEditor(host, parent), inlets_(new ToggleGroup(ToggleGroup::Kind::MayBeAllUp, this)),
      reuse_(MakeToggleButton("sbReuse", "Aux Fill", this)), temp_(new TemperatureField(this)),
      auxHeatLabel_(MakeLabel("lAuxHeat", "Auxiliary heat", this)),
      auxHeat_(new ToggleGroup(ToggleGroup::Kind::CannotBeAllUp, this)),
      levels_(new ToggleGroup(ToggleGroup::Kind::MayBeAllUp, this)),
      level_(new NumberField(
          "EditLevel", "UpDownLevel", {0, FillLevelScaleFor(false).wholeMax, 1, false, 2},
          FillLevelToFields(kFillLevelLow, FillLevelScaleFor(false)).whole, this)),
      levelLow_(new NumberField("EditLevelLow", "UpDownLevelLow",
                                LevelDecimalRange(FillLevelScaleFor(false)), 0, this)),
      levelDot_(MakeLabel("StaticText8", ".", this)),
      levelUnit_(MakeLabel("StaticText9", "cm", this)),
      volume_(MakeLabel("stFillVolume", "( 0l)", this)),
      timeLabel_(MakeLabel("lTime", "Timeout", this)),
      time_(new TimeFields("Min", {0, 59, 1, false, 2}, "Sec", kInitialMinutes, 0, this)),
      prewash_(MakeToggleButton("bPreWash", "Prewash", this)),
      wash_(MakeToggleButton("bWash", "Wash", this)),
      rotation_(new ToggleGroup(ToggleGroup::Kind::CannotBeAllUp, this)),
      remark_(MakeLabel("lblFillRemark", " Warnings will be shown here!", this)) {
    setObjectName("TFrameFill1");
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(BuildInletRows());
    layout->addWidget(BuildLevelRows());
    layout->addWidget(BuildTimeRow());
    compartmentRow_ = BuildCompartmentRow();
    layout->addWidget(compartmentRow_);
    layout->addWidget(BuildRotationRow());
    MakeRemarkLabel(remark_);
    layout->addWidget(remark_);
    layout->addStretch();
    time_->UpdateAlert();
    EnableLevelFields(false);                      // until a step says whether AdvancedMode is on
    for (QWidget *widget : tempRow_ + auxHeatRow_) // a cold fill: no temperature to choose
        widget->setEnabled(false);
}

QWidget *TFrameFill1::BuildInletRows() {
    auto *box = new QWidget(this);
    auto *rows = new QVBoxLayout(box);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->addWidget(MakeLabel("StaticText1", "Inlets", this));
    const char *const names[] = {"sbControlled", "sbCold", "sbHot", "sbWarm"};
    const char *const captions[] = {"Controlled", "Cold", "Hot", "Warm"};
    QList<QWidget *> inletRow;
    for (int id : {kCold, kCold + 1, kCold + 2, kControlled}) {
        QPushButton *button = MakeToggleButton(names[id], captions[id], this);
        inlets_->Add(button, id);
        inletRow.append(button);
    }
    inlets_->SetDown(kCold);
    rows->addWidget(Row(box, inletRow));
    rows->addWidget(Row(box, {reuse_}));
    connect(inlets_, &ToggleGroup::Clicked, this, &TFrameFill1::sbInletsClick);
    connect(reuse_, &QPushButton::clicked, this, &TFrameFill1::sbInletsClick);

    temp_->UnitLabel()->setObjectName("StaticText7");
    QPushButton *cold = MakeActionButton("sbTempCold", "Cold", this);
    tempRow_ = {MakeLabel("StaticText5", "Temp", this), temp_, temp_->UnitLabel(), cold};
    rows->addWidget(Row(box, tempRow_));
    QList<QWidget *> presets;
    for (QPushButton *preset : temp_->Presets())
        presets.append(preset);
    rows->addWidget(Row(box, presets));
    tempRow_.append(presets);
    connect(temp_, &NumberField::Left, this, &TFrameFill1::sbInletsClick);
    connect(temp_, &NumberField::Stepped, this, &TFrameFill1::sbInletsClick);
    connect(temp_, &TemperatureField::PresetChosen, this, &TFrameFill1::sbInletsClick);
    connect(cold, &QPushButton::clicked, this, [this] {
        temp_->SetValue(temp_->Scale().min);
        sbInletsClick();
    });

    QPushButton *enabled = MakeToggleButton("bAuxHeatEn", "Enabled", this);
    QPushButton *disabled = MakeToggleButton("bAuxHeatDis", "Disabled", this);
    auxHeat_->Add(enabled, kAuxHeatEnabled);
    auxHeat_->Add(disabled, kAuxHeatDisabled);
    auxHeatRow_ = {auxHeatLabel_, enabled, disabled};
    rows->addWidget(Row(box, auxHeatRow_));
    connect(auxHeat_, &ToggleGroup::Clicked, this, &TFrameFill1::AuxHeatClick);
    return box;
}

QWidget *TFrameFill1::BuildLevelRows() {
    auto *box = new QWidget(this);
    auto *rows = new QVBoxLayout(box);
    rows->setContentsMargins(0, 0, 0, 0);
    QList<QWidget *> buttonRow{MakeLabel("StaticText2", "Level", this)};
    const char *const names[] = {"sbLow", "sbMed", "sbHigh", "sbOver"};
    const char *const captions[] = {"Low", "Med./Fill", "High", "Over"};
    for (int id = 0; id < 4; ++id) {
        QPushButton *button = MakeToggleButton(names[id], captions[id], this);
        levels_->Add(button, id);
        buttonRow.append(button);
    }
    levels_->SetDown(static_cast<int>(FillLevelButton::Low));
    rows->addWidget(Row(box, buttonRow));
    rows->addWidget(Row(box, {level_, levelDot_, levelLow_, levelUnit_, volume_}));
    connect(levels_, &ToggleGroup::Clicked, this, &TFrameFill1::LevelButtonClick);
    for (NumberField *field : {level_, levelLow_}) {
        connect(field, &NumberField::Left, this, &TFrameFill1::StoreLevel);
        connect(field, &NumberField::Stepped, this, &TFrameFill1::StoreLevel);
    }
    return box;
}

QWidget *TFrameFill1::BuildTimeRow() {
    auto *box = new QWidget(this);
    auto *rows = new QVBoxLayout(box);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->addWidget(Row(box, {timeLabel_, time_->Larger(), MakeLabel("StaticText4", "min", this),
                              time_->Smaller(), MakeLabel("StaticText6", "sec", this)}));
    const char *const names[] = {"sbTime3", "sbTime5", "sbTime7"};
    const char *const captions[] = {"5:00", "10:00", "15:00"};
    QList<QWidget *> presets;
    for (int i = 0; i < 3; ++i)
        presets.append(time_->AddPreset(names[i], captions[i], 5 * (i + 1), 0, this));
    rows->addWidget(Row(box, presets));
    connect(time_, &TimeFields::Edited, this, &TFrameFill1::StoreTime);
    return box;
}

QWidget *TFrameFill1::BuildCompartmentRow() {
    prewash_->setChecked(true);
    connect(prewash_, &QPushButton::clicked, this, &TFrameFill1::bWashClick);
    connect(wash_, &QPushButton::clicked, this, &TFrameFill1::bWashClick);
    return Row(this, {MakeLabel("lWash", "Use", this), prewash_, wash_,
                      MakeLabel("lWash2", "compartment(s)", this)});
}

QWidget *TFrameFill1::BuildRotationRow() {
    QPushButton *enabled = MakeToggleButton("bRotEn", "Enabled", this);
    QPushButton *disabled = MakeToggleButton("bRotDis", "Disabled", this);
    rotation_->Add(enabled, kRotationEnabled);
    rotation_->Add(disabled, kRotationDisabled);
    rotation_->SetDown(kRotationEnabled);
    connect(rotation_, &ToggleGroup::Clicked, this, &TFrameFill1::RotationClick);
    return Row(this, {MakeLabel("lRotation", "Rotation", this), enabled, disabled});
}

void TFrameFill1::LoadStep(WashRecord &record) {
    // Disabling a control that holds the focus makes it leave: nothing is stored meanwhile.
    loading_ = true;
    const MachineConfig &config = Host()->Config();
    FillCorrectOnLoad(record, config); // no refresh: the record only says what it meant
    ApplyConfiguration(config);
    time_->Load(record, kMinutesCode);
    ShowInlet(record);
    ShowLevel(record.Code(kLevelCode), config);
    const int code1 = record.Code(kCode1);
    if (IsCompartmentMachine(config.machineType)) {
        prewash_->setChecked((code1 & kFillPrewash) != 0);
        wash_->setChecked((code1 & kFillWashCompartment) != 0);
    }
    rotation_->SetDown((code1 & kFillNoRotation) != 0 ? kRotationDisabled : kRotationEnabled);
    auxHeat_->SetDown((code1 & kFillAuxHeat) != 0 ? kAuxHeatEnabled : kAuxHeatDisabled);
    loading_ = false;
    ShowPanel(this);
}

bool TFrameFill1::Store(int refreshCode, const std::function<void(WashRecord &)> &write) {
    return !loading_ && StoreStep(Host(), Type(), refreshCode, write);
}

void TFrameFill1::ApplyConfiguration(const MachineConfig &config) {
    const bool compartments = IsCompartmentMachine(config.machineType);
    reuse_->setVisible((config.inletOptions & kReuseOption) != 0);
    reuse_->setText(FillReuseCaption(config));
    // Without compartments the rotation row moves up into their place.
    compartmentRow_->setVisible(compartments);
    for (QWidget *widget : compartmentRow_->findChildren<QWidget *>())
        widget->setVisible(compartments);
    temp_->ApplyScale(TempScaleFor(config));
    const FillLevelScale &scale = FillLevelScaleFor(config.English());
    level_->SetRange(0, scale.wholeMax);
    levelLow_->SetRange(0, LevelDecimalRange(scale).max);
    levelLow_->SetIncrement(scale.decimalStep);
    levelUnit_->setText(scale.unit);
    auxHeatLabel_->setText("Auxiliary\nheat");
}

void TFrameFill1::ShowInlet(const WashRecord &record) {
    const MachineConfig &config = Host()->Config();
    const auto inlet = FillInletShown(record.Code(kCode1), record.Code(kTempCode));
    inlets_->SetDown(inlet ? static_cast<int>(*inlet) : kUp);
    reuse_->setChecked((record.Code(kCode1) & kFillAuxInlet) != 0);
    const bool controlled = inlet == FillInlet::Controlled;
    // A fill that is not controlled shows the field at Min; nothing is stored.
    temp_->SetValue(controlled ? TempFieldShown(record.Code(kTempCode), config)
                               : temp_->Scale().min);
    for (QWidget *widget : tempRow_ + auxHeatRow_)
        widget->setEnabled(controlled);
}

void TFrameFill1::ShowLevel(int levelCode, const MachineConfig &config) {
    const FillLevelFields fields =
        FillLevelToFields(levelCode, FillLevelScaleFor(config.English()));
    level_->SetValue(fields.whole);
    levelLow_->SetValue(fields.decimal);
    const auto button = FillLevelButtonFor(levelCode);
    levels_->SetDown(button ? static_cast<int>(*button) : kUp);
    timeLabel_->setText(levelCode == kFillLevelOver ? "Time" : "Timeout");
    volume_->setText(
        QString::fromLatin1(FillVolumeText(LevelVolume(levelCode, config), config.English())));
    EnableLevelFields(Host()->AdvancedMode());
}

void TFrameFill1::EnableLevelFields(bool advanced) {
    for (QWidget *widget : QList<QWidget *>{level_, levelDot_, levelUnit_, volume_})
        widget->setEnabled(advanced);
    levelLow_->setEnabled(advanced && level_->Value() != 0 &&
                          level_->Value() != level_->Range().max);
}

void TFrameFill1::NewStepRecord(WashRecord &record) {
    FillTemplate controls;
    const int inlet = inlets_->DownId();
    if (inlet != kUp)
        controls.inlet.down = static_cast<FillInlet>(inlet);
    controls.inlet.reuse = reuse_->isChecked();
    controls.tempCode = temp_->Code(Host()->Config());
    const int button = levels_->DownId();
    controls.levelCode =
        button != kUp ? FillLevelButtonCode(static_cast<FillLevelButton>(button)) : LevelOfFields();
    controls.minutes = time_->LargerValue();
    controls.seconds = time_->SmallerValue();
    controls.prewash = prewash_->isChecked();
    controls.wash = wash_->isChecked();
    controls.rotationDisabled = rotation_->DownId() == kRotationDisabled;
    controls.auxHeatEnabled = auxHeat_->DownId() == kAuxHeatEnabled;
    FillNewStepCodes(record, controls);
}

void TFrameFill1::SetRemark(const std::string &remark) {
    remark_->setText(FromCp1252(remark));
}

void TFrameFill1::sbInletsClick() {
    FillInletButtons buttons;
    if (inlets_->DownId() != kUp)
        buttons.down = static_cast<FillInlet>(inlets_->DownId());
    buttons.reuse = reuse_->isChecked();
    const int tempCode = temp_->Code(Host()->Config());
    Store(kRefreshCycleRowStepsEditor, [&](WashRecord &record) {
        const FillInletCodes codes = FillInletStore(record.Code(kCode1), buttons, tempCode);
        record.SetCode(kCode1, codes.code1);
        record.SetCode(kTempCode, codes.code2);
    });
}

int TFrameFill1::LevelOfFields() const {
    FillLevelFields fields{level_->Value(), levelLow_->Value()};
    return FillLevelStore(fields, FillLevelScaleFor(Host()->Config().English()));
}

void TFrameFill1::StoreLevel() {
    FillLevelFields fields{level_->Value(), levelLow_->Value()};
    const int code = FillLevelStore(fields, FillLevelScaleFor(Host()->Config().English()));
    levelLow_->SetValue(fields.decimal);
    Store(kRefreshCycleRowStepsEditor,
          [code](WashRecord &record) { record.SetCode(kLevelCode, code); });
}

void TFrameFill1::LevelButtonClick(int button) {
    // A click on the button that is down puts it up but still sets its level; the reload puts
    // it down again.
    const FillLevelFields fields = FillLevelButtonFields(
        static_cast<FillLevelButton>(button), FillLevelScaleFor(Host()->Config().English()));
    level_->SetValue(fields.whole);
    levelLow_->SetValue(fields.decimal);
    StoreLevel();
}

void TFrameFill1::StoreTime() {
    Store(kRefreshCycleRowStepsEditor, [this](WashRecord &record) {
        time_->Fill(record, kMinutesCode);
        time_->UpdateAlert();
    });
}

void TFrameFill1::bWashClick() {
    if (!prewash_->isChecked() && !wash_->isChecked())
        prewash_->setChecked(true);
    const int bits = FillCompartmentBits(prewash_->isChecked(), wash_->isChecked());
    Store(kRefreshStepsAndEditor, [bits](WashRecord &record) {
        record.SetCode(kCode1, (record.Code(kCode1) & ~kFillCompartmentBits) | bits);
    });
}

void TFrameFill1::RotationClick() {
    StoreCode1Bit(kFillNoRotation, rotation_->DownId() == kRotationDisabled,
                  kRefreshCycleRowAndSteps);
}

void TFrameFill1::AuxHeatClick() {
    StoreCode1Bit(kFillAuxHeat, auxHeat_->DownId() == kAuxHeatEnabled, kRefreshCycleRowAndSteps);
}

void TFrameFill1::StoreCode1Bit(int bit, bool set, int refreshCode) {
    Store(refreshCode, [bit, set](WashRecord &record) {
        const int code1 = record.Code(kCode1);
        record.SetCode(kCode1, set ? code1 | bit : code1 & ~bit);
    });
}

} // namespace korvanta
