// Small stand-ins for what the engine and the list edits talk to, so that
// domain tests run without widgets, sound or SQLite: a row display that keeps
// what a row of the window would show, a sound output that only records, and
// a repository in memory that can be told to refuse.
#pragma once

#include <QList>
#include <QPointer>
#include <QStringList>
#include <memory>

#include "domain/AlarmOutput.h"
#include "domain/TimerEngine.h"
#include "domain/TimerList.h"
#include "domain/TimerRepository.h"

namespace dunok {
class Preferences;
class RunningTimers;
}  // namespace dunok

namespace dunok::testing {

// The duration column of the list: built from the timer and its running
// entry as the window builds it, written over by the engine in between.
class FakeRows : public TimerRowDisplay {
public:
    FakeRows(const TimerList& list, const Preferences& prefs) : list_(list), prefs_(prefs) {}
    void setRunning(const RunningTimers* running) { running_ = running; }
    // Rebuilds every row, as after loading the list.
    void reloadAll();

    QString durationText(int row) const override;
    void setDurationText(int row, const QString& text, double fontSize) override;
    void reloadRows(const QList<int>& rows) override;

private:
    struct Row {
        QString text;
    };
    Row build(int row) const;

    const TimerList& list_;
    const Preferences& prefs_;
    const RunningTimers* running_ = nullptr;
    QList<Row> rows_;
};

// One sound as the fake output "plays" it: playing until the test ends it.
class FakePlay : public SoundPlay {
    Q_OBJECT
public:
    explicit FakePlay(const QString& sound) : sound_(sound) {}
    void setVolume(double volume) override { volume_ = volume; }
    void setFadeIn(double passed, double over) override { fade = {passed, over}; }
    std::pair<double, double> fade{0, 0};  // as last set
    void play() override {
        playing_ = true;
        ++plays_;
    }
    bool isPlaying() const override { return playing_; }
    void stop() { playing_ = false; }
    // The sound was heard to its end, or the output broke down on the way.
    void end(bool successfully) {
        playing_ = false;
        emit finished(successfully);
    }
    QString sound() const { return sound_; }
    double volume() const { return volume_; }
    int plays() const { return plays_; }

private:
    QString sound_;
    double volume_ = -1;
    bool playing_ = false;
    int plays_ = 0;
};

class FakeOutput : public AlarmOutput {
public:
    struct Request {
        QString sound;
        double volume;
        MissingSound missing;
    };

    bool play(const QString& soundName, const Settings& settings,
              MissingSound missing = MissingSound::Fails, Fade fade = Fade::None) override;
    FakePlay* player() const override { return current_.get(); }
    void prepare(const QString& soundName, const Settings&) override { prepared << soundName; }
    QStringList prepared;
    void stop() override {
        if (current_) current_->stop();
    }
    bool isPlaying() const override { return current_ && current_->isPlaying(); }

    // What was asked to play, refused or not, in order.
    QList<Request> requests;
    // When set, play() fails as with no sound output: what played stays.
    bool refuse = false;

private:
    std::unique_ptr<FakePlay> current_;
};

// Timers kept in memory, with ids that are never given out twice.
class MemoryRepository : public TimerRepository {
public:
    std::optional<QList<Timer>> timers(StoreError* error) const override;
    bool addLinked(QList<Timer>& timers, const QList<int>& links, StoreError* error) override;
    bool update(const Timer& timer, StoreError* error) override;
    bool remove(const QList<TimerId>& ids, StoreError* error) override;
    bool setOrder(const QList<TimerId>& ids, StoreError* error) override;
    bool keepRunStates(const QList<Timer>& timers, StoreError* error) override;

    // The next n operations (reads too) are refused with this description.
    void refuseNext(int n) { refusals_ = n; }
    static inline const QString refusal = QStringLiteral("the test refused it");

    // What is kept, for checks and for hand edits.
    QList<Timer> kept;
    // How often run states were written (refusals not counted).
    int runStateWrites = 0;
    Timer& byDesc(const QString& desc);
    QStringList descriptions() const;
    Timer addTimer(const QString& desc, qint64 duration, const QString& sound = "Chimes");

private:
    bool refused(StoreError* error) const;

    mutable int refusals_ = 0;
    TimerId lastId_ = 0;
};

}  // namespace dunok::testing
