// The command line's side of the bus interface that DBusControl serves: is a
// Dunok there, and what does it answer.
#pragma once

#include <QList>
#include <QString>
#include <QVariantList>

#include "desktop/DBusControl.h"

namespace dunok {

class ControlClient {
public:
    struct Reply {
        bool ok = false;
        // Which of Dunok's errors it was; Failed for any other error.
        RemoteError error = RemoteError::None;
        bool noReply = false;  // nothing answered in time
        QString message;
        QVariantList arguments = {};  // what a successful call answered
    };

    // Whether a session bus could be reached at all.
    bool busAvailable() const;
    // Whether some process owns org.dunok.Dunok now.
    bool serviceRunning() const;
    // Polls until the name is owned, for at most timeoutMs.
    bool waitForService(int timeoutMs) const;

    Reply call(const QString& method, const QVariantList& arguments = {}) const;
    Reply list(QList<RemoteTimer>* timers) const;
};

}  // namespace dunok
