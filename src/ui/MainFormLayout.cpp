#include "ui/MainFormLayout.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <algorithm>

#include "ui/MainFormGeometry.h"
#include "ui/MainFormPanels.h"
#include "ui/steps/UpDownArrows.h"

namespace korvanta {

namespace {

// Design sizes of the controls at 100 % display scale.
constexpr int kToggleWidth = 65;
constexpr int kTypeButtonWidth = 48;
constexpr int kArrowWidth = 25;
constexpr int kUpDownWidth = 17;
constexpr int kFieldHeight = 21;
constexpr int kLabelWidth = 64;
constexpr int kNumberWidth = 28;
constexpr int kAddCycleWidth = 90;
constexpr int kDeleteWidth = 85;
constexpr int kClipButtonWidth = 46;

// Places a widget given in client coordinates (y from the top of the toolbar band).
class Placer {
public:
    explicit Placer(int band) : band_(band) {}
    void Put(QWidget *widget, int x, int y, int w, int h) const {
        widget->setGeometry(x, y - band_, std::max(w, 0), std::max(h, 0));
    }

private:
    int band_;
};

void LayoutHeadings(const MainFormPanels &p, const MainFormGeometry &g, const Placer &put) {
    put.Put(p.rules[0], g.rule1X, g.ruleTop, 2, g.ruleHeight);
    put.Put(p.rules[1], g.rule2X, g.ruleTop, 2, g.ruleHeight);
    for (int i = 0; i < 3; ++i) {
        const MainFormBox &strip = g.strips[i];
        put.Put(p.strips[i], strip.x, strip.y, strip.w, strip.h);
        p.titles[i]->setGeometry(g.titleInset, g.titleY - strip.y, strip.w - 2 * g.titleInset,
                                 strip.h - (g.titleY - strip.y));
    }
}

void LayoutCycleColumn(const MainFormPanels &p, const MainFormGeometry &g, const Placer &put) {
    const MainFormBox &strip = g.strips[0];
    const int x0 = strip.x;
    const int right = strip.Right();
    const int field = g.Scaled(kFieldHeight);
    const int button = g.buttonHeight;
    const int upDownX = right - g.Scaled(kUpDownWidth);
    const int numberX = upDownX - g.Scaled(kNumberWidth);
    const int nameX = x0 + g.Scaled(kLabelWidth + 2);
    put.Put(p.nameLabel, x0, g.rowR + g.Scaled(2), g.Scaled(kLabelWidth), field);
    put.Put(p.editName, nameX, g.rowR, numberX - g.Scaled(4) - nameX, field);
    put.Put(p.editNumber, numberX, g.rowR, g.Scaled(kNumberWidth), field);
    put.Put(p.upDownNumber, upDownX, g.rowR, g.Scaled(kUpDownWidth), field);

    put.Put(p.addCycle, x0, g.addCycleY, g.Scaled(kAddCycleWidth), button);
    put.Put(p.upDownNewCycle, x0 + g.Scaled(kAddCycleWidth + 2), g.addCycleY,
            g.Scaled(kUpDownWidth), button);
    put.Put(p.deleteCycle, right - g.Scaled(kDeleteWidth), g.addCycleY, g.Scaled(kDeleteWidth),
            button);

    QPushButton *clip[] = {p.cut, p.copy, p.paste};
    for (int i = 0; i < 3; ++i)
        put.Put(clip[i], x0 + i * g.Scaled(kClipButtonWidth + 2), g.cutRowY,
                g.Scaled(kClipButtonWidth), button);
    put.Put(p.cycleDown, right - g.Scaled(kArrowWidth), g.cutRowY, g.Scaled(kArrowWidth), button);
    put.Put(p.cycleUp, right - 2 * g.Scaled(kArrowWidth), g.cutRowY, g.Scaled(kArrowWidth), button);
}

void LayoutStepColumn(const MainFormPanels &p, const MainFormGeometry &g, const Placer &put) {
    const int x1 = g.rule1X + g.Scaled(8);
    const int button = g.buttonHeight;
    const int toggle = g.Scaled(kToggleWidth);
    put.Put(p.addStep, x1, g.rowR, toggle, button);
    put.Put(p.insertStep, x1, g.rowR + button, toggle, button);
    const int fillX = x1 + toggle + g.Scaled(10);
    const int typeWidth = g.Scaled(kTypeButtonWidth);
    for (std::size_t i = 0; i < p.typeButtons.size(); ++i) {
        const int column = static_cast<int>(i % 4);
        const int row = static_cast<int>(i / 4);
        put.Put(p.typeButtons[i], fillX + column * typeWidth, g.rowR + row * button, typeWidth,
                button);
    }
    const int drainRight = fillX + 4 * typeWidth;
    const int arrow = g.Scaled(kArrowWidth);
    put.Put(p.deleteStep, x1, g.cutRowY, g.Scaled(kDeleteWidth), button);
    put.Put(p.stepDown, drainRight - arrow, g.cutRowY, arrow, button);
    put.Put(p.stepUp, drainRight - 2 * arrow, g.cutRowY, arrow, button);
}

void LayoutList(QTableWidget *list, const MainFormBox &strip, const MainFormGeometry &g,
                const MainFormFrame &frame, const Placer &put) {
    put.Put(list, strip.x, g.listTop, strip.w, frame.statusTop - g.Scaled(1) - g.listTop);
    const int first = g.Scaled(40);
    const int third = g.Scaled(55);
    list->setColumnWidth(0, first);
    list->setColumnWidth(1, std::max(strip.w - first - third - g.Scaled(22), 0));
    list->setColumnWidth(2, third);
}

void LayoutEditorColumn(const MainFormPanels &p, const MainFormGeometry &g,
                        const MainFormFrame &frame, const std::vector<QWidget *> &editors,
                        const Placer &put) {
    int tallestBottom = g.rowR;
    // An editor keeps its natural size but never reaches past the toolbar band's right edge.
    const int widest = frame.bandRight - g.Scaled(8) - g.editorX;
    for (QWidget *editor : editors) {
        const QSize size = editor->sizeHint();
        put.Put(editor, g.editorX, g.rowR, std::min(size.width(), widest), size.height());
        tallestBottom = std::max(tallestBottom, g.rowR + editor->height());
    }
    const MainFormBox picture =
        FitPicture(g.scale, frame.bandRight - g.editorX, frame.statusTop - tallestBottom);
    put.Put(p.picture, frame.bandRight - picture.w, frame.statusTop - picture.h, picture.w,
            picture.h);
}

} // namespace

void ApplyMainFormLayout(const MainFormPanels &panels, const MainFormGeometry &geometry,
                         const MainFormFrame &frame, const std::vector<QWidget *> &editors) {
    const Placer put(frame.band);
    LayoutHeadings(panels, geometry, put);
    LayoutCycleColumn(panels, geometry, put);
    LayoutStepColumn(panels, geometry, put);
    LayoutList(panels.cycleList, geometry.strips[0], geometry, frame, put);
    LayoutList(panels.stepList, geometry.strips[1], geometry, frame, put);
    LayoutEditorColumn(panels, geometry, frame, editors, put);
}

} // namespace korvanta
