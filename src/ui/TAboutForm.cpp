#include "ui/TAboutForm.h"

#include <QDesktopServices>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "ui/MainFormPicture.h"

namespace korvanta {

namespace {

constexpr const char *kWebAddress = "https://www.korvanta.example";
constexpr const char *kMakerLine = "Korvanta Laundry Systems - controls for washer-extractors";

// The maker's address: the hand cursor over it, red while the button is held, and blue again
// once released, which opens the address with the system's default handler.
class LinkLabel : public QLabel {
public:
    explicit LinkLabel(QWidget *parent) : QLabel(QString::fromLatin1(kWebAddress), parent) {
        setObjectName(QStringLiteral("LabelWebAddress"));
        setCursor(Qt::PointingHandCursor);
        SetColour(Qt::blue);
    }

protected:
    void mousePressEvent(QMouseEvent *event) override {
        if (event->button() == Qt::LeftButton)
            SetColour(Qt::red);
    }
    void mouseReleaseEvent(QMouseEvent *event) override {
        if (event->button() != Qt::LeftButton)
            return;
        QDesktopServices::openUrl(QUrl(QString::fromLatin1(kWebAddress)));
        SetColour(Qt::blue);
    }

private:
    void SetColour(Qt::GlobalColor colour) {
        QPalette palette = this->palette();
        palette.setColor(QPalette::WindowText, colour);
        setPalette(palette);
        QFont underlined = font();
        underlined.setUnderline(true);
        setFont(underlined);
    }
};

} // namespace

TAboutForm::TAboutForm(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TAboutForm"));
    setWindowTitle(QStringLiteral("About Korvanta Planner"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    auto *layout = new QVBoxLayout(this);
    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("ImageAbout"));
    picture->setPixmap(DrawMachinePicture());
    picture->setAlignment(Qt::AlignCenter);
    layout->addWidget(picture);
    auto *link = new LinkLabel(this);
    link->setAlignment(Qt::AlignCenter);
    layout->addWidget(link);
    auto *text = new QLabel(QString::fromLatin1(kMakerLine), this);
    text->setObjectName(QStringLiteral("LabelMaker"));
    text->setAlignment(Qt::AlignCenter);
    layout->addWidget(text);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("ButtonOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setModal(true);
}

} // namespace korvanta
