// Notifications inside the program, posted and observed by name
// ("ncReturnedFromEdit", "ncReturnedFromAddMultiple"), so that a sheet can
// tell the main window it is done without knowing it.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

namespace dunok {

class NotificationHub : public QObject {
    Q_OBJECT
public:
    explicit NotificationHub(QObject* parent = nullptr) : QObject(parent) {}
    // The program's one hub, made on first use as the application's child.
    static NotificationHub& defaultCenter();

    // Calls handler on every post of name until context is destroyed.
    QMetaObject::Connection addObserver(const QString& name, QObject* context,
                                        std::function<void()> handler);
    // Delivers at once, on the caller's thread, to every observer of name.
    void post(const QString& name);

signals:
    void posted(const QString& name);
};

}  // namespace dunok
