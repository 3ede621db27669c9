#pragma once

#include <QObject>
#include <QPointer>
#include <vector>

class QAbstractButton;

namespace korvanta {

// Toggle buttons of which at most one is down. Clicking a button puts it down and the others
// up. In a group that may be all up, clicking the down button puts it up; in a group that
// cannot, it stays down. (A button alone is an on/off switch: no group needed.)
//
// Use: Add() the buttons (made checkable) with their ids, connect Clicked(id) to the store,
// and show a record with SetDown(id).
class ToggleGroup : public QObject {
    Q_OBJECT
public:
    enum class Kind { MayBeAllUp, CannotBeAllUp };

    ToggleGroup(Kind kind, QObject *parent);

    void Add(QAbstractButton *button, int id);
    // Puts the button with this id down and the others up. An id without a button puts all up
    // in a group that may be all up and changes nothing in the other kind.
    void SetDown(int id);
    // The id of the button that is down, or -1.
    int DownId() const;
    QAbstractButton *Button(int id) const;

signals:
    // After a user's click has set the buttons.
    void Clicked(int id);

private:
    struct Entry {
        QPointer<QAbstractButton> button;
        int id;
    };
    void OnClicked(QAbstractButton *button, int id);
    void PutOthersUp(const QAbstractButton *down);

    Kind kind_;
    std::vector<Entry> entries_;
};

} // namespace korvanta
