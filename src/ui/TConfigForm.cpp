#include "ui/TConfigForm.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <array>

#include "config/ConfigRules.h"
#include "config/MachineTypeTable.h"
#include "platform/Cp1252.h"
#include "ui/OkCancelButtons.h"
#include "ui/ProgramBox.h"
#include "ui/steps/NumberField.h"
#include "ui/steps/StepControls.h"
#include "ui/steps/ToggleGroup.h"

namespace korvanta {

// An inlet temperature field: its arrows step by one degree C or two degrees F.
class TempField : public NumberField {
public:
    TempField(const QString &editName, const QString &upDownName, QWidget *parent)
        : NumberField(editName, upDownName, {10, 90, 1, false, 3}, 10, parent) {}

    void SetUnits(const TempSpinnerRange &range) {
        step_ = range.step;
        SetRange(range.min, range.max);
    }

protected:
    int ArrowValue(int from, bool up) const override {
        NumberFieldRange range = Range();
        range.increment = step_;
        return NumberFieldArrow(range, from, up);
    }

private:
    int step_ = 1;
};

namespace {

QString Text(const std::string &cp1252) {
    return FromCp1252(cp1252);
}

QLabel *Label(const QString &text, QWidget *parent, const QString &name = {}) {
    auto *label = new QLabel(text, parent);
    if (!name.isEmpty())
        label->setObjectName(name);
    return label;
}

// A row of toggle buttons of which exactly one is down.
ToggleGroup *ToggleRow(QWidget *parent, QHBoxLayout *row,
                       std::initializer_list<std::tuple<const char *, const char *, int>> buttons) {
    auto *group = new ToggleGroup(ToggleGroup::Kind::CannotBeAllUp, parent);
    for (const auto &[name, caption, id] : buttons) {
        QPushButton *button = MakeToggleButton(name, caption, parent);
        group->Add(button, id);
        row->addWidget(button);
    }
    row->addStretch();
    return group;
}

// Puts the button of id down, or every button up when the stored value has none.
void SetDownOrNone(ToggleGroup *group, int id, std::initializer_list<int> ids) {
    if (group->Button(id)) {
        group->SetDown(id);
        return;
    }
    for (const int other : ids)
        group->Button(other)->setChecked(false);
}

std::optional<int> DownId(const ToggleGroup *group) {
    const int id = group->DownId();
    return id < 0 ? std::nullopt : std::optional<int>(id);
}

void FillList(QComboBox *list, const std::vector<std::string> &items) {
    list->clear();
    for (const std::string &item : items)
        list->addItem(Text(item));
}

void SelectIndex(QComboBox *list, int index) {
    list->setCurrentIndex(index < list->count() ? index : -1);
}

QMessageBox::StandardButton Warn(QWidget *parent, const std::string &text,
                                 QMessageBox::StandardButtons buttons) {
    return ShowProgramBox(parent, QMessageBox::Warning, Text(text), buttons);
}

} // namespace

TConfigForm::TConfigForm(ConfigStore &config, WashStore &wash, QWidget *parent)
    : QDialog(parent), config_(config), wash_(wash) {
    setObjectName(QStringLiteral("TConfigForm"));
    setWindowTitle(QStringLiteral("Machine configuration"));
    setModal(true);

    auto *columns = new QHBoxLayout;
    auto *left = new QVBoxLayout;
    left->addWidget(BuildMachineGroup());
    left->addWidget(BuildInOutGroup());
    auto *right = new QVBoxLayout;
    right->addWidget(BuildBehaviourGroup());
    right->addWidget(BuildHysteresisGroup());
    right->addWidget(BuildTimeGroup());
    columns->addLayout(left);
    columns->addLayout(right);

    const OkCancelButtons buttons = MakeOkCancelButtons(this);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttons.row);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(buttons.ok, &QPushButton::clicked, this, &TConfigForm::OkClicked);
    ConnectControls();
    SetControlsFromConfig();
}

