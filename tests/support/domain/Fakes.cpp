#include "support/domain/Fakes.h"

#include <QSet>

#include "domain/Constants.h"
#include "domain/CountdownText.h"
#include "domain/Preferences.h"
#include "domain/RunningTimers.h"
#include "domain/TimerModel.h"

namespace dunok::testing {

void FakeRows::reloadAll() {
    rows_.clear();
    for (int row = 0; row < list_.size(); ++row) rows_ << build(row);
}

FakeRows::Row FakeRows::build(int row) const {
    const Timer& timer = list_.at(row);
    const Alert* alert = running_ ? running_->find(timerId(timer)) : nullptr;
    if (!alert || alert->isPaused) return {toDHMS(timer.duration)};
    if (alert->value <= 0) return {finishedText(currentTimeStr())};
    return {prefs_.settings().countdownDigits ? toDHMS2(alert->value, true) : toDHMS(alert->value)};
}

QString FakeRows::durationText(int row) const {
    return row >= 0 && row < rows_.size() ? rows_[row].text : QString();
}

void FakeRows::setDurationText(int row, const QString& text, double) {
    if (row >= 0 && row < rows_.size()) rows_[row] = {text};
}

void FakeRows::reloadRows(const QList<int>& rows) {
    for (int row : rows)
        if (row >= 0 && row < rows_.size() && list_.hasRow(row)) rows_[row] = build(row);
}

bool FakeOutput::play(const QString& soundName, const Settings& settings, MissingSound missing,
                      Fade fade) {
    requests << Request{soundName, settings.volume, missing};
    if (refuse) return false;
    // The new play is made before the old one goes, as the real output does,
    // so that the two are never at the same address.
    auto next = std::make_unique<FakePlay>(soundName);
    next->setVolume(settings.volume);
    if (fade == Fade::In) next->setFadeIn(0, alarmFadeInSeconds);
    next->play();
    current_ = std::move(next);
    return true;
}

bool MemoryRepository::refused(StoreError* error) const {
    if (refusals_ <= 0) return false;
    --refusals_;
    if (error) error->description = refusal;
    return true;
}

std::optional<QList<Timer>> MemoryRepository::timers(StoreError* error) const {
    if (refused(error)) return std::nullopt;
    return kept;
}

bool MemoryRepository::addLinked(QList<Timer>& timers, const QList<int>& links, StoreError* error) {
    if (refused(error)) return false;
    for (Timer& timer : timers) timer.id = ++lastId_;
    for (int i = 0; i < links.size(); ++i)
        if (links.at(i) >= 0) {
            timers[i].then = WhenFinished::Start;
            timers[i].next = timers.at(links.at(i)).id;
        }
    kept << timers;
    return true;
}

bool MemoryRepository::update(const Timer& timer, StoreError* error) {
    if (refused(error)) return false;
    for (Timer& k : kept) {
        if (k.id != timer.id) continue;
        // The run state is the keeper's to write, not the editor's.
        const auto dueAt = k.dueAt;
        const auto pausedLeft = k.pausedLeft;
        const auto keptRoutine = k.keptRoutine;
        k = timer;
        k.dueAt = dueAt;
        k.pausedLeft = pausedLeft;
        k.keptRoutine = keptRoutine;
        return true;
    }
    if (error) error->description = QStringLiteral("no such timer");
    return false;
}

bool MemoryRepository::remove(const QList<TimerId>& ids, StoreError* error) {
    if (refused(error)) return false;
    kept.removeIf([&](const Timer& t) { return ids.contains(t.id); });
    return true;
}

bool MemoryRepository::setOrder(const QList<TimerId>& ids, StoreError* error) {
    if (refused(error)) return false;
    QList<Timer> ordered;
    for (TimerId id : ids)
        for (const Timer& t : std::as_const(kept))
            if (t.id == id) ordered << t;
    if (ordered.size() != kept.size() ||
        QSet<TimerId>(ids.begin(), ids.end()).size() != ids.size()) {
        if (error) error->description = QStringLiteral("not the kept timers");
        return false;
    }
    kept = ordered;
    return true;
}

bool MemoryRepository::keepRunStates(const QList<Timer>& timers, StoreError* error) {
    if (refused(error)) return false;
    ++runStateWrites;
    for (const Timer& timer : timers)
        for (Timer& k : kept)
            if (k.id == timer.id) {
                k.dueAt = timer.dueAt;
                k.pausedLeft = timer.pausedLeft;
                k.keptRoutine = timer.keptRoutine;
            }
    return true;
}

Timer& MemoryRepository::byDesc(const QString& desc) {
    for (Timer& t : kept)
        if (t.desc == desc) return t;
    qFatal("no timer %s", qPrintable(desc));
}

QStringList MemoryRepository::descriptions() const {
    QStringList out;
    for (const Timer& t : kept) out << t.desc;
    return out;
}

Timer MemoryRepository::addTimer(const QString& desc, qint64 duration, const QString& sound) {
    QList<Timer> one{newTimer(desc, duration, sound)};
    add(one, nullptr);
    return one.first();
}

}  // namespace dunok::testing
