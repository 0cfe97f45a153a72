// Opens the editing sheets over a window and passes on what they did, so the
// main window only has to say which sheet and react to the outcome.
#pragma once

#include <QDialog>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include "domain/Constants.h"
#include "ui/EditController.h"

class QWidget;

namespace dunok {

class TimerStore;

class Preferences;
class SharedPlayer;
class TimerList;

class Sheets : public QObject {
    Q_OBJECT
public:
    // The sheets read and change prefs; the editor previews through player.
    // The editors save to store, and offer list's timers to start next.
    Sheets(Preferences& prefs, SharedPlayer& player, TimerStore& store, const TimerList& list,
           QObject* parent = nullptr)
        : QObject(parent), prefs_(prefs), player_(player), store_(store), list_(list) {}

    // Each opens its sheet window-modal over `over` and returns it (it deletes
    // itself when closed). While one sheet is open, asking again brings that
    // one forward instead of stacking a second.
    QDialog* addTimer(QWidget* over);
    QDialog* editTimer(QWidget* over, const Timer& timer);
    QDialog* addMultipleTimers(QWidget* over);
    QDialog* showPreferences(QWidget* over);

    QDialog* openSheet() const { return open_; }

signals:
    void editSaved(const QString& timerId);       // the editor saved a change to this timer
    void timersChanged();                         // the editor saved: reload the list
    void startRequested(const QString& timerId);  // ... with "start" on
    void editorClosedAfterSave();                 // ... and has closed
    void timersAdded(const QStringList& timerIds, bool start);
    void preferencesChanged();

private:
    // Saves what the editor made into the store and the list.
    EditController::SaveTimer saveTimer();
    QDialog* present(QDialog* sheet);

    Preferences& prefs_;
    SharedPlayer& player_;
    TimerStore& store_;
    const TimerList& list_;
    QPointer<QDialog> open_;
};

}  // namespace dunok