QWidget *TConfigForm::BuildMachineGroup() {
    auto *group = new QGroupBox(QStringLiteral("Machine"), this);
    auto *grid = new QGridLayout(group);
    soapThree_ = new QRadioButton(QStringLiteral("3 compartment"), group);
    soapThree_->setObjectName(QStringLiteral("bSoapTypePrevious"));
    soapFour_ = new QRadioButton(QStringLiteral("4 compartment"), group);
    soapFour_->setObjectName(QStringLiteral("bSoapTypeFourC"));
    auto *soapRow = new QHBoxLayout;
    soapRow->addWidget(soapThree_);
    soapRow->addWidget(soapFour_);
    grid->addWidget(Label(QStringLiteral("Soap type"), group), 0, 0);
    grid->addLayout(soapRow, 0, 1);

    typeList_ = new QComboBox(group);
    typeList_->setObjectName(QStringLiteral("ComboBoxType"));
    typeListFour_ = new QComboBox(group);
    typeListFour_->setObjectName(QStringLiteral("ComboBoxTypeFourC"));
    for (int type = 0; type < kMachineTypeCount; ++type)
        (IsCompartmentMachine(type) ? typeListFour_ : typeList_)
            ->addItem(Text(MachineTypeAt(type).designation));
    auto *typeRow = new QHBoxLayout;
    for (QComboBox *list : {typeList_, typeListFour_}) {
        list->setMaxVisibleItems(30);
        typeRow->addWidget(list);
    }
    grid->addWidget(Label(QStringLiteral("Machine type"), group), 1, 0);
    grid->addLayout(typeRow, 1, 1);

    offset_ = Label(QStringLiteral("Offset : -"), group, QStringLiteral("STOffset"));
    drumDiameter_ =
        Label(QStringLiteral("Diameter drum : -"), group, QStringLiteral("STDiameterTrommel"));
    tubDiameter_ =
        Label(QStringLiteral("Diameter tub : -"), group, QStringLiteral("STDiameterKuip"));
    tubDepth_ = Label(QStringLiteral("Depth tub : -"), group, QStringLiteral("STDiepteKuip"));
    int row = 2;
    for (QLabel *text : {offset_, drumDiameter_, tubDiameter_, tubDepth_})
        grid->addWidget(text, row++, 1);

    auto *unitsRow = new QHBoxLayout;
    units_ = ToggleRow(group, unitsRow, {{"sbEnglish", "English", 1}, {"sbMetric", "Metric", 0}});
    grid->addWidget(Label(QStringLiteral("Units"), group), row, 0);
    grid->addLayout(unitsRow, row, 1);
    return group;
}

QWidget *TConfigForm::BuildInOutGroup() {
    auto *group = new QGroupBox(QStringLiteral("In && out"), this);
    auto *grid = new QGridLayout(group);
    heat_ =
        new NumberField(QStringLiteral("eHeat"), QStringLiteral("UpDownHeat"), {0, 40}, 9, group);
    auto *heatRow = new QHBoxLayout;
    heatRow->addWidget(heat_);
    heatRow->addWidget(Label(QStringLiteral("kW"), group, QStringLiteral("lHeatUnits")));
    heatRow->addStretch();
    grid->addWidget(Label(QStringLiteral("Heat"), group), 0, 0);
    grid->addLayout(heatRow, 0, 1);

    auto *drain1Row = new QHBoxLayout;
    drain1_ =
        ToggleRow(group, drain1Row, {{"sbDrain1Valve", "Valve", 1}, {"sbDrain1Pump", "Pump", 2}});
    grid->addWidget(Label(QStringLiteral("Drain 1"), group), 1, 0);
    grid->addLayout(drain1Row, 1, 1);

    drain2Row_ = new QHBoxLayout;
    drain2_ = ToggleRow(group, drain2Row_,
                        {{"sbDrain2NoDrain", "No drain", 0},
                         {"sbDrain2Valve", "Valve", 1},
                         {"sbDrain2Pump", "Pump", 2}});
    grid->addWidget(Label(QStringLiteral("Drain 2"), group), 2, 0);
    grid->addLayout(drain2Row_, 2, 1);

    reuse_ = MakeToggleButton(QStringLiteral("sbReuse"), QStringLiteral("Aux Fill"), group);
    reuse_->setCheckable(true);
    grid->addWidget(Label(QStringLiteral("Inlet options"), group), 3, 0);
    grid->addWidget(reuse_, 3, 1, Qt::AlignLeft);
    return group;
}

