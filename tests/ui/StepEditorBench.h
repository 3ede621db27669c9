#pragma once

#include <QLabel>
#include <QPushButton>
#include <memory>
#include <vector>

#include "FakeEditorHost.h"
#include "steps/StepDescription.h"
#include "ui/steps/StepEditorFactory.h"

namespace korvanta::testing {

// The codes a record holds, in order.
inline std::vector<int> Codes(const WashRecord &record) {
    std::vector<int> codes;
    for (int n = 1; record.Has(n); ++n)
        codes.push_back(record.Code(n));
    return codes;
}

// One editor from the factory in a fake window, showing one step; finds its controls by the
// names the panels give them and fails the test run loudly when a name is missing.
// The window stays hidden unless a test shows it: a shown window is activated at some later
// moment and hands the focus to a box, which would then leave it in the middle of a test.
struct StepEditorBench {
    FakeEditorHost host;
    QWidget window;
    std::unique_ptr<StepEditor> editor; // destroyed before its window

    StepEditorBench(RecordType type, int units, int machineType) {
        host.config.units = static_cast<uint8_t>(units);
        host.config.machineType = static_cast<uint8_t>(machineType);
        editor.reset(CreateStepEditor(type, &host, &window));
        if (!editor)
            qFatal("no editor for type %d", static_cast<int>(type));
        host.editor = editor.get();
    }
    // Shows the step as the main window does and forgets the refreshes that showing asked for.
    void Show(const WashRecord &record) {
        host.record = record;
        editor->LoadStep(host.record);
        host.refreshes.clear();
    }
    template <typename T> T *Find(const char *name) const {
        auto *widget = editor->findChild<T *>(name);
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    QPushButton *Button(const char *name) const { return Find<QPushButton>(name); }
    bool Down(const char *name) const { return Button(name)->isChecked(); }
    QLineEdit *Edit(const char *name) const { return Find<QLineEdit>(name); }
    QString Label(const char *name) const { return Find<QLabel>(name)->text(); }
    // The description as the step list shows it (Windows-1252 bytes read as Latin-1).
    QString Description() const {
        return QString::fromLatin1(StepDescription(host.record, host.config));
    }
    WashRecord NewStep() const {
        WashRecord record;
        editor->NewStepRecord(record);
        return record;
    }
};

} // namespace korvanta::testing
