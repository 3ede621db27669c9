#pragma once

#include <QWidget>

#include "model/WashStore.h"

class QLineEdit;
class QSpinBox;
class QTableView;
class QToolButton;

namespace korvanta {

class DebugRecordModel;

// The debug window: the raw record lists (the live wash data, the snapshot of the last load,
// save or New, and the cycle clipboard) as tables of numbers, and a temperature converter.
// Its object owns the program's WashStore and lives from start-up to exit; the window itself is
// shown on demand, is not modal and changes nothing in the data.
class TDebugForm : public QWidget {
    Q_OBJECT
public:
    explicit TDebugForm(QWidget *parent = nullptr);
    ~TDebugForm() override;

    WashStore &Store() { return store_; }
    const WashStore &Store() const { return store_; }

    // Shows the lists' current state; the main window calls it after every refresh.
    void RefreshLists();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void BuildConverter();
    void TemperatureChanged(int value);
    void ShowCodeIn(bool celsius);

    WashStore store_;
    DebugRecordModel *liveModel_;
    DebugRecordModel *savedModel_;
    DebugRecordModel *clipboardModel_;
    QTableView *liveList_;
    QTableView *savedList_;
    QTableView *clipboardList_;
    QSpinBox *editTemp_ = nullptr;
    QToolButton *sbCelsius_ = nullptr;
    QToolButton *sbFahrenheit_ = nullptr;
    QLineEdit *editCode_ = nullptr;
    bool showingCode_ = false; // a unit toggle is rewriting the temperature
};

} // namespace korvanta
