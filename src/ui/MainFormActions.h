#pragma once

#include <array>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace korvanta {

// The menu items and toolbar buttons of the main window. Toolbar buttons are separate actions
// from the menu items (their captions and hints differ) and lead to the same commands.
struct MainFormActions {
    // File
    QAction *fileNew = nullptr;
    QAction *fileLoad = nullptr;
    QAction *fileSave = nullptr;
    QAction *filePrint = nullptr;
    QAction *fileExit = nullptr;
    // Cycle
    QAction *addCycle = nullptr;
    QAction *deleteCycle = nullptr;
    QAction *cutCycle = nullptr;
    QAction *copyCycle = nullptr;
    QAction *pasteCycle = nullptr;
    QAction *cycleUp = nullptr;
    QAction *cycleDown = nullptr;
    // Step
    QAction *addMode = nullptr;
    QAction *insertMode = nullptr;
    QAction *deleteStep = nullptr;
    std::array<QAction *, 8> addType{}; // in the order of kMainFormStepTypes
    QAction *stepUp = nullptr;
    QAction *stepDown = nullptr;
    // View
    QAction *cycleProfile = nullptr; // checked while the cycle profile window is shown
    // Machine
    QAction *configuration = nullptr;
    QAction *boardInfo = nullptr;
    QAction *prices = nullptr;
    QAction *talk = nullptr;
    QAction *talkNetwork = nullptr; // built in, never shown
    // Setup, Help, Debug
    QAction *programOptions = nullptr;
    QAction *help = nullptr;
    QAction *about = nullptr;
    QAction *showDebug = nullptr; // works through its shortcut; its menu is not shown
    QMenu *debugMenu = nullptr;

    // Toolbar, left to right
    QToolBar *toolBar = nullptr;
    QAction *tbNew = nullptr;
    QAction *tbLoad = nullptr;
    QAction *tbSave = nullptr;
    QAction *tbConfig = nullptr;
    QAction *tbTalk = nullptr;
    QAction *tbNetwork = nullptr; // never shown
    QAction *tbPrices = nullptr;
    QAction *tbPrint = nullptr;
    QAction *tbProfile = nullptr; // checked while the cycle profile window is shown
    QAction *tbSetup = nullptr;
    QAction *tbExit = nullptr;
};

MainFormActions BuildMainFormActions(QMainWindow *window);

// Shows or hides the toolbar captions and sizes the band and its buttons to match.
void ApplyCaptionSetting(const MainFormActions &actions, bool showCaption);

} // namespace korvanta
