#include "ui/RoutineField.h"

#include <QComboBox>
#include <QLabel>
#include <QSpinBox>

namespace dunok {

namespace {
// What each choice of the pop-up holds: Stop, Repeat, or the id to start.
constexpr qint64 stopChoice = 0;
constexpr qint64 repeatChoice = -1;
}  // namespace

RoutineField::RoutineField(QObject* parent) : QObject(parent) {
    pmThen_ = new QComboBox;
    pmThen_->setObjectName(QStringLiteral("pmThen"));
    pmThen_->setAccessibleName(tr("What happens when the timer finishes"));
    spinRounds_ = new QSpinBox;
    spinRounds_->setObjectName(QStringLiteral("spinRounds"));
    spinRounds_->setAccessibleName(tr("How many times, 0 until stopped"));
    spinRounds_->setRange(0, maxRoutineRounds);
    spinRounds_->setSpecialValueText(tr("until stopped"));
    lblTimes_ = new QLabel(tr("times"));
    lblTimes_->setBuddy(spinRounds_);
    lblNote_ = new QLabel;
    lblNote_->setObjectName(QStringLiteral("lblRoutineNote"));
    lblNote_->setWordWrap(true);
    lblNote_->hide();
    setOtherTimers({});
    connect(pmThen_, &QComboBox::currentIndexChanged, this, &RoutineField::chosen);
}

void RoutineField::setOtherTimers(const QList<std::pair<TimerId, QString>>& timers) {
    const QSignalBlocker quiet(pmThen_);
    pmThen_->clear();
    pmThen_->addItem(tr("Stop"), stopChoice);
    pmThen_->addItem(tr("Start it again"), repeatChoice);
    for (const auto& [id, description] : timers)
        if (id > 0) pmThen_->addItem(tr("Start: %1").arg(description), id);
    chosen();
}

void RoutineField::load(const Timer& timer) {
    int index = 0;
    if (timer.then == WhenFinished::Repeat) index = 1;
    const bool startsOne = timer.then == WhenFinished::Start;
    if (startsOne) index = std::max(pmThen_->findData(timer.next), 0);
    lblNote_->setText(
        tr("The timer this one started was deleted, so it now stops when it "
           "finishes."));
    lblNote_->setVisible(startsOne && index == 0);
    pmThen_->setCurrentIndex(index);
    spinRounds_->setValue(timer.rounds);
    chosen();
}

void RoutineField::write(Timer& timer) const {
    const qint64 choice = pmThen_->currentData().toLongLong();
    timer.then = choice == stopChoice     ? WhenFinished::Stop
                 : choice == repeatChoice ? WhenFinished::Repeat
                                          : WhenFinished::Start;
    timer.next = choice > 0 ? choice : 0;
    timer.rounds = timer.then == WhenFinished::Stop ? 0 : spinRounds_->value();
}

void RoutineField::chosen() {
    const bool stops = pmThen_->currentData().toLongLong() == stopChoice;
    spinRounds_->setEnabled(!stops);
    lblTimes_->setEnabled(!stops);
    if (!stops) lblNote_->hide();
}

}  // namespace dunok
