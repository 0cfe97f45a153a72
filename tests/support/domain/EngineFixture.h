// A timer engine over fakes of its own: timers kept in memory and listed by
// duration, a row display, a sound output that only records, and a clock
// that moves only when the test moves it.
#pragma once

#include <memory>

#include "domain/Constants.h"
#include "domain/ListLoading.h"
#include "domain/Preferences.h"
#include "domain/TickScheduler.h"
#include "domain/TimerEngine.h"
#include "support/domain/Fakes.h"

namespace dunok::testing {

class EngineFixture {
protected:
    static constexpr qint64 second = 1'000'000'000;

    // `fill` keeps the timers before the list is read.
    template <typename Fill>
    void setUpEngine(Fill fill) {
        store = std::make_unique<MemoryRepository>();
        fill(*store);
        list.clear();
        populateArray(list, *store, sortDuration);
        prefs = std::make_unique<Preferences>();
        output = std::make_unique<FakeOutput>();
        rows = std::make_unique<FakeRows>(list, *prefs);
        rows->reloadAll();
        engine = std::make_unique<TimerEngine>(list, *rows, *prefs, *output, clock);
        rows->setRunning(&engine->alertsArray());
        notices.clear();
        QObject::connect(engine.get(), &TimerEngine::finishNotification,
                         [this](const FinishNotice& n) { notices << n; });
    }
    // The engine goes first: stopping its timers still reaches the output and the rows.
    void tearDownEngine() {
        if (rows) rows->setRunning(nullptr);
        engine.reset();
        rows.reset();
        output.reset();
        prefs.reset();
        store.reset();
    }
    void advance(qint64 ns) {
        clock.advanceNs(ns);
        engine->scheduler().processDueTicks();
    }
    // Changes some settings for this run, as the sheet's pop-up would.
    template <typename Edit>
    void changeSettings(Edit edit) {
        Settings settings = prefs->settings();
        edit(settings);
        prefs->changeForThisRun(settings);
    }
    QString id(int row) const { return timerId(list.at(row)); }
    QString text(int row) const { return rows->durationText(row); }
    // Seconds left of the timer on that row, as the engine counts them.
    qint64 left(int row) const { return engine->secondsLeft(id(row)); }

    std::unique_ptr<MemoryRepository> store;
    ManualClock clock;
    TimerList list;
    std::unique_ptr<Preferences> prefs;
    std::unique_ptr<FakeOutput> output;
    std::unique_ptr<FakeRows> rows;
    std::unique_ptr<TimerEngine> engine;
    QList<FinishNotice> notices;
};

}  // namespace dunok::testing