QWidget *TConfigForm::BuildBehaviourGroup() {
    auto *group = new QGroupBox(QStringLiteral("Behavior"), this);
    auto *grid = new QGridLayout(group);
    spinRetries_ = new NumberField(QStringLiteral("Edit1"), QStringLiteral("UpDownSpinRetries"),
                                   {0, 15}, 5, group);
    grid->addWidget(Label(QStringLiteral("Spin retries"), group), 0, 0);
    grid->addWidget(spinRetries_, 0, 1);

    const auto addRow = [&](int row, QLabel *label, QHBoxLayout *buttons) {
        grid->addWidget(label, row, 0);
        grid->addLayout(buttons, row, 1);
    };
    auto *advanceRow = new QHBoxLayout;
    advance_ = ToggleRow(group, advanceRow,
                         {{"sbAdvance", "Enable", 1}, {"sbAdvanceDisable", "Disable", 0}});
    advanceLabel_ = Label(QStringLiteral("Advance"), group, QStringLiteral("lAdvance"));
    addRow(1, advanceLabel_, advanceRow);
    auto *chemRow = new QHBoxLayout;
    chemHold_ = ToggleRow(group, chemRow,
                          {{"sbChemHold", "Enable", 1}, {"sbChemHoldDisable", "Disable", 0}});
    chemHoldLabel_ = Label(QStringLiteral("Chemical hold"), group, QStringLiteral("lChemHold"));
    addRow(2, chemHoldLabel_, chemRow);
    auto *tempRow = new QHBoxLayout;
    showTemp_ = ToggleRow(group, tempRow, {{"sbShowTemp", "Show", 1}, {"sbHideTemp", "Hide", 0}});
    showTempLabel_ = Label(QStringLiteral("Temperature"), group, QStringLiteral("lShowTemp"));
    addRow(3, showTempLabel_, tempRow);
    return group;
}

QWidget *TConfigForm::BuildHysteresisGroup() {
    auto *group = new QGroupBox(QStringLiteral("Hysteresis"), this);
    auto *grid = new QGridLayout(group);
    levelHysteresis_ = new QComboBox(group);
    levelHysteresis_->setObjectName(QStringLiteral("ComboBoxLevelHysteresis"));
    levelHystUnits_ = Label({}, group, QStringLiteral("lLevelHystUnits"));
    tempHysteresis_ = new QComboBox(group);
    tempHysteresis_->setObjectName(QStringLiteral("ComboBoxTempHysteresis"));
    tempHystUnits_ = Label({}, group, QStringLiteral("lTempHystUnits"));
    grid->addWidget(Label(QStringLiteral("Level hysteresis"), group), 0, 0);
    grid->addWidget(levelHysteresis_, 0, 1);
    grid->addWidget(levelHystUnits_, 0, 2);
    grid->addWidget(Label(QStringLiteral("Temperature hysteresis"), group), 1, 0);
    grid->addWidget(tempHysteresis_, 1, 1);
    grid->addWidget(tempHystUnits_, 1, 2);
    return group;
}

QWidget *TConfigForm::BuildTimeGroup() {
    auto *group = new QGroupBox(QStringLiteral("Time calculation"), this);
    auto *grid = new QGridLayout(group);
    flowRate_ = new NumberField(QStringLiteral("eFlowrate"), QStringLiteral("UpDownFlowRate"),
                                {1, 100, 1, false, 3}, 17, group);
    flowUnits_ = Label(QStringLiteral("l"), group, QStringLiteral("lFlowrateUnits"));
    coldTemp_ = new TempField(QStringLiteral("eColdTemp"), QStringLiteral("UpDownColdTemp"), group);
    coldDegrees_ = Label({}, group, QStringLiteral("lColdTempDegrees"));
    hotTemp_ = new TempField(QStringLiteral("eHotTemp"), QStringLiteral("UpDownHotTemp"), group);
    hotDegrees_ = Label({}, group, QStringLiteral("lHotTempDegrees"));
    const struct {
        const char *caption;
        QWidget *field;
        QLabel *unit;
    } rows[] = {{"Flowrate (/min)", flowRate_, flowUnits_},
                {"Cold inlet temperature", coldTemp_, coldDegrees_},
                {"Hot inlet temperature", hotTemp_, hotDegrees_}};
    int row = 0;
    for (const auto &r : rows) {
        grid->addWidget(Label(QString::fromLatin1(r.caption), group), row, 0);
        grid->addWidget(r.field, row, 1);
        grid->addWidget(r.unit, row++, 2);
    }
    return group;
}

void TConfigForm::ConnectControls() {
    for (QRadioButton *soap : {soapThree_, soapFour_})
        connect(soap, &QRadioButton::clicked, this, [this] {
            ShowTypeList(soapFour_->isChecked());
            ApplyTypeAndUnitRules();
        });
    for (QComboBox *list : {typeList_, typeListFour_})
        connect(list, &QComboBox::currentIndexChanged, this, [this] { ApplyTypeAndUnitRules(); });
    connect(units_, &ToggleGroup::Clicked, this, [this] { ApplyTypeAndUnitRules(); });
    connect(drain2_, &ToggleGroup::Clicked, this, [this] { UpdateDrain1Availability(); });
    connect(flowRate_, &NumberField::TextChanged, this, [this] { UpdateFlowText(); });
    // An emptied box gives back the value it held, as its arrows keep their position.
    for (NumberField *field : NumberFields())
        connect(field, &NumberField::TextChanged, this, [field](const QString &text) {
            if (text.isEmpty())
                field->SetEmptyValue(field->Value());
        });
    // The hysteresis choices are stored at once, so that a change of units can select them
    // again; Cancel does not undo them.
    connect(levelHysteresis_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            config_.config.levelHysteresis = static_cast<uint8_t>(index);
    });
    connect(tempHysteresis_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            config_.config.tempHysteresis = static_cast<uint8_t>(index);
    });
}

