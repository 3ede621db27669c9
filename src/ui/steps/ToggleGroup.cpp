#include "ui/steps/ToggleGroup.h"

#include <QAbstractButton>

namespace korvanta {

ToggleGroup::ToggleGroup(Kind kind, QObject *parent) : QObject(parent), kind_(kind) {}

void ToggleGroup::Add(QAbstractButton *button, int id) {
    button->setCheckable(true);
    entries_.push_back({button, id});
    connect(button, &QAbstractButton::clicked, this, [this, button, id] { OnClicked(button, id); });
}

void ToggleGroup::SetDown(int id) {
    QAbstractButton *button = Button(id);
    if (!button) {
        if (kind_ == Kind::MayBeAllUp)
            PutOthersUp(nullptr);
        return;
    }
    button->setChecked(true);
    PutOthersUp(button);
}

int ToggleGroup::DownId() const {
    for (const auto &entry : entries_)
        if (entry.button && entry.button->isChecked())
            return entry.id;
    return -1;
}

QAbstractButton *ToggleGroup::Button(int id) const {
    for (const auto &entry : entries_)
        if (entry.id == id)
            return entry.button;
    return nullptr;
}

void ToggleGroup::OnClicked(QAbstractButton *button, int id) {
    // The click has already toggled the button.
    if (!button->isChecked() && kind_ == Kind::CannotBeAllUp)
        button->setChecked(true);
    if (button->isChecked())
        PutOthersUp(button);
    emit Clicked(id);
}

void ToggleGroup::PutOthersUp(const QAbstractButton *down) {
    for (const auto &entry : entries_)
        if (entry.button && entry.button != down)
            entry.button->setChecked(false);
}

} // namespace korvanta
