#include "ui/steps/UpDownArrows.h"

#include <QMouseEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace korvanta {

namespace {

QToolButton *MakeArrow(const QString &name, Qt::ArrowType arrow, QWidget *parent) {
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    button->setFixedSize(16, 11);
    return button;
}

} // namespace

UpDownArrows::UpDownArrows(const QString &name, QWidget *parent)
    : QWidget(parent), up_(MakeArrow("Up", Qt::UpArrow, this)),
      down_(MakeArrow("Down", Qt::DownArrow, this)) {
    setObjectName(name);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up_);
    layout->addWidget(down_);
    connect(up_, &QToolButton::clicked, this, [this] { emit Pressed(true); });
    connect(down_, &QToolButton::clicked, this, [this] { emit Pressed(false); });
}

void UpDownArrows::mousePressEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    event->accept();
    emit Pressed(event->position().y() < height() / 2.0);
}

} // namespace korvanta
