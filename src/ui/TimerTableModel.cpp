#include "ui/TimerTableModel.h"

#include <QApplication>
#include <QFont>
#include <QMimeData>
#include <algorithm>

#include "desktop/NamedImage.h"
#include "domain/Constants.h"
#include "domain/ListOrder.h"
#include "domain/Preferences.h"
#include "domain/TimerList.h"

namespace dunok {

namespace {
QFont fontOfSize(double points) {
    QFont font = QApplication::font();
    font.setPointSizeF(points);
    return font;
}
}  // namespace

TimerTableModel::TimerTableModel(Preferences& prefs, TimerList& list, QObject* parent)
    : QAbstractTableModel(parent), prefs_(prefs), list_(list) {}

int TimerTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int TimerTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

const CellContents& TimerTableModel::cell(int row, int column) const {
    const RowContents& r = rows_.at(row);
    return column == 0 ? r.description : r.duration;
}

QVariant TimerTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_.size() || index.column() > 1) return {};
    const CellContents& c = cell(index.row(), index.column());
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return c.text;
        case Qt::FontRole:
            return c.fontSize > 0 ? QVariant(fontOfSize(c.fontSize)) : QVariant();
        case Qt::DecorationRole:
            if (c.image.isEmpty()) return {};
            if (const auto it = images_.constFind(c.image); it != images_.constEnd()) return *it;
            return *images_.insert(c.image, namedImage(c.image));
        case Qt::TextAlignmentRole:
            return index.column() == 1 ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                       : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
        case CellIdentifierRole:
            return c.identifier;
        case FontSizeRole:
            return c.fontSize;
        case ImageNameRole:
            return c.image;
        default:
            return {};
    }
}

QVariant TimerTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    if (section == 0) return tr("Timer");
    if (section == 1) return tr("Time");
    return {};
}

Qt::ItemFlags TimerTableModel::flags(const QModelIndex& index) const {
    // The space between rows (the root) takes drops. Rows say they take drops
    // too, only so that the view tells a drop onto a row from one between
    // rows and can refuse it, rather than turning it into one between.
    if (!index.isValid()) return Qt::ItemIsDropEnabled;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
}

QStringList TimerTableModel::mimeTypes() const {
    return {rowsMimeType};
}

QMimeData* TimerTableModel::mimeData(const QModelIndexList& indexes) const {
    // The view passes every selected cell: one entry per row.
    QList<int> rows;
    for (const QModelIndex& index : indexes)
        if (index.isValid() && !rows.contains(index.row())) rows << index.row();
    if (rows.isEmpty()) return nullptr;
    std::sort(rows.begin(), rows.end());
    auto* data = new QMimeData;
    data->setData(rowsMimeType, rowsPayload(rows));
    return data;
}

bool TimerTableModel::canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int,
                                      const QModelIndex& parent) const {
    if (!store_ || !data || action != Qt::MoveAction || parent.isValid() || row > rowCount())
        return false;
    const QList<int> rows = rowsFromPayload(data->data(rowsMimeType));
    return std::any_of(rows.begin(), rows.end(), [&](int r) { return list_.hasRow(r); });
}

bool TimerTableModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row,
                                   int column, const QModelIndex& parent) {
    if (!canDropMimeData(data, action, row, column, parent)) return false;
    const DropResult result = dropTimerRows(
        *store_, list_, rowsFromPayload(data->data(rowsMimeType)), row < 0 ? rowCount() : row);
    if (!result.order.isEmpty()) {
        // The rows' cells move with their timers as drawn: a finished row
        // keeps the moment it shows, a running one its countdown.
        beginResetModel();
        rows_ = inOrder(rows_, result.order);
        endResetModel();
        // The order is the user's for this run; the stored sort setting
        // stays for the next start.
        Settings settings = prefs_.settings();
        settings.sort = sortNone;
        prefs_.changeForThisRun(settings);
    }
    if (result.accepted) emit rowsReordered(result.rows);
    if (result.refused) emit orderRefused(*result.refused);
    return result.accepted;
}

Qt::DropActions TimerTableModel::supportedDropActions() const {
    return Qt::MoveAction;
}

void TimerTableModel::reloadData() {
    beginResetModel();
    rows_.clear();
    rows_.reserve(list_.size());
    for (const Timer& timer : list_.timers())
        rows_.append(buildRowCells(timer, alertsArray_, prefs_.settings().countdownDigits));
    endResetModel();
}

void TimerTableModel::reloadRows(const QList<int>& rows) {
    for (int r : rows) {
        if (r < 0 || r >= rows_.size() || !list_.hasRow(r)) continue;
        RowContents built = buildRowCells(list_.at(r), alertsArray_,
                                          prefs_.settings().countdownDigits, rows_[r].alertIndex);
        // A tick changes only the countdown: the view repaints what changed.
        const int first = built.description == rows_[r].description ? 1 : 0;
        const int last = built.duration == rows_[r].duration ? 0 : 1;
        rows_[r] = std::move(built);
        if (first <= last) emit dataChanged(index(r, first), index(r, last));
    }
}

void TimerTableModel::setCellText(int row, int column, const QString& text, double fontSize) {
    if (row < 0 || row >= rows_.size() || column < 0 || column > 1) return;
    CellContents& c = column == 0 ? rows_[row].description : rows_[row].duration;
    c.text = text;
    c.fontSize = fontSize;
    emit dataChanged(index(row, column), index(row, column));
}

void TimerTableModel::removeRowAt(int row) {
    if (row < 0 || row >= rows_.size()) return;
    beginRemoveRows(QModelIndex(), row, row);
    rows_.removeAt(row);
    endRemoveRows();
}

QString TimerTableModel::durationText(int row) const {
    if (row < 0 || row >= rows_.size()) return QString();
    return rows_[row].duration.text;
}

}  // namespace dunok
