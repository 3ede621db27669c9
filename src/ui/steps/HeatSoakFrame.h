#pragma once

#include <QString>

#include "ui/steps/StepEditor.h"

class QHBoxLayout;
class QLabel;

namespace korvanta {

class TemperatureField;
class TimeFields;

// What the Heat and Soak editors share: a temperature field whose every change of text stores
// Code1, and a time in hours (Code2) and minutes (Code3) with the zero-time alert.
class HeatSoakFrame : public StepEditor {
    Q_OBJECT
public:
    struct Captions {
        const char *frameName;   // "TFrameHeat1"
        const char *timeCaption; // "Timeout" or "Time"
        const char *remarkName;  // "lblHeatRemark"
        const char *remarkText;  // initial text of the remark label
        int hours;               // initial time
        int minutes;
    };

    HeatSoakFrame(RecordType type, const Captions &captions, EditorHost *host, QWidget *parent);

    RecordType Type() const override { return type_; }
    void LoadStep(WashRecord &record) override;
    void NewStepRecord(WashRecord &record) override;
    void SetRemark(const std::string &remark) override;

protected:
    TemperatureField *Temperature() const { return temp_; }
    TimeFields *Time() const { return time_; }
    // Subclasses add their own buttons after the temperature field and after the time fields.
    void AddToTemperatureRow(QWidget *widget);
    void AddToTimeRow(QWidget *widget);

private:
    void TemperatureTextChanged(const QString &text);
    void StoreTemperature(int value);
    static void AddBeforeStretch(QHBoxLayout *row, QWidget *widget);

    RecordType type_;
    TemperatureField *temp_;
    TimeFields *time_;
    QLabel *remark_;
    QHBoxLayout *temperatureRow_ = nullptr;
    QHBoxLayout *timeRow_ = nullptr;
    int lastInRange_;      // the field's last value within Min..Max while typing
    bool loading_ = false; // LoadStep decides itself whether to store what it shows
};

} // namespace korvanta
