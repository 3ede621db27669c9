#include "ui/steps/StepEditorFactory.h"

#include "ui/steps/TFrameAux1.h"
#include "ui/steps/TFrameDrain1.h"
#include "ui/steps/TFrameFill1.h"
#include "ui/steps/TFrameHeat1.h"
#include "ui/steps/TFrameSoak1.h"
#include "ui/steps/TFrameSpin1.h"
#include "ui/steps/TFrameSupply1.h"
#include "ui/steps/TFrameWash1.h"

namespace korvanta {

StepEditor *CreateStepEditor(RecordType type, EditorHost *host, QWidget *parent) {
    switch (type) {
    case RecordType::Fill:
        return new TFrameFill1(host, parent);
    case RecordType::Wash:
        return new TFrameWash1(host, parent);
    case RecordType::Supply:
        return new TFrameSupply1(host, parent);
    case RecordType::Drain:
        return new TFrameDrain1(host, parent);
    case RecordType::Spin:
        return new TFrameSpin1(host, parent);
    case RecordType::Soak:
        return new TFrameSoak1(host, parent);
    case RecordType::Aux:
        return new TFrameAux1(host, parent);
    case RecordType::Heat:
        return new TFrameHeat1(host, parent);
    default:
        return nullptr;
    }
}

} // namespace korvanta
