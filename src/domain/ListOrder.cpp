#include "domain/ListOrder.h"

#include <QCoreApplication>
#include <algorithm>

#include "domain/ListLoading.h"
#include "domain/PreferenceStore.h"
#include "domain/Preferences.h"
#include "domain/TimerRepository.h"

namespace dunok {

QString sortString(int sort) {
    if (sort == sortDuration) return QCoreApplication::translate("ListOrder", "Time");
    if (sort == sortDesc) return QCoreApplication::translate("ListOrder", "Name");
    return QCoreApplication::translate("ListOrder", "Custom");
}

int cycleSortOrder(Preferences& prefs) {
    Settings settings = prefs.settings();
    settings.sort =
        settings.sort >= sortNone && settings.sort < sortDesc ? settings.sort + 1 : sortNone;
    prefs.change(settings, {PrefKeys::sort});
    return settings.sort;
}

QByteArray rowsPayload(QList<int> rows) {
    QByteArrayList lines;
    for (int row : std::as_const(rows)) lines << QByteArray::number(row);
    return lines.join('\n');
}

QList<int> rowsFromPayload(const QByteArray& payload) {
    QList<int> rows;
    for (const QByteArray& line : payload.split('\n')) {
        // Digits only: no sign, blanks or exponent can sneak a row in.
        if (line.isEmpty() || line.size() > 9 ||
            !std::all_of(line.begin(), line.end(), [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        rows << line.toInt();
    }
    return rows;
}

QList<int> orderAfterMove(int count, QList<int> rows, int dropRow, QList<int>* newRows) {
    rows.erase(std::remove_if(rows.begin(), rows.end(), [&](int r) { return r < 0 || r >= count; }),
               rows.end());
    // The dragged rows keep their list order whatever order the drag named
    // them in.
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.isEmpty()) return {};
    dropRow = std::clamp(dropRow, 0, count);

    QList<int> above, dropped, below;
    for (int r = 0; r < count; ++r) {
        if (std::binary_search(rows.begin(), rows.end(), r))
            dropped << r;
        else
            (r < dropRow ? above : below) << r;
    }
    if (newRows) {
        newRows->clear();
        for (int i = 0; i < dropped.size(); ++i) newRows->append(int(above.size()) + i);
    }
    return above + dropped + below;
}

DropResult dropTimerRows(TimerRepository& store, TimerList& list, const QList<int>& rows,
                         int dropRow) {
    DropResult result;
    QList<int> newRows;
    const QList<int> order = orderAfterMove(list.size(), rows, dropRow, &newRows);
    if (order.isEmpty()) return result;
    result.accepted = true;
    const QList<Timer> reordered = inOrder(list.timers(), order);

    // One-off timers are not stored; they keep their place after the
    // stored ones at the next reload.
    QList<TimerId> storedOrder;
    for (const Timer& timer : std::as_const(reordered))
        if (timer.isStored()) storedOrder << timer.id;
    StoreError error;
    if (!store.setOrder(storedOrder, &error)) {
        logStoreError(QStringLiteral("Could not save. "), error);
        result.refused = error;
        for (int r : std::as_const(newRows)) result.rows << order.at(r);
        return result;
    }
    // The running timers move with their rows: they know their timer by id.
    list.assign(reordered);
    result.order = order;
    result.rows = newRows;
    return result;
}

}  // namespace dunok
