#include "app/AppDelegate.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDebug>
#include <QTimer>
#include <algorithm>

#include "app/ColorSchemeFollower.h"
#include "app/HelpCommands.h"
#include "app/TimerCommands.h"
#include "desktop/Alarm.h"
#include "desktop/Autostart.h"
#include "desktop/ColorSchemePortal.h"
#include "desktop/DBusControl.h"
#include "desktop/DesktopNotifications.h"
#include "desktop/DisplayLoss.h"
#include "desktop/LauncherEntry.h"
#include "desktop/NamedImage.h"
#include "desktop/SingleInstance.h"
#include "desktop/StartUpWarmUp.h"
#include "desktop/TrayIcon.h"
#include "desktop/UnixSignals.h"
#include "domain/Badge.h"
#include "domain/ListLoading.h"
#include "domain/PreferenceStore.h"
#include "domain/Preferences.h"
#include "domain/TimerEngine.h"
#include "domain/TimerModel.h"
#include "storage/Store.h"
#include "storage/TimerStore.h"
#include "ui/AppStyle.h"
#include "ui/MainWindow.h"
#include "ui/MessageBox.h"
#include "ui/ViewController.h"

namespace dunok {

namespace {
// Timers counting down or paused, as RunningCountChanged reports them. The
// badge hears of every entry that joins or leaves the running-timer table,
// whatever did it (a delete in the window as much as a command); a finish,
// which leaves its entry in the table, is told by the engine. A tick changes
// no count, so the next finish the badge also hears of is left alone.
class RunningCountOnBus : public BadgeDisplay {
public:
    RunningCountOnBus(DBusControl& control, const RunningTimers& running)
        : control_(control), alertsArray_(running) {}
    void showCount(int) override { tell(); }
    void tell() {
        const QList<Alert>& entries = alertsArray_.entries();
        control_.noteRunningCount(int(std::count_if(entries.cbegin(), entries.cend(),
                                                    [](const Alert& a) { return a.value > 0; })));
    }

private:
    DBusControl& control_;
    const RunningTimers& alertsArray_;
};
}  // namespace

AppDelegate::AppDelegate(const QString& storePath, const QString& prefsPath, QObject* parent)
    : QObject(parent),
      storePath_(storePath.isEmpty() ? defaultStorePath() : storePath),
      prefsPath_(prefsPath.isEmpty() ? PreferenceStore::defaultPath() : prefsPath) {}

AppDelegate::~AppDelegate() {
    tearDown();
}

void AppDelegate::tearDown() {
    launched_ = true;
    // No command from the bus may reach the engine as it goes.
    if (control_) control_->setCommands(nullptr);
    commands_.reset();
    // The badge goes with the window's engine; until then nothing it tells
    // may reach a display that is gone.
    if (Badge* shown = badge()) {
        if (busCount_) shown->removeDisplay(busCount_.get());
        if (tray_) shown->removeDisplay(tray_);
        if (launcherEntry_) shown->removeDisplay(launcherEntry_);
    }
    busCount_.reset();
    // Before the event loop ends: a viewer it opened must outlive Dunok.
    help_.reset();
    if (window_) window_->viewController()->engine()->shutDown();
    // Emptied, not destroyed: the window still holds it until it goes.
    if (player_) player_->close();
    delete window_;
    delete tray_;
    tray_ = nullptr;
    delete notifications_;
    notifications_ = nullptr;
    delete launcherEntry_;
    launcherEntry_ = nullptr;
    delete singleInstance_;
    singleInstance_ = nullptr;
    // Off the bus by now: nothing can call it while it goes.
    delete control_;
    control_ = nullptr;
}

MainWindow* AppDelegate::window() const {
    return window_.data();
}

Badge* AppDelegate::badge() const {
    return window_ ? &window_->viewController()->engine()->badge() : nullptr;
}

void AppDelegate::updateBadge() {
    if (Badge* shown = badge()) shown->update();
}

int AppDelegate::start() {
    prefs_ = std::make_unique<PreferenceStore>(prefsPath_);
    settings_ = std::make_unique<Preferences>(prefs_.get());

    // The store is opened before the window asks for the list, so that a
    // store that cannot be opened stops the program before anything shows.
    store_ = std::make_unique<TimerStore>();
    store_->setBusyTimeout(storeBusyTimeoutMs_);
    StoreError error;
    const bool opened = store_->open(storePath_, &error);
    // From here on widgets are made, the error's message box as much as the
    // window, and they need the fonts.
    if (warmUp_) warmUp_->wait();
    if (!opened) {
        fatalStoreError(error);
        return 1;
    }

    player_ = std::make_unique<SharedPlayer>();
    installAppStyle();
    window_ = new MainWindow(*settings_, *player_, *store_);
    connect(window_, &MainWindow::quitRequested, this, &AppDelegate::terminate);
    connect(window_, &MainWindow::closed, this, &AppDelegate::windowClosed);
    help_ = std::make_unique<HelpCommands>();
    connect(window_, &MainWindow::helpRequested, this, [this] { help_->showHelp(window_); });
    connect(window_, &MainWindow::websiteRequested, this, [this] { help_->showWebsite(window_); });
    if (singleInstance_ &&
        singleInstance_->finishClaim() == SingleInstance::Outcome::OtherReopened) {
        if (launch_ == Launch::Hidden)
            qInfo("Dunok is already running.");
        else
            qInfo("Dunok is already running; its window was brought forward.");
        return alreadyRunning;
    }
    // Asked once the claim has reached the bus, and answered while the
    // window is shown, before its first picture: asked any sooner, the
    // question would wait for the connection that the claim is still
    // making. The window never waits for the desktop's colour preference.
    colorScheme_ = new ColorSchemeFollower(this);
    colorScheme_->follow(new ColorSchemePortal(QDBusConnection::sessionBus()));

    connectControl();

    // What the first sight of the list does not need waits until it is on
    // screen; a window that is never drawn (started minimised) delays it by
    // a second at most.
    connect(window_, &MainWindow::firstPainted, this, &AppDelegate::applicationDidFinishLaunching);
    QTimer::singleShot(1000, this, &AppDelegate::applicationDidFinishLaunching);
    if (launch_ == Launch::Hidden) {
        // The list is loaded as a shown window would load it, so that the
        // bus finds the timers.
        window_->viewController()->viewDidAppear();
        return 0;
    }
    window_->show();
    if (launch_ == Launch::NewTimer) window_->viewController()->addTimer();
    return 0;
}

int AppDelegate::run() {
    // First of all, so that a SIGTERM during start-up waits in the socket
    // and quits in order once the event loop runs, instead of being lost.
    signals_ = new UnixSignals(this);
    connect(signals_, &UnixSignals::terminationRequested, this, [this](int) { terminate(); });

    // One Dunok per user: the bus is asked while the window is built, and
    // has answered before the window shows.
    singleInstance_ = new SingleInstance(this);
    control_ = new DBusControl(this);
    connect(control_, &DBusControl::reopenRequested, this, &AppDelegate::reopenFromOutside);
    singleInstance_->setExportedObject(control_);
    if (launch_ != Launch::Shown)
        singleInstance_->setHandOverMethod(launch_ == Launch::Hidden ? QString()
                                                                     : QStringLiteral("NewTimer"));
    singleInstance_->beginClaim();

    QApplication::setQuitOnLastWindowClosed(false);
    if (const int status = start()) return status == alreadyRunning ? 0 : status;
    connect(qApp, &QCoreApplication::aboutToQuit, this, &AppDelegate::tearDown);
    watchDisplayOnQuit();
    const int status = QApplication::exec();
    tearDown();  // in case the loop ended without aboutToQuit
    return status;
}

void AppDelegate::applicationDidFinishLaunching() {
    if (launched_) return;  // ran already, or the program is winding down
    launched_ = true;
    if (warmUp_) warmUp_->startIsOver();
    // After the first paint: handing every size of the icon to the window
    // system is not worth keeping the user waiting for the window.
    QApplication::setWindowIcon(namedImage(QStringLiteral("dunok")));
    // A login entry of the name an earlier release used goes by the
    // program's id from now on, so that the session shows it with its icon.
    QString entryError;
    if (moveEarlierAutostartEntry(&entryError) == EntryMove::Failed)
        qWarning().noquote() << entryError;
    launcherEntry_ = new LauncherEntry(this);
    if (Badge* shown = badge()) shown->addDisplay(launcherEntry_);
    // Made whether or not a tray runs now: a tray that starts later, as the
    // desktop's bar after a login entry, shows it then.
    tray_ = new TrayIcon(this);
    connect(tray_, &TrayIcon::activated, this, &AppDelegate::reopenFromOutside);
    connect(tray_, &TrayIcon::showRequested, this, &AppDelegate::menuShowAppPressed);
    connect(tray_, &TrayIcon::quitRequested, this, &AppDelegate::terminate);
    if (window_) {
        ViewController* vc = window_->viewController();
        tray_->setRunningSource(
            [vc] { return runningLines(vc->engine()->alertsArray(), vc->timers()); });
        connect(tray_, &TrayIcon::pauseOrResumeRequested, vc->engine(),
                &TimerEngine::pauseOrResume);
        connect(tray_, &TrayIcon::stopRequested, vc->engine(),
                [vc](const QString& id) { vc->engine()->stopTimer(id); });
    }
    if (Badge* shown = badge()) shown->addDisplay(tray_);
    tray_->show();
    updateBadge();

    notifications_ = new DesktopNotifications(this);
    notifications_->requestAuthorization();
    connect(notifications_, &DesktopNotifications::clicked, this,
            &AppDelegate::userNotificationCenterDidReceive);
    connect(notifications_, &DesktopNotifications::headsUpClicked, this,
            [this] { menuShowAppPressed(); });
    // Stop is a dismissal that the user asked for by name.
    for (auto signal : {&DesktopNotifications::dismissed, &DesktopNotifications::stopChosen})
        connect(notifications_, signal, this, [this](const QString& id) {
            if (window_) window_->viewController()->engine()->notificationDismissed(id);
        });
    connect(notifications_, &DesktopNotifications::snoozeChosen, this, [this](const QString& id) {
        if (window_) window_->viewController()->engine()->snooze(id);
    });
    // A minute more for any timer, as a snooze of a minute: the alarm stops
    // and the timer runs again.
    connect(notifications_, &DesktopNotifications::addMinuteChosen, this,
            [this](const QString& id) {
                if (window_) window_->viewController()->engine()->addTime(id, 60);
            });
    if (window_) {
        connect(window_->viewController()->engine(), &TimerEngine::finishNotification, this,
                [this](const FinishNotice& n) {
                    notifications_->post({n.title, n.subtitle, n.body, n.timerId, n.snoozeLabel});
                });
        connect(window_->viewController()->engine(), &TimerEngine::headsUp, this,
                [this](const HeadsUpNotice& n) {
                    DesktopNotifications::Content quiet;
                    quiet.title = n.title;
                    quiet.timerId = n.timerId;
                    quiet.headsUp = true;
                    notifications_->post(quiet);
                });
        connect(window_->viewController()->engine(), &TimerEngine::headsUpWithdrawn, notifications_,
                &DesktopNotifications::withdrawHeadsUp);
        // Now that a finish while Dunok was closed can be told.
        window_->viewController()->restoreTimers();
    }
}

void AppDelegate::connectControl() {
    if (!control_ || !window_) return;
    ViewController* view = window_->viewController();
    TimerEngine* engine = view->engine();
    commands_ = std::make_unique<TimerCommands>(
        view->timers(), *engine, *store_, view->oneOffTimers(),
        TimerCommands::Window{[view] { view->reloadTable(); }, [this] { menuShowAppPressed(); },
                              [this, view] {
                                  menuShowAppPressed();
                                  view->addTimer();
                              }});
    control_->setCommands(commands_.get());
    const auto descOf = [view](const QString& id) {
        const Timer* timer = view->timers().find(id);
        return timer ? timer->desc : QString();
    };
    connect(engine, &TimerEngine::timerStarted, control_,
            [this, descOf](const QString& id) { control_->noteStarted(descOf(id)); });
    connect(engine, &TimerEngine::timerFinished, control_,
            [this, descOf](const QString& id) { control_->noteFinished(descOf(id)); });
    busCount_ = std::make_unique<RunningCountOnBus>(*control_, engine->alertsArray());
    badge()->addDisplay(busCount_.get());
    // Every start, stop and finish refreshes the toolbar. The count reads
    // the table itself, whatever number it is handed.
    connect(engine, &TimerEngine::toolbarNeedsUpdate, this, [this] {
        if (busCount_) busCount_->showCount(0);
    });
}

void AppDelegate::userNotificationCenterDidReceive(const QString& timerId) {
    // The engine silences and forgets the finished timer; the window comes
    // forward through the engine's request, shown even when it was closed.
    if (window_) window_->viewController()->engine()->notificationClicked(timerId);
    updateBadge();
}

void AppDelegate::reopenFromOutside() {
    // A user who launches Dunok again, or clicks its tray icon, expects its
    // window in front even when it is open behind others.
    if (!window_) return;
    if (!applicationShouldHandleReopen(window_->isVisible())) window_->bringToFront();
}

bool AppDelegate::trayShown() const {
    return trayShown_ ? trayShown_() : tray_ && tray_->available();
}

void AppDelegate::windowClosed() {
    // Without a tray nothing on the screen shows that Dunok still runs, nor
    // how to reach it: said the first time only, and remembered beside the
    // preferences, as the user knows it then for every later close and run.
    // Kept in memory for the run even where the file cannot be written.
    if (!prefs_ || trayShown() || prefs_->boolean(PrefKeys::toldWayBack)) return;
    prefs_->setValue(PrefKeys::toldWayBack, true);
    prefs_->synchronize();
    const QString text =
        tr("Dunok keeps running. To get its window back, launch Dunok again or "
           "run “dunok --show”.");
    if (notifications_ && settings_->settings().sendNotification) {
        // Quiet and without buttons, as a heads-up: it belongs to no timer,
        // and an alarm's notification on the screen stays.
        DesktopNotifications::Content note;
        note.title = QStringLiteral("Dunok");
        note.body = text;
        note.headsUp = true;
        notifications_->post(note);
    } else if (window_) {
        window_->viewController()->showNote(text);
    }
}

bool AppDelegate::applicationShouldHandleReopen(bool hasVisibleWindows) {
    if (hasVisibleWindows || !window_) return false;
    window_->bringToFront();
    updateBadge();
    return true;
}

void AppDelegate::menuShowAppPressed() {
    if (!window_) return;
    window_->bringToFront();
    updateBadge();
}

bool AppDelegate::presentError(const StoreError& error) {
    MessageBox::runModal({QMessageBox::Critical,
                          QStringLiteral("Dunok"),
                          error.description,
                          error.consoleText(),
                          {tr("OK")},
                          QString()},
                         window_);
    // Nothing here can recover from a failed save on the user's behalf.
    return false;
}

void AppDelegate::fatalStoreError(const StoreError& error) {
    const QString text = QStringLiteral("Unresolved error ") + error.consoleText();
    qCritical().noquote() << text;
    // First what is wrong with which file and what to do; the technical
    // detail only for whoever wants it.
    const StoreOpenTrouble trouble = storeOpenTrouble(error);
    MessageBox::runModal({QMessageBox::Critical,
                          QStringLiteral("Dunok"),
                          trouble.what,
                          trouble.whatToDo,
                          {tr("Quit")},
                          QString(),
                          text});
}

AppDelegate::TerminateReply AppDelegate::applicationShouldTerminate() {
    if (!window_) return TerminateReply::TerminateNow;
    StoreError error;
    if (window_->viewController()->quitting(&error)) return TerminateReply::TerminateNow;
    if (presentError(error)) return TerminateReply::TerminateCancel;

    const int answer = MessageBox::runModal(
        {QMessageBox::Warning,
         QStringLiteral("Dunok"),
         tr("Could not save changes while quitting. Quit anyway?",
            "Quit without saves error question message"),
         tr("Quitting now will lose any changes you have made since the last successful save",
            "Quit without saves error question info"),
         {tr("Quit anyway", "Quit anyway button title"), tr("Cancel", "Cancel button title")},
         QString()},
        window_);
    return answer == 1 ? TerminateReply::TerminateCancel : TerminateReply::TerminateNow;
}

void AppDelegate::applicationWillTerminate() {
    if (Badge* shown = badge()) shown->clear();
    if (window_) window_->saveFrame();
}

void AppDelegate::terminate() {
    if (terminating_) return;
    if (applicationShouldTerminate() == TerminateReply::TerminateCancel) return;
    terminating_ = true;
    applicationWillTerminate();
    quitRequested();
    // Silent at once, whatever the event loop still delivers on its way out.
    if (window_) window_->viewController()->engine()->shutDown();
    QCoreApplication::quit();
}

}  // namespace dunok
