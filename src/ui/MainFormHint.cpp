#include "ui/MainFormHint.h"

#include <QAction>
#include <QString>
#include <QWidget>

namespace korvanta {

namespace {

struct HintParts {
    QString shortPart;
    QString longPart;
};

HintParts SplitHint(const char *hint) {
    const QString text = QString::fromLatin1(hint);
    const qsizetype bar = text.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return {text, text};
    return {text.left(bar), text.mid(bar + 1)};
}

} // namespace

void SetHint(QWidget *widget, const char *hint) {
    const HintParts parts = SplitHint(hint);
    widget->setToolTip(parts.shortPart);
    widget->setStatusTip(parts.longPart);
}

void SetHint(QAction *action, const char *hint) {
    const HintParts parts = SplitHint(hint);
    action->setToolTip(parts.shortPart);
    action->setStatusTip(parts.longPart);
}

} // namespace korvanta
