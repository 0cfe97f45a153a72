#include "platform/NotificationHub.h"

#include <QCoreApplication>
#include <QPointer>

namespace dunok {

NotificationHub& NotificationHub::defaultCenter() {
    // The application's child, so that it goes with the application and not
    // at exit(), after Qt.
    static QPointer<NotificationHub> hub;
    if (!hub) hub = new NotificationHub(QCoreApplication::instance());
    return *hub;
}

QMetaObject::Connection NotificationHub::addObserver(const QString& name, QObject* context,
                                                     std::function<void()> handler) {
    return connect(this, &NotificationHub::posted, context,
                   [name, handler = std::move(handler)](const QString& postedName) {
                       if (postedName == name) handler();
                   });
}

void NotificationHub::post(const QString& name) {
    emit posted(name);
}

}  // namespace dunok
