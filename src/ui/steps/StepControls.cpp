#include "ui/steps/StepControls.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/steps/EditorHost.h"

namespace korvanta {

QLabel *MakeLabel(const QString &name, const QString &caption, QWidget *parent) {
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

QPushButton *MakeActionButton(const QString &name, const QString &caption, QWidget *parent) {
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

QPushButton *MakeToggleButton(const QString &name, const QString &caption, QWidget *parent) {
    auto *button = MakeActionButton(name, caption, parent);
    button->setCheckable(true);
    return button;
}

QVBoxLayout *MakeRows(QWidget *panel) {
    auto *rows = new QVBoxLayout(panel);
    rows->setSpacing(4);
    return rows;
}

void AddRow(QVBoxLayout *rows, std::initializer_list<QWidget *> controls) {
    auto *row = new QHBoxLayout;
    for (QWidget *control : controls)
        row->addWidget(control);
    AddRow(rows, row);
}

void AddRow(QVBoxLayout *rows, QLayout *row) {
    if (auto *box = qobject_cast<QBoxLayout *>(row))
        box->addStretch();
    rows->addLayout(row);
}

WashRecord *CurrentStepOfType(EditorHost *host, RecordType type) {
    WashRecord *record = host ? host->CurrentStepRecord() : nullptr;
    return record && record->type == type ? record : nullptr;
}

bool StoreStep(EditorHost *host, RecordType type, int refreshCode,
               const std::function<void(WashRecord &)> &write) {
    WashRecord *record = CurrentStepOfType(host, type);
    if (!record)
        return false;
    write(*record);
    host->RefreshView(refreshCode);
    return true;
}

} // namespace korvanta
