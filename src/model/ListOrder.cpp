#include "model/ListOrder.h"

#include <QCoreApplication>
#include <algorithm>

#include "model/Preferences.h"
#include "model/TimerList.h"

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

bool moveRows(QList<TimerRecord>& list, QList<int> rows, int dropRow, QList<int>* newRows) {
    const int count = int(list.size());
    rows.erase(std::remove_if(rows.begin(), rows.end(), [&](int r) { return r < 0 || r >= count; }),
               rows.end());
    // The dragged rows keep their list order whatever order the drag named
    // them in.
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.isEmpty()) return false;
    dropRow = std::clamp(dropRow, 0, count);

    QList<TimerRecord> above, dropped, below;
    for (int r = 0; r < count; ++r) {
        if (std::binary_search(rows.begin(), rows.end(), r))
            dropped << list[r];
        else
            (r < dropRow ? above : below) << list[r];
    }
    if (newRows) {
        newRows->clear();
        for (int i = 0; i < dropped.size(); ++i) newRows->append(int(above.size()) + i);
    }
    list = above + dropped + below;
    return true;
}

DropResult dropTimerRows(const QList<int>& rows, int dropRow) {
    DropResult result;
    if (timersArray.isEmpty()) return result;
    QList<TimerRecord> reordered = timersArray;
    QList<int> newRows;
    if (!moveRows(reordered, rows, dropRow, &newRows)) return result;
    result.accepted = true;
    if (!alertsArray.isEmpty()) return result;

    const QList<TimerRecord> before = timersArray;
    timersArray = reordered;
    wasReordered = true;

    StoreError error;
    if (saveOrder(&error)) {
        populateArray(sortNone);
        result.rows = newRows;
    } else {
        // The store kept the old order and the old records, which are the
        // very objects the list held: it goes back to them as they were, also
        // when the store cannot even be read just now.
        result.refused = error;
        for (int r : std::as_const(newRows))
            if (const qsizetype at = before.indexOf(reordered[r]); at >= 0) result.rows << int(at);
        timersArray = before;
    }
    result.reloaded = true;
    return result;
}

}  // namespace dunok
