// The ringing of one finished timer: its sound, played once or, when the
// preferences ask, again and again after a short pause until the user
// silences it or the limit passes. Only one timer rings at a time; a newer
// finish takes over.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

namespace dunok {

class AlarmOutput;
class Clock;
class Preferences;
class SoundPlay;
class TickScheduler;
class TickSource;

class AlarmRing : public QObject {
    Q_OBJECT
public:
    // The pause between two plays of a repeating alarm.
    static constexpr qint64 repeatPauseNs = 1'000'000'000;

    // prefs: the volume and whether and for how long the alarm repeats, as
    // they are when it rings. It rings through player, which the editor's
    // preview shares.
    AlarmRing(TickScheduler& scheduler, const Clock& clock, const Preferences& prefs,
              AlarmOutput& player, QObject* parent = nullptr);
    ~AlarmRing() override;

    // Rings the timer with that id with the named sound, ending whatever
    // rang before. False when the sound could not play (the console says why).
    bool ring(const QString& timerId, const QString& soundName);
    // Stops the sound and any repeat still to come.
    void silence();
    // The timer that rings, or an empty string.
    QString ringingId() const;
    // Playing now, or in the pause before the next play.
    bool isRinging() const;

signals:
    // The ringing ended, by itself or by silence(): the toolbar's Silence
    // needs redoing.
    void stateChanged();

private:
    void played(bool successfully);
    void playAgain();
    void end();
    bool ownsPlayer() const;

    TickScheduler& scheduler_;
    const Clock& clock_;
    const Preferences& prefs_;
    AlarmOutput& shared_;
    QPointer<SoundPlay> player_;
    QString timerId_;
    bool repeating_ = false;
    // Fading in since startedNs_ (the first play).
    bool fading_ = false;
    qint64 startedNs_ = 0;
    qint64 repeatUntilNs_ = 0;
    std::shared_ptr<TickSource> pause_;
};

}  // namespace dunok
