#include "ui/QuitKey.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace dunok {

QuitKey::QuitKey(QObject* parent) : QObject(parent) {
    QCoreApplication::instance()->installEventFilter(this);
}

QuitKey::~QuitKey() {
    if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

bool QuitKey::eventFilter(QObject* watched, QEvent* event) {
    // Only a key press that no shortcut took gets here: where the menu's own
    // shortcut works, it has fired already and this never sees the key.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QKeyEvent*>(event)->keyCombination() == sequence()[0]) {
        emit pressed();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace dunok
