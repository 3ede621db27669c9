#pragma once

#include <QDialog>

namespace korvanta {

// The About box: a picture, the maker's web address as a link, a line about the maker and OK.
// Created for one showing.
class TAboutForm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget *parent = nullptr);
};

} // namespace korvanta
