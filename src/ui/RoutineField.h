// The editor's "When it finishes:" controls: stop, start the timer again, or
// start another timer; and for how many rounds.
#pragma once

#include <QList>
#include <QObject>
#include <utility>

#include "domain/Timer.h"

class QComboBox;
class QLabel;
class QSpinBox;

namespace dunok {

class RoutineField : public QObject {
    Q_OBJECT
public:
    explicit RoutineField(QObject* parent = nullptr);

    // "Stop", "Start it again", then "Start: " and each other timer.
    QComboBox* pmThen() const { return pmThen_; }
    // Rounds: 1 to 99, or "until stopped".
    QSpinBox* spinRounds() const { return spinRounds_; }
    QLabel* lblTimes() const { return lblTimes_; }
    // Shown only when the timer this one started is gone.
    QLabel* lblNote() const { return lblNote_; }

    // The timers a Start may start (id, description), in the list's order.
    void setOtherTimers(const QList<std::pair<TimerId, QString>>& timers);
    // Shows the timer's routine; one that starts a deleted timer shows Stop,
    // and the note says why.
    void load(const Timer& timer);
    void write(Timer& timer) const;

private:
    void chosen();

    QComboBox* pmThen_ = nullptr;
    QSpinBox* spinRounds_ = nullptr;
    QLabel* lblTimes_ = nullptr;
    QLabel* lblNote_ = nullptr;
};

}  // namespace dunok
