#include "ui/Sheets.h"

#include <QDialog>

#include "domain/Preferences.h"
#include "domain/TimerEdits.h"
#include "domain/TimerList.h"
#include "storage/TimerStore.h"
#include "ui/AddMultipleController.h"
#include "ui/EditController.h"
#include "ui/PrefsController.h"

namespace dunok {

EditController::SaveTimer Sheets::saveTimer() {
    return
        [this](Timer& timer, StoreError* error) { return dunok::saveTimer(store_, timer, error); };
}

namespace {
// Every stored timer of the list but the one edited, as "When it finishes:"
// offers them.
QList<std::pair<TimerId, QString>> otherTimers(const TimerList& list, TimerId edited) {
    QList<std::pair<TimerId, QString>> others;
    for (const Timer& timer : list.timers())
        if (timer.isStored() && timer.id != edited) others.append({timer.id, timer.desc});
    return others;
}
}  // namespace

QDialog* Sheets::present(QDialog* sheet) {
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    open_ = sheet;
    sheet->open();
    return sheet;
}

QDialog* Sheets::addTimer(QWidget* over) {
    if (open_) return open_->raise(), open_.data();
    auto* editor = new EditController(prefs_.settings(), player_, saveTimer(), over);
    editor->setAreEditing(false);
    editor->setOtherTimers(otherTimers(list_, 0));
    connect(editor, &EditController::timersChanged, this, &Sheets::timersChanged);
    connect(editor, &EditController::startRequested, this, &Sheets::startRequested);
    connect(editor, &EditController::closedAfterSave, this, &Sheets::editorClosedAfterSave);
    return present(editor);
}

QDialog* Sheets::editTimer(QWidget* over, const Timer& timer) {
    if (open_) return open_->raise(), open_.data();
    auto* editor = new EditController(prefs_.settings(), player_, saveTimer(), over);
    editor->setAreEditing(true);
    editor->setCurrentTimer(timer);
    editor->setOtherTimers(otherTimers(list_, timer.id));
    connect(editor, &EditController::editSaved, this, &Sheets::editSaved);
    connect(editor, &EditController::timersChanged, this, &Sheets::timersChanged);
    connect(editor, &EditController::startRequested, this, &Sheets::startRequested);
    connect(editor, &EditController::closedAfterSave, this, &Sheets::editorClosedAfterSave);
    return present(editor);
}

QDialog* Sheets::addMultipleTimers(QWidget* over) {
    if (open_) return open_->raise(), open_.data();
    auto* sheet = new AddMultipleController(
        prefs_.defSound(),
        [this](QList<Timer>& timers, StoreError* error) {
            return addTimers(store_, timers, error);
        },
        over);
    connect(sheet, &AddMultipleController::timersAdded, this, &Sheets::timersAdded);
    return present(sheet);
}

QDialog* Sheets::showPreferences(QWidget* over) {
    if (open_) return open_->raise(), open_.data();
    auto* sheet = new PrefsController(prefs_, over);
    connect(sheet, &PrefsController::preferencesChanged, this, &Sheets::preferencesChanged);
    return present(sheet);
}

}  // namespace dunok
