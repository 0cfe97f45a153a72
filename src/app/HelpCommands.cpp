#include "app/HelpCommands.h"

#include <QCoreApplication>
#include <QPointer>
#include <QProcess>

#include "desktop/ResourceFolder.h"
#include "domain/Constants.h"
#include "ui/SupMisc.h"

namespace dunok {

QString helpDocument(const QString& folder, const QLocale& locale) {
    // The same languages, in the same order, as the translation is chosen by:
    // the first that has a guide, and for "pt_BR" also "pt".
    for (QString language : locale.uiLanguages()) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        for (; !language.isEmpty(); language = language.section(QLatin1Char('_'), 0, -2)) {
            const QString path =
                resourcePath(folder, QStringLiteral("help_") + language, QStringLiteral("pdf"));
            if (!path.isEmpty()) return path;
            if (!language.contains(QLatin1Char('_'))) break;
        }
    }
    return resourcePath(folder, QStringLiteral("help"), QStringLiteral("pdf"));
}

HelpCommands::HelpCommands(QString resources, QObject* parent)
    : QObject(parent), resources_(std::move(resources)) {}

HelpCommands::~HelpCommands() {
    // Only the waiting shell goes: the opener it started in the background,
    // and the viewer or browser that one started, live on after Dunok.
    for (QProcess* process : std::as_const(waiting_)) {
        process->disconnect(this);
        process->kill();
        process->waitForFinished();
        delete process;
    }
}

void HelpCommands::showHelp(QWidget* parent) {
    const QString path = helpDocument(resources_, QLocale());
    if (path.isEmpty()) {
        errUser(tr("Help not found."), tr("Could not locate help."), parent);
        return;
    }
    const QUrl url = QUrl::fromLocalFile(path);
    // The address in the alert can be selected and opened by hand.
    open(url, parent, [url](QWidget* window) {
        errUser(tr("Help not found."),
                tr("Could not display help ") + url.toString(QUrl::FullyEncoded), window);
    });
}

void HelpCommands::showWebsite(QWidget* parent) {
    open(QUrl(Constants::website), parent, [](QWidget* window) {
        errUser(tr("Unable to open webpage."), Constants::website, window);
    });
}

void HelpCommands::open(const QUrl& url, QWidget* parent, std::function<void(QWidget*)> failed) {
    // The desktop's opener says whether it found a program only in its exit
    // status, and may wait for that program to end. A shell starts it in the
    // background and passes its status on, so that the shell can be let go
    // at quit while the viewer stays.
    auto* process = new QProcess;
    process->setProgram(QStringLiteral("/bin/sh"));
    process->setArguments({QStringLiteral("-c"), QStringLiteral("\"$@\" & wait $!"),
                           QStringLiteral("sh"), QStringLiteral("xdg-open"),
                           url.toString(QUrl::FullyEncoded)});
    // Its messages go where Dunok's go, also after Dunok has quit.
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    waiting_.append(process);
    const QPointer<QWidget> window = parent;
    const auto done = [this, process, url, window, failed](bool opened) {
        waiting_.removeOne(process);
        process->deleteLater();
        if (!opened) failed(window);
        emit answered(url, opened);
    };
    connect(process, &QProcess::finished, this, [done](int status, QProcess::ExitStatus how) {
        done(how == QProcess::NormalExit && status == 0);
    });
    connect(process, &QProcess::errorOccurred, this, [done](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) done(false);
    });
    process->start();
}

}  // namespace dunok
