#include "desktop/Autostart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <utility>

#include "domain/Constants.h"

namespace dunok {

namespace {
// The icon's name in the entries releases before the application id wrote.
const QLatin1String earlierIcon("dunok");

QString autostartFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/");
}

// The key and value of a line of a desktop entry; no key for a group
// header, a comment or a blank line.
std::pair<QString, QString> keyAndValue(const QByteArray& line) {
    const QString text = QString::fromUtf8(line).trimmed();
    const qsizetype equals = text.indexOf(QLatin1Char('='));
    if (text.startsWith(QLatin1Char('#')) || equals <= 0) return {};
    return {text.left(equals).trimmed(), text.mid(equals + 1).trimmed()};
}

// Calls visit(line, key, value) for each key of the [Desktop Entry] group;
// the launcher actions' groups have keys of the same names.
template <typename Lines, typename Visit>
void forEachEntryKey(Lines& lines, Visit visit) {
    bool inMain = false;
    for (auto& line : lines) {
        if (line.trimmed().startsWith('[')) {
            inMain = line.trimmed() == "[Desktop Entry]";
            continue;
        }
        const auto [key, value] = keyAndValue(line);
        if (inMain && !key.isEmpty()) visit(line, key, value);
    }
}

// The program an Exec value written by autostartCommand starts, its quoting
// undone.
QString programOf(QString command) {
    command.replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
    if (command.size() < 2 || !command.startsWith(QLatin1Char('"')) ||
        !command.endsWith(QLatin1Char('"')))
        return command;
    QString program;
    for (qsizetype i = 1; i < command.size() - 1; ++i) {
        if (command[i] == QLatin1Char('\\') && i + 1 < command.size() - 1) ++i;
        program += command[i];
    }
    return program;
}
}  // namespace

QString autostartEntryPath() {
    return autostartFolder() + Constants::appId + QStringLiteral(".desktop");
}

QString earlierAutostartEntryPath() {
    return autostartFolder() + QStringLiteral("dunok.desktop");
}

bool isEarlierAutostartEntry(const QByteArray& text) {
    QString name, icon, exec;
    const QList<QByteArray> lines = text.split('\n');
    forEachEntryKey(lines, [&](const QByteArray&, const QString& key, const QString& value) {
        if (key == QLatin1String("Name")) name = value;
        if (key == QLatin1String("Icon")) icon = value;
        if (key == QLatin1String("Exec")) exec = value;
    });
    const QLatin1String hidden(" --hidden");
    return name == Constants::appName && icon == earlierIcon && exec.endsWith(hidden) &&
           QFileInfo(programOf(exec.chopped(hidden.size()))).fileName() == QLatin1String("dunok");
}

EntryMove moveEarlierAutostartEntry(QString* error) {
    const QString from = earlierAutostartEntryPath();
    const QString to = autostartEntryPath();
    // An entry of the new name is the user's setting now, whatever the old
    // file holds; that also makes the move happen once.
    if (QFileInfo::exists(to) || !QFileInfo(from).isFile()) return EntryMove::NothingToMove;
    QFile earlier(from);
    // A file that cannot be read is not known to be Dunok's.
    if (!earlier.open(QIODevice::ReadOnly)) return EntryMove::NothingToMove;
    const QByteArray text = earlier.readAll();
    earlier.close();
    if (!isEarlierAutostartEntry(text)) return EntryMove::NothingToMove;
    const auto fail = [&](const QString& why) {
        if (error)
            *error = QStringLiteral(
                         "The login entry %1 could not be moved to %2 (%3); it is "
                         "left as it was.")
                         .arg(from, to, why);
        return EntryMove::Failed;
    };
    // Only the icon's name changed with the entry's: every other line, such
    // as the session's own switch, stays as it was.
    QList<QByteArray> lines = text.split('\n');
    forEachEntryKey(lines, [](QByteArray& line, const QString& key, const QString&) {
        if (key == QLatin1String("Icon")) line = "Icon=" + Constants::appId.toUtf8();
    });
    const QByteArray moved = lines.join('\n');
    QSaveFile file(to);
    if (!file.open(QIODevice::WriteOnly) || file.write(moved) != moved.size() || !file.commit())
        return fail(file.errorString());
    // Never two entries: a session would start Dunok from each.
    if (!earlier.remove()) {
        const QString why = earlier.errorString();
        QFile::remove(to);
        return fail(why);
    }
    return EntryMove::Moved;
}

bool startsAtLogin() {
    QFile entry(autostartEntryPath());
    if (!entry.open(QIODevice::ReadOnly)) return false;
    // Read as the move reads an entry: the keys of its main group.
    bool hidden = false, enabled = true;
    const QList<QByteArray> lines = entry.readAll().split('\n');
    forEachEntryKey(lines, [&](const QByteArray&, const QString& key, const QString& value) {
        const bool isTrue = value.toLower() == QLatin1String("true");
        if (key == QLatin1String("Hidden")) hidden = isTrue;
        if (key == QLatin1String("X-GNOME-Autostart-enabled")) enabled = isTrue;
    });
    return !hidden && enabled;
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
    const QByteArray text =
        QStringLiteral(
            "[Desktop Entry]\n"
            "Type=Application\n"
            "Name=Dunok\n"
            "Comment=%1\n"
            "Icon=%3\n"
            "Exec=%2\n"
            "Terminal=false\n"
            "X-GNOME-Autostart-enabled=true\n")
            .arg(QCoreApplication::translate("Autostart",
                                             "Starts Dunok in the tray when you log in"),
                 autostartCommand(QCoreApplication::applicationFilePath()), Constants::appId)
            .toUtf8();
    // Written whole or not at all: a session must never find half an entry.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        return fail(file.errorString());
    return true;
}

}  // namespace dunok
