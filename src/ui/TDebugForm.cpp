#include "ui/TDebugForm.h"

#include <QAbstractTableModel>
#include <QButtonGroup>
#include <QHeaderView>
#include <QIntValidator>
#include <QLineEdit>
#include <QShortcut>
#include <QSpinBox>
#include <QTableView>
#include <QToolButton>

#include "files/RawRecordRow.h"
#include "model/Conversions.h"
#include "platform/Cp1252.h"

namespace korvanta {

namespace {

constexpr int kDesignWidth = 1024;
constexpr int kDesignHeight = 585;
constexpr int kTypeColumnWidth = 40;
constexpr int kCodeColumnWidth = 45;
constexpr int kNameColumnWidth = 90; // Code2 holds a CycleStart's name
constexpr int kTimeColumnWidth = 65;
constexpr int kMaxTemperature = 500;
constexpr int kInitialTemperature = 60;
constexpr int kListsTop = 32;
constexpr int kMargin = 8;

} // namespace

// One raw record list shown as a table: the records are read at paint time, so a reset after
// every change is all it takes to show the current state.
class DebugRecordModel : public QAbstractTableModel {
public:
    DebugRecordModel(const std::vector<WashRecord> &records, QObject *parent)
        : QAbstractTableModel(parent), records_(records) {}

    int rowCount(const QModelIndex &parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(records_.size());
    }
    int columnCount(const QModelIndex &parent) const override {
        return parent.isValid() ? 0 : kRawRowCells;
    }
    QVariant data(const QModelIndex &index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount({}))
            return {};
        const RawRow row = RawRecordRow(records_[static_cast<std::size_t>(index.row())]);
        return FromCp1252(row[static_cast<std::size_t>(index.column())]);
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
            section >= kRawRowCells)
            return {};
        return QString::fromLatin1(kRawRowHeadings[static_cast<std::size_t>(section)]);
    }
    void Reset() {
        beginResetModel();
        endResetModel();
    }

private:
    const std::vector<WashRecord> &records_;
};

namespace {

QTableView *MakeRawList(QWidget *parent, const char *name, DebugRecordModel *model) {
    auto *list = new QTableView(parent);
    list->setObjectName(name);
    list->setModel(model);
    list->verticalHeader()->hide();
    list->verticalHeader()->setDefaultSectionSize(list->fontMetrics().height() + 4);
    list->horizontalHeader()->setSectionsClickable(false);
    list->setSortingEnabled(false);
    list->setShowGrid(true);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setColumnWidth(0, kTypeColumnWidth);
    for (int column = 1; column < kRawRowCells - 1; ++column)
        list->setColumnWidth(column, column == 2 ? kNameColumnWidth : kCodeColumnWidth);
    list->setColumnWidth(kRawRowCells - 1, kTimeColumnWidth);
    return list;
}

} // namespace

TDebugForm::TDebugForm(QWidget *parent)
    : QWidget(parent, Qt::Window), liveModel_(new DebugRecordModel(store_.data.Records(), this)),
      savedModel_(new DebugRecordModel(store_.snapshot.Records(), this)),
      clipboardModel_(new DebugRecordModel(store_.clipboard, this)),
      liveList_(MakeRawList(this, "ListViewDebug", liveModel_)),
      savedList_(MakeRawList(this, "ListViewDebugSaved", savedModel_)),
      clipboardList_(MakeRawList(this, "ListViewClipBoard", clipboardModel_)) {
    setObjectName(QStringLiteral("TDebugForm"));
    setWindowTitle(QStringLiteral("Debug"));
    BuildConverter();
    // The window sees Escape before whichever control has the focus.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    resize(kDesignWidth, kDesignHeight);
}

TDebugForm::~TDebugForm() = default;

void TDebugForm::BuildConverter() {
    editTemp_ = new QSpinBox(this);
    editTemp_->setObjectName(QStringLiteral("EditDebugTemp"));
    editTemp_->setRange(0, kMaxTemperature);
    editTemp_->setValue(kInitialTemperature);
    editTemp_->setGeometry(kMargin, 4, 60, 23);

    sbCelsius_ = new QToolButton(this);
    sbCelsius_->setObjectName(QStringLiteral("sbCelsius"));
    sbCelsius_->setText(QString::fromUtf8("\u00B0C"));
    sbFahrenheit_ = new QToolButton(this);
    sbFahrenheit_->setObjectName(QStringLiteral("sbFahrenheit"));
    sbFahrenheit_->setText(QString::fromUtf8("\u00B0F"));
    auto *units = new QButtonGroup(this);
    units->setExclusive(true);
    for (QToolButton *button : {sbCelsius_, sbFahrenheit_}) {
        button->setCheckable(true);
        units->addButton(button);
    }
    sbCelsius_->setChecked(true);
    sbCelsius_->setGeometry(kMargin + 64, 4, 32, 23);
    sbFahrenheit_->setGeometry(kMargin + 98, 4, 32, 23);

    editCode_ = new QLineEdit(QStringLiteral("0"), this);
    editCode_->setObjectName(QStringLiteral("EditDebugCode"));
    editCode_->setValidator(new QIntValidator(0, 255, editCode_));
    editCode_->setGeometry(kMargin + 140, 4, 50, 23);

    connect(editTemp_, &QSpinBox::valueChanged, this, &TDebugForm::TemperatureChanged);
    connect(sbCelsius_, &QToolButton::clicked, this, [this] { ShowCodeIn(true); });
    connect(sbFahrenheit_, &QToolButton::clicked, this, [this] { ShowCodeIn(false); });
}

void TDebugForm::TemperatureChanged(int value) {
    if (showingCode_)
        return;
    const int code = sbCelsius_->isChecked() ? CelsiusToCode(value) : FahrenheitToCode(value);
    editCode_->setText(QString::number(code & 0xFF));
}

// The code stays; only its reading in the chosen unit is shown.
void TDebugForm::ShowCodeIn(bool celsius) {
    const int code = editCode_->text().toInt();
    showingCode_ = true;
    editTemp_->setValue(celsius ? CodeToCelsius(code) : CodeToFahrenheit(code));
    showingCode_ = false;
}

void TDebugForm::RefreshLists() {
    liveModel_->Reset();
    savedModel_->Reset();
    clipboardModel_->Reset();
}

void TDebugForm::showEvent(QShowEvent *event) {
    RefreshLists();
    QWidget::showEvent(event);
}

void TDebugForm::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    const QRect outer = frameGeometry();
    const int w = outer.width();
    const int h = outer.height();
    const int listWidth = (w - 33) / 2;
    const int listHeight = h * 2 / 3 - 32;
    liveList_->setGeometry(kMargin, kListsTop, listWidth, listHeight);
    savedList_->setGeometry(kMargin + listWidth + 5, kListsTop, listWidth, listHeight);
    clipboardList_->setGeometry(kMargin, listHeight + 40, w - 23, h / 3 - 40);
}

} // namespace korvanta
