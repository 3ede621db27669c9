#include "ui/steps/StepControls.h"

#include <algorithm>

#include <QLabel>
#include <QLayout>
#include <QList>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/steps/EditorHost.h"

namespace korvanta {

namespace {

// A button as wide as its caption needs: the editors line several of them up in a narrow
// column, where the style's usual minimum width would cut their captions.
class CaptionButton : public QPushButton {
public:
    CaptionButton(const QString &caption, QWidget *parent) : QPushButton(caption, parent) {}

    QSize sizeHint() const override {
        const QSize usual = QPushButton::sizeHint();
        const int needed = fontMetrics().horizontalAdvance(text()) + kCaptionPadding;
        return {std::min(usual.width(), std::max(needed, kNarrowest)), usual.height()};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

private:
    static constexpr int kCaptionPadding = 16;
    static constexpr int kNarrowest = 32;
};

} // namespace

QLabel *MakeLabel(const QString &name, const QString &caption, QWidget *parent) {
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

QPushButton *MakeActionButton(const QString &name, const QString &caption, QWidget *parent) {
    auto *button = new CaptionButton(caption, parent);
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

void MakeRemarkLabel(QLabel *label) {
    constexpr int kRemarkLines = 3;
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setMinimumHeight(kRemarkLines * label->fontMetrics().lineSpacing());
}

void ShowPanel(QWidget *panel) {
    // Bring the rows' sizes up to date with the captions just set, innermost rows first.
    QList<QWidget *> boxes = panel->findChildren<QWidget *>();
    boxes.prepend(panel);
    for (auto box = boxes.crbegin(); box != boxes.crend(); ++box)
        if (QLayout *layout = (*box)->layout())
            layout->activate();
    const QSize needed = panel->sizeHint();
    if (needed.width() > panel->width() || needed.height() > panel->height())
        panel->resize(std::max(needed.width(), panel->width()),
                      std::max(needed.height(), panel->height()));
    panel->show();
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
