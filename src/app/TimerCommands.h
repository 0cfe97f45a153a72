// What the bus's commands do to the running program: find the timer by
// name, then ask the engine. Messages are for the user at the command line.
#pragma once

#include <QCoreApplication>
#include <functional>

#include "desktop/DBusControl.h"

namespace dunok {

class TimerEngine;
class TimerList;
class OneOffTimers;
class TimerStore;

class TimerCommands : public RemoteCommands {
    Q_DECLARE_TR_FUNCTIONS(TimerCommands)

public:
    struct Window {
        std::function<void()> reloadList;
        std::function<void()> show;
        std::function<void()> newTimer;
    };
    // list: the window's timers, which the names are looked up in and a
    // one-off timer joins.
    TimerCommands(TimerList& list, TimerEngine& engine, TimerStore& store, OneOffTimers& oneOffs,
                  Window window)
        : list_(list),
          engine_(engine),
          store_(store),
          oneOffs_(oneOffs),
          window_(std::move(window)) {}

    RemoteResult start(const QString& name) override;
    RemoteResult startDuration(const QString& name, qint64 seconds, bool save) override;
    RemoteResult stop(const QString& name) override;
    RemoteResult pause(const QString& name) override;
    RemoteResult resume(const QString& name) override;
    RemoteResult addTime(const QString& name, qint64 seconds, qint64* left) override;
    void stopAll() override;
    void silence() override;
    QList<RemoteTimer> list() const override;
    void show() override { window_.show(); }
    void newTimer() override { window_.newTimer(); }
    RemoteResult exportTimers(QByteArray* file, int* count) override;
    RemoteResult importTimers(const QByteArray& file, int* count, QString* summary) override;

    // The name a one-off timer gets when none is given: "5m timer".
    static QString defaultName(qint64 seconds);

private:
    // The row of the timer called name, or the failure that says why there
    // is none.
    RemoteResult find(const QString& name, int* row) const;
    // The sound a new timer gets, as the preferences say now.
    QString defSound() const;
    RemoteResult byName(const QString& name, bool (TimerEngine::*operation)(const QString&),
                        const char* refusal);

    TimerList& list_;
    TimerEngine& engine_;
    TimerStore& store_;
    OneOffTimers& oneOffs_;
    Window window_;
};

}  // namespace dunok
