// The login entry under the application id, and the one an earlier release wrote under
// the program's old name: moved once, never a file of the user's own.
#include <QDir>
#include <QFile>
#include <QTest>

#include "desktop/Autostart.h"
#include "support/domain/TestHome.h"

using namespace dunok;

namespace {
QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(text), text.size());
}

// What the release before the application id wrote, for a program at a path
// with a blank, in German, as the session's settings left it.
QByteArray earlierEntry(const QByteArray& switchedOn) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Dunok\n"
           "Comment=Startet Dunok beim Anmelden im Infobereich\n"
           "Icon=dunok\n"
           "Exec=\"/opt/my apps/dunok\" --hidden\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=" +
           switchedOn + "\n";
}
}  // namespace

class TestAutostart : public QObject {
    Q_OBJECT
private slots:
    void earlierEntryMovesOnceKeepingWhatTheSessionSet() {
        for (const QByteArray on : {"true", "false"}) {
            testing::TestHome home;
            const QString earlier = home.path() + "/config/autostart/dunok.desktop";
            const QString entry = home.path() + "/config/autostart/org.dunok.Dunok.desktop";
            QCOMPARE(earlierAutostartEntryPath(), earlier);
            QCOMPARE(autostartEntryPath(), entry);
            write(earlier, earlierEntry(on));
            QString error;
            QCOMPARE(moveEarlierAutostartEntry(&error), EntryMove::Moved);
            QVERIFY(error.isEmpty() && !QFile::exists(earlier));
            // Only the icon changes its name; switched off stays off.
            QByteArray expected = earlierEntry(on);
            expected.replace("Icon=dunok\n", "Icon=org.dunok.Dunok\n");
            QCOMPARE(contents(entry), expected);
            QCOMPARE(startsAtLogin(), on == "true");
            // Once: an old file that turns up again later is no longer moved over the new one.
            write(earlier, earlierEntry("true"));
            QCOMPARE(moveEarlierAutostartEntry(&error), EntryMove::NothingToMove);
            QCOMPARE(contents(entry), expected);
            QCOMPARE(contents(earlier), earlierEntry("true"));
        }
    }

    void filesDunokDidNotWriteAreLeftAlone_data() {
        QTest::addColumn<QByteArray>("text");
        const QByteArray head = "[Desktop Entry]\nType=Application\nName=Dunok\n";
        QTest::newRow("a copy of the launcher entry")
            << head +
                   "Icon=dunok\nExec=dunok\nActions=new;\n\n[Desktop Action new]\nExec=dunok "
                   "--hidden\n";
        QTest::newRow("another program") << head + "Icon=dunok\nExec=/usr/bin/dunky --hidden\n";
        QTest::newRow("keys outside the entry")
            << QByteArray("[Other]\nName=Dunok\nIcon=dunok\nExec=/usr/bin/dunok --hidden\n");
        QTest::newRow("not a desktop entry") << QByteArray("\x89PNG\r\n\x1a\n", 8);
    }
    void filesDunokDidNotWriteAreLeftAlone() {
        QFETCH(QByteArray, text);
        testing::TestHome home;
        write(earlierAutostartEntryPath(), text);
        QString error;
        QCOMPARE(moveEarlierAutostartEntry(&error), EntryMove::NothingToMove);
        QVERIFY(error.isEmpty() && !QFile::exists(autostartEntryPath()));
        QCOMPARE(contents(earlierAutostartEntryPath()), text);
        // Where there is none, there is nothing to do either.
        QVERIFY(QFile::remove(earlierAutostartEntryPath()));
        QCOMPARE(moveEarlierAutostartEntry(&error), EntryMove::NothingToMove);
        QVERIFY(!QFile::exists(autostartEntryPath()));
    }

    // The new name leads where nothing can be written (also for root): the move
    // says so, and the earlier entry still starts Dunok at the next login.
    void aFailedMoveSaysWhyAndLosesNothing() {
        testing::TestHome home;
        write(earlierAutostartEntryPath(), earlierEntry("true"));
        write(home.path() + "/blocker", "a file, not a folder");
        QVERIFY(
            QFile::link(home.path() + "/blocker/org.dunok.Dunok.desktop", autostartEntryPath()));
        QString error;
        QCOMPARE(moveEarlierAutostartEntry(&error), EntryMove::Failed);
        QVERIFY2(
            error.contains(earlierAutostartEntryPath()) && error.contains(autostartEntryPath()),
            qPrintable(error));
        QCOMPARE(contents(earlierAutostartEntryPath()), earlierEntry("true"));
        QVERIFY(QFileInfo(autostartEntryPath()).isSymLink());
    }
};

QTEST_GUILESS_MAIN(TestAutostart)
#include "tst_autostart.moc"