void TConfigForm::showEvent(QShowEvent *event) {
    SetControlsFromConfig();
    QDialog::showEvent(event);
}

void TConfigForm::SetControlsFromConfig() {
    const MachineConfig &config = config_.config;
    const ConfigChoice shown = ChoiceFromConfig(config);
    {
        const QSignalBlocker blockThree(typeList_);
        const QSignalBlocker blockFour(typeListFour_);
        soapFour_->setChecked(shown.fourCompartment);
        soapThree_->setChecked(!shown.fourCompartment);
        typeList_->setCurrentIndex(shown.fourCompartment ? 0 : shown.listIndex);
        typeListFour_->setCurrentIndex(shown.fourCompartment ? shown.listIndex : 0);
        ShowTypeList(shown.fourCompartment);
    }
    units_->SetDown(shown.english ? 1 : 0);
    heat_->SetValue(shown.heatKW);
    flowRate_->SetValue(shown.flowRate);
    spinRetries_->SetValue(shown.spinRetries);
    const TempSpinnerRange celsius = TempSpinnerRangeFor(false);
    for (TempField *field : {coldTemp_, hotTemp_})
        field->SetUnits(celsius);
    coldTemp_->SetValue(shown.coldTemp);
    hotTemp_->SetValue(shown.hotTemp);
    tempsInCelsius_ = true;
    SetDownOrNone(drain1_, shown.drain1.value_or(-1), {1, 2});
    SetDownOrNone(drain2_, shown.drain2.value_or(-1), {0, 1, 2});
    reuse_->setChecked(shown.extraInlet);
    advance_->SetDown(shown.advanceEnabled ? 1 : 0);
    chemHold_->SetDown(shown.chemHoldEnabled ? 1 : 0);
    showTemp_->SetDown(shown.showTemp ? 1 : 0);
    ApplyTypeAndUnitRules();
}

int TConfigForm::ShownType() const {
    const bool four = soapFour_->isChecked();
    return korvanta::ShownType(four, (four ? typeListFour_ : typeList_)->currentIndex());
}

bool TConfigForm::English() const {
    return isVisible() ? units_->DownId() == 1 : config_.config.English();
}

void TConfigForm::ShowTypeList(bool fourCompartment) {
    typeListFour_->setVisible(fourCompartment);
    typeList_->setVisible(!fourCompartment);
}

void TConfigForm::ApplyTypeAndUnitRules() {
    const int type = std::clamp(ShownType(), 0, kMachineTypeCount - 1);
    const bool english = English();
    ApplyGenerationCaptions(type);
    ApplyBehaviourRows(type);
    ApplyDimensionTexts(type, english);
    FillHysteresisLists(english);
    ApplyTempUnits(english);
    UpdateFlowText();
    UpdateDrain1Availability();
}

void TConfigForm::ApplyGenerationCaptions(int type) {
    const GenerationCaptions captions = GenerationCaptionsFor(type);
    reuse_->setText(Text(captions.extraInlet));
    drain2_->Button(1)->setText(Text(captions.drain2Valve));
    QAbstractButton *noDrain = drain2_->Button(0);
    QAbstractButton *pump = drain2_->Button(2);
    // Without a second drain pump "No drain" moves to the pump's place on the row.
    drain2Row_->removeWidget(noDrain);
    drain2Row_->insertWidget(captions.drain2PumpShown ? 0 : 1, noDrain);
    if (!captions.drain2PumpShown && pump->isChecked())
        drain2_->SetDown(0);
    pump->setVisible(captions.drain2PumpShown);
}

void TConfigForm::ApplyBehaviourRows(int type) {
    const BehaviourRows rows = BehaviourRowsFor(type);
    const auto enable = [](ToggleGroup *group, QLabel *label, bool on) {
        label->setEnabled(on);
        group->Button(0)->setEnabled(on);
        group->Button(1)->setEnabled(on);
    };
    enable(showTemp_, showTempLabel_, rows.temperatureEnabled);
    enable(advance_, advanceLabel_, rows.advanceEnabled);
    enable(chemHold_, chemHoldLabel_, rows.chemHoldEnabled);
}

