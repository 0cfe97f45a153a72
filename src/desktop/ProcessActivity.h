// Keeps the session from idling into sleep while Dunok runs, so that a timer
// rings when it is due: the screen-saver inhibit of the session bus, held
// until the process ends.
#pragma once

#include <QObject>
#include <QString>

namespace dunok {

class ProcessActivity : public QObject {
    Q_OBJECT
public:
    explicit ProcessActivity(QObject* parent = nullptr);

    // Asks for the inhibit without waiting; the answer arrives later. Where
    // no service answers, one console line says so and Dunok goes on.
    void begin(const QString& appName, const QString& reason);

    bool isHeld() const { return held_; }
    quint32 cookie() const { return cookie_; }

signals:
    // After the answer: held or not.
    void settled(bool held);

private:
    bool held_ = false;
    quint32 cookie_ = 0;
};

}  // namespace dunok
