#include "ui/MainFormPanels.h"

#include <QButtonGroup>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>

#include "model/WashRecord.h"
#include "ui/MainFormHint.h"
#include "ui/MainFormPicture.h"
#include "ui/MainFormStepTypes.h"
#include "ui/steps/UpDownArrows.h"

namespace korvanta {

namespace {

template <typename T> T *Make(QWidget *parent, const char *name) {
    auto *widget = new T(parent);
    widget->setObjectName(name);
    return widget;
}

QPushButton *MakeButton(QWidget *parent, const char *caption, const char *name, const char *hint) {
    auto *button = Make<QPushButton>(parent, name);
    button->setText(QString::fromLatin1(caption));
    button->setFocusPolicy(Qt::TabFocus);
    SetHint(button, hint);
    return button;
}

QToolButton *MakeArrow(QWidget *parent, Qt::ArrowType arrow, const char *name, const char *hint) {
    auto *button = Make<QToolButton>(parent, name);
    button->setArrowType(arrow);
    SetHint(button, hint);
    return button;
}

QToolButton *MakeToggle(QWidget *parent, const char *caption, const char *name, const char *hint) {
    auto *button = Make<QToolButton>(parent, name);
    button->setText(QString::fromLatin1(caption));
    button->setCheckable(true);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    SetHint(button, hint);
    return button;
}

// Read-only, whole rows, grid lines, no sorting, selection kept visible without focus.
QTableWidget *MakeList(QWidget *parent, const char *name, const QStringList &headings) {
    auto *list = Make<QTableWidget>(parent, name);
    list->setColumnCount(static_cast<int>(headings.size()));
    list->setHorizontalHeaderLabels(headings);
    list->horizontalHeaderItem(2)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    list->verticalHeader()->hide();
    list->verticalHeader()->setDefaultSectionSize(list->fontMetrics().height() + 4);
    list->horizontalHeader()->setHighlightSections(false);
    list->horizontalHeader()->setSectionsClickable(false);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setShowGrid(true);
    list->setSortingEnabled(false);
    list->setWordWrap(false);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette palette = list->palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    list->setPalette(palette);
    return list;
}

void BuildHeadings(QWidget *central, MainFormPanels &p) {
    static const char *const kStripNames[] = {"PanelSelectCycle", "PanelCycleHeading",
                                              "PanelEditStep"};
    static const char *const kTitleNames[] = {"LabelSelectCycle", "LabelCycleHeading",
                                              "LabelEditStep"};
    static const char *const kTitles[] = {"Select Cycle", "Cycle : - ", "Edit Step"};
    for (int i = 0; i < 3; ++i) {
        p.strips[i] = Make<QLabel>(central, kStripNames[i]);
        p.strips[i]->setStyleSheet(QStringLiteral(
            "background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #1f4e8c, stop:1 #9cc3ea);"
            "border: 1px solid #17406f;"));
        p.titles[i] = Make<QLabel>(p.strips[i], kTitleNames[i]);
        p.titles[i]->setText(QString::fromLatin1(kTitles[i]));
        p.titles[i]->setStyleSheet(
            QStringLiteral("color: white; font-weight: bold; background: transparent;"
                           "border: none;"));
    }
    for (std::size_t i = 0; i < p.rules.size(); ++i) {
        p.rules[i] = Make<QFrame>(central, i == 0 ? "Bevel1" : "Bevel2");
        p.rules[i]->setFrameShape(QFrame::VLine);
        p.rules[i]->setFrameShadow(QFrame::Sunken);
    }
}

void BuildCycleColumn(QWidget *central, MainFormPanels &p) {
    p.nameLabel = Make<QLabel>(central, "LabelEditName");
    p.nameLabel->setText(QStringLiteral("Edit name :"));
    p.editName = Make<QLineEdit>(central, "EditName");
    p.editName->setMaxLength(kMaxTypedNameLength);
    SetHint(p.editName, "Cycle name|Cycle name");
    p.editNumber = Make<QLineEdit>(central, "EditNumber");
    p.editNumber->setReadOnly(true);
    p.editNumber->setAlignment(Qt::AlignRight);
    SetHint(p.editNumber, "Current cycle number|Current cycle number");
    p.upDownNumber = new UpDownArrows(QStringLiteral("UpDownNumber"), central);
    SetHint(p.upDownNumber, "Change cycle number|Change current cycle number");
    p.addCycle = MakeButton(central, "Add Cycle 1", "BitBtnAddCycle", "Add a cycle|Add a cycle");
    p.upDownNewCycle = new UpDownArrows(QStringLiteral("UpDownNewCycle"), central);
    SetHint(p.upDownNewCycle, "Change cycle number|Change cycle number to add");
    p.deleteCycle =
        MakeButton(central, "Delete Cycle", "BitBtnDeleteCycle", "Delete cycle|Delete cycle");
    p.cut = MakeButton(central, "Cut", "BitBtnCut", "Cut cycle|Cut selected cycle to clipboard");
    p.copy =
        MakeButton(central, "Copy", "BitBtnCopy", "Copy cycle|Copy selected cycle to clipboard");
    p.paste = MakeButton(central, "Paste", "BitBtnPaste", "Paste cycle|paste cycle in clipboard");
    p.cycleUp = MakeArrow(central, Qt::UpArrow, "BitBtnCycleUp", "Cycle up|Move cycle up");
    p.cycleDown =
        MakeArrow(central, Qt::DownArrow, "BitBtnCycleDown", "Cycle down|Move cycle down");
    p.cycleList =
        MakeList(central, "ListViewCycleName",
                 {QStringLiteral("Cycle"), QStringLiteral("Title"), QStringLiteral("Duration")});
}

void BuildStepColumn(QWidget *central, MainFormPanels &p) {
    p.addStep = MakeToggle(central, "Add Step", "sbAddStep", "Add a step|add a step");
    p.insertStep =
        MakeToggle(central, "Insert Step", "sbInsertStep", "Insert a step|Insert a step");
    auto *group = new QButtonGroup(central);
    group->setExclusive(true);
    group->addButton(p.addStep);
    group->addButton(p.insertStep);
    p.addStep->setChecked(true);
    for (std::size_t i = 0; i < kMainFormStepTypes.size(); ++i) {
        const MainFormStepType &entry = kMainFormStepTypes[i];
        p.typeButtons[i] = MakeButton(central, entry.caption, entry.buttonName, entry.hint);
    }
    p.deleteStep =
        MakeButton(central, "Delete Step", "BitBtnDeleteStep", "Delete step|Delete step");
    p.stepUp = MakeArrow(central, Qt::UpArrow, "BitBtnStepUp", "Move step up|Move step up");
    p.stepDown =
        MakeArrow(central, Qt::DownArrow, "BitBtnStepDown", "Move step down|Move step down");
    p.stepList = MakeList(
        central, "ListViewCycle",
        {QStringLiteral("Step"), QStringLiteral("Description"), QStringLiteral("Duration")});
}

} // namespace

MainFormPanels BuildMainFormPanels(QWidget *central) {
    MainFormPanels panels;
    BuildHeadings(central, panels);
    BuildCycleColumn(central, panels);
    BuildStepColumn(central, panels);
    panels.picture = Make<QLabel>(central, "ImageMachine");
    panels.picture->setScaledContents(true);
    panels.picture->setPixmap(DrawMachinePicture());
    return panels;
}

} // namespace korvanta