void TConfigForm::ApplyDimensionTexts(int type, bool english) {
    const DimensionTexts texts = DimensionTextsFor(type, english);
    offset_->setText(Text(texts.offset));
    drumDiameter_->setText(Text(texts.drumDiameter));
    tubDiameter_->setText(Text(texts.tubDiameter));
    tubDepth_->setText(Text(texts.tubDepth));
}

void TConfigForm::FillHysteresisLists(bool english) {
    const HysteresisChoices choices = HysteresisChoicesFor(english);
    const QSignalBlocker blockLevel(levelHysteresis_);
    const QSignalBlocker blockTemp(tempHysteresis_);
    FillList(levelHysteresis_, choices.levelItems);
    FillList(tempHysteresis_, choices.tempItems);
    SelectIndex(levelHysteresis_, config_.config.levelHysteresis);
    SelectIndex(tempHysteresis_, config_.config.tempHysteresis);
    levelHystUnits_->setText(Text(choices.levelUnit));
    tempHystUnits_->setText(Text(choices.tempUnit));
}

void TConfigForm::ApplyTempUnits(bool english) {
    const bool convert = english == tempsInCelsius_;
    for (TempField *field : {coldTemp_, hotTemp_}) {
        const int value = field->Value();
        field->SetUnits(TempSpinnerRangeFor(english));
        if (convert)
            field->SetValue(ConvertTempSpinner(value, english));
    }
    tempsInCelsius_ = !english;
    const QString degrees = Text(DegreeText(english));
    coldDegrees_->setText(degrees);
    hotDegrees_->setText(degrees);
}

void TConfigForm::UpdateFlowText() {
    // An empty field while typing has no flow to show: the text shown before stays.
    if (const auto text = FlowText(English(), flowRate_->Edit()->text().toStdString()))
        flowUnits_->setText(Text(*text));
}

void TConfigForm::UpdateDrain1Availability() {
    const bool enabled = Drain1Enabled(soapFour_->isChecked(), drain2_->DownId() == 1);
    drain1_->Button(1)->setEnabled(enabled);
    drain1_->Button(2)->setEnabled(enabled);
}

std::array<NumberField *, 5> TConfigForm::NumberFields() const {
    return {heat_, spinRetries_, flowRate_, coldTemp_, hotTemp_};
}

ConfigChoice TConfigForm::ChoiceFromControls() const {
    ConfigChoice choice;
    choice.fourCompartment = soapFour_->isChecked();
    choice.listIndex = (choice.fourCompartment ? typeListFour_ : typeList_)->currentIndex();
    choice.english = units_->DownId() == 1;
    choice.drain1 = DownId(drain1_);
    choice.drain2 = DownId(drain2_);
    choice.extraInlet = reuse_->isChecked();
    choice.heatKW = heat_->Value();
    choice.flowRate = flowRate_->Value();
    choice.spinRetries = spinRetries_->Value();
    choice.coldTemp = coldTemp_->Value();
    choice.hotTemp = hotTemp_->Value();
    choice.tempsInCelsius = tempsInCelsius_;
    choice.advanceEnabled = advance_->DownId() == 1;
    choice.chemHoldEnabled = chemHold_->DownId() == 1;
    choice.showTemp = showTemp_->DownId() == 1;
    const int level = levelHysteresis_->currentIndex();
    const int temp = tempHysteresis_->currentIndex();
    choice.levelHysteresis = level >= 0 ? level : config_.config.levelHysteresis;
    choice.tempHysteresis = temp >= 0 ? temp : config_.config.tempHysteresis;
    return choice;
}

void TConfigForm::OkClicked() {
    // A number typed but not yet left counts, as the arrows beside it read their box.
    for (NumberField *field : NumberFields())
        field->TakeTyped();
    const ConfigChoice choice = ChoiceFromControls();
    const auto question =
        GenerationChangeQuestion(config_.config.machineType, choice.fourCompartment);
    if (question) {
        // Cancel stores nothing; the dialog closes all the same.
        if (Warn(this, *question, QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok) {
            accept();
            return;
        }
        if (clearWashData_) {
            clearWashData_();
        } else {
            wash_.data.Clear();
            wash_.clipboard.clear();
        }
    }
    for (const std::string &warning : ConfirmConfig(config_.config, wash_.data, choice))
        Warn(this, warning, QMessageBox::Ok);
    accept();
}

} // namespace korvanta
