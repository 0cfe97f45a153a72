// The add-multiple sheet: several timers typed as rows of a time and a
// description, stored together on Save.
#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>
#include <functional>
#include <optional>

#include "domain/Timer.h"
#include "ui/TimerRowsTable.h"

class QCheckBox;
class QPushButton;

namespace dunok {

struct StoreError;

class AddMultipleController : public QDialog {
    Q_OBJECT
public:
    // The timers are stored with sound.
    // What Save hands on: the new timers, in the rows' order, to be stored
    // together (each gets its id); false, and why in *error, when the store
    // refused them, and the sheet then stays with its rows.
    using SaveTimers = std::function<bool(QList<Timer>& timers, StoreError* error)>;

    AddMultipleController(const QString& sound, SaveTimers save, QWidget* parent = nullptr);

    TimerRowsTable* theTable() const { return theTable_; }
    QCheckBox* cbStart() const { return cbStart_; }
    QPushButton* btnSave() const { return btnSave_; }
    QPushButton* btnCancel() const { return btnCancel_; }

    // Checks every row; stores the timers in row order with the sheet's
    // sound, closes and reports them. A row that cannot be used is shown to
    // the user and nothing is stored.
    void btnSaveClicked();
    // Closes; nothing is stored or reported.
    void btnCancelClicked();

signals:
    // The permanent timer ids of the stored timers, in row order, and whether
    // the user asked for them to start. Sent after the sheet closed.
    void timersAdded(const QStringList& timerIds, bool start);

private:
    struct NewTimer {
        QString desc;
        qint64 duration = 0;
    };

    std::optional<QList<NewTimer>> readRows();
    bool readRow(int row, QList<NewTimer>& timers);
    std::optional<QStringList> storeTimers(const QList<NewTimer>& timers);
    void refuse(int row, int column, const QString& message, const QString& informative);
    void updateTabOrder();

    TimerRowsTable* theTable_ = nullptr;
    QPushButton* btnAddRow_ = nullptr;
    QPushButton* btnRemoveRow_ = nullptr;
    QCheckBox* cbStart_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
    QPushButton* btnSave_ = nullptr;
    const QString sound_;
    SaveTimers save_;
};

}  // namespace dunok
