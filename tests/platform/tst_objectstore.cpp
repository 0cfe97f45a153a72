// The record store: what survives a restart, what a fetch returns, and that
// a store it refuses or a save that fails leaves the file byte-for-byte alone.
#include <grp.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "platform/ObjectStore.h"

using namespace dunok;

namespace {

const QString kTimers = QStringLiteral("Timers");

DataModel timerModel() {
    EntityDescription timers;
    timers.name = kTimers;
    timers.attributes = {{"desc", AttributeType::String, {}},
                         {"duration", AttributeType::Integer64, {}},
                         {"snooze", AttributeType::Integer64, qlonglong(0)},
                         {"snoozeOn", AttributeType::Boolean, false},
                         {"sound", AttributeType::String, {}}};
    return DataModel{{timers}};
}

std::unique_ptr<ManagedObjectContext> openStore(const QString& path) {
    auto context = std::make_unique<ManagedObjectContext>(timerModel());
    StoreError error;
    if (!context->open(path, &error)) {
        qWarning().noquote() << "open failed:" << error.consoleText();
        return nullptr;
    }
    return context;
}

ManagedObjectPtr addTimer(ManagedObjectContext& context, const QString& desc, qint64 duration) {
    ManagedObjectPtr timer = context.insertNewObject(kTimers);
    timer->setValue("desc", desc);
    timer->setValue("duration", duration);
    return timer;
}

QList<ManagedObjectPtr> fetchAll(ManagedObjectContext& context, QList<SortDescriptor> sort = {}) {
    StoreError error;
    auto result = context.fetch({kTimers, sort}, &error);
    if (!result) qWarning().noquote() << "fetch failed:" << error.consoleText();
    return result.value_or(QList<ManagedObjectPtr>{});
}

QStringList column(const QList<ManagedObjectPtr>& timers, const char* key) {
    QStringList values;
    for (const ManagedObjectPtr& timer : timers) values << timer->value(key).toString();
    return values;
}

// Bytes, modification time and mode: everything "left as it was" covers.
QByteArray fingerprint(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) return "missing";
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return "unreadable";
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex() + ' ' +
           QByteArray::number(qlonglong(status.st_mtim.tv_sec)) + '.' +
           QByteArray::number(qlonglong(status.st_mtim.tv_nsec)) + ' ' +
           QByteArray::number(status.st_mode & 07777, 8);
}

// Runs SQL on the file over a connection of its own, as another program
// would; the rows come back "a|b|c", an error as one "error: ..." row.
QStringList rawSql(const QString& path, const char* sql) {
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &db);
    QStringList rows;
    char* message = nullptr;
    auto collect = [](void* out, int count, char** values, char**) {
        QStringList fields;
        for (int i = 0; i < count; ++i) fields << QString::fromUtf8(values[i] ? values[i] : "");
        static_cast<QStringList*>(out)->append(fields.join(QLatin1Char('|')));
        return 0;
    };
    if (sqlite3_exec(db, sql, collect, &rows, &message) != SQLITE_OK)
        rows << "error: " + QString::fromUtf8(message);
    sqlite3_free(message);
    sqlite3_close(db);
    return rows;
}

unsigned modeOf(const QString& path) {
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 07777 : 0;
}

// "" when open() succeeded, "-" + description when it refused, "!" + reason
// when the attempt could not be made. Root reads and writes through any
// permission bits, so as root the attempt runs in a child that has become
// nobody; the store's folder must then be theirs.
QString openAsUser(const QString& path) {
    auto attempt = [&]() -> QByteArray {
        ManagedObjectContext context(timerModel());
        StoreError error;
        return context.open(path, &error) ? QByteArray() : "-" + error.description.toUtf8();
    };
    if (::geteuid() != 0) return QString::fromUtf8(attempt());
    int fds[2];
    if (::pipe(fds) != 0) return QStringLiteral("!no pipe");
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        QByteArray out = "!cannot drop root privileges to nobody";
        if (::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0)
            out = attempt();
        [[maybe_unused]] auto written = ::write(fds[1], out.constData(), size_t(out.size()));
        ::_exit(0);
    }
    ::close(fds[1]);
    QByteArray out;
    char buffer[512];
    ssize_t n;
    while ((n = ::read(fds[0], buffer, sizeof buffer)) > 0) out.append(buffer, n);
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return QString::fromUtf8(out);
}

