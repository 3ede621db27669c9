#pragma once

#include <QWidget>
#include <string>

#include "model/WashRecord.h"
#include "ui/steps/EditorHost.h"

namespace korvanta {

// Base of the eight step editor panels (TFrameFill1 .. TFrameAux1). A panel shows the current
// step, writes every change into its record at once through the host, then asks the host to
// refresh. Its controls also serve as the template for a new step of its type.
class StepEditor : public QWidget {
    Q_OBJECT
public:
    StepEditor(EditorHost *host, QWidget *parent) : QWidget(parent), host_(host) {}

    virtual RecordType Type() const = 0;
    // Shows the record in the controls; may correct the record where the editor's rules say.
    virtual void LoadStep(WashRecord &record) = 0;
    // Fills the codes of a freshly inserted record from the editor's current controls.
    virtual void NewStepRecord(WashRecord &record) = 0;
    // Remark text from the duration estimate of the current step; editors without a remark
    // label ignore it.
    virtual void SetRemark(const std::string &remark) { (void)remark; }
    // Configuration or options changed (units, type, advanced mode): re-apply captions/ranges.
    virtual void ConfigChanged() {}
    // The whole wash data was cleared (New, a rejected file, data read from a machine): the
    // editors that keep a start-up choice go back to it, by the configuration in force at that
    // moment.
    virtual void DataCleared() {}

protected:
    EditorHost *Host() const { return host_; }

private:
    EditorHost *host_;
};

} // namespace korvanta
