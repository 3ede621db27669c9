#pragma once

#include <QObject>

#include "model/WashRecord.h"
#include "steps/NumberFieldRule.h"

class QPushButton;
class QWidget;

namespace korvanta {

class EditorHost;
class NumberField;

// The two number fields of a step's time: a larger unit (minutes, or hours) and a smaller one
// (seconds, or minutes: 0..59 with Wrap), with the zero-time alert and the preset buttons.
//
// Use: construct with the name suffixes ("Min", "Sec" gives EditMin/UpDownMin and
// EditSec/UpDownSec), put Larger() and Smaller() into the panel's layout, add presets with
// AddPreset(), and connect Edited() (or Left/Stepped/PresetChosen apart where the editor's
// rules differ) to the time store, which ends with UpdateAlert().
class TimeFields : public QObject {
    Q_OBJECT
public:
    TimeFields(const QString &largerName, NumberFieldRange largerRange, const QString &smallerName,
               int larger, int smaller, QWidget *parent);

    NumberField *Larger() const { return larger_; }
    NumberField *Smaller() const { return smaller_; }
    int LargerValue() const;
    int SmallerValue() const;
    void Set(int larger, int smaller);

    // Both fields get the alert colour while both are 0.
    void UpdateAlert();

    // The record's time is held in two codes, the larger unit at largerCode and the smaller
    // one after it. Load shows them (with the alert); Fill writes the fields into a record.
    void Load(const WashRecord &record, int largerCode);
    void Fill(WashRecord &record, int largerCode) const;

    // A button that sets both fields to its time and then reports PresetChosen().
    QPushButton *AddPreset(const QString &name, const QString &caption, int larger, int smaller,
                           QWidget *parent);

signals:
    void Left();         // an edit box was left
    void Stepped();      // an arrow was pressed
    void PresetChosen(); // a preset set the time
    void Edited();       // any of the three

private:
    NumberField *larger_;
    NumberField *smaller_;
};

// The time store shared by the editors: both codes from the fields, the zero-time alert, then
// the refresh of the cycle row and the step list (the duration changed).
bool StoreStepTime(EditorHost *host, RecordType type, TimeFields *time, int largerCode);

} // namespace korvanta
