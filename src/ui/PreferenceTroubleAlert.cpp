#include "ui/PreferenceTroubleAlert.h"

#include <QCoreApplication>
#include <QDir>

#include "domain/Constants.h"
#include "domain/Preferences.h"
#include "ui/MessageBox.h"

namespace dunok {

namespace {
// Free functions have no tr() of their own.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PreferenceTroubleAlert)
};
}  // namespace

AlertSpec preferenceTroubleAlert(const PreferenceTrouble& trouble) {
    AlertSpec spec;
    spec.icon = QMessageBox::Warning;
    spec.windowTitle = Constants::appName;
    spec.buttons = {Texts::tr("OK")};
    const QString path = QDir::toNativeSeparators(trouble.path);
    if (trouble.fileReset) {
        spec.message = Texts::tr("Your preferences could not be read.");
        spec.informativeText =
            trouble.keptCopy.isEmpty()
                ? Texts::tr(
                      "Dunok started with the default preferences. The file it could not read, "
                      "%1, could not be kept.")
                      .arg(path)
                : Texts::tr(
                      "Dunok started with the default preferences. The file it could not read "
                      "was kept as:\n%1")
                      .arg(QDir::toNativeSeparators(trouble.keptCopy));
        return spec;
    }
    // Named as they stand in the file, for whoever edited it by hand.
    QStringList lines;
    for (const PreferenceTrouble::BadKey& bad : trouble.badKeys)
        lines << QStringLiteral("%1 = %2").arg(bad.key, bad.text);
    spec.message = Texts::tr("Some preferences could not be read.");
    spec.informativeText = Texts::tr("These settings in %1 were set back to their defaults:\n%2")
                               .arg(path, lines.join(QLatin1Char('\n')));
    return spec;
}

}  // namespace dunok
