#include "ui/steps/TFrameSupply1.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/MachineTypeTable.h"
#include "steps/SupplyStep.h"
#include "ui/steps/NumberField.h"
#include "ui/steps/StepControls.h"
#include "ui/steps/TimeFields.h"

namespace korvanta {

namespace {

constexpr int kSoapCode = 1;
constexpr int kRemoteCode = 2;
constexpr int kMinutesCode = 3;
constexpr int kFirstLaterSoap = 3; // soaps D, E, F exist on the 4-compartment generation only
constexpr int kLastRemote = 5;     // sbSupply9

QString Latin(const std::string &text) {
    return QString::fromLatin1(text.c_str());
}

} // namespace

TFrameSupply1::TFrameSupply1(EditorHost *host, QWidget *parent)
    : StepEditor(host, parent), time_(new TimeFields("Min", {0, kSupplyMaxMinutes, 1, false, 2},
                                                     "Sec", 0, kSupplyInitialSeconds, this)) {
    setObjectName("TFrameSupply1");
    auto *rows = MakeRows(this);
    AddRow(rows, {MakeLabel("lSupply", "Supply", this)});
    auto *buttons = new QGridLayout;
    for (int bit = 0; bit < kSupplyButtonsPerCode; ++bit) {
        soaps_[bit] = MakeToggleButton(QString("sbSoap%1").arg(QChar('A' + bit)),
                                       Latin(InitialSoapButtonCaption(bit)), this);
        remotes_[bit] = MakeToggleButton(QString("sbSupply%1").arg(bit + 4),
                                         Latin(RemoteSupplyButtonCaption(bit, false)), this);
        buttons->addWidget(soaps_[bit], bit, 0);
        buttons->addWidget(remotes_[bit], bit, 1);
        connect(soaps_[bit], &QPushButton::clicked, this, &TFrameSupply1::SpeedButtonClick);
        connect(remotes_[bit], &QPushButton::clicked, this, &TFrameSupply1::SpeedButtonClick);
    }
    rows->addLayout(buttons);
    AddRow(rows, {MakeLabel("StaticText3", "Time", this)});
    AddRow(rows, {time_->Larger(), MakeLabel("StaticText1", "min", this), time_->Smaller(),
                  MakeLabel("StaticText2", "sec", this)});
    AddRow(rows, {time_->AddPreset("sbTime30", "0:30", 0, 30, this),
                  time_->AddPreset("sbTime45", "0:45", 0, 45, this),
                  time_->AddPreset("sbTime100", "1:00", 1, 0, this)});
    rows->addStretch();
    connect(time_, &TimeFields::Left, this, &TFrameSupply1::StoreTime);
    connect(time_, &TimeFields::PresetChosen, this, &TFrameSupply1::StoreTime);
    connect(time_, &TimeFields::Stepped, this, &TFrameSupply1::UpDownClick);
}

void TFrameSupply1::LoadStep(WashRecord &record) {
    Arrange(CompartmentMachine());
    time_->Load(record, kMinutesCode);
    // Hidden buttons show their bits too: they keep them for new steps.
    PutDown(soaps_, record.Code(kSoapCode));
    PutDown(remotes_, record.Code(kRemoteCode));
    ShowPanel(this);
}

void TFrameSupply1::NewStepRecord(WashRecord &record) {
    record = WashRecord::MakeStep(Type());
    record.SetCode(kSoapCode, Bits(soaps_));
    record.SetCode(kRemoteCode, Bits(remotes_));
    time_->Fill(record, kMinutesCode);
}

void TFrameSupply1::DataCleared() {
    if (CompartmentMachine()) {
        for (int bit = kFirstLaterSoap; bit < kSupplyButtonsPerCode; ++bit)
            soaps_[bit]->setChecked(false);
    } else {
        remotes_[kLastRemote]->setChecked(false);
    }
}

void TFrameSupply1::SpeedButtonClick() {
    WashRecord *record = CurrentStepOfType(Host(), Type());
    if (!record)
        return;
    record->SetCode(kSoapCode, WithSupplyButtonBits(record->Code(kSoapCode), Bits(soaps_)));
    record->SetCode(kRemoteCode, WithSupplyButtonBits(record->Code(kRemoteCode), Bits(remotes_)));
    const int seconds = SupplySecondsAfterMinimumRule(CompartmentMachine(), Bits(soaps_),
                                                      time_->LargerValue(), time_->SmallerValue());
    if (seconds != time_->SmallerValue()) {
        time_->Smaller()->SetValue(seconds);
        StoreTime();
    }
    Host()->RefreshView(kRefreshCycleRowStepsEditor);
}

void TFrameSupply1::UpDownClick() {
    const int seconds = SupplySecondsAfterMinimumRule(CompartmentMachine(), Bits(soaps_),
                                                      time_->LargerValue(), time_->SmallerValue());
    time_->Smaller()->SetValue(seconds);
    StoreTime();
}

void TFrameSupply1::StoreTime() {
    StoreStepTime(Host(), Type(), time_, kMinutesCode);
}

void TFrameSupply1::Arrange(bool compartmentMachine) {
    for (int bit = 0; bit < kSupplyButtonsPerCode; ++bit) {
        soaps_[bit]->setText(Latin(SoapButtonCaption(bit, compartmentMachine)));
        remotes_[bit]->setText(Latin(RemoteSupplyButtonCaption(bit, compartmentMachine)));
        if (bit >= kFirstLaterSoap)
            soaps_[bit]->setVisible(compartmentMachine);
    }
}

bool TFrameSupply1::CompartmentMachine() const {
    return IsCompartmentMachine(Host()->Config().machineType);
}

int TFrameSupply1::Bits(const std::array<QPushButton *, 6> &buttons) {
    int bits = 0;
    for (std::size_t bit = 0; bit < buttons.size(); ++bit)
        if (buttons[bit]->isChecked())
            bits |= 1 << bit;
    return bits;
}

void TFrameSupply1::PutDown(const std::array<QPushButton *, 6> &buttons, int bits) {
    for (std::size_t bit = 0; bit < buttons.size(); ++bit)
        buttons[bit]->setChecked((bits & (1 << bit)) != 0);
}

} // namespace korvanta
