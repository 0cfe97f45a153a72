#include <QApplication>

#include "app/AppDelegate.h"
#include "app/Translations.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    dunok::installTranslations(app);
    QApplication::setApplicationName(QStringLiteral("Dunok"));
    QApplication::setApplicationDisplayName(QStringLiteral("Dunok"));
    QApplication::setDesktopFileName(QStringLiteral("dunok"));
    QApplication::setApplicationVersion(QStringLiteral(DUNOK_VERSION));
    dunok::AppDelegate delegate;
    return delegate.run();
}
