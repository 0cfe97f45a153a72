// The record store: what survives a restart, what a fetch returns, and that
// a store it refuses or a save that fails leaves the file byte-for-byte alone.
#include <sqlite3.h>

#include <QTemporaryDir>
#include <QTest>

#include "platform/ObjectStore.h"
#include "support/HostileStore.h"

using namespace dunok;
using testing::fingerprint;
using testing::sql;

namespace {
const QString kTimers = QStringLiteral("Timers");

std::unique_ptr<ManagedObjectContext> openStore(const QString& path, StoreError* error = nullptr) {
    auto context = std::make_unique<ManagedObjectContext>(DataModel{
        {{kTimers,
          {{"desc", AttributeType::String, {}}, {"duration", AttributeType::Integer64, {}}}}}});
    StoreError ignored;
    return context->open(path, error ? error : &ignored) ? std::move(context) : nullptr;
}

ManagedObjectPtr addTimer(ManagedObjectContext& context, const QString& desc, qint64 duration) {
    ManagedObjectPtr timer = context.insertNewObject(kTimers);
    timer->setValue("desc", desc);
    timer->setValue("duration", duration);
    return timer;
}
QList<ManagedObjectPtr> fetchAll(ManagedObjectContext& context, QList<SortDescriptor> sort = {}) {
    return context.fetch({kTimers, sort}, nullptr).value_or(QList<ManagedObjectPtr>{});
}
QStringList column(const QList<ManagedObjectPtr>& timers, const char* key = "desc") {
    QStringList values;
    for (const ManagedObjectPtr& timer : timers) values << timer->value(key).toString();
    return values;
}
}  // namespace

class TestObjectStore : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString path_;
    std::unique_ptr<ManagedObjectContext> context;

