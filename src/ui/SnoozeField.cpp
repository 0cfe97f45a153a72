#include "ui/SnoozeField.h"

#include <QCheckBox>
#include <QSpinBox>

#include "domain/TimerModel.h"

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

void SnoozeField::load(const Timer& timer) {
    cbSnooze_->setChecked(timer.snoozeOn);
    spinSnooze_->setValue(int(timer.snooze / 60));
    spinSnooze_->setEnabled(cbSnooze_->isChecked());
}

QString SnoozeField::problem() const {
    if (!cbSnooze_->isChecked()) return QString();
    const qint64 seconds = qint64(spinSnooze_->value()) * 60;
    if (seconds < minSnoozeDuration || seconds > maxSnoozeDuration)
        return tr("A snooze lasts from 1 minute to 1 day (1440 minutes).");
    return QString();
}

void SnoozeField::write(Timer& timer) const {
    timer.snoozeOn = cbSnooze_->isChecked();
    // Off, the length stays as it was for the next time it is switched on.
    if (cbSnooze_->isChecked()) timer.snooze = qint64(spinSnooze_->value()) * 60;
}

}  // namespace dunok
