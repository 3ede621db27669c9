#pragma once

#include <QDialog>
#include <array>
#include <string>

#include "prices/PriceWords.h"

namespace korvanta {

class FileCommands;
class NumberField;
class OptionsStore;
class ToggleGroup;
struct ProgramOptions;

// "Prices": the prices of a coin machine's first eight cycles, the values of its two coins and
// where its display puts the decimal point, loaded from and saved to prices files. It never
// talks to a machine. Made anew for every showing, so it always opens with the values of a
// fresh machine.
//
// Use: TPricesForm form(options, store, files, mainWindow); form.exec();
// The file dialogs go through files.ChooseFile, starting from and updating
// options.lastPriceDir; closing the dialog writes the options to store (nothing is written when
// store is null).
class TPricesForm : public QDialog {
    Q_OBJECT
public:
    TPricesForm(ProgramOptions &options, OptionsStore *store, FileCommands &files,
                QWidget *parent = nullptr);

    // The eleven values as the fields and the decimal point buttons show them.
    PriceWords Words() const;
    // Shows the values; prices and coins beyond the four display digits are limited to 9999.
    void SetWords(const PriceWords &words);

    void done(int result) override;

protected:
    // Esc closes the dialog from any of its controls, the edit fields included.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildLayout();
    void bbLoadClick();
    void bbSaveClick();
    void ShowFileError(const std::string &text);

    ProgramOptions &options_;
    OptionsStore *store_;
    FileCommands &files_;
    // ePrice1..ePrice8, eCoin1, eCoin2: words 1 to 10 in order.
    std::array<NumberField *, kDecimalPointWord> fields_{};
    ToggleGroup *decimalPoint_ = nullptr;
};

} // namespace korvanta
