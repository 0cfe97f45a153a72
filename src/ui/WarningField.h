// The editor's heads-up control: whether the timer warns shortly before it
// finishes, and how many minutes before.
#pragma once

#include <QObject>

#include "domain/Timer.h"

class QComboBox;

namespace dunok {

class WarningField : public QObject {
    Q_OBJECT
public:
    explicit WarningField(QObject* parent = nullptr);

    // "Off", then each choice of minutes.
    QComboBox* pmWarn() const { return pmWarn_; }

    // Shows the timer's setting; a timer without one shows off.
    void load(const Timer& timer);
    void write(Timer& timer) const;

private:
    QComboBox* pmWarn_ = nullptr;
};

}  // namespace dunok