void chownToNobody(const QString& path) {
    if (::geteuid() == 0) QCOMPARE(::chown(QFile::encodeName(path).constData(), 65534, 65534), 0);
}

}  // namespace

class TestObjectStore : public QObject {
    Q_OBJECT

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        path_ = dir_->filePath("Dunok/TimerModel.sqlite");
    }
    void cleanup() { dir_.reset(); }

    void createsUserOnlyStoreWithTheModelsSchema() {
        auto context = openStore(path_);
        QVERIFY(context);
        QCOMPARE(modeOf(dir_->filePath("Dunok")), 0700u);
        QCOMPARE(modeOf(path_), 0600u);
        QVERIFY(QRegularExpression("^[0-9a-f]{8}(-[0-9a-f]{4}){3}-[0-9a-f]{12}$")
                    .match(context->storeUuid())
                    .hasMatch());

        // The journal SQLite writes during a save is as private as the store.
        unsigned journalMode = 0;
        QVERIFY(context->performTransaction(
            [&] {
                addTimer(*context, "one", 60);
                journalMode = context->save(nullptr) ? modeOf(path_ + "-journal") : 0;
                return true;
            },
            nullptr));
        QCOMPARE(journalMode, 0600u);
        QCOMPARE(modeOf(path_), 0600u);
        QVERIFY(!QFile::exists(path_ + "-journal"));
        const QString uuid = context->storeUuid();
        context.reset();

        QCOMPARE(rawSql(path_, "SELECT name, type, dflt_value FROM pragma_table_info('Timers')"),
                 QStringList({"id|INTEGER|", "desc|TEXT|", "duration|INTEGER|", "snooze|INTEGER|0",
                              "snoozeOn|INTEGER|0", "sound|TEXT|"}));
        QCOMPARE(rawSql(path_, "SELECT value FROM DunokMetadata"), QStringList{uuid});

        // A store in order is opened without being written to, and keeps its UUID.
        const QByteArray before = fingerprint(path_);
        context = openStore(path_);
        QVERIFY(context);
        QCOMPARE(context->storeUuid(), uuid);
        QCOMPARE(fingerprint(path_), before);
    }

    void orderAndIdsSurviveReopening() {
        auto context = openStore(path_);
        QVERIFY(context);
        const QList<ManagedObjectPtr> timers{addTimer(*context, "b", 1), addTimer(*context, "c", 2),
                                             addTimer(*context, "a", 3)};
        const QString prefix = "x-dunok://" + context->storeUuid() + "/Timers/";
        QSet<QString> temporary;
        for (const ManagedObjectPtr& timer : timers) {
            QVERIFY(timer->isInserted() && timer->uriRepresentation().startsWith(prefix + "t"));
            temporary.insert(timer->uriRepresentation());
        }
        QCOMPARE(temporary.size(), 3);

        QVERIFY(context->save(nullptr));
        QStringList uris;
        for (const ManagedObjectPtr& timer : timers) {
            QVERIFY(timer->isPersistent());
            uris << timer->uriRepresentation();
            QCOMPARE(uris.last(), prefix + "p" + QString::number(timer->rowId()));
        }
        QVERIFY(timers[0]->rowId() < timers[1]->rowId() && timers[1]->rowId() < timers[2]->rowId());

        // Removing the newest record must not let its id come back: store
        // order is insertion order only if ids never go backwards.
        const qint64 removedId = timers[2]->rowId();
        context->deleteObject(timers[2]);
        QVERIFY(context->save(nullptr));
        const ManagedObjectPtr later = addTimer(*context, "d", 4);
        QVERIFY(context->save(nullptr));
        QVERIFY(later->rowId() > removedId);
        context.reset();

        context = openStore(path_);
        QVERIFY(context);
        const QList<ManagedObjectPtr> reopened = fetchAll(*context);
        QCOMPARE(column(reopened, "desc"), QStringList({"b", "c", "d"}));
        QCOMPARE(reopened[0]->uriRepresentation(), uris[0]);
        QCOMPARE(reopened[1]->uriRepresentation(), uris[1]);
    }

    void sortsByBytesAndNumbersKeepingStoreOrderForTies() {
        auto context = openStore(path_);
        QVERIFY(context);
        // U+FF21 sorts before the emoji in UTF-8 but after it in UTF-16.
        const QList<std::pair<QString, qint64>> rows{{"b", 30}, {"\U0001F600", 10}, {"a", 20},
                                                     {"B", 10}, {"\u00E9", 20},     {"\uFF21", 5},
                                                     {"a", 10}};
        for (const auto& [desc, duration] : rows) addTimer(*context, desc, duration);
        QVERIFY(context->save(nullptr));

        QList<ManagedObjectPtr> sorted = fetchAll(*context, {{"desc", true}});
        QCOMPARE(column(sorted, "desc"),
                 QStringList({"B", "a", "a", "b", "\u00E9", "\uFF21", "\U0001F600"}));
        QCOMPARE(column(sorted, "duration").mid(1, 2), QStringList({"20", "10"}));

        sorted = fetchAll(*context, {{"duration", true}});
        QCOMPARE(column(sorted, "desc"),
                 QStringList({"\uFF21", "\U0001F600", "B", "a", "a", "\u00E9", "b"}));
        sorted = fetchAll(*context, {{"duration", false}});
        QCOMPARE(column(sorted, "desc"),
                 QStringList({"b", "a", "\u00E9", "\U0001F600", "B", "a", "\uFF21"}));

        // Unsaved values and pending inserts are sorted with the rest, and a
        // second key orders what the first leaves tied.
        QCOMPARE(sorted.first()->value("desc").toString(), "b");
        sorted.first()->setValue("desc", "0");
        addTimer(*context, "A", 1);
        sorted = fetchAll(*context, {{"desc", true}, {"duration", true}});
        QCOMPARE(column(sorted, "desc"),
                 QStringList({"0", "A", "B", "a", "a", "\u00E9", "\uFF21", "\U0001F600"}));
        QCOMPARE(column(sorted, "duration").mid(3, 2), QStringList({"10", "20"}));

        // Enough ties that an unstable sort would reorder them.
        context->rollback();
        QVERIFY(context->executeBatchDelete(kTimers, nullptr));
        for (int i = 0; i < 60; ++i) addTimer(*context, QString::number(i), i % 3);
        QVERIFY(context->save(nullptr));
        sorted = fetchAll(*context, {{"duration", false}});
        for (int i = 1; i < sorted.size(); ++i) {
            const ManagedObjectPtr &before = sorted[i - 1], &after = sorted[i];
            if (before->value("duration") == after->value("duration"))
                QVERIFY(before->rowId() < after->rowId());
        }

        StoreError error;
        QVERIFY(!context->fetch({kTimers, {{"colour", true}}}, &error));
        QVERIFY(error.description.contains("colour"));
        QVERIFY(!context->fetch({"Alarms", {}}, &error));
    }

    void fetchKeepsOneObjectPerRowAndPendingChangesWin() {
        auto context = openStore(path_);
        QVERIFY(context);
        addTimer(*context, "x", 1);
        addTimer(*context, "y", 2);
        addTimer(*context, "z", 3);
        QVERIFY(context->save(nullptr));
        const QList<ManagedObjectPtr> first = fetchAll(*context);
        QCOMPARE(first.size(), 3);
        QCOMPARE(fetchAll(*context), first);

        // The file changes behind our back: untouched objects follow it, an
        // unsaved change does not.
        first[1]->setValue("desc", "Y");
        QCOMPARE(rawSql(path_, "UPDATE Timers SET desc = desc || '-file'"), QStringList());
        const ManagedObjectPtr pending = addTimer(*context, "w", 4);
        context->deleteObject(first[2]);
        QVERIFY(first[2]->isDeleted());
        const QList<ManagedObjectPtr> second = fetchAll(*context);
        QCOMPARE(column(second, "desc"), QStringList({"x-file", "Y", "w"}));
        QCOMPARE(second[0], first[0]);
        QCOMPARE(second[1], first[1]);
        QCOMPARE(second[2], pending);
        QVERIFY(context->hasChanges());

        context->rollback();
        QVERIFY(!context->hasChanges());
        QCOMPARE(first[1]->value("desc").toString(), "y-file");
        QVERIFY(first[2]->isPersistent());
        QVERIFY(!pending->isPersistent() && !pending->isInserted());
        QCOMPARE(fetchAll(*context), first);

        // A record deleted before it was ever saved leaves nothing behind.
        context->deleteObject(addTimer(*context, "gone", 5));
        QVERIFY(!context->hasChanges());

        QTest::ignoreMessage(QtWarningMsg, "ObjectStore: entity Timers has no attribute colour");
        QVERIFY(!first[0]->setValue("colour", "red"));
        QVERIFY(!first[0]->value("colour").isValid());
        QTest::ignoreMessage(QtWarningMsg,
                             "ObjectStore: Timers.duration cannot hold a value of type QString");
        QVERIFY(!first[0]->setValue("duration", "not a number"));
        QVERIFY(first[0]->value("sound").isValid() && first[0]->value("sound").isNull());
    }

    void batchDeleteLeavesObjectsReadableButOutOfTheStore() {
        auto context = openStore(path_);
        QVERIFY(context);
        addTimer(*context, "one", 1);
        addTimer(*context, "two", 2);
        QVERIFY(context->save(nullptr));
        const QList<ManagedObjectPtr> held = fetchAll(*context);
        held[0]->setValue("desc", "one, edited");
        context->deleteObject(held[1]);

        QVERIFY(context->executeBatchDelete(kTimers, nullptr));
        QCOMPARE(column(held, "desc"), QStringList({"one, edited", "two"}));
        QCOMPARE(column(held, "duration"), QStringList({"1", "2"}));
        for (const ManagedObjectPtr& timer : held) QVERIFY(!timer->isPersistent());
        QVERIFY(!context->hasChanges());
        QVERIFY(fetchAll(*context).isEmpty());

        QVERIFY(held[0]->setValue("desc", "never stored"));
        QVERIFY(!context->hasChanges());
        QVERIFY(context->save(nullptr));
        const ManagedObjectPtr fresh = addTimer(*context, "three", 3);
        QVERIFY(context->save(nullptr));
        QVERIFY(fresh->rowId() > held[1]->rowId());
        context.reset();
        // Records outlive their context and stay readable.
        QVERIFY(held[0]->setValue("desc", "after close"));
        QCOMPARE(held[0]->value("desc").toString(), "after close");
        QVERIFY(fresh->isPersistent() &&
                fresh->uriRepresentation().endsWith("/Timers/p" + QString::number(fresh->rowId())));
        context = openStore(path_);
        QCOMPARE(column(fetchAll(*context), "desc"), QStringList{"three"});
    }

    void failedSaveKeepsPendingChangesAndTheFile() {
        auto context = openStore(path_);
        QVERIFY(context);
        const ManagedObjectPtr a = addTimer(*context, "a", 1);
        const ManagedObjectPtr b = addTimer(*context, "b", 2);
        QVERIFY(context->save(nullptr));
        const QByteArray before = fingerprint(path_);

        a->setValue("desc", "a2");
        context->deleteObject(b);
        const ManagedObjectPtr c = addTimer(*context, "c", 3);
        const ManagedObjectPtr d = addTimer(*context, "d", 4);
        // The delete and the update go through, the first insert fails.
        context->failNextWrites(1, 2);
        StoreError error;
        QVERIFY(!context->save(&error));
        QCOMPARE(fingerprint(path_), before);
        QCOMPARE(error.userInfo.value("sqliteCode").toInt(), SQLITE_IOERR);
        QCOMPARE(error.consoleText(), error.description + ", {injected = true; path = " + path_ +
                                          "; sqliteCode = 10; sqliteMessage = disk I/O error}");
        QVERIFY(c->isInserted() && d->isInserted() && b->isDeleted());
        QVERIFY(c->uriRepresentation().contains("/Timers/t"));
        QCOMPARE(a->value("desc").toString(), "a2");
        QVERIFY(context->hasChanges());
        QCOMPARE(rawSql(path_, "SELECT desc FROM Timers ORDER BY id"), QStringList({"a", "b"}));

        // A refusal from SQLite itself, half-way through the inserts.
        QCOMPARE(rawSql(path_,
                        "CREATE TRIGGER refuse BEFORE INSERT ON Timers WHEN NEW.desc = 'd' "
                        "BEGIN SELECT RAISE(ABORT, 'no d here'); END"),
                 QStringList());
        const QByteArray withTrigger = fingerprint(path_);
        QVERIFY(!context->save(&error));
        QCOMPARE(error.userInfo.value("sqliteMessage").toString(), "no d here");
        QCOMPARE(fingerprint(path_), withTrigger);
        QVERIFY(c->isInserted());

        QCOMPARE(rawSql(path_, "DROP TRIGGER refuse"), QStringList());
        QVERIFY(context->save(&error));
        QVERIFY(c->isPersistent() && d->isPersistent() && !b->isDeleted());
        QCOMPARE(rawSql(path_, "SELECT desc FROM Timers ORDER BY id"),
                 QStringList({"a2", "c", "d"}));
    }

    void performTransactionCommitsAllOrNothing() {
        auto context = openStore(path_);
        QVERIFY(context);
        addTimer(*context, "A", 1);
        addTimer(*context, "B", 2);
        QVERIFY(context->save(nullptr));
        const QList<ManagedObjectPtr> held = fetchAll(*context);
        held[0]->setValue("desc", "A*");  // pending before the body runs
        const QByteArray before = fingerprint(path_);

        ManagedObjectPtr inside;
        bool innerSteps = false;
        QVERIFY(!context->performTransaction(
            [&] {
                innerSteps = context->save(nullptr) &&
                             context->executeBatchDelete(kTimers, nullptr) &&
                             (inside = addTimer(*context, "C", 3)) && context->save(nullptr) &&
                             inside->isPersistent();
                return false;
            },
            nullptr));
        QVERIFY(innerSteps);
        QCOMPARE(fingerprint(path_), before);
        QVERIFY(!inside->isPersistent() && !inside->isInserted());
        QVERIFY(inside->uriRepresentation().contains("/Timers/t"));
        QCOMPARE(fetchAll(*context), held);
        QCOMPARE(held[0]->value("desc").toString(), "A*");
        QVERIFY(held[0]->hasChanges() && held[1]->isPersistent());
        context->rollback();

        // A failed inner transaction takes only its own work with it.
        QVERIFY(context->performTransaction(
            [&] {
                if (!context->executeBatchDelete(kTimers, nullptr)) return false;
                addTimer(*context, "D", 4);
                addTimer(*context, "E", 5);
                if (!context->save(nullptr)) return false;
                return !context->performTransaction(
                    [&] {
                        addTimer(*context, "F", 6);
                        innerSteps = context->save(nullptr);
                        return false;
                    },
                    nullptr);
            },
            nullptr));
        QVERIFY(innerSteps);
        QVERIFY(!context->hasChanges());
        context.reset();
        QCOMPARE(rawSql(path_, "SELECT desc FROM Timers ORDER BY id"), QStringList({"D", "E"}));
    }

    void refusesWhatIsNotItsStore_data() {
        QTest::addColumn<QByteArray>("setup");
        QTest::addColumn<QString>("expected");
        QTest::newRow("text file")
            << QByteArray("text") << "is not a database (file is not a database)";
        QTest::newRow("foreign database")
            << QByteArray("CREATE TABLE Notes (body TEXT); INSERT INTO Notes VALUES ('keep me');")
            << "holds other data: it has no table \"Timers\"";
        QTest::newRow("older Timers table")
            << QByteArray("CREATE TABLE Timers (id INTEGER PRIMARY KEY, desc TEXT);")
            << "table \"Timers\" has no column \"duration\"";
    }
    void refusesWhatIsNotItsStore() {
        QFETCH(QByteArray, setup);
        QFETCH(QString, expected);
        QVERIFY(QDir().mkpath(QFileInfo(path_).absolutePath()));
        if (setup == "text") {
            QFile file(path_);
            QVERIFY(file.open(QIODevice::WriteOnly));
            for (int i = 0; i < 200; ++i) file.write("Shopping: eggs, milk, \"bread\".\n");
        } else {
            QCOMPARE(rawSql(path_, setup.constData()), QStringList());
        }
        const QByteArray before = fingerprint(path_);
        ManagedObjectContext context(timerModel());
        StoreError error;
        QVERIFY(!context.open(path_, &error));
        QVERIFY(!context.isOpen());
        QVERIFY2(error.description.startsWith("The store " + path_ + " "),
                 qPrintable(error.description));
        QVERIFY2(error.description.contains(expected), qPrintable(error.description));
        QCOMPARE(error.userInfo.value("path").toString(), path_);
        if (setup == "text") QCOMPARE(error.userInfo.value("sqliteCode").toInt(), SQLITE_NOTADB);
        QCOMPARE(fingerprint(path_), before);
        QVERIFY(!QFile::exists(path_ + "-journal"));
    }

    void refusesWithoutPermission_data() {
        QTest::addColumn<int>("fileMode");
        QTest::addColumn<int>("folderMode");
        QTest::addColumn<QString>("expected");
        QTest::newRow("unreadable file") << 0000 << 0700 << "cannot be read and written";
        QTest::newRow("read-only folder") << 0600 << 0500 << "cannot be written";
    }
    void refusesWithoutPermission() {
        QFETCH(int, fileMode);
        QFETCH(int, folderMode);
        QFETCH(QString, expected);
        {
            auto context = openStore(path_);
            QVERIFY(context);
            addTimer(*context, "kept", 1);
            QVERIFY(context->save(nullptr));
        }
        const QByteArray folder = QFile::encodeName(QFileInfo(path_).absolutePath());
        const QByteArray file = QFile::encodeName(path_);
        // Let an unprivileged child reach the store when running as root.
        QCOMPARE(::chmod(QFile::encodeName(dir_->path()).constData(), 0755), 0);
        chownToNobody(QFileInfo(path_).absolutePath());
        chownToNobody(path_);
        const QByteArray before = fingerprint(path_);
        QCOMPARE(::chmod(file.constData(), mode_t(fileMode)), 0);
        QCOMPARE(::chmod(folder.constData(), mode_t(folderMode)), 0);
        const QString result = openAsUser(path_);
        // Changing the mode back leaves the contents and mtime to compare.
        QCOMPARE(::chmod(folder.constData(), 0700), 0);
        QCOMPARE(::chmod(file.constData(), 0600), 0);
        if (result.startsWith('!'))
            QSKIP(qPrintable("running as root and " + result.mid(1) +
                             ", so permission bits cannot stop root from using the store"));
        QVERIFY2(result.startsWith('-'), "the store was opened");
        QVERIFY2(result.contains(expected), qPrintable(result));
        QCOMPARE(fingerprint(path_), before);
    }

    void textRoundTripsExactly() {
        QString longText;
        // Eight UTF-16 units a round, so no surrogate pair is cut at 10,000.
        while (longText.size() < 10000) longText += QStringLiteral("ab\u20AC\U0001F600 \u05D0c");
        const QStringList texts{
            "She said \"stop\" and it's 5 o'clock",
            "'); DROP TABLE \"Timers\"; --",
            "line one\nline two\r\n\tindented",
            "\u05E9\u05DC\u05D5\u05DD \u0645\u0631\u062D\u0628\u0627 (RTL) \u202Eflipped\u202C",
            "\U0001F469\u200D\U0001F469\u200D\U0001F467 \U0001F1F8\U0001F1EA \u2764\uFE0F",
            QString::fromUtf8("nul\0inside", 10),
            "",
            longText,
        };
        {
            auto context = openStore(path_);
            QVERIFY(context);
            for (const QString& text : texts) addTimer(*context, text, text.size());
            context->insertNewObject(kTimers);  // nothing set: the defaults
            QVERIFY(context->save(nullptr));
        }
        auto context = openStore(path_);
        QVERIFY(context);
        const QList<ManagedObjectPtr> timers = fetchAll(*context);
        QCOMPARE(timers.size(), texts.size() + 1);
        for (int i = 0; i < texts.size(); ++i) {
            const QVariant desc = timers[i]->value("desc");
            QCOMPARE(desc.toString(), texts[i]);
            QVERIFY(!desc.isNull());  // "" stays "", not NULL
            QCOMPARE(timers[i]->value("duration").toLongLong(), texts[i].size());
        }
        const ManagedObjectPtr bare = timers.last();
        QVERIFY(bare->value("desc").isNull() && bare->value("duration").isNull());
        QCOMPARE(bare->value("snooze"), QVariant(qlonglong(0)));
        QCOMPARE(bare->value("snoozeOn"), QVariant(false));
    }

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString path_;
};

QTEST_GUILESS_MAIN(TestObjectStore)
#include "tst_objectstore.moc"
