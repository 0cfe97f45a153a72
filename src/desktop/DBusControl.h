// Dunok's control interface on the session bus: the object that the
// single-instance name org.dunok.Dunok serves at /org/dunok/Dunok. It only
// translates between the bus and RemoteCommands; what a command does lives
// with whoever implements those. resources/org.dunok.Dunok.xml describes it.
#pragma once

#include <QDBusArgument>
#include <QDBusContext>
#include <QList>
#include <QObject>
#include <QString>

namespace dunok {

// One timer as List() reports it: the D-Bus struct (ssx).
struct RemoteTimer {
    QString description;
    QString state;
    qint64 secondsLeft = 0;
    // Where it stands in a routine ("2/4", "3" until stopped), empty when it
    // runs in none. Sent only by Listing(), as the struct (ssxs).
    QString round = {};
};
// The same timer as Listing() reports it.
struct RemoteListedTimer : RemoteTimer {};

// How a command ended; each failure is a D-Bus error of its own name.
enum class RemoteError {
    None,
    NoSuchTimer,
    Ambiguous,
    AlreadyRunning,
    NotRunning,
    InvalidArgument,
    BadFile,  // an export file that cannot be imported
    Failed
};

struct RemoteResult {
    RemoteError error = RemoteError::None;
    QString message;       // for the user, in the answering Dunok's language
    QString started = {};  // on success of StartDuration: the new timer's name
};

class RemoteCommands {
public:
    virtual ~RemoteCommands() = default;
    virtual RemoteResult start(const QString& name) = 0;
    virtual RemoteResult startDuration(const QString& name, qint64 seconds, bool save) = 0;
    virtual RemoteResult stop(const QString& name) = 0;
    virtual RemoteResult pause(const QString& name) = 0;
    virtual RemoteResult resume(const QString& name) = 0;
    // On success, left is the time the timer has left now.
    virtual RemoteResult addTime(const QString& name, qint64 seconds, qint64* left) = 0;
    virtual void stopAll() = 0;
    virtual void silence() = 0;
    virtual QList<RemoteTimer> list() const = 0;
    virtual void show() = 0;
    virtual void newTimer() = 0;
    // The stored timers as an export file, and how many it holds.
    virtual RemoteResult exportTimers(QByteArray* file, int* count) = 0;
    // Adds an export file's timers to the list; on success, how many, and the
    // words that tell the user so.
    virtual RemoteResult importTimers(const QByteArray& file, int* count, QString* summary) = 0;
};

// The object is registered on the thread that claims the bus name, where
// QtDBus cannot set up its relay for exported signals; so the signals are
// sent as messages of their own, and the introspection, which would not
// list them, is given here. It must read as resources/org.dunok.Dunok.xml
// does (the command-line test compares the two).
class DBusControl : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.dunok.Dunok")
    Q_CLASSINFO("D-Bus Introspection",
                "<interface name=\"org.dunok.Dunok\">"
                "<method name=\"Start\"><arg name=\"name\" type=\"s\" direction=\"in\"/></method>"
                "<method name=\"StartDuration\"><arg name=\"name\" type=\"s\" direction=\"in\"/>"
                "<arg name=\"seconds\" type=\"x\" direction=\"in\"/>"
                "<arg name=\"save\" type=\"b\" direction=\"in\"/>"
                "<arg name=\"started\" type=\"s\" direction=\"out\"/></method>"
                "<method name=\"Stop\"><arg name=\"name\" type=\"s\" direction=\"in\"/></method>"
                "<method name=\"Pause\"><arg name=\"name\" type=\"s\" direction=\"in\"/></method>"
                "<method name=\"Resume\"><arg name=\"name\" type=\"s\" direction=\"in\"/></method>"
                "<method name=\"AddTime\"><arg name=\"name\" type=\"s\" direction=\"in\"/>"
                "<arg name=\"seconds\" type=\"x\" direction=\"in\"/>"
                "<arg name=\"left\" type=\"x\" direction=\"out\"/></method>"
                "<method name=\"StopAll\"/>"
                "<method name=\"Silence\"/>"
                "<method name=\"List\"><arg type=\"a(ssx)\" direction=\"out\"/></method>"
                "<method name=\"Listing\"><arg type=\"a(ssxs)\" direction=\"out\"/></method>"
                "<method name=\"Show\"/>"
                "<method name=\"NewTimer\"/>"
                "<method name=\"Reopen\"/>"
                "<method name=\"ExportTimers\"><arg name=\"file\" type=\"ay\" "
                "direction=\"out\"/><arg name=\"count\" type=\"i\" direction=\"out\"/></method>"
                "<method name=\"ImportTimers\"><arg name=\"file\" type=\"ay\" "
                "direction=\"in\"/><arg name=\"count\" type=\"i\" direction=\"out\"/>"
                "<arg name=\"summary\" type=\"s\" direction=\"out\"/></method>"
                "<signal name=\"TimerStarted\"><arg name=\"name\" type=\"s\"/></signal>"
                "<signal name=\"TimerFinished\"><arg name=\"name\" type=\"s\"/></signal>"
                "<signal name=\"RunningCountChanged\"><arg name=\"count\" type=\"i\"/></signal>"
                "</interface>")

public:
    static inline const QString errorPrefix = QStringLiteral("org.dunok.Dunok.Error.");
    // The error's name without the prefix ("NoSuchTimer"); empty for None.
    static QString errorName(RemoteError error);
    // The error a full D-Bus error name stands for: Failed for any name that
    // is not one of ours.
    static RemoteError errorOf(const QString& dbusErrorName);

