#include "ui/MainFormMessage.h"

#include <QMessageBox>

#include "platform/Cp1252.h"
#include "ui/ProgramBox.h"

namespace korvanta {

namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// A box without a caption of its own is titled after its kind.
QString BoxCaption(const UserMessage &message) {
    if (!message.caption.empty())
        return FromCp1252(message.caption);
    switch (message.icon) {
    case MessageIcon::Error:
        return QStringLiteral("Error");
    case MessageIcon::Warning:
        return QStringLiteral("Warning");
    case MessageIcon::Information:
        return QStringLiteral("Information");
    case MessageIcon::Question:
        return QStringLiteral("Confirm");
    case MessageIcon::None:
        break;
    }
    return QString::fromLatin1(kProgramBoxTitle);
}

QMessageBox::StandardButtons BoxButtons(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
        return QMessageBox::Ok;
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

MessageAnswer Answer(int button, MessageButtons buttons) {
    switch (button) {
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Retry:
        return MessageAnswer::Retry;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        break;
    }
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Cancel;
}

} // namespace

MessageAnswer ShowUserMessage(QWidget *parent, const UserMessage &message) {
    QMessageBox box(BoxIcon(message.icon), BoxCaption(message), FromCp1252(message.text),
                    BoxButtons(message.buttons), parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    return Answer(box.exec(), message.buttons);
}

} // namespace korvanta
