#include "ui/steps/StepEditorFactory.h"

#include "ui/steps/TFrameAux1.h"
#include "ui/steps/TFrameDrain1.h"
#include "ui/steps/TFrameSpin1.h"
#include "ui/steps/TFrameSupply1.h"

namespace korvanta {

StepEditor *CreateStepEditor(RecordType type, EditorHost *host, QWidget *parent) {
    switch (type) {
    case RecordType::Supply:
        return new TFrameSupply1(host, parent);
    case RecordType::Drain:
        return new TFrameDrain1(host, parent);
    case RecordType::Spin:
        return new TFrameSpin1(host, parent);
    case RecordType::Aux:
        return new TFrameAux1(host, parent);
    default:
        return nullptr;
    }
}

} // namespace korvanta
