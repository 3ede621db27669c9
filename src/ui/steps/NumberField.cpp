#include "ui/steps/NumberField.h"

#include <algorithm>

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "ui/steps/StepControls.h"
#include "ui/steps/UpDownArrows.h"

namespace korvanta {

namespace {

// The edit box of a number field: filters the typed characters and reports leaving.
class NumberEdit : public QLineEdit {
public:
    NumberEdit(NumberField *owner) : QLineEdit(owner), owner_(owner) {
        // Pasted text passes no key filter; the validator keeps it to digits as well.
        setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), this));
    }

protected:
    void keyPressEvent(QKeyEvent *event) override {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            event->accept();
            focusNextChild();
            return;
        }
        // The arrow keys work the field's arrows, as with any edit box paired with spin arrows.
        if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
            event->accept();
            owner_->Step(event->key() == Qt::Key_Up);
            return;
        }
        // Keys without a character (arrows, Home, End) and Delete edit as usual.
        const QString text = event->text();
        if (!text.isEmpty() && text.at(0) != QChar(0x7F)) {
            const QChar ch = text.at(0);
            const char latin = ch.unicode() < 128 ? static_cast<char>(ch.unicode()) : 0;
            if (text.size() > 1 || FilterNumberKey(latin) != KeyAction::Accept) {
                event->accept();
                return;
            }
        }
        QLineEdit::keyPressEvent(event);
    }

    void focusOutEvent(QFocusEvent *event) override {
        QLineEdit::focusOutEvent(event);
        if (event->reason() != Qt::PopupFocusReason)
            owner_->TakeTyped();
    }

private:
    NumberField *owner_;
};

} // namespace

NumberField::NumberField(const QString &editName, const QString &upDownName, NumberFieldRange range,
                         int value, QWidget *parent)
    : QWidget(parent), range_(range), value_(value), edit_(new NumberEdit(this)),
      arrows_(new UpDownArrows(upDownName, this)) {
    setObjectName(editName + "Field");
    edit_->setObjectName(editName);
    edit_->setMaxLength(range.maxLength);
    edit_->setFixedWidth(12 + 9 * range.maxLength);
    normalPalette_ = edit_->palette();
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(edit_);
    layout->addWidget(arrows_);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(edit_, &QLineEdit::textChanged, this, &NumberField::TextChanged);
    connect(arrows_, &UpDownArrows::Pressed, this, &NumberField::Step);
    SetValue(value);
}

void NumberField::SetValue(int value) {
    value_ = std::clamp(value, range_.min, range_.max);
    Show(value_);
}

void NumberField::SetRange(int min, int max) {
    range_.min = min;
    range_.max = max;
    if (value_ < min || value_ > max)
        SetValue(value_);
}

void NumberField::SetAlert(bool on) {
    QPalette palette = normalPalette_;
    if (on)
        palette.setColor(QPalette::Base, kAlertColour);
    edit_->setPalette(palette);
}

void NumberField::TakeTyped() {
    const QString text = edit_->text();
    value_ = text.isEmpty() ? emptyValue_ : TypedValue(text);
    // A number out of range stays in the box as typed (not taken); what was taken is shown.
    const auto typed = ParseNumberText(text.toStdString(), range_.maxLength);
    const bool notTaken = typed && (*typed < range_.min || *typed > range_.max);
    if (!notTaken || ShowsTakenValue())
        Show(value_);
    emit Left();
}

void NumberField::Step(bool up) {
    // A number typed but not yet left counts as the arrows' starting point, as long as the
    // field could hold it.
    const auto typed = ParseNumberText(edit_->text().toStdString(), range_.maxLength);
    const int from = typed && *typed >= range_.min && *typed <= range_.max ? *typed : value_;
    value_ = ArrowValue(from, up);
    Show(value_);
    emit Stepped(up);
}

int NumberField::ArrowValue(int from, bool up) const {
    return NumberFieldArrow(range_, from, up);
}

int NumberField::TypedValue(const QString &text) const {
    return NumberFieldTakeTyped(range_, text.toStdString(), value_, emptyValue_);
}

void NumberField::Show(int value) {
    const QString text = QString::number(value);
    if (edit_->text() != text)
        edit_->setText(text);
}

} // namespace korvanta
