#include "ui/TPricesForm.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "files/ChooseFile.h"
#include "files/Options.h"
#include "files/ProgramOptions.h"
#include "prices/PricesFile.h"
#include "ui/FileCommands.h"
#include "ui/MainFormMessage.h"
#include "ui/WaitCursor.h"
#include "ui/steps/NumberField.h"
#include "ui/steps/StepControls.h"
#include "ui/steps/ToggleGroup.h"

namespace korvanta {

namespace {

constexpr const char *kCaption = "Prices";
constexpr const char *kExtension = "kvtprices";
constexpr const char *kDescription = "Prices data";
// Prices and coin values: four display digits, typed or stepped by one.
constexpr NumberFieldRange kPriceRange{0, kMaxPriceValue, 1, false, 4};

struct DecimalPointButton {
    const char *name;
    const char *caption;
};
// By DecimalPoint: no point, or the point after the first, second or third of four digits.
constexpr std::array<DecimalPointButton, 4> kDecimalPointButtons{{{"sbNoComma", "0000"},
                                                                  {"sbFirstComma", "0.000"},
                                                                  {"sbSecondComma", "00.00"},
                                                                  {"sbThirdComma", "000.0"}}};

QString FieldName(std::size_t word) {
    return word < kCyclePriceCount ? QStringLiteral("Price%1").arg(word + 1)
                                   : QStringLiteral("Coin%1").arg(word - kCyclePriceCount + 1);
}

QString FieldCaption(std::size_t word) {
    return word < kCyclePriceCount ? QStringLiteral("Cycle %1").arg(word + 1)
                                   : QStringLiteral("Coin %1").arg(word - kCyclePriceCount + 1);
}

} // namespace

TPricesForm::TPricesForm(ProgramOptions &options, OptionsStore *store, FileCommands &files,
                         QWidget *parent)
    : QDialog(parent), options_(options), store_(store), files_(files) {
    setObjectName(QStringLiteral("TPricesForm"));
    setWindowTitle(QString::fromLatin1(kCaption));
    setModal(true);
    BuildLayout();
    SetWords(DefaultPriceWords());
}

void TPricesForm::BuildLayout() {
    auto *values = new QGridLayout;
    for (std::size_t word = 0; word < fields_.size(); ++word) {
        const QString name = FieldName(word);
        auto *field = new NumberField("e" + name, "ud" + name, kPriceRange, 0, this);
        fields_[word] = field;
        field->Edit()->installEventFilter(this);
        // The coins stand beside the first two prices.
        const int row = static_cast<int>(word % kCyclePriceCount);
        const int column = word < kCyclePriceCount ? 0 : 2;
        values->addWidget(MakeLabel("lbl" + name, FieldCaption(word), this), row, column);
        values->addWidget(field, row, column + 1);
    }

    auto *point = new QGroupBox(this);
    point->setObjectName(QStringLiteral("gbDecimalPoint"));
    auto *pointRows = new QVBoxLayout(point);
    decimalPoint_ = new ToggleGroup(ToggleGroup::Kind::CannotBeAllUp, this);
    for (std::size_t id = 0; id < kDecimalPointButtons.size(); ++id) {
        const DecimalPointButton &entry = kDecimalPointButtons[id];
        QPushButton *button = MakeToggleButton(entry.name, entry.caption, point);
        decimalPoint_->Add(button, static_cast<int>(id));
        pointRows->addWidget(button);
    }
    values->addWidget(point, 3, 2, 5, 2, Qt::AlignTop);

    QPushButton *load = MakeActionButton(QStringLiteral("bbLoad"), QStringLiteral("Load"), this);
    QPushButton *save = MakeActionButton(QStringLiteral("bbSave"), QStringLiteral("Save"), this);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("bbOK"));
    ok->setDefault(true);
    connect(load, &QPushButton::clicked, this, &TPricesForm::bbLoadClick);
    connect(save, &QPushButton::clicked, this, &TPricesForm::bbSaveClick);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(load);
    buttons->addWidget(save);
    buttons->addStretch();
    buttons->addWidget(ok);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(values);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

PriceWords TPricesForm::Words() const {
    PriceWords words{};
    for (std::size_t word = 0; word < fields_.size(); ++word)
        words[word] = static_cast<uint16_t>(fields_[word]->Value());
    // Any button but the first three means the point after the third digit.
    const int down = decimalPoint_->DownId();
    words[kDecimalPointWord] = static_cast<uint16_t>(down >= 0 && down <= 2 ? down : 3);
    return words;
}

void TPricesForm::SetWords(const PriceWords &words) {
    for (std::size_t word = 0; word < fields_.size(); ++word)
        fields_[word]->SetValue(words[word]);
    decimalPoint_->SetDown(DecimalPointOf(words[kDecimalPointWord]));
}

void TPricesForm::bbLoadClick() {
    if (!files_.ChooseFile(false, options_.lastPriceDir, {}, kExtension, kDescription))
        return;
    const std::string path = options_.lastPriceDir;
    const PricesLoad load = [&] {
        const WaitCursor wait;
        return LoadPricesFile(path);
    }();
    if (!load.ok) {
        ShowFileError(load.message);
        return;
    }
    SetWords(load.words);
}

void TPricesForm::bbSaveClick() {
    // A number still being typed counts, as it would once its box is left.
    for (NumberField *field : fields_)
        field->TakeTyped();
    const PriceWords words = Words();
    if (!files_.ChooseFile(true, options_.lastPriceDir, {}, kExtension, kDescription))
        return;
    const std::string path = options_.lastPriceDir;
    const std::string failure = [&] {
        const WaitCursor wait;
        return SavePricesFile(path, words, BackupPath(path));
    }();
    if (!failure.empty())
        ShowFileError(failure);
}

bool TPricesForm::eventFilter(QObject *watched, QEvent *event) {
    // The edit fields swallow every key but digits, Backspace and Enter, Esc included.
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        reject();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// File paths are kept as UTF-8, so these texts are not Windows-1252 core texts.
void TPricesForm::ShowFileError(const std::string &text) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), QString::fromStdString(text),
                    QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.exec();
}

void TPricesForm::done(int result) {
    // The remembered prices path reaches the options store when the dialog closes.
    if (store_) {
        const SaveOptionsResult saved = SaveOptions(*store_, options_);
        if (!saved.ok)
            ShowUserMessage(this, ErrorMessage(saved.message));
    }
    QDialog::done(result);
}

} // namespace korvanta