private slots:
    void init() {
        path_ = dir_.filePath(QTest::currentTestFunction() + QStringLiteral("/T.db"));
        context = openStore(path_);  // the folder is made too
        QVERIFY(context);
    }

    void orderAndIdsSurviveReopening() {
        const QList<ManagedObjectPtr> timers{addTimer(*context, "b", 1), addTimer(*context, "c", 2),
                                             addTimer(*context, "a", 3)};
        const QString unsaved = timers[1]->uriRepresentation();
        QVERIFY(context->save(nullptr));
        const QString uri = timers[1]->uriRepresentation();  // the saved record's own, for good
        QVERIFY(uri != unsaved && uri.startsWith("x-dunok://" + context->storeUuid() + "/"));
        // Ids never go backwards, even after a delete: store order is insertion order.
        context->deleteObject(timers[2]);
        const ManagedObjectPtr later = addTimer(*context, "d", 4);
        QVERIFY(context->save(nullptr));
        QVERIFY(later->rowId() > timers[2]->rowId());
        context.reset();
        const QByteArray before = fingerprint(path_);
        context = openStore(path_);
        const QList<ManagedObjectPtr> reopened = fetchAll(*context);
        QCOMPARE(column(reopened), QStringList({"b", "c", "d"}));
        QCOMPARE(reopened[1]->uriRepresentation(), uri);
        QCOMPARE(fingerprint(path_), before);  // opened without a write
    }

    void sortedFetchesAreStableAndCompareBytes() {
        // U+FF21 sorts before the emoji in UTF-8 but after it in UTF-16.
        for (const auto& [desc, duration] : QList<std::pair<QString, qint64>>{
                 {"b", 30}, {"\U0001F600", 10}, {"a", 20}, {"B", 10}, {"\uFF21", 5}, {"a", 10}})
            addTimer(*context, desc, duration);
        QVERIFY(context->save(nullptr));
        QList<ManagedObjectPtr> sorted = fetchAll(*context, {{"desc", true}});
        QCOMPARE(column(sorted), QStringList({"B", "a", "a", "b", "\uFF21", "\U0001F600"}));
        QCOMPARE(column(sorted, "duration"), QStringList({"10", "20", "10", "30", "5", "10"}));
        // A pending insert sorts with the rest; a second key orders the ties.
        addTimer(*context, "a", 1);
        sorted = fetchAll(*context, {{"desc", true}, {"duration", true}});
        QCOMPARE(column(sorted, "duration").mid(1, 3), QStringList({"1", "10", "20"}));
        QVERIFY(!context->fetch({kTimers, {{"colour", true}}}, nullptr));
    }

    void batchDeleteKeepsObjectsReadable() {
        addTimer(*context, "one", 1);
        addTimer(*context, "two", 2);
        QVERIFY(context->save(nullptr));
        const QList<ManagedObjectPtr> held = fetchAll(*context);
        held[0]->setValue("desc", "one, edited");
        context->deleteObject(held[1]);
        QVERIFY(context->executeBatchDelete(kTimers, nullptr));
        QCOMPARE(column(held), QStringList({"one, edited", "two"}));
        QVERIFY(!held[0]->isPersistent() && !held[1]->isPersistent());
        QVERIFY(!context->hasChanges() && fetchAll(*context).isEmpty());
        // Ids go on from the deleted ones, even with the table emptied.
        const ManagedObjectPtr fresh = addTimer(*context, "three", 3);
        QVERIFY(context->save(nullptr));
        QVERIFY(fresh->rowId() > held[1]->rowId());
    }

    void failedWritesLeaveFileAndContextWhole() {
        const ManagedObjectPtr a = addTimer(*context, "a", 1), b = addTimer(*context, "b", 2);
        QVERIFY(context->save(nullptr));
        const QByteArray before = fingerprint(path_);
        a->setValue("desc", "a2");
        context->deleteObject(b);
        const ManagedObjectPtr c = addTimer(*context, "c", 3);
        context->failNextWrites(1, 2);  // the delete and the update go through, the insert fails
        StoreError error;
        QVERIFY(!context->save(&error));
        QCOMPARE(error.userInfo.value("sqliteCode").toInt(), SQLITE_IOERR);
        QCOMPARE(fingerprint(path_), before);
        QVERIFY(a->hasChanges() && b->isDeleted() && c->isInserted());
        QCOMPARE(a->value("desc").toString(), "a2");
        QVERIFY(context->save(nullptr));  // nothing pending was lost
        QCOMPARE(sql(path_, "SELECT desc FROM Timers ORDER BY id"), QStringList({"a2", "c"}));
    }

    void refusesWhatIsNotItsStoreAndLeavesItAlone() {
        const QList<std::pair<QByteArray, QString>> cases{
            {"", "is not a database"},
            {"CREATE TABLE Notes (body TEXT); INSERT INTO Notes VALUES ('keep');",
             "holds other data: it has no table \"Timers\""},
            {"CREATE TABLE Timers (id INTEGER PRIMARY KEY, desc TEXT);",
             "table \"Timers\" has no column \"duration\""}};
        for (const auto& [setup, expected] : cases) {
            path_ = dir_.filePath(expected.left(6) + ".db");
            QFile file(path_);
            if (setup.isEmpty())
                QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(4000, 'x')));
            else
                QCOMPARE(sql(path_, setup), QStringList());
            file.close();
            const QByteArray before = fingerprint(path_);
            StoreError error;
            QVERIFY(!openStore(path_, &error));
            QVERIFY2(error.description.contains(expected), qPrintable(error.description));
            QCOMPARE(fingerprint(path_), before);
            QVERIFY(!QFile::exists(path_ + "-journal"));
        }
    }

    void folderThatCannotBeMadeIsReported() {
        // A file where the store's folder should be: no permission trick needed.
        const QString blocker = dir_.filePath("blocker");
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("x"));
        file.close();
        StoreError error;
        QVERIFY(!openStore(blocker + "/Dunok/TimerModel.sqlite", &error));
        QVERIFY2(error.description.contains("could not be created"), qPrintable(error.description));
        QCOMPARE(QFileInfo(blocker).size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestObjectStore)
#include "tst_objectstore.moc"
