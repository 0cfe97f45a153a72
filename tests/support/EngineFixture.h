// A timer engine over a store of its own and a list sorted by duration, with
// a clock that moves only when the test moves it.
#pragma once

#include <memory>

#include "desktop/AudioPlayer.h"
#include "domain/ListLoading.h"
#include "domain/TickScheduler.h"
#include "domain/TimerEngine.h"
#include "domain/TimerModel.h"
#include "support/TestEnvironment.h"
#include "ui/TimerTableModel.h"

namespace dunok::testing {

class EngineFixture {
protected:
    static constexpr qint64 second = 1'000'000'000;

    // `fill` stores the timers before the list is read.
    template <typename Fill>
    void setUpEngine(Fill fill) {
        home = std::make_unique<TestHome>();
        player = std::make_unique<SharedPlayer>();
        store = std::make_unique<StoreFixture>(home->storePath());
        fill(*store);
        list.clear();
        populateArray(list, store->store(), sortDuration);
        prefs = std::make_unique<Preferences>();
        model = std::make_unique<TimerTableModel>(*prefs, list);
        model->reloadData();
        engine = std::make_unique<TimerEngine>(list, *model, *prefs, *player, clock);
        model->setRunning(&engine->alertsArray());
        notices.clear();
        QObject::connect(engine.get(), &TimerEngine::finishNotification,
                         [this](const FinishNotice& n) { notices << n; });
    }
    // The engine goes first: stopping its timers still reaches the player and the table.
    void tearDownEngine() {
        if (model) model->setRunning(nullptr);
        engine.reset();
        player.reset();
        model.reset();
        prefs.reset();
        store.reset();
    }
    void advance(qint64 ns) {
        clock.advanceNs(ns);
        engine->scheduler().processDueTicks();
    }
    QString id(int row) const { return timerId(list.at(row)); }
    // Seconds left of the timer on that row, as the engine counts them.
    qint64 left(int row) const { return engine->secondsLeft(id(row)); }

    std::unique_ptr<TestHome> home;
    std::unique_ptr<SharedPlayer> player;
    std::unique_ptr<StoreFixture> store;
    ManualClock clock;
    TimerList list;
    std::unique_ptr<Preferences> prefs;
    std::unique_ptr<TimerTableModel> model;
    std::unique_ptr<TimerEngine> engine;
    QList<FinishNotice> notices;
};

}  // namespace dunok::testing
