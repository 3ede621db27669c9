#pragma once

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <vector>

#include "ui/steps/EditorHost.h"
#include "ui/steps/NumberField.h"
#include "ui/steps/StepEditor.h"
#include "ui/steps/UpDownArrows.h"

namespace korvanta::testing {

// The window side of a step editor: one current step, the configuration and a log of the
// refreshes asked for. A refresh with the editor bit loads the step again, as the main window
// does.
class FakeEditorHost : public EditorHost {
public:
    WashRecord record;
    bool hasRecord = true;
    MachineConfig config;
    bool advanced = false;
    std::vector<int> refreshes;
    StepEditor *editor = nullptr;

    WashRecord *CurrentStepRecord() override { return hasRecord ? &record : nullptr; }
    const MachineConfig &Config() const override { return config; }
    bool AdvancedMode() const override { return advanced; }
    void RefreshView(int code) override {
        refreshes.push_back(code);
        if ((code & 8) && editor && hasRecord)
            editor->LoadStep(record);
    }
};

// Replaces the box's text by typing, as a user does (every key through the key filter).
inline void TypeInto(QLineEdit *edit, const QString &text) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

// The box loses the focus to another control.
inline void Leave(QLineEdit *edit) {
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(edit, &out);
}

inline void TypeAndLeave(QLineEdit *edit, const QString &text) {
    TypeInto(edit, text);
    Leave(edit);
}

inline QLineEdit *EditOf(QWidget *panel, const char *name) {
    return panel->findChild<QLineEdit *>(name);
}

inline void PressArrow(QWidget *panel, const char *upDownName, bool up) {
    auto *arrows = panel->findChild<UpDownArrows *>(upDownName);
    QTest::mouseClick(up ? arrows->UpButton() : arrows->DownButton(), Qt::LeftButton);
}

inline bool HasAlertColour(QLineEdit *edit) {
    return edit->palette().color(QPalette::Base) == QColor(255, 128, 128);
}

} // namespace korvanta::testing
