#include "ui/steps/StepEditorFactory.h"

namespace korvanta {

StepEditor *CreateStepEditor(RecordType type, EditorHost *host, QWidget *parent) {
    (void)type;
    (void)host;
    (void)parent;
    return nullptr;
}

} // namespace korvanta
