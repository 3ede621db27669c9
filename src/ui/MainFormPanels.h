#pragma once

#include <array>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QToolButton;
class QWidget;

namespace korvanta {

class UpDownArrows;

// The controls of the three columns below the toolbar: cycles, steps, step editor. They are
// placed by ApplyMainFormLayout; the window fills and enables them.
struct MainFormPanels {
    // Column rules and heading strips with their titles.
    std::array<QFrame *, 2> rules{};
    std::array<QLabel *, 3> strips{};
    std::array<QLabel *, 3> titles{};
    // Column 1: cycles
    QLabel *nameLabel = nullptr;
    QLineEdit *editName = nullptr;
    QLineEdit *editNumber = nullptr;
    UpDownArrows *upDownNumber = nullptr;
    QPushButton *addCycle = nullptr;
    UpDownArrows *upDownNewCycle = nullptr;
    QPushButton *deleteCycle = nullptr;
    QPushButton *cut = nullptr;
    QPushButton *copy = nullptr;
    QPushButton *paste = nullptr;
    QToolButton *cycleUp = nullptr;
    QToolButton *cycleDown = nullptr;
    QTableWidget *cycleList = nullptr; // ListViewCycleName
    // Column 2: steps
    QToolButton *addStep = nullptr; // placement toggles
    QToolButton *insertStep = nullptr;
    std::array<QPushButton *, 8> typeButtons{}; // in the order of kMainFormStepTypes
    QPushButton *deleteStep = nullptr;
    QToolButton *stepUp = nullptr;
    QToolButton *stepDown = nullptr;
    QTableWidget *stepList = nullptr; // ListViewCycle
    // Column 3: the editors sit here; below them a decorative picture.
    QLabel *picture = nullptr;
};

MainFormPanels BuildMainFormPanels(QWidget *central);

} // namespace korvanta
