#include "app/HelpCommands.h"

#include <QCoreApplication>
#include <QDesktopServices>

#include "editing/SupMisc.h"
#include "model/Globals.h"
#include "platform/ResourceFolder.h"

namespace dunok {

namespace {

// Free functions have no tr() of their own.
struct HelpTexts {
    Q_DECLARE_TR_FUNCTIONS(HelpCommands)
};

UrlOpener& opener() {
    static UrlOpener current;
    return current;
}

bool openUrl(const QUrl& url) {
    if (opener()) return opener()(url);
    return QDesktopServices::openUrl(url);
}

}  // namespace

void setUrlOpener(UrlOpener replacement) {
    opener() = std::move(replacement);
}

void showHelp(QWidget* parent) {
    const QString path = resourcePath(QStringLiteral("help"), QStringLiteral("pdf"));
    if (path.isEmpty()) {
        errUser(HelpTexts::tr("Help not found."), HelpTexts::tr("Could not locate help."), parent);
        return;
    }
    const QUrl url = QUrl::fromLocalFile(path);
    if (!openUrl(url))
        errUser(HelpTexts::tr("Help not found."),
                HelpTexts::tr("Could not display help ") + url.toString(QUrl::FullyEncoded),
                parent);
}

void showWebsite(QWidget* parent) {
    const QUrl url(Constants::website);
    if (!openUrl(url))
        errUser(HelpTexts::tr("Unable to open webpage."), Constants::website, parent);
}

}  // namespace dunok
