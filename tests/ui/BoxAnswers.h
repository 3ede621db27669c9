#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>
#include <deque>

// Answers the modal message boxes that appear while it lives, one answer each in order, and
// keeps their texts and titles. A box beyond the given answers is rejected (and still recorded), so
// a test never hangs on an unexpected question.
class BoxAnswers {
public:
    explicit BoxAnswers(std::initializer_list<QMessageBox::StandardButton> answers = {})
        : answers_(answers) {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Answer(); });
        timer_.start();
    }

    const QStringList &Texts() const { return texts_; }
    const QStringList &Titles() const { return titles_; }

private:
    void Answer() {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        texts_ << box->text();
        titles_ << box->windowTitle();
        QAbstractButton *button = nullptr;
        if (!answers_.empty()) {
            button = box->button(answers_.front());
            answers_.pop_front();
        }
        if (button)
            button->click();
        else
            box->reject();
    }

    std::deque<QMessageBox::StandardButton> answers_;
    QStringList texts_;
    QStringList titles_;
    QTimer timer_;
};
