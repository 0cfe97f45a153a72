// One Dunok per user: the first process owns a name on the session bus, a
// second launch asks it to bring its window back and then exits.
#pragma once

#include <QObject>
#include <QString>
#include <thread>

namespace dunok {

class SingleInstance : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.dunok.Dunok")

public:
    static inline const QString serviceName = QStringLiteral("org.dunok.Dunok");
    static inline const QString objectPath = QStringLiteral("/org/dunok/Dunok");

    enum class Outcome {
        Primary,        // this process owns the name (or no bus: runs alone)
        OtherReopened,  // another Dunok runs and was asked to show itself
    };

    explicit SingleInstance(QObject* parent = nullptr);
    ~SingleInstance() override;

    // What the name serves at objectPath: this object (its Reopen) unless
    // another is given before beginClaim().
    void setExportedObject(QObject* object) { exported_ = object; }
    // The method called on a Dunok that runs already ("Reopen" unless set;
    // empty to call nothing).
    void setHandOverMethod(const QString& method) { handOver_ = method; }

    // Claims the name, or asks its owner to reopen. Without a session bus
    // the program still runs, and says so once on the console.
    Outcome claim();
    // claim() in two halves: the bus is reached and asked for the name on a
    // thread of its own, so that the window can be built meanwhile; the
    // second half waits for that and, when the name is taken, asks its owner
    // to reopen.
    void beginClaim();
    Outcome finishClaim();

public slots:
    // Called over D-Bus by a second launch.
    Q_SCRIPTABLE void Reopen();

signals:
    void reopenRequested();

private:
    enum class Claimed { NoBus, Owned, Taken };
    void claimOnThread();

    std::thread claiming_;
    // Written by the claiming thread, read after it has been joined.
    Claimed claimed_ = Claimed::NoBus;
    QString busError_;
    bool registered_ = false;
    QObject* exported_ = this;
    QString handOver_ = QStringLiteral("Reopen");
};

}  // namespace dunok
