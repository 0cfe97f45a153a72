#include "ui/TimerTransfer.h"

#include <QFileDialog>
#include <QStandardPaths>

#include "desktop/Alarm.h"
#include "domain/Preferences.h"
#include "domain/TimerFile.h"
#include "domain/TimerList.h"
#include "storage/Store.h"
#include "storage/TimerStore.h"
#include "ui/SupMisc.h"

namespace dunok {

TimerTransfer::TimerTransfer(TimerStore& store, const TimerList& list, const Preferences& prefs,
                             QWidget* window, QObject* parent)
    : QObject(parent),
      store_(store),
      list_(list),
      prefs_(prefs),
      window_(window),
      choose_(chooseTimerFile) {
    setObjectName(QStringLiteral("timerTransfer"));
}

void TimerTransfer::exportTimers() {
    // What is stored, in the user's own order: a one-off timer from the
    // command line is not the user's to keep.
    StoreError error;
    const std::optional<QList<Timer>> stored = store_.timers(&error);
    if (!stored) {
        msgUser(tr("Could not export the timers."),
                storeRefusalText(error, tr("They could not be read from the store.")), window_);
        return;
    }
    const QString path = choose_(window_, true);
    if (path.isEmpty()) return;
    QString why;
    if (!writeTimerFileAt(path, timerFileText(*stored), &why)) {
        msgUser(tr("Could not export the timers."), why, window_);
        return;
    }
    emit exported(exportedText(int(stored->size()), QFileInfo(path).fileName()));
}

void TimerTransfer::importTimers() {
    const QString path = choose_(window_, false);
    if (path.isEmpty()) return;
    const QString title = tr("Could not import “%1”.").arg(QFileInfo(path).fileName());
    QByteArray file;
    QString why;
    if (!readTimerFileAt(path, &file, &why)) {
        msgUser(title, why, window_);
        return;
    }
    const SoundLibrary sounds;
    const ImportResult result =
        dunok::importTimers(file, store_, list_.descriptions(), prefs_.defSound(),
                            [&sounds](const QString& name) { return sounds.has(name); });
    if (result.storeRefused) {
        msgUser(title, storeRefusalText(result.storeError, nothingImportedText()), window_);
        return;
    }
    if (!result.ok()) {
        msgUser(title, result.error + QLatin1Char(' ') + nothingImportedText(), window_);
        return;
    }
    emit imported(result.timers.isEmpty() ? 0 : result.timers.first().id,
                  importedText(result, prefs_.defSound()));
}

QString chooseTimerFile(QWidget* parent, bool save) {
    const QString filter = TimerTransfer::tr("Export files (*.json)");
    if (save) {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QFileDialog dialog(parent, TimerTransfer::tr("Export Timers"), folder, filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        // A name typed without ".json" still makes a file the import offers.
        dialog.setDefaultSuffix(QStringLiteral("json"));
        dialog.selectFile(TimerTransfer::tr("Dunok timers.json"));
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    }
    return QFileDialog::getOpenFileName(parent, TimerTransfer::tr("Import Timers"), QString(),
                                        filter);
}

}  // namespace dunok
