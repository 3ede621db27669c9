#pragma once

#include <QColor>
#include <QString>
#include <functional>
#include <initializer_list>

#include "model/WashRecord.h"

class QLabel;
class QLayout;
class QVBoxLayout;
class QPushButton;
class QWidget;

namespace korvanta {

class EditorHost;

// Background of a field that needs attention: zero time, or a spin speed above the machine's.
inline const QColor kAlertColour{255, 128, 128};

// Refresh codes an editor asks for after a store (bits: 2 cycle row, 4 step list, 8 editor).
constexpr int kRefreshSteps = 4;                // only the description changed
constexpr int kRefreshCycleRowAndSteps = 6;     // durations changed
constexpr int kRefreshStepsAndEditor = 12;      // the editor must re-derive its controls
constexpr int kRefreshCycleRowStepsEditor = 14; // both

// A static text control.
QLabel *MakeLabel(const QString &name, const QString &caption, QWidget *parent);
// A button that runs its rule when clicked and keeps no state (time and temperature presets).
QPushButton *MakeActionButton(const QString &name, const QString &caption, QWidget *parent);
// A button that stays down or up: put it in a ToggleGroup, or use it alone as an on/off switch.
QPushButton *MakeToggleButton(const QString &name, const QString &caption, QWidget *parent);

// The label under an editor that shows the duration estimate's warning for the step: wraps,
// and keeps room for three lines so a warning that arrives later is never cut.
void MakeRemarkLabel(QLabel *label);
// Shows an editor panel, first growing it when captions set since it was placed need more room.
void ShowPanel(QWidget *panel);

// A panel laid out as rows from the top; each row holds its controls side by side from the left.
QVBoxLayout *MakeRows(QWidget *panel);
void AddRow(QVBoxLayout *rows, std::initializer_list<QWidget *> controls);
void AddRow(QVBoxLayout *rows, QLayout *row);

// The current step's record when it is a step of this type, else nullptr.
WashRecord *CurrentStepOfType(EditorHost *host, RecordType type);
// The store-then-refresh rule of every editor control: write into the current step's record,
// but only when that record is a step of the editor's type, then ask the main window to
// refresh with the code (4 step list, 6 cycle row and step list, 12 and 14 also the editor).
// Returns false, without refreshing, when there was nothing to write into.
bool StoreStep(EditorHost *host, RecordType type, int refreshCode,
               const std::function<void(WashRecord &)> &write);

} // namespace korvanta
