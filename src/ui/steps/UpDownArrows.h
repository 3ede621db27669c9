#pragma once

#include <QWidget>

class QMouseEvent;
class QToolButton;

namespace korvanta {

// The up/down arrows of a number field (the "UpDown" control beside an edit box). The arrows
// never take the focus, so pressing them does not count as leaving the edit box. Holding an
// arrow repeats the press; every press is reported.
class UpDownArrows : public QWidget {
    Q_OBJECT
public:
    explicit UpDownArrows(const QString &name, QWidget *parent);

    QToolButton *UpButton() const { return up_; }
    QToolButton *DownButton() const { return down_; }

signals:
    void Pressed(bool up);

protected:
    // A press that reaches the control itself rather than one of its two buttons (the edge
    // between them, or a click sent to the control by name) counts for the half it hit.
    void mousePressEvent(QMouseEvent *event) override;

private:
    QToolButton *up_;
    QToolButton *down_;
};

} // namespace korvanta
