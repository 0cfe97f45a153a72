// The timer list as a two-column table model that keeps the built contents
// of every cell. A cell changes only when the whole table or its row is
// reloaded, or when the engine writes into it, so a repaint never changes
// what a row says (a "Finished " time stays the time it finished).
#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QIcon>
#include <QList>

#include "domain/TimerEngine.h"
#include "storage/TimerStore.h"
#include "ui/TimerCell.h"

namespace dunok {

class Preferences;
class RunningTimers;
class TimerList;

class TimerTableModel : public QAbstractTableModel, public TimerRowDisplay {
    Q_OBJECT
public:
    enum Roles {
        CellIdentifierRole = Qt::UserRole + 1,
        FontSizeRole,
        ImageNameRole,
    };

    // Shows the timers of list. prefs says how a countdown reads; a drop
    // makes its order custom.
    TimerTableModel(Preferences& prefs, TimerList& list, QObject* parent = nullptr);
    // What runs, as the rows show it; until then every timer reads stopped.
    void setRunning(const RunningTimers* running) { alertsArray_ = running; }
    // Where a drop stores the new order; without one the list takes no drop.
    void setStore(TimerStore* store) { store_ = store; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Drag and drop of rows into the user's own order. A drop lands between
    // rows (row, with no parent; row -1 is below the last); a drop onto a row
    // is refused. While a timer runs the drop is accepted but nothing moves.
    // A drop that moved rows makes the order custom until the next start.
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;
    Qt::DropActions supportedDropActions() const override;

    // Rebuilds every row from the list.
    void reloadData();
    // Rebuilds the given rows in both columns; rows past the end are ignored.
    void reloadRows(const QList<int>& rows) override;
    // Writes into one cell without rebuilding it (a paused countdown).
    void setCellText(int row, int column, const QString& text, double fontSize);
    // Takes a row out without rebuilding the others (a deleted timer).
    void removeRowAt(int row);

    const CellContents& cell(int row, int column) const;

    QString durationText(int row) const override;
    void setDurationText(int row, const QString& text, double fontSize) override {
        setCellText(row, 1, text, fontSize);
    }

signals:
    // A drop reloaded the list; rows are where the dropped timers are now.
    void rowsReordered(const QList<int>& rows);
    // The store refused a drop's new order; the list shows the old one again.
    void orderRefused(const dunok::StoreError& error);

private:
    Preferences& prefs_;
    TimerList& list_;
    const RunningTimers* alertsArray_ = nullptr;
    TimerStore* store_ = nullptr;
    QList<RowContents> rows_;
    // The rows' images by name, made on first use and kept, so that a row
    // repainted every second decodes nothing.
    mutable QHash<QString, QIcon> images_;
};

}  // namespace dunok
