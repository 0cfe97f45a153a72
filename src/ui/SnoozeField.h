// The editor's snooze controls: whether the timer offers a snooze when it
// rings, and for how many minutes.
#pragma once

#include <QObject>
#include <QString>

#include "domain/Constants.h"

class QCheckBox;
class QSpinBox;

namespace dunok {

class SnoozeField : public QObject {
    Q_OBJECT
public:
    explicit SnoozeField(QObject* parent = nullptr);

    QCheckBox* cbSnooze() const { return cbSnooze_; }
    QSpinBox* spinSnooze() const { return spinSnooze_; }

    // Shows the timer's setting; no timer (a new one) shows off, 5 minutes.
    void load(const Timer& timer);
    // Why what is shown cannot be saved, or an empty string. A length is
    // only checked while the box is on: a switched-off snooze keeps
    // whatever it had.
    QString problem() const;
    // Writes the setting into the record; the length only while it is on.
    void write(Timer& timer) const;

private:
    QCheckBox* cbSnooze_ = nullptr;
    QSpinBox* spinSnooze_ = nullptr;
};

}  // namespace dunok
