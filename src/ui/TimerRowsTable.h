// The rows of the add-multiple sheet: a time and a description field per
// row, which the user adds, removes and moves through with the keyboard.
#pragma once

#include <QTableWidget>

class QLineEdit;

namespace dunok {

class TimerRowsTable : public QTableWidget {
    Q_OBJECT
public:
    static inline const QString cellTime = QStringLiteral("cellTime");
    static inline const QString cellDescription = QStringLiteral("cellDescription");
    enum Column { timeColumn = 0, descriptionColumn = 1 };

    explicit TimerRowsTable(QWidget* parent = nullptr);

    // Appends an empty row and returns its index.
    int addRow();
    // Removes a row; the only row left is emptied instead, so there is
    // always one to type in.
    void removeRow(int row);

    QLineEdit* timeField(int row) const;
    QLineEdit* descriptionField(int row) const;
    QLineEdit* field(int row, int column) const;
    // Both fields empty or blank: the row is not meant as a timer.
    bool isBlankRow(int row) const;
    // The row of the field that has or last had the focus.
    int activeRow() const;
    // Puts the cursor in a field, its text selected for retyping.
    void focusField(int row, int column);

signals:
    // Return on a blank row, or Ctrl+Return anywhere: the user is done.
    void saveRequested();
    // Rows came or went; the sheet puts its tab order right.
    void rowsChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* makeField(const QString& identifier, const QString& placeholder);
    void returnPressed(int row, int column);
    void renumber();
    bool locate(const QObject* fieldObject, int* row, int* column) const;
};

}  // namespace dunok
