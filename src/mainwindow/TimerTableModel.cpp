#include "mainwindow/TimerTableModel.h"

#include <QApplication>
#include <QFont>

#include "model/Globals.h"
#include "platform/ResourceFolder.h"

namespace dunok {

namespace {
QFont fontOfSize(double points) {
    QFont font = QApplication::font();
    font.setPointSizeF(points);
    return font;
}
}  // namespace

TimerTableModel::TimerTableModel(QObject* parent) : QAbstractTableModel(parent) {}

int TimerTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int TimerTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

const CellContents& TimerTableModel::cell(int row, int column) const {
    const Row& r = rows_.at(row);
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
            return c.image.isEmpty() ? QVariant() : QVariant(namedImage(c.image));
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
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
}

TimerTableModel::Row TimerTableModel::buildRow(int row) {
    return {buildCell(row, 0), buildCell(row, 1)};
}

void TimerTableModel::reloadData() {
    beginResetModel();
    rows_.clear();
    rows_.reserve(timersArray.size());
    for (int r = 0; r < timersArray.size(); ++r) rows_.append(buildRow(r));
    endResetModel();
}

void TimerTableModel::reloadRows(const QList<int>& rows) {
    for (int r : rows) {
        if (r < 0 || r >= rows_.size()) continue;
        rows_[r] = buildRow(r);
        emit dataChanged(index(r, 0), index(r, 1));
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
