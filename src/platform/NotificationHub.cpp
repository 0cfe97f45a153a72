#include "platform/NotificationHub.h"

namespace dunok {

NotificationHub& NotificationHub::defaultCenter() {
    static NotificationHub hub;
    return hub;
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
