#pragma once

class QAction;
class QWidget;

namespace korvanta {

// A hint "short|long": the short part becomes the tooltip, the long part the text that the
// main window's first status bar panel shows while the mouse is over the control. A hint
// without "|" is used for both.
void SetHint(QWidget *widget, const char *hint);
void SetHint(QAction *action, const char *hint);

} // namespace korvanta
