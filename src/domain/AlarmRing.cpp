#include "domain/AlarmRing.h"

#include "domain/AlarmOutput.h"
#include "domain/Alert.h"
#include "domain/Clock.h"
#include "domain/Constants.h"
#include "domain/Preferences.h"
#include "domain/TickScheduler.h"

namespace dunok {

AlarmRing::AlarmRing(TickScheduler& scheduler, const Clock& clock, const Preferences& prefs,
                     AlarmOutput& player, QObject* parent)
    : QObject(parent), scheduler_(scheduler), clock_(clock), prefs_(prefs), shared_(player) {}

AlarmRing::~AlarmRing() {
    if (pause_) pause_->invalidate();
}

bool AlarmRing::ring(const QString& timerId, const QString& soundName) {
    end();
    shared_.stop();
    const Settings& settings = prefs_.settings();
    const Fade fade = settings.fadeIn ? Fade::In : Fade::None;
    if (!shared_.play(soundName, settings, MissingSound::PlaysDefault, fade)) return false;
    fading_ = fade == Fade::In;
    startedNs_ = clock_.nowNs();
    player_ = shared_.player();
    timerId_ = timerId;
    connect(player_, &SoundPlay::finished, this, &AlarmRing::played);
    repeating_ = settings.repeatAlarm;
    repeatUntilNs_ = clock_.nowNs() + qint64(settings.repeatLimitMinutes) * 60 * 1'000'000'000;
    return true;
}

void AlarmRing::silence() {
    const bool wasRinging = isRinging();
    if (ownsPlayer()) shared_.stop();
    end();
    if (wasRinging) emit stateChanged();
}

bool AlarmRing::ownsPlayer() const {
    // A preview that took the shared player ended the alarm with its sound.
    return player_ && player_ == shared_.player();
}

QString AlarmRing::ringingId() const {
    return isRinging() ? timerId_ : QString();
}

bool AlarmRing::isRinging() const {
    if (!ownsPlayer()) return false;
    return player_->isPlaying() || (pause_ && pause_->isValid());
}

void AlarmRing::played(bool successfully) {
    // Without a working output, playing again would only keep time with
    // nothing heard.
    const bool again = successfully && repeating_ && ownsPlayer() &&
                       clock_.nowNs() + repeatPauseNs < repeatUntilNs_;
    if (!again) {
        end();
        emit stateChanged();
        return;
    }
    pause_ = scheduler_.schedule([this] { playAgain(); }, repeatPauseNs);
}

void AlarmRing::playAgain() {
    if (pause_) pause_->invalidate();
    pause_.reset();
    if (!ownsPlayer()) {
        end();
        emit stateChanged();
        return;
    }
    // The same player: the sound is decoded already, and the volume may
    // have been changed in the preferences meanwhile.
    player_->setVolume(prefs_.settings().volume);
    // A repeat goes on with the fade where the first play left it.
    if (fading_) player_->setFadeIn(double(clock_.nowNs() - startedNs_) / 1e9, alarmFadeInSeconds);
    player_->play();
}

void AlarmRing::end() {
    if (pause_) pause_->invalidate();
    pause_.reset();
    if (player_) disconnect(player_, &SoundPlay::finished, this, &AlarmRing::played);
    player_ = nullptr;
    timerId_.clear();
    repeating_ = false;
}

}  // namespace dunok
