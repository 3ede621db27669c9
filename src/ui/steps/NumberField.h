#pragma once

#include <QPalette>
#include <QWidget>

#include "steps/NumberFieldRule.h"

class QLineEdit;

namespace korvanta {

class UpDownArrows;

// A step editor's number field: an edit box (objectName e.g. "EditMin") paired with up/down
// arrows (e.g. "UpDownMin"). Its value is what the arrows hold and always lies within
// Min..Max.
//
// Use: create it with both names, its range and initial value, put it in the panel's layout,
// and connect
//   Left()    - the edit box lost the focus; the typed text has been taken (an empty box
//               becomes the empty value, a number outside Min..Max is not taken): store Value();
//   Stepped() - an arrow was pressed and the value moved (or wrapped); store Value();
//   TextChanged() - every change of the box's text, typed or set.
// The edit box accepts digits and Backspace only; Enter moves the focus to the next control.
// SetValue() shows a value without emitting Left() or Stepped() (for LoadStep).
class NumberField : public QWidget {
    Q_OBJECT
public:
    NumberField(const QString &editName, const QString &upDownName, NumberFieldRange range,
                int value, QWidget *parent);

    int Value() const { return value_; }
    // Shows value, limited to Min..Max.
    void SetValue(int value);
    NumberFieldRange Range() const { return range_; }
    void SetRange(int min, int max);
    // The step of one arrow press (a level's decimal digit steps by 2 or by 5 per the units).
    void SetIncrement(int increment) { range_.increment = increment; }
    // What an emptied box becomes when it is left (0 unless a field says otherwise).
    void SetEmptyValue(int value) { emptyValue_ = value; }

    // The background colour that asks for attention (red 255, green 128, blue 128).
    void SetAlert(bool on);

    QLineEdit *Edit() const { return edit_; }

    // The rules of leaving the box and of one arrow press; the edit box and the arrows call
    // them, and so may a panel that needs the field settled before it stores.
    void TakeTyped();
    void Step(bool up);

signals:
    void Left();
    void Stepped(bool up);
    void TextChanged(const QString &text);

protected:
    // The value after an arrow press from `from`.
    virtual int ArrowValue(int from, bool up) const;
    // The value that leaving the box with this non-empty text puts in force.
    virtual int TypedValue(const QString &text) const;
    // True when the box shows the value it took (clamping fields), false when a number out of
    // range stays in the box as typed.
    virtual bool ShowsTakenValue() const { return false; }

private:
    void Show(int value);

    NumberFieldRange range_;
    int value_;
    int emptyValue_ = 0;
    QLineEdit *edit_;
    UpDownArrows *arrows_;
    QPalette normalPalette_;
};

} // namespace korvanta
