// A user who drags rows for ever, for the test that kills it at random moments: "Timer 00",
// "Timer 01", ... lasting 1, 2, ... s; a drop moves the first few rows below the last, so every
// finished drop leaves a rotation. init STORE COUNT makes the store; run STORE says "ready" once
// open, then reorders until killed; check STORE COUNT prints "ok ROTATION" or fails.
#include <QRandomGenerator>
#include <cstdio>

#include "domain/Constants.h"
#include "domain/ListLoading.h"
#include "domain/ListOrder.h"
#include "domain/TimerModel.h"
#include "storage/TimerStore.h"

using namespace dunok;

namespace {
QString timerName(int i) {
    return QStringLiteral("Timer %1").arg(i, 2, 10, QLatin1Char('0'));
}
int fail(const QString& why) {
    std::fprintf(stderr, "FAIL %s\n", qPrintable(why));
    return 1;
}
int run(TimerStore& store) {
    std::printf("ready\n");
    std::fflush(stdout);
    for (TimerList list;;) {
        if (!populateArray(list, store, sortNone)) return fail("fetch");
        const int count = list.size();
        QList<int> rows;
        for (int r = QRandomGenerator::global()->bounded(1, count); r > 0; --r) rows << r - 1;
        const DropResult result = dropTimerRows(store, list, rows, count);
        if (!result.accepted || result.refused || list.size() != count) return fail("drop");
    }
}
int check(TimerStore& store, int count) {
    StoreError error;
    const auto stored = store.timers(&error);
    if (!stored) return fail(error.consoleText());
    if (stored->size() != count) return fail(QString("%1 timers").arg(stored->size()));
    const int rotation = int(stored->first().duration) - 1;
    for (int r = 0; r < count; ++r) {
        const int i = (rotation + r) % count;
        if (stored->at(r).desc != timerName(i) || stored->at(r).duration != i + 1)
            return fail(QString("row %1 is %2").arg(r).arg(stored->at(r).desc));
    }
    std::printf("ok %d\n", rotation);
    return 0;
}
}  // namespace

int main(int argc, char** argv) {
    const QString mode = argc > 2 ? argv[1] : "";
    const int count = argc > 3 ? QString(argv[3]).toInt() : 0;
    if (!QStringList{"init", "run", "check"}.contains(mode) || (mode != "run" && count < 2))
        return fail("usage: reorder_worker init|run|check STORE [COUNT]") + 1;
    TimerStore store;
    StoreError error;
    if (!store.open(QString::fromLocal8Bit(argv[2]), &error)) return fail(error.consoleText());
    if (mode == "run") return run(store);
    if (mode == "check") return check(store, count);
    QList<Timer> timers;
    for (int i = 0; i < count; ++i) timers << newTimer(timerName(i), i + 1, Constants::defSound);
    return store.add(timers, &error) ? 0 : fail(error.consoleText());
}
