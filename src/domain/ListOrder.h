// The order of the timer list: the sort setting and its cycle, and the
// user's own order made by dragging rows.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <algorithm>
#include <optional>

#include "domain/Constants.h"
#include "domain/StoreError.h"
#include "domain/TimerList.h"

namespace dunok {

class Preferences;
class TimerRepository;

// The drag payload's type. Its data are the dragged rows' indices in
// decimal, one per line ("3" for row 3 alone).
inline const QString rowsMimeType = QStringLiteral("public.data");

// The list's order for a sort setting, one for the window and the command
// line: the store's order for custom (and any unknown value), or stably by
// duration or by name, names compared as the store compares text (by their
// UTF-8 bytes), so that the order does not hang on the locale.
template <typename T, typename DurationOf, typename NameOf>
void sortForList(QList<T>& items, int sort, DurationOf durationOf, NameOf nameOf) {
    if (sort == sortDuration)
        std::stable_sort(items.begin(), items.end(),
                         [&](const T& a, const T& b) { return durationOf(a) < durationOf(b); });
    else if (sort == sortDesc)
        std::stable_sort(items.begin(), items.end(), [&](const T& a, const T& b) {
            return nameOf(a).toUtf8() < nameOf(b).toUtf8();
        });
}

// The sort setting's name: "Time", "Name", and "Custom" for every other value.
QString sortString(int sort);

// The sort command's step: Custom, Time, Name, Custom again; a value outside
// the cycle (an old or damaged preference) goes to Custom. The new setting is
// written to the preferences at once. The caller then reloads the table and
// relabels the toolbar. Returns the new setting.
int cycleSortOrder(Preferences& prefs);

QByteArray rowsPayload(QList<int> rows);
// The row indices a payload names, in its order. A line that is not a
// decimal number is skipped.
QList<int> rowsFromPayload(const QByteArray& payload);

// The order after moving the given rows of a list of count rows, in their
// list order, to sit together just above dropRow (0 to count; anything
// outside is clamped): for each new place, the row that goes there. Indices
// out of range or repeated are ignored. Empty when no row moves; in newRows
// where the moved rows now are.
QList<int> orderAfterMove(int count, QList<int> rows, int dropRow, QList<int>* newRows = nullptr);

template <typename T>
QList<T> inOrder(const QList<T>& list, const QList<int>& order) {
    QList<T> result;
    result.reserve(order.size());
    for (int from : order) result.append(list.at(from));
    return result;
}

struct DropResult {
    bool accepted = false;  // the list had timers and the payload named a row
    QList<int> order;       // the list's new order (see orderAfterMove); empty: as it was
    QList<int> rows;        // where the dropped timers are now
    // Set when the store refused the new order, with why; the list then
    // shows the old one.
    std::optional<StoreError> refused;
};

// A drop of rows above dropRow: moves them in list and stores the
// new order; the caller then makes the order custom for this run (the
// stored sort setting stays). Every timer keeps its id, so running timers go
// on counting in their new rows. If the store refuses, the list stays in
// the old order and rows says where the dropped timers are in it.
DropResult dropTimerRows(TimerRepository& store, TimerList& list, const QList<int>& rows,
                         int dropRow);

}  // namespace dunok
