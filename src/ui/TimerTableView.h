// The timer table: whole rows selected, fixed row height, the selected row
// asked and set by number.
#pragma once

#include <QTableView>

namespace dunok {

class TimerTableView : public QTableView {
    Q_OBJECT
public:
    explicit TimerTableView(QWidget* parent = nullptr);
    void setModel(QAbstractItemModel* model) override;

    // The row the user selected last (the current row when it is selected),
    // else the first selected row; -1 when nothing is selected.
    int selectedRow() const;
    QList<int> selectedRows() const;
    // Selects exactly that row, dropping any other selection.
    void selectRowExactly(int row);

    void setRowHeight(int height);

    // Selects exactly the given rows (where a drop put its timers).
    void selectRowsExactly(const QList<int>& rows);

protected:
    void startDrag(Qt::DropActions supportedActions) override;
};

}  // namespace dunok
