// The preference file: typed reads of what a user or an older run left in
// it, user-only permissions, and files that cannot be read or written.
#include <QDir>
#include <QFile>
#include <QTest>

#include "platform/PreferenceStore.h"
#include "support/MessageLog.h"
#include "support/TestEnvironment.h"

using namespace dunok;

namespace {
void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Owner, group and other bits only; the "user" ones repeat whichever applies to us.
QFile::Permissions modeOf(const QString& path) {
    return QFileInfo(path).permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
}
}  // namespace

class TestPreferenceStore : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::TestHome> home;

private slots:
    void init() { home = std::make_unique<testing::TestHome>(); }
    void cleanup() { home.reset(); }

    void typedReadsOfText() {
        writeFile(home->prefsPath(),
                  "[General]\ni1=42\ni2=3.9\ni3=abc\nb1=true\nb2=yes\nb3=2.5\nb4=false\nb5=no\n"
                  "b6=0\nb7=garbage\nf1=0.7\nf2=garbage\nf3=nan\ns1=Alarm, loud\n");
        const PreferenceStore prefs(home->prefsPath());
        QCOMPARE(prefs.integer("i1"), 42);
        QCOMPARE(prefs.integer("i2"), 3);
        QCOMPARE(prefs.integer("i3"), 0);
        QCOMPARE(prefs.integer("missing"), 0);
        for (const char* key : {"b1", "b2", "b3"}) QVERIFY2(prefs.boolean(key), key);
        for (const char* key : {"b4", "b5", "b6", "b7", "missing"})
            QVERIFY2(!prefs.boolean(key), key);
        QCOMPARE(prefs.floating("f1"), 0.7);
        QCOMPARE(prefs.floating("f2"), 0.0);
        QCOMPARE(prefs.floating("f3"), 0.0);
        QCOMPARE(prefs.floating("missing"), 0.0);
        // Unquoted, QSettings would hand this back as a list.
        QCOMPARE(prefs.string("s1"), std::optional<QString>("Alarm, loud"));
        QVERIFY(!prefs.string("missing").has_value());
    }

    void writesUserOnlyPlainText() {
        QCOMPARE(PreferenceStore::defaultPath(), home->prefsPath());
        PreferenceStore prefs;
        const QFile::Permissions userOnly = QFile::ReadOwner | QFile::WriteOwner;
        QCOMPARE(modeOf(home->prefsPath()), userOnly);
        QCOMPARE(modeOf(QFileInfo(home->prefsPath()).absolutePath()), userOnly | QFile::ExeOwner);
        prefs.setValue("volume", 0.7);
        prefs.setValue("flag", true);
        QVERIFY(prefs.synchronize());
        // Same reading in this run as from the text the next run parses.
        QCOMPARE(prefs.floating("volume"), 0.7);
        QCOMPARE(prefs.integer("flag"), 0);
        QCOMPARE(readFile(home->prefsPath()), QByteArray("[General]\nflag=true\nvolume=0.7\n"));
        // The rewrite replaces the file; the new one must stay user-only.
        QCOMPARE(modeOf(home->prefsPath()), userOnly);
    }

    void unreadableFileIsKeptAside_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
        QTest::newRow("not utf-8") << QByteArray("[General]\nprefsSort=\xff\xfe\n");
        QTest::newRow("broken section") << QByteArray("[General\nprefsSort=2\n");
    }
    void unreadableFileIsKeptAside() {
        QFETCH(QByteArray, bytes);
        writeFile(home->prefsPath(), bytes);
        testing::MessageLog log;
        PreferenceStore prefs(home->prefsPath());
        const QString copy = home->prefsPath() + ".unreadable";
        QCOMPARE(readFile(copy), bytes);
        QCOMPARE(log.messages().size(), 1);
        QVERIFY2(log.contains(copy), qPrintable(log.messages().join('\n')));
        prefs.setValue("prefsSort", 3);
        QVERIFY(prefs.synchronize());
        QCOMPARE(readFile(home->prefsPath()), QByteArray("[General]\nprefsSort=3\n"));
    }

    void unwritableFolder() {
        // Mode bits do not stop root, so a plain file sits where the folder should be.
        writeFile(QFileInfo(home->prefsPath()).absolutePath(), "not a folder");
        testing::MessageLog log;
        PreferenceStore prefs(home->prefsPath());
        prefs.setValue("prefsSort", 2);
        QVERIFY(!prefs.synchronize());
        const QString last = log.messages().value(log.messages().size() - 1);
        QVERIFY2(last.contains("could not be written") && last.contains(home->prefsPath()),
                 qPrintable(last));
    }
};

QTEST_GUILESS_MAIN(TestPreferenceStore)
#include "tst_preferencestore.moc"