    explicit DBusControl(QObject* parent = nullptr);
    // Until set, every command but Reopen answers Failed.
    void setCommands(RemoteCommands* commands) { commands_ = commands; }

    // For the signals: called by the program as its timers change. The count
    // is sent only when it differs from the last one sent.
    void noteStarted(const QString& name);
    void noteFinished(const QString& name);
    void noteRunningCount(int count);

public slots:
    Q_SCRIPTABLE void Start(const QString& name);
    // Answers with the name the new timer got.
    Q_SCRIPTABLE QString StartDuration(const QString& name, qlonglong seconds, bool save);
    Q_SCRIPTABLE void Stop(const QString& name);
    Q_SCRIPTABLE void Pause(const QString& name);
    Q_SCRIPTABLE void Resume(const QString& name);
    // Answers with the seconds the timer has left now.
    Q_SCRIPTABLE qlonglong AddTime(const QString& name, qlonglong seconds);
    Q_SCRIPTABLE void StopAll();
    Q_SCRIPTABLE void Silence();
    Q_SCRIPTABLE QList<dunok::RemoteTimer> List();
    // List() with each timer's round in a routine.
    Q_SCRIPTABLE QList<dunok::RemoteListedTimer> Listing();
    Q_SCRIPTABLE void Show();
    Q_SCRIPTABLE void NewTimer();
    // A second launch asks the running Dunok to bring its window back.
    Q_SCRIPTABLE void Reopen();
    // The timers as an export file, for --export.
    Q_SCRIPTABLE QByteArray ExportTimers(int& count);
    // Adds an export file's timers, for --import: how many, and a summary.
    Q_SCRIPTABLE int ImportTimers(const QByteArray& file, QString& summary);

signals:
    void reopenRequested();

private:
    // Sends the bus signal of that name; nothing without a bus.
    void sendSignal(const QString& name, const QVariant& argument);
    // Answers the call with the result's error, if it is one.
    void reply(const RemoteResult& result);
    bool ready();

    RemoteCommands* commands_ = nullptr;
    int lastCount_ = 0;
};

QDBusArgument& operator<<(QDBusArgument& argument, const RemoteTimer& timer);
const QDBusArgument& operator>>(const QDBusArgument& argument, RemoteTimer& timer);
QDBusArgument& operator<<(QDBusArgument& argument, const RemoteListedTimer& timer);
const QDBusArgument& operator>>(const QDBusArgument& argument, RemoteListedTimer& timer);

}  // namespace dunok

Q_DECLARE_METATYPE(dunok::RemoteTimer)
Q_DECLARE_METATYPE(dunok::RemoteListedTimer)
