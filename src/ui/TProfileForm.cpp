#include "ui/TProfileForm.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QToolTip>
#include <QVBoxLayout>

#include "estimate/ProfileAxes.h"
#include "estimate/Time_calc.h"
#include "model/DurationText.h"
#include "model/EditSession.h"
#include "platform/Cp1252.h"
#include "steps/StepDescription.h"
#include "ui/ProfileExport.h"
#include "ui/ProfileView.h"

namespace korvanta {

namespace {

constexpr int kGapToMainWindow = 8; // pixels between the main window and this one

QString Readout(const ProfileHit &hit, const MachineConfig &config) {
    const auto level = static_cast<int64_t>(hit.level + 0.5);
    const auto temperature = static_cast<int64_t>(hit.temperature + 0.5);
    QString text = QStringLiteral("Time %1    Level %2")
                       .arg(QString::fromStdString(TimeReadout(static_cast<int64_t>(hit.seconds))),
                            FromCp1252(LevelReadout(level, config)));
    if (level > 0) // an empty tub has no water temperature
        text += QStringLiteral("    Temperature %1")
                    .arg(FromCp1252(TemperatureReadout(temperature, config)));
    return text;
}

} // namespace

TProfileForm::TProfileForm(EditSession &session, const MachineConfig &config, QWidget *parent)
    : QWidget(parent, Qt::Tool), session_(session), config_(config) {
    setObjectName(QStringLiteral("TProfileForm"));
    setWindowTitle(QStringLiteral("Cycle profile"));
    view_ = new ProfileView(course_, config_, this);
    readout_ = new QLabel(this);
    readout_->setObjectName(QStringLiteral("lblProfileReadout"));
    readout_->setTextFormat(Qt::PlainText);
    readout_->setMinimumWidth(1); // long descriptions must not widen the window
    savePng_ = new QPushButton(QStringLiteral("Save PNG..."), this);
    savePng_->setObjectName(QStringLiteral("BitBtnSavePng"));
    saveSvg_ = new QPushButton(QStringLiteral("Save SVG..."), this);
    saveSvg_->setObjectName(QStringLiteral("BitBtnSaveSvg"));

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(readout_, 1);
    bottom->addWidget(savePng_);
    bottom->addWidget(saveSvg_);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(view_, 1);
    layout->addLayout(bottom);

    connect(view_, &ProfileView::Hovered, this, &TProfileForm::ShowHover);
    connect(savePng_, &QPushButton::clicked, this, [this] {
        ChooseAndSave(QStringLiteral("PNG picture (*.png)"), QStringLiteral("png"));
    });
    connect(saveSvg_, &QPushButton::clicked, this, [this] {
        ChooseAndSave(QStringLiteral("SVG drawing (*.svg)"), QStringLiteral("svg"));
    });
    ShowHover(ProfileHit{}, QPoint());
}

void TProfileForm::Refresh() {
    if (!isVisible())
        return;
    WashData &data = session_.Data();
    const std::size_t start = session_.CurrentCycleStart();
    const bool hasCycle = session_.CurrentCycle() > 0 && start < data.Size() &&
                          data.At(start).type == RecordType::CycleStart;
    if (hasCycle) {
        // The same walk as the main window's, so the drawing and the durations agree; its marks
        // and remark are the main window's business.
        WarningMarks marks;
        std::string remark;
        const uint32_t total = EstimateCycle(data, start, config_, marks, 0, remark, &course_);
        const WashRecord &cycle = data.At(start);
        cycleNumber_ = cycle.Code(1);
        title_ = "Cycle " + std::to_string(cycleNumber_) + "   " + cycle.name + "   " +
                 DurationText(total);
    } else {
        course_ = CycleCourse{};
        cycleNumber_ = 0;
        title_ = "No cycle";
    }
    view_->SetTitle(title_);
    view_->update();
    if (view_->underMouse())
        ShowHover(view_->HitAt(view_->mapFromGlobal(QCursor::pos()).x()), QCursor::pos());
    else
        ShowHover(ProfileHit{}, QPoint());
}

bool TProfileForm::SavePicture(const QString &path) {
    if (SaveProfilePicture(path, course_, config_, title_))
        return true;
    QMessageBox::critical(this, windowTitle(), QStringLiteral("Unable to save ") + path);
    return false;
}

void TProfileForm::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    if (!placed_ && parentWidget()) {
        // Beside the main window, right or left where the screen has room, else over it.
        placed_ = true;
        const QRect main = parentWidget()->frameGeometry();
        resize(sizeHint().width(), std::max(sizeHint().height(), main.height()));
        QPoint at(main.right() + kGapToMainWindow, main.top());
        if (const QScreen *screen = parentWidget()->screen()) {
            const QRect room = screen->availableGeometry();
            if (at.x() + width() > room.right()) // no room on the right: the left, or overlap
                at.setX(main.left() - kGapToMainWindow - width() >= room.left()
                            ? main.left() - kGapToMainWindow - width()
                            : std::max(room.left(), room.right() - width()));
            if (at.y() + height() > room.bottom())
                at.setY(std::max(room.top(), room.bottom() - height()));
        }
        move(at);
    }
    Refresh();
    emit VisibilityChanged(true);
}

void TProfileForm::hideEvent(QHideEvent *event) {
    QWidget::hideEvent(event);
    emit VisibilityChanged(false);
}

void TProfileForm::ShowHover(const ProfileHit &hit, QPoint globalPos) {
    if (hit.outside || !hit.step || *hit.step >= course_.steps.size()) {
        readout_->setText(course_.steps.empty()
                              ? QString()
                              : QStringLiteral("Point at the drawing to read the level and "
                                               "temperature; a step's description shows on it."));
        QToolTip::hideText();
        return;
    }
    const CourseStep &step = course_.steps[*hit.step];
    const WashData &data = session_.Data();
    QString description;
    if (step.recordIndex < data.Size())
        description = FromCp1252(StepDescription(data.At(step.recordIndex), config_));
    readout_->setText(Readout(hit, config_) + QStringLiteral("    Step %1: ").arg(step.ordinal) +
                      description);
    QString tip =
        QStringLiteral("Step %1: %2\n%3 - %4 (%5)")
            .arg(step.ordinal)
            .arg(description, QString::fromStdString(TimeReadout(step.startSeconds)),
                 QString::fromStdString(TimeReadout(step.endSeconds)),
                 QString::fromStdString(TimeReadout(step.endSeconds - step.startSeconds)));
    if (!step.reached)
        tip += QStringLiteral("\nTarget not reached within the step's time");
    if (!globalPos.isNull())
        QToolTip::showText(globalPos + QPoint(14, 18), tip, view_);
}

QString TProfileForm::DefaultFileName(const QString &suffix) const {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString name = cycleNumber_ > 0
                             ? QStringLiteral("cycle-%1-profile.%2").arg(cycleNumber_).arg(suffix)
                             : QStringLiteral("cycle-profile.%1").arg(suffix);
    return QDir(folder).filePath(name);
}

void TProfileForm::ChooseAndSave(const QString &filter, const QString &suffix) {
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save cycle profile"),
                                                DefaultFileName(suffix), filter);
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1Char('.') + suffix, Qt::CaseInsensitive))
        path += QLatin1Char('.') + suffix;
    SavePicture(path);
}

} // namespace korvanta
