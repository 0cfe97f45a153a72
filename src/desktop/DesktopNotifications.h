// The desktop notification that tells the user a timer has finished, through
// the notification service on the session bus. Clicking it is the way back to
// the window and the end of the ringing.
#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>

class QDBusMessage;
class QDBusServiceWatcher;

namespace dunok {

class DesktopNotifications : public QObject {
    Q_OBJECT
public:
    struct Content {
        QString title;
        QString subtitle;
        QString body;
        QString timerId;
        // Where the service shows actions, the notification offers "+1 min",
        // and with a label ("Snooze 5m") Snooze and Stop too.
        QString snoozeLabel = {};
        // A heads-up: quiet, no buttons, and its timer's finish takes its
        // place, leaving the finish notification before it alone.
        bool headsUp = false;
    };

    static inline const QString serviceName = QStringLiteral("org.freedesktop.Notifications");
    static inline const QString objectPath = QStringLiteral("/org/freedesktop/Notifications");
    static inline const QString interfaceName = QStringLiteral("org.freedesktop.Notifications");

    explicit DesktopNotifications(QObject* parent = nullptr);

    // Asks, without waiting, whether a notification service answers. The
    // console says, after the reason, "Permission not granted"; "Permission
    // granted" only to developers (the dunok.notifications category).
    void requestAuthorization();

    // Shows one notification, without waiting for the service. Each one
    // replaces the one before, so the desktop never piles up stale alarms.
    void post(const Content& content);
    // Takes a timer's heads-up off the screen, or keeps it from showing.
    void withdrawHeadsUp(const QString& timerId);

signals:
    // The user clicked a heads-up: only the window is wanted.
    void headsUpClicked(const QString& timerId);
    // The user clicked one of our finish notifications (its default action). It is
    // then taken off the screen, also where the service leaves it up.
    void clicked(const QString& timerId);
    // The user dismissed one of ours without clicking it: on some desktops
    // that is what a plain click does.
    void dismissed(const QString& timerId);
    // Its Snooze, "+1 min" or Stop was chosen; it is taken off the screen.
    void snoozeChosen(const QString& timerId);
    void addMinuteChosen(const QString& timerId);
    void stopChosen(const QString& timerId);

private slots:
    void onActionInvoked(uint id, const QString& actionKey);
    void onNotificationClosed(uint id, uint reason);

private:
    enum class Capabilities {
        Unknown,   // not asked yet, or to be asked again
        Asking,    // GetCapabilities is on its way
        Cached,    // known for the service that owns the name now
        Uncached,  // settled for the posts waiting now, to be asked again later
    };

    void askCapabilities();
    void sendNext();
    // replaces: the id of the notification it takes the place of, or 0.
    QDBusMessage notifyCall(const Content& content, uint replaces) const;
    // The action keys a notification of that content offers, the default first.
    QStringList offeredKeys(const Content& content) const;
    void forgetService();
    void close(uint id);

    bool busAvailable_ = false;
    QDBusServiceWatcher* serviceWatcher_ = nullptr;

    Capabilities capabilities_ = Capabilities::Unknown;
    bool bodyMarkup_ = false;
    bool actions_ = false;
    // Bumped when the service changes hands, so late answers from the old
    // owner are not taken for the new one.
    quint64 serviceGeneration_ = 0;

    // Posts go out one at a time: the next one needs the id the service gave
    // the one before to replace it.
    QList<Content> queue_;
    bool notifyInFlight_ = false;
    uint lastId_ = 0;
    QHash<uint, QString> timerIds_;     // notification id -> timer id, while shown
    QHash<uint, QStringList> offered_;  // the action keys each shown one offers
    // Each timer's heads-up on screen (notification id), and the timers whose
    // heads-up is wanted still: one withdrawn while its Notify was on the way
    // is closed as soon as its id is known.
    QHash<QString, uint> headsUpIds_;
    QSet<QString> headsUpWanted_;
    // Heads-ups that a finish is on its way to replace: a close of one of
    // them meanwhile is the heads-up's, not the alarm's.
    QSet<uint> beingReplaced_;
};

}  // namespace dunok
