#include "desktop/Autostart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

namespace dunok {

QString autostartEntryPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/dunok.desktop");
}

bool startsAtLogin() {
    const QString path = autostartEntryPath();
    if (!QFileInfo(path).isFile()) return false;
    // Desktop entries are near enough to INI files for the two keys read here.
    QSettings entry(path, QSettings::IniFormat);
    entry.beginGroup(QStringLiteral("Desktop Entry"));
    const auto isTrue = [&](const QString& key, bool missing) {
        return entry.value(key, missing).toString().trimmed().toLower() == QLatin1String("true");
    };
    return !isTrue(QStringLiteral("Hidden"), false) &&
           isTrue(QStringLiteral("X-GNOME-Autostart-enabled"), true);
}

QString autostartCommand(const QString& program) {
    // A path with a blank or a reserved character is quoted, and inside the
    // quotes ", `, $ and \ take a backslash.
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool plain = !program.isEmpty();
    for (const QChar c : program)
        if (reserved.contains(c)) plain = false;
    QString quoted = program;
    if (!plain) {
        quoted.clear();
        for (const QChar c : program) {
            if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
                c == QLatin1Char('\\'))
                quoted += QLatin1Char('\\');
            quoted += c;
        }
        quoted = QLatin1Char('"') + quoted + QLatin1Char('"');
    }
    // The entry's value is itself a string in which a backslash is escaped.
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    return quoted + QStringLiteral(" --hidden");
}

bool setStartsAtLogin(bool on, QString* error) {
    const QString path = autostartEntryPath();
    const auto fail = [&](const QString& why) {
        if (error)
            *error =
                QCoreApplication::translate("Autostart", "The file %1 could not be written: %2")
                    .arg(path, why);
        return false;
    };
    if (!on) {
        if (!QFileInfo::exists(path)) return true;
        QFile file(path);
        return file.remove() || fail(file.errorString());
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return fail(QCoreApplication::translate("Autostart", "its folder could not be made"));
    const QByteArray text = QStringLiteral(
                                "[Desktop Entry]\n"
                                "Type=Application\n"
                                "Name=Dunok\n"
                                "Comment=%1\n"
                                "Icon=dunok\n"
                                "Exec=%2\n"
                                "Terminal=false\n"
                                "X-GNOME-Autostart-enabled=true\n")
                                .arg(QCoreApplication::translate(
                                         "Autostart", "Starts Dunok in the tray when you log in"),
                                     autostartCommand(QCoreApplication::applicationFilePath()))
                                .toUtf8();
    // Written whole or not at all: a session must never find half an entry.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        return fail(file.errorString());
    return true;
}

}  // namespace dunok
