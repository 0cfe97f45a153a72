#include "ui/TimerTableView.h"

#include <QCursor>
#include <QDrag>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMimeData>

#include "domain/Constants.h"
#include "domain/CountdownText.h"
#include "ui/TimerTableModel.h"

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
    // Rows are dragged between other rows into the user's own order; the
    // model moves them. Not overwrite mode: there every drop would land on a
    // row, and the view would clear the dragged rows after the move.
    setDragDropMode(QAbstractItemView::DragDrop);
    setDragDropOverwriteMode(false);
    setDefaultDropAction(Qt::MoveAction);
    setDropIndicatorShown(true);
}

void TimerTableView::setModel(QAbstractItemModel* model) {
    QTableView::setModel(model);
    if (auto* timers = qobject_cast<TimerTableModel*>(model))
        connect(timers, &TimerTableModel::rowsReordered, this, &TimerTableView::selectRowsExactly);
    horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    horizontalHeader()->setSectionResizeMode(1, QHeaderView::Interactive);
    QFont cellFont = font();
    cellFont.setPointSizeF(tSize);
    horizontalHeader()->resizeSection(
        1,
        QFontMetrics(cellFont).horizontalAdvance(finishedText(QStringLiteral("00:00:00 PM"))) + 16);
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

void TimerTableView::selectRowsExactly(const QList<int>& rows) {
    if (!model() || !selectionModel()) return;
    QItemSelection selection;
    for (int row : rows)
        if (row >= 0 && row < model()->rowCount())
            selection.select(model()->index(row, 0), model()->index(row, 0));
    if (selection.isEmpty()) return;
    const QModelIndex first = selection.first().topLeft();
    selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    selectionModel()->select(selection,
                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(first);
}

void TimerTableView::startDrag(Qt::DropActions) {
    if (!model() || !selectionModel()) return;
    const QModelIndexList rows = selectionModel()->selectedRows();
    QMimeData* data = rows.isEmpty() ? nullptr : model()->mimeData(rows);
    if (!data) return;
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    QRect area;
    for (const QModelIndex& index : rows)
        area |=
            QRect(0, rowViewportPosition(index.row()), viewport()->width(), rowHeight(index.row()));
    area &= viewport()->rect();
    if (!area.isEmpty()) {
        drag->setPixmap(viewport()->grab(area));
        drag->setHotSpot(viewport()->mapFromGlobal(QCursor::pos()) - area.topLeft());
    }
    // Not the base class's drag: after a move it removes or clears the
    // dragged rows itself, while here the model's drop has moved them.
    drag->exec(Qt::MoveAction, Qt::MoveAction);
}

}  // namespace dunok
