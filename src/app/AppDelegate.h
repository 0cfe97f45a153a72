// The application: owns the store, the preferences and the main window for
// the whole run, brings the window back, and quits in order.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

namespace dunok {

class Badge;
class BadgeDisplay;
class ColorSchemeFollower;
class LauncherEntry;
class MainWindow;
class PreferenceStore;
class Preferences;
class SharedPlayer;
class SingleInstance;
class TimerStore;
class TrayIcon;
class UnixSignals;
struct StoreError;

class DesktopNotifications;
class StartUpWarmUp;
class DBusControl;
class HelpCommands;
class TimerCommands;

class AppDelegate : public QObject {
    Q_OBJECT
public:
    enum class TerminateReply { TerminateNow, TerminateCancel };

    // storePath and prefsPath default to the user's data and config folders.
    explicit AppDelegate(const QString& storePath = QString(), const QString& prefsPath = QString(),
                         QObject* parent = nullptr);
    ~AppDelegate() override;

    // How the program comes up: its window shown, hidden (the tray and the
    // bus can bring it), or shown with the editor of a new timer open. When
    // another Dunok runs, it is asked to show itself, left alone, or asked
    // to open that editor.
    enum class Launch { Shown, Hidden, NewTimer };
    void setLaunch(Launch launch) { launch_ = launch; }
    // How long the store waits for another program's lock (before start()).
    void setStoreBusyTimeout(int milliseconds) { storeBusyTimeoutMs_ = milliseconds; }
    // The work done beside the start (made before start()): waited for
    // before the first widget, and told when the first picture is up.
    void setStartUpWarmUp(StartUpWarmUp* warmUp) { warmUp_ = warmUp; }

    // start()'s answer when another Dunok runs and has been asked to show
    // itself: this one stops, successfully.
    static constexpr int alreadyRunning = -1;

    // Opens the store and the window. Returns 0 when the program should go on
    // into the event loop; otherwise it must stop, with that exit status (a
    // store that cannot be opened), or with alreadyRunning when run() has
    // found another Dunok and asked it to show itself.
    int start();
    // start(), then the event loop; for main().
    int run();

    MainWindow* window() const;
    TimerStore* store() const { return store_.get(); }
    PreferenceStore* preferences() const { return prefs_.get(); }
    // The settings of the run, which the window, the sheets and the engine share.
    Preferences* settings() const { return settings_.get(); }

    // A dock click or a second launch. With the window visible nothing more
    // happens; else it comes back. Returns whether it was brought back.
    bool applicationShouldHandleReopen(bool hasVisibleWindows);
    // "Show Dunok": the window comes forward whatever its state.
    void menuShowAppPressed();

    // Every change is stored as it is made; what is left for the quit is
    // what runs now, for the next start. If the store refuses it, the user
    // is told and asked whether to quit all the same.
    TerminateReply applicationShouldTerminate();
    void applicationWillTerminate();
    // The orderly quit of the menu, the tray and SIGTERM/SIGINT.
    void terminate();
    // Ends, in order, everything that talks to the sound system, the display
    // or the bus: the alarm, the mouse watch and the ticks, then the player,
    // the window with its sheets, the tray, the notifications, the badge and
    // the single-instance name. Runs as the event loop ends (and from the
    // destructor), so that nothing is left for exit() to tear down after Qt.
    void tearDown();

    // Whether a tray shows Dunok's icon now (tests give their own answer);
    // by default the tray host is asked.
    void setTrayShown(std::function<bool()> shown) { trayShown_ = std::move(shown); }

private:
    void applicationDidFinishLaunching();
    // The user clicked a finish notification.
    void userNotificationCenterDidReceive(const QString& timerId);
    void reopenFromOutside();
    bool trayShown() const;
    // The window was closed: where no tray leads back to it, the user is told
    // how to get it back, once.
    void windowClosed();
    // The bus's commands and signals, once the window's engine exists.
    void connectControl();
    // The window's badge, none without a window.
    Badge* badge() const;
    void updateBadge();
    bool presentError(const StoreError& error);
    void fatalStoreError(const StoreError& error);

    QString storePath_;
    QString prefsPath_;
    std::unique_ptr<PreferenceStore> prefs_;
    std::unique_ptr<Preferences> settings_;
    std::unique_ptr<TimerStore> store_;
    std::unique_ptr<SharedPlayer> player_;
    QPointer<MainWindow> window_;
    SingleInstance* singleInstance_ = nullptr;
    UnixSignals* signals_ = nullptr;
    TrayIcon* tray_ = nullptr;
    DesktopNotifications* notifications_ = nullptr;
    LauncherEntry* launcherEntry_ = nullptr;
    DBusControl* control_ = nullptr;
    ColorSchemeFollower* colorScheme_ = nullptr;
    std::unique_ptr<TimerCommands> commands_;
    // Tells the bus the running count whenever the badge changes.
    std::unique_ptr<BadgeDisplay> busCount_;
    std::unique_ptr<HelpCommands> help_;
    Launch launch_ = Launch::Shown;
    StartUpWarmUp* warmUp_ = nullptr;
    int storeBusyTimeoutMs_ = 5000;
    bool terminating_ = false;
    bool launched_ = false;
    std::function<bool()> trayShown_;
};

}  // namespace dunok
