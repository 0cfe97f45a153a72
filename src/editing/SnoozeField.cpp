#include "editing/SnoozeField.h"

#include <QCheckBox>
#include <QSpinBox>

#include "model/TimerModel.h"

namespace dunok {

namespace {
// Wide enough to type a wrong length and be told why, rather than have the
// box quietly change it.
constexpr int widestMinutes = 99999;
}  // namespace

SnoozeField::SnoozeField(QObject* parent) : QObject(parent) {
    cbSnooze_ = new QCheckBox(tr("Snooze"));
    cbSnooze_->setObjectName(QStringLiteral("cbSnooze"));
    cbSnooze_->setAccessibleName(tr("Offer a snooze when the timer rings"));
    spinSnooze_ = new QSpinBox;
    spinSnooze_->setObjectName(QStringLiteral("spinSnooze"));
    spinSnooze_->setAccessibleName(tr("Snooze length in minutes"));
    spinSnooze_->setRange(0, widestMinutes);
    spinSnooze_->setSuffix(tr(" min"));
    connect(cbSnooze_, &QCheckBox::toggled, spinSnooze_, &QWidget::setEnabled);
}

void SnoozeField::load(const TimerRecord& timer) {
    cbSnooze_->setChecked(timer && timerSnoozeOn(timer));
    spinSnooze_->setValue(int((timer ? timerSnooze(timer) : defSnoozeDuration) / 60));
    spinSnooze_->setEnabled(cbSnooze_->isChecked());
}

QString SnoozeField::problem() const {
    if (!cbSnooze_->isChecked()) return QString();
    const qint64 seconds = qint64(spinSnooze_->value()) * 60;
    if (seconds < minSnoozeDuration || seconds > maxSnoozeDuration)
        return tr("A snooze lasts from 1 minute to 1 day (1440 minutes).");
    return QString();
}

void SnoozeField::write(const TimerRecord& timer) const {
    timer->setValue(TimersKeys::snoozeOn, cbSnooze_->isChecked());
    if (cbSnooze_->isChecked())
        timer->setValue(TimersKeys::snooze, qint64(spinSnooze_->value()) * 60);
}

}  // namespace dunok
