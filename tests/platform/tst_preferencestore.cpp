// The preference file: typed reads of what a user or an older run left in
// it, user-only permissions, and a file that cannot be read kept aside.
#include <QFile>
#include <QTest>

#include "platform/PreferenceStore.h"
#include "support/TestEnvironment.h"

using namespace dunok;

class TestPreferenceStore : public QObject {
    Q_OBJECT

    testing::TestHome home;  // where PreferenceStore() writes

    QByteArray file(const QString& path, const QByteArray& write = {}) {
        if (QFile out(path); !write.isEmpty() && out.open(QIODevice::WriteOnly)) out.write(write);
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : "<missing>";
    }

private slots:
    void typedReadsOfTextAndJunk() {
        const QString path = home.path() + "/t.conf", junk = home.path() + "/j.conf";
        file(path, "[General]\ni=3.9\ni2=abc\nb1=yes\nb2=2.5\nb3=?\nf1=0.7\nf2=x\ns=Alarm, loud\n");
        const PreferenceStore prefs(path);
        QVERIFY(prefs.integer("i") == 3 && prefs.integer("i2") == 0);
        QVERIFY(prefs.boolean("b1") && prefs.boolean("b2") && !prefs.boolean("b3"));
        QVERIFY(prefs.floating("f1") == 0.7 && prefs.floating("f2") == 0.0);
        QCOMPARE(prefs.string("s"), std::optional<QString>("Alarm, loud"));  // not a list
        QVERIFY(!prefs.boolean("none") && !prefs.integer("none") && !prefs.floating("none"));
        QVERIFY(!prefs.string("none").has_value());
        file(junk, QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
        QVERIFY(!PreferenceStore(junk).contains("IHDR"));
        QCOMPARE(file(junk + ".unreadable"), QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    }

    void writesUserOnlyPlainText() {
        PreferenceStore prefs;
        prefs.setValue("volume", 0.7);
        prefs.setValue("flag", true);
        QVERIFY(prefs.synchronize());
        QCOMPARE(file(prefs.path()), QByteArray("[General]\nflag=true\nvolume=0.7\n"));
        const QString folder = QFileInfo(prefs.path()).path();  // no bits for group or other:
        QCOMPARE(int((QFile::permissions(prefs.path()) | QFile::permissions(folder)) & 0x77), 0);
    }
};

QTEST_GUILESS_MAIN(TestPreferenceStore)
#include "tst_preferencestore.moc"
