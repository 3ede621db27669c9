#include "ui/MainFormActions.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

#include "files/Options.h"
#include "ui/MainFormHint.h"
#include "ui/MainFormStepTypes.h"

namespace korvanta {

namespace {

QAction *Item(QMenu *menu, const char *text, const char *name, const char *shortcut = nullptr) {
    QAction *action = menu->addAction(QString::fromLatin1(text));
    action->setObjectName(name);
    if (shortcut)
        action->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
    return action;
}

QAction *Button(QToolBar *bar, QStyle::StandardPixmap icon, const char *caption, const char *name,
                const char *hint) {
    QAction *action =
        bar->addAction(bar->style()->standardIcon(icon), QString::fromLatin1(caption));
    action->setObjectName(name);
    action->setIconText(QString::fromLatin1(caption)); // captions keep their spaces
    SetHint(action, hint);
    if (QWidget *button = bar->widgetForAction(action))
        button->setObjectName(name);
    return action;
}

void BuildFileMenu(QMainWindow *window, MainFormActions &a) {
    QMenu *menu = window->menuBar()->addMenu(QStringLiteral("&File"));
    menu->setObjectName("MenuFile");
    a.fileNew = Item(menu, "&New", "MenuNew", "Ctrl+N");
    menu->addSeparator();
    a.fileLoad = Item(menu, "&Load...", "MenuLoad", "Ctrl+L");
    a.fileSave = Item(menu, "&Save...", "MenuSave", "Ctrl+S");
    menu->addSeparator();
    a.filePrint = Item(menu, "&Print...", "MenuPrint", "Ctrl+P");
    menu->addSeparator();
    a.fileExit = Item(menu, "&Exit", "MenuExit");
    SetHint(a.fileNew, "New file|New file");
    SetHint(a.fileLoad, "Load file|Load KVT-file");
    SetHint(a.fileSave, "Save file|Save KVT-file");
    SetHint(a.filePrint, "Print|Print cycles and configuration");
    SetHint(a.fileExit, "Exit|Exit program");
}

void BuildCycleMenu(QMainWindow *window, MainFormActions &a) {
    QMenu *menu = window->menuBar()->addMenu(QStringLiteral("&Cycle"));
    menu->setObjectName("MenuCycle");
    a.addCycle = Item(menu, "Add &cycle 1", "MenuAddCycle");
    a.deleteCycle = Item(menu, "Delete c&ycle", "MenuDeleteCycle");
    menu->addSeparator();
    a.cutCycle = Item(menu, "Cut cycle", "MenuCutCycle");
    a.copyCycle = Item(menu, "Copy cycle", "MenuCopyCycle");
    a.pasteCycle = Item(menu, "Paste cycle", "MenuPasteCycle");
    menu->addSeparator();
    a.cycleUp = Item(menu, "Move cycle up", "MenuCycleUp");
    a.cycleDown = Item(menu, "Move cycle down", "MenuCycleDown");
    SetHint(a.addCycle, "Add a cycle|Add a cycle");
    SetHint(a.deleteCycle, "Delete cycle|Delete cycle");
    SetHint(a.cutCycle, "Cut cycle|Cut selected cycle to clipboard");
    SetHint(a.copyCycle, "Copy cycle|Copy selected cycle to clipboard");
    SetHint(a.pasteCycle, "Paste cycle|paste cycle in clipboard");
    SetHint(a.cycleUp, "Cycle up|Move cycle up");
    SetHint(a.cycleDown, "Cycle down|Move cycle down");
}

void BuildStepMenu(QMainWindow *window, MainFormActions &a) {
    QMenu *menu = window->menuBar()->addMenu(QStringLiteral("Step"));
    menu->setObjectName("MenuStep");
    a.addMode = Item(menu, "Add step", "MenuAddMode");
    a.insertMode = Item(menu, "Insert step", "MenuInsertMode");
    a.addMode->setCheckable(true);
    a.insertMode->setCheckable(true);
    a.addMode->setChecked(true);
    a.deleteStep = Item(menu, "Delete step", "MenuDeleteStep");
    menu->addSeparator();
    for (std::size_t i = 0; i < kMainFormStepTypes.size(); ++i) {
        const MainFormStepType &entry = kMainFormStepTypes[i];
        a.addType[i] = Item(menu, entry.menuText, entry.menuName);
        SetHint(a.addType[i], entry.hint);
    }
    menu->addSeparator();
    a.stepUp = Item(menu, "Move step up", "MenuStepUp");
    a.stepDown = Item(menu, "Move step down", "MenuStepDown");
    SetHint(a.addMode, "Add a step|add a step");
    SetHint(a.insertMode, "Insert a step|Insert a step");
    SetHint(a.deleteStep, "Delete step|Delete step");
    SetHint(a.stepUp, "Move step up|Move step up");
    SetHint(a.stepDown, "Move step down|Move step down");
}

void BuildViewMenu(QMainWindow *window, MainFormActions &a) {
    QMenu *menu = window->menuBar()->addMenu(QStringLiteral("&View"));
    menu->setObjectName("MenuView");
    a.cycleProfile = Item(menu, "Cycle profile", "MenuCycleProfile");
    a.cycleProfile->setCheckable(true);
    SetHint(a.cycleProfile, "Cycle profile|Water level and temperature of the current cycle");
}

void BuildOtherMenus(QMainWindow *window, MainFormActions &a) {
    QMenu *machine = window->menuBar()->addMenu(QStringLiteral("&Machine"));
    machine->setObjectName("MenuMachine");
    a.configuration = Item(machine, "&Configuration...", "MenuConfiguration", "F5");
    a.boardInfo = Item(machine, "&Board info...", "MenuBoardInfo");
    a.prices = Item(machine, "Prices...", "MenuPrices");
    machine->addSeparator();
    a.talk = Item(machine, "&Talk via front panel...", "MenuTalk", "Ctrl+T");
    a.talkNetwork = Item(machine, "T&alk via RS-485 network...", "MenuTalkNetwork");
    a.talkNetwork->setVisible(false);
    SetHint(a.configuration, "Configuration|Machine configuration");
    SetHint(a.prices, "Prices|Edit prices");
    SetHint(a.talk, "Communication via front panel|"
                    "Transfer cycles from / to washing machine via front panel");
    SetHint(a.talkNetwork, "Communication via network|"
                           "Transfer cycles from / to washing machine via network");

    QMenu *setup = window->menuBar()->addMenu(QStringLiteral("&Setup"));
    setup->setObjectName("MenuSetup");
    a.programOptions = Item(setup, "Program Options...", "MenuProgramOptions", "F10");
    SetHint(a.programOptions, "Options|Korvanta Planner options menu");

    QMenu *help = window->menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName("MenuHelp");
    a.help = Item(help, "Help...", "MenuHelpDocument", "F1");
    a.about = Item(help, "About...", "MenuAbout");

    a.debugMenu = window->menuBar()->addMenu(QStringLiteral("&Debug"));
    a.debugMenu->setObjectName("MenuDebug");
    a.showDebug = Item(a.debugMenu, "&Show debug screen", "MenuShowDebug", "Ctrl+Alt+D");
    a.debugMenu->menuAction()->setVisible(false);
    // The menu is hidden; the window itself carries the item so that its shortcut works.
    window->addAction(a.showDebug);
}

void BuildToolBar(QMainWindow *window, MainFormActions &a) {
    QToolBar *bar = window->addToolBar(QStringLiteral("Toolbar"));
    bar->setObjectName("ToolBar");
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->toggleViewAction()->setVisible(false);
    a.toolBar = bar;
    a.tbNew = Button(bar, QStyle::SP_FileIcon, "New", "ToolButtonNew", "New file|New file");
    a.tbLoad = Button(bar, QStyle::SP_DialogOpenButton, "Load", "ToolButtonLoad",
                      "Load file|Load KVT-file");
    a.tbSave = Button(bar, QStyle::SP_DialogSaveButton, " Save ", "ToolButtonSave",
                      "Save file|Save KVT-file");
    bar->addSeparator();
    a.tbConfig = Button(bar, QStyle::SP_FileDialogDetailedView, "Config", "ToolButtonConfig",
                        "Configuration|Machine configuration");
    a.tbTalk = Button(bar, QStyle::SP_DriveNetIcon, "Talk", "ToolButtonTalk",
                      "Communication via front panel|"
                      "Transfer cycles from / to washing machine via front panel");
    a.tbNetwork = Button(bar, QStyle::SP_DriveNetIcon, "Network", "ToolButtonNetwork",
                         "Communication via network|"
                         "Transfer cycles from / to washing machine via network");
    a.tbNetwork->setVisible(false);
    bar->addSeparator();
    a.tbPrices = Button(bar, QStyle::SP_FileDialogListView, "Prices", "ToolButtonPrices",
                        "Prices|Edit prices");
    bar->addSeparator();
    a.tbPrint = Button(bar, QStyle::SP_FileDialogContentsView, "Print", "ToolButtonPrint",
                       "Print|Print cycles and configuration");
    a.tbProfile = Button(bar, QStyle::SP_FileDialogInfoView, "Profile", "ToolButtonProfile",
                         "Cycle profile|Water level and temperature of the current cycle");
    a.tbProfile->setCheckable(true);
    a.tbSetup = Button(bar, QStyle::SP_ComputerIcon, "Setup", "ToolButtonSetup",
                       "Options|Korvanta Planner options menu");
    bar->addSeparator();
    a.tbExit =
        Button(bar, QStyle::SP_DialogCloseButton, "Exit", "ToolButtonExit", "Exit|Exit program");
}

} // namespace

MainFormActions BuildMainFormActions(QMainWindow *window) {
    MainFormActions actions;
    BuildFileMenu(window, actions);
    BuildCycleMenu(window, actions);
    BuildStepMenu(window, actions);
    BuildViewMenu(window, actions);
    BuildOtherMenus(window, actions);
    BuildToolBar(window, actions);
    return actions;
}

void ApplyCaptionSetting(const MainFormActions &actions, bool showCaption) {
    const CaptionLayout layout = CaptionLayoutFor(showCaption);
    QToolBar *bar = actions.toolBar;
    bar->setToolButtonStyle(showCaption ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
    bar->setIconSize(showCaption ? QSize(18, 18) : QSize(16, 16));
    bar->setFixedHeight(layout.bandHeight);
    for (QAction *action : bar->actions()) {
        if (auto *tool = qobject_cast<QToolButton *>(bar->widgetForAction(action))) {
            tool->setMinimumSize(layout.buttonWidth, layout.buttonHeight);
            tool->setMaximumHeight(layout.buttonHeight);
        }
    }
}

} // namespace korvanta
