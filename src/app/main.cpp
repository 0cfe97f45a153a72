#include <QApplication>

#include "app/AppDelegate.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dunok"));
    QApplication::setApplicationDisplayName(QStringLiteral("Dunok"));
    QApplication::setDesktopFileName(QStringLiteral("dunok"));
    QApplication::setApplicationVersion(QStringLiteral(DUNOK_VERSION));
    dunok::AppDelegate delegate;
    return delegate.run();
}
