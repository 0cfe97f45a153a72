#include <QApplication>
#include <cstdio>

#include "app/AppDelegate.h"
#include "app/CommandLine.h"
#include "desktop/StartUpWarmUp.h"
#include "domain/Constants.h"
#include "domain/Translations.h"

namespace {
void nameApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("Dunok"));
    QCoreApplication::setApplicationVersion(QStringLiteral(DUNOK_VERSION));
}

// The commands, help and usage errors need no display: a QCoreApplication
// answers them, also where no window system can be reached.
int runWithoutWindow(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    nameApplication();
    dunok::installTranslations(app);
    // Parsed again now that the translations are in, for the messages.
    const dunok::CommandLineRequest request = dunok::parseCommandLine(app.arguments());
    using Mode = dunok::CommandLineRequest::Mode;
    switch (request.mode) {
        case Mode::Help:
            std::fputs(qPrintable(dunok::commandLineHelp()), stdout);
            return dunok::ExitStatus::ok;
        case Mode::Version:
            std::printf("Dunok %s\n", DUNOK_VERSION);
            return dunok::ExitStatus::ok;
        case Mode::Error:
            std::fprintf(stderr, "dunok: %s\n%s\n", qPrintable(request.message),
                         qPrintable(QCoreApplication::translate(
                             "CommandLine", "Try “dunok --help” for the options.")));
            return dunok::ExitStatus::usage;
        case Mode::Command:
        case Mode::Gui:
            break;
    }
    return dunok::runCommand(request);
}
}  // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const dunok::CommandLineRequest request = dunok::parseCommandLine(arguments);
    if (request.mode != dunok::CommandLineRequest::Mode::Gui) return runWithoutWindow(argc, argv);

    // Works while the application object connects to the display.
    dunok::StartUpWarmUp warmUp;
    QApplication app(argc, argv);
    dunok::installTranslations(app);
    nameApplication();
    QApplication::setApplicationDisplayName(QStringLiteral("Dunok"));
    QApplication::setDesktopFileName(dunok::Constants::appId);
    dunok::AppDelegate delegate;
    delegate.setStartUpWarmUp(&warmUp);
    if (request.hidden) delegate.setLaunch(dunok::AppDelegate::Launch::Hidden);
    if (request.newTimer) delegate.setLaunch(dunok::AppDelegate::Launch::NewTimer);
    return delegate.run();
}
