// A stand-in for a user who drags rows for ever, for the test that kills it
// at random moments. The timers are "Timer 00", "Timer 01", ... with
// durations 1, 2, ...; every drop moves the first few rows below the last, so
// every order a finished rewrite can leave is a rotation of that list.
//
//   reorder_worker init STORE COUNT   makes a store of COUNT timers
//   reorder_worker run STORE          says "ready" once open, then reorders
//                                     until killed
//   reorder_worker check STORE COUNT  prints "ok ROTATION" when the store
//                                     holds every timer exactly once in a
//                                     rotation of the list; else what is
//                                     wrong, on standard error
#include <sqlite3.h>
#include <unistd.h>

#include <QList>
#include <QRandomGenerator>
#include <QString>
#include <cstdio>

#include "model/Globals.h"
#include "model/ListOrder.h"
#include "model/Store.h"
#include "model/TimerList.h"
#include "model/TimerModel.h"

using namespace dunok;

namespace {

QString timerName(int i) {
    return QStringLiteral("Timer %1").arg(i, 2, 10, QLatin1Char('0'));
}

int fail(const QString& why) {
    std::fprintf(stderr, "FAIL %s\n", qPrintable(why));
    return 1;
}

int init(ManagedObjectContext& context, int count) {
    for (int i = 0; i < count; ++i) {
        TimerRecord timer = context.insertNewObject(TimersKeys::entity);
        timer->setValue(TimersKeys::desc, timerName(i));
        timer->setValue(TimersKeys::duration, i + 1);
        timer->setValue(TimersKeys::sound, Constants::defSound);
    }
    StoreError error;
    return context.save(&error) ? 0 : fail(error.consoleText());
}

int run() {
    std::printf("ready\n");
    std::fflush(stdout);
    for (;;) {
        if (!populateArray(sortNone)) return fail(QStringLiteral("fetch"));
        const int count = int(timersArray.size());
        const int moved = QRandomGenerator::global()->bounded(1, count);
        QList<int> rows;
        for (int r = 0; r < moved; ++r) rows << r;
        const DropResult result = dropTimerRows(rows, count);
        if (!result.accepted || !result.reloaded || timersArray.size() != count)
            return fail(QStringLiteral("drop"));
    }
}

int check(ManagedObjectContext& context, const QString& path, int count) {
    StoreError error;
    const auto stored = context.fetch({TimersKeys::entity, {}}, &error);
    if (!stored) return fail(error.consoleText());
    if (stored->size() != count)
        return fail(QStringLiteral("%1 timers instead of %2").arg(stored->size()).arg(count));
    QList<int> seen(count, 0);
    int rotation = -1;
    for (int r = 0; r < count; ++r) {
        const QString desc = timerDesc(stored->at(r));
        bool ok = false;
        const int i = desc.mid(6).toInt(&ok);
        if (!desc.startsWith(QStringLiteral("Timer ")) || !ok || i < 0 || i >= count ||
            timerName(i) != desc || timerDuration(stored->at(r)) != i + 1)
            return fail(QStringLiteral("row %1 is \"%2\"").arg(r).arg(desc));
        if (++seen[i] > 1) return fail(QStringLiteral("\"%1\" twice").arg(desc));
        if (r == 0) rotation = i;
        if (i != (rotation + r) % count)
            return fail(QStringLiteral("row %1 is \"%2\", not in a rotation").arg(r).arg(desc));
    }

    // SQLite's own look at the file, after the open above put back whatever
    // a killed rewrite had left half-done.
    sqlite3* db = nullptr;
    QString integrity;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) ==
        SQLITE_OK) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &statement, nullptr) ==
                SQLITE_OK &&
            sqlite3_step(statement) == SQLITE_ROW)
            integrity =
                QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    if (integrity != QStringLiteral("ok")) return fail(QStringLiteral("integrity: ") + integrity);
    std::printf("ok %d\n", rotation);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const QString mode = argc > 2 ? QString::fromLocal8Bit(argv[1]) : QString();
    const QString path = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    const int count = argc > 3 ? QString::fromLocal8Bit(argv[3]).toInt() : 0;
    if (mode != QStringLiteral("run") && count < 2) {
        std::fprintf(stderr, "usage: %s init|run|check STORE [COUNT]\n", argv[0]);
        return 2;
    }
    ManagedObjectContext context(timerDataModel());
    StoreError error;
    if (!context.open(path, &error)) return fail(error.consoleText());
    setViewContext(&context);
    if (mode == QStringLiteral("init")) return init(context, count);
    if (mode == QStringLiteral("run")) return run();
    if (mode == QStringLiteral("check")) return check(context, path, count);
    return 2;
}
