#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "config/ConfigRulesConfirm.h"
#include "config/ConfigStore.h"
#include "model/WashStore.h"

class QAbstractButton;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QRadioButton;

namespace korvanta {

class NumberField;
class TempField;
class ToggleGroup;

// "Machine configuration": the dialog in which the user sets the machine configuration. OK
// also brings the existing wash data in line with the new configuration (clearing it on a
// change of soap supply generation, rewriting Fill, Drain and Wash steps). The object lives
// from start-up to exit; the caller refreshes the main window completely after every showing.
class TConfigForm : public QDialog {
    Q_OBJECT
public:
    TConfigForm(ConfigStore &config, WashStore &wash, QWidget *parent = nullptr);

    ConfigStore &Store() { return config_; }
    // Empties the wash data as New does, without the unsaved-changes question and without a
    // snapshot (normally FileCommands::ClearData). Without it only the records are cleared.
    void SetClearWashData(std::function<void()> clear) { clearWashData_ = std::move(clear); }

    // Sets every control from the configuration and applies the type and unit rules; the
    // report uses it while the dialog is hidden to read the captions and dimension texts.
    void SetControlsFromConfig();
    // The type the dialog shows: the visible list's selection (+18 for the 4-compartment list).
    int ShownType() const;
    // English units: "English" down while the dialog shows, else the stored units.
    bool English() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *BuildMachineGroup();
    QWidget *BuildInOutGroup();
    QWidget *BuildBehaviourGroup();
    QWidget *BuildHysteresisGroup();
    QWidget *BuildTimeGroup();
    void ConnectControls();

    void ApplyTypeAndUnitRules();
    void ApplyGenerationCaptions(int type);
    void ApplyBehaviourRows(int type);
    void ApplyDimensionTexts(int type, bool english);
    void FillHysteresisLists(bool english);
    void ApplyTempUnits(bool english);
    void UpdateFlowText();
    void UpdateDrain1Availability();
    void ShowTypeList(bool fourCompartment);

    std::array<NumberField *, 5> NumberFields() const;
    ConfigChoice ChoiceFromControls() const;
    void OkClicked();

    ConfigStore &config_;
    WashStore &wash_;
    std::function<void()> clearWashData_;
    bool tempsInCelsius_ = true;

    QRadioButton *soapThree_ = nullptr; // bSoapTypePrevious
    QRadioButton *soapFour_ = nullptr;  // bSoapTypeFourC
    QComboBox *typeList_ = nullptr;     // ComboBoxType
    QComboBox *typeListFour_ = nullptr; // ComboBoxTypeFourC
    QLabel *offset_ = nullptr;
    QLabel *drumDiameter_ = nullptr;
    QLabel *tubDiameter_ = nullptr;
    QLabel *tubDepth_ = nullptr;
    ToggleGroup *units_ = nullptr; // 1 English, 0 Metric
    NumberField *heat_ = nullptr;
    ToggleGroup *drain1_ = nullptr; // 1 valve, 2 pump
    ToggleGroup *drain2_ = nullptr; // 0 none, 1 valve, 2 pump
    QHBoxLayout *drain2Row_ = nullptr;
    QPushButton *reuse_ = nullptr;
    NumberField *spinRetries_ = nullptr;
    ToggleGroup *advance_ = nullptr;  // 1 enable, 0 disable
    ToggleGroup *chemHold_ = nullptr; // 1 enable, 0 disable
    ToggleGroup *showTemp_ = nullptr; // 1 show, 0 hide
    QLabel *advanceLabel_ = nullptr;
    QLabel *chemHoldLabel_ = nullptr;
    QLabel *showTempLabel_ = nullptr;
    QComboBox *levelHysteresis_ = nullptr;
    QComboBox *tempHysteresis_ = nullptr;
    QLabel *levelHystUnits_ = nullptr;
    QLabel *tempHystUnits_ = nullptr;
    NumberField *flowRate_ = nullptr;
    QLabel *flowUnits_ = nullptr;
    TempField *coldTemp_ = nullptr;
    TempField *hotTemp_ = nullptr;
    QLabel *coldDegrees_ = nullptr;
    QLabel *hotDegrees_ = nullptr;
};

} // namespace korvanta
