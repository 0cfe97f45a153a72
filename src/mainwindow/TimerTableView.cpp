#include "mainwindow/TimerTableView.h"

#include <QHeaderView>
#include <QItemSelectionModel>

#include "model/Globals.h"

namespace dunok {

TimerTableView::TimerTableView(QWidget* parent) : QTableView(parent) {
    setObjectName(QStringLiteral("myTable"));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(false);
    setAlternatingRowColors(true);
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight);
    setIconSize(QSize(22, 22));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(8);
    // The description takes what the countdown leaves; the countdown column
    // has room for "Finished " and a time of day, and is not measured row by
    // row (that would cost every tick with many timers).
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setMinimumSectionSize(60);
    horizontalHeader()->setHighlightSections(false);
    setAccessibleName(tr("Timers"));
}

void TimerTableView::setModel(QAbstractItemModel* model) {
    QTableView::setModel(model);
    horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    horizontalHeader()->setSectionResizeMode(1, QHeaderView::Interactive);
    QFont cellFont = font();
    cellFont.setPointSizeF(tSize);
    horizontalHeader()->resizeSection(
        1, QFontMetrics(cellFont).horizontalAdvance(QStringLiteral("Finished 00:00:00 PM")) + 16);
}

int TimerTableView::selectedRow() const {
    const QItemSelectionModel* selection = selectionModel();
    if (!selection || !selection->hasSelection()) return -1;
    const QModelIndex current = selection->currentIndex();
    if (current.isValid() && selection->isRowSelected(current.row(), QModelIndex()))
        return current.row();
    const QList<int> rows = selectedRows();
    return rows.isEmpty() ? -1 : rows.first();
}

QList<int> TimerTableView::selectedRows() const {
    QList<int> rows;
    if (!selectionModel()) return rows;
    for (const QModelIndex& index : selectionModel()->selectedRows()) rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void TimerTableView::selectRowExactly(int row) {
    if (!model() || !selectionModel() || row < 0 || row >= model()->rowCount()) return;
    const QModelIndex index = model()->index(row, 0);
    selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void TimerTableView::setRowHeight(int height) {
    verticalHeader()->setDefaultSectionSize(height);
}

int TimerTableView::rowHeightSetting() const {
    return verticalHeader()->defaultSectionSize();
}

}  // namespace dunok
