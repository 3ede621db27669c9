#pragma once

#include "model/WashRecord.h"
#include "ui/steps/StepEditor.h"

namespace korvanta {

// Creates the editor panel of a step type, or nullptr while that type has no editor yet
// (the main window then keeps the type's add button and menu item disabled).
StepEditor *CreateStepEditor(RecordType type, EditorHost *host, QWidget *parent);

} // namespace korvanta
