#include "ui/TimerRowsTable.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>

#include "domain/CountdownText.h"
#include "domain/DurationParser.h"

namespace dunok {

TimerRowsTable::TimerRowsTable(QWidget* parent) : QTableWidget(0, 2, parent) {
    setObjectName(QStringLiteral("theTable"));
    setAccessibleName(tr("New timers"));
    setHorizontalHeaderLabels({tr("Time"), tr("Description")});
    horizontalHeader()->setSectionResizeMode(timeColumn, QHeaderView::Fixed);
    horizontalHeader()->resizeSection(timeColumn, 130);
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    // The fields take the focus; Tab must walk them, not the view's cells.
    setTabKeyNavigation(false);
    setFocusPolicy(Qt::NoFocus);
    setMinimumSize(480, 220);
    addRow();
}

QLineEdit* TimerRowsTable::makeField(const QString& identifier, const QString& placeholder) {
    auto* field = new QLineEdit;
    field->setObjectName(identifier);
    field->setPlaceholderText(placeholder);
    field->setFrame(false);
    field->installEventFilter(this);
    return field;
}

int TimerRowsTable::addRow() {
    const int row = rowCount();
    insertRow(row);
    QLineEdit* time = makeField(cellTime, tr("1h 30m"));
    QLineEdit* desc = makeField(cellDescription, tr("A description"));
    // The tooltip says how the typed time was read, so "1:30" is seen to be
    // a minute and a half before anything is saved.
    connect(time, &QLineEdit::textChanged, time, [time](const QString& text) {
        const DurationReading reading = parseDuration(text);
        time->setToolTip(reading.ok() ? toDHMS(reading.seconds).trimmed() : QString());
    });
    setCellWidget(row, timeColumn, time);
    setCellWidget(row, descriptionColumn, desc);
    verticalHeader()->resizeSection(row, time->sizeHint().height() + 4);
    renumber();
    emit rowsChanged();
    return row;
}

void TimerRowsTable::removeRow(int row) {
    if (row < 0 || row >= rowCount()) return;
    if (rowCount() == 1) {
        timeField(0)->clear();
        descriptionField(0)->clear();
    } else {
        QTableWidget::removeRow(row);
        renumber();
        emit rowsChanged();
    }
    focusField(std::min(row, rowCount() - 1), timeColumn);
}

QLineEdit* TimerRowsTable::field(int row, int column) const {
    return qobject_cast<QLineEdit*>(cellWidget(row, column));
}

QLineEdit* TimerRowsTable::timeField(int row) const {
    return field(row, timeColumn);
}

QLineEdit* TimerRowsTable::descriptionField(int row) const {
    return field(row, descriptionColumn);
}

bool TimerRowsTable::isBlankRow(int row) const {
    return timeField(row)->text().trimmed().isEmpty() &&
           descriptionField(row)->text().trimmed().isEmpty();
}

int TimerRowsTable::activeRow() const {
    return currentRow();
}

void TimerRowsTable::focusField(int row, int column) {
    QLineEdit* target = field(row, column);
    if (!target) return;
    setCurrentCell(row, column);
    scrollTo(model()->index(row, column));
    target->setFocus(Qt::OtherFocusReason);
    target->selectAll();
}

void TimerRowsTable::renumber() {
    for (int row = 0; row < rowCount(); ++row) {
        timeField(row)->setAccessibleName(tr("Time, row %1").arg(row + 1));
        descriptionField(row)->setAccessibleName(tr("Description, row %1").arg(row + 1));
    }
}

bool TimerRowsTable::locate(const QObject* fieldObject, int* row, int* column) const {
    for (int r = 0; r < rowCount(); ++r) {
        for (int c : {int(timeColumn), int(descriptionColumn)}) {
            if (cellWidget(r, c) == fieldObject) {
                *row = r;
                *column = c;
                return true;
            }
        }
    }
    return false;
}

// Return walks the row as a form does (time, then description, then the next
// row, made when needed); on a row left blank it means "that was all".
void TimerRowsTable::returnPressed(int row, int column) {
    if (isBlankRow(row)) {
        emit saveRequested();
    } else if (column == timeColumn) {
        focusField(row, descriptionColumn);
    } else {
        if (row == rowCount() - 1) addRow();
        focusField(row + 1, timeColumn);
    }
}

bool TimerRowsTable::eventFilter(QObject* watched, QEvent* event) {
    int row = -1;
    int column = -1;
    if (event->type() == QEvent::FocusIn && locate(watched, &row, &column)) {
        setCurrentCell(row, column);
        scrollTo(model()->index(row, column));
    } else if (event->type() == QEvent::KeyPress && locate(watched, &row, &column)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // Taken here, so that the sheet's default button does not fire too.
            if (key->modifiers() & Qt::ControlModifier)
                emit saveRequested();
            else
                returnPressed(row, column);
            return true;
        }
    }
    return QTableWidget::eventFilter(watched, event);
}

}  // namespace dunok
