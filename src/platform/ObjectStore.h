// A small managed-object layer over one SQLite file.
//
// The timer list is a handful of records that the program reads and writes by
// attribute name, saves after every change and identifies by a stable string.
// This layer gives exactly that: a context that inserts, fetches (optionally
// sorted), deletes, batch-deletes and saves records of the entities of a data
// model, each save one SQLite transaction, every value a bound parameter.
#pragma once

#include <QList>
#include <QString>
#include <QVariant>
#include <QVariantMap>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

struct sqlite3;

namespace dunok {

// The kinds of attribute a record can hold, with the SQLite column type each
// is stored as.
enum class AttributeType { String, Integer64, Boolean };

struct AttributeDescription {
    QString name;
    AttributeType type = AttributeType::String;
    QVariant defaultValue;  // a null QVariant: the column is NULL until written
    // The version of the data model that added the attribute. A store of an
    // older version gets the column, with its default, when it is opened.
    int since = 1;
};

struct EntityDescription {
    QString name;  // also the table name
    std::vector<AttributeDescription> attributes;

    const AttributeDescription* attribute(const QString& key) const;
};

struct DataModel {
    std::vector<EntityDescription> entities;
    // Kept in the file's user_version. 0 is a store written before versions
    // were kept: it reads as version 1.
    int version = 1;

    const EntityDescription* entity(const QString& name) const;
};

// What went wrong, in the two parts the console texts print: a description
// and a dictionary of details (SQLite's code, its message, the file).
struct StoreError {
    QString description;
    QVariantMap userInfo;

    // "description, {key = value; ...}": the text that follows a prefix such
    // as "Could not save. " on the console.
    QString consoleText() const;

    // What the user can do something about: a full disk (make room),
    // another program holding the file longer than the busy timeout (close
    // it), or a store that a newer version of the program wrote (use that
    // one). Other failures are Other.
    enum class Cause { Other, DiskFull, InUse, NewerStore };
    Cause cause() const;

    // Why open() refused a file, for words a user can act on.
    enum class Problem {
        Other,
        FolderNotMade,      // the store's folder could not be created
        FileNotMade,        // the store's file could not be created
        CannotExamine,      // stat failed: a dangling link, a folder we may not enter
        NotAFile,           // a folder, a device, ...
        NoAccess,           // the file cannot be read and written
        FolderNotWritable,  // SQLite could not write its journal beside it
        NotADatabase,
        Damaged,
        ForeignData,  // an SQLite database, but someone else's
    };
    Problem problem = Problem::Other;
};

class ManagedObjectContext;

namespace detail {
struct StoreLink;
}

// One record. It belongs to the context that made it and stays readable for
// as long as someone holds it, also after it has left the store.
class ManagedObject {
public:
    const QString& entityName() const { return entity_->name; }

    // The value of an attribute as the program sees it: QString, qlonglong or
    // bool by the attribute's type, a null QVariant of that type when the
    // column is NULL, and an invalid QVariant for an unknown key.
    QVariant value(const QString& key) const;
    // Sets an attribute in the context; it reaches the file with the next save.
    // An unknown key is a program error and is refused (returns false), as is
    // a value that does not convert to the attribute's type.
    bool setValue(const QString& key, const QVariant& value);

    // "x-dunok://STORE-UUID/ENTITY/pN" once saved (N its row id), and
    // "x-dunok://STORE-UUID/ENTITY/tN" before the first save. The same string
    // for the same stored record for as long as the record exists.
    QString uriRepresentation() const;

    bool isInserted() const { return state_ == State::Inserted; }
    bool isDeleted() const { return state_ == State::Deleted; }
    bool hasChanges() const;
    // Saved and still in the store (not removed by a batch delete).
    bool isPersistent() const { return state_ == State::Persistent; }
    qint64 rowId() const { return rowId_; }

private:
    friend class ManagedObjectContext;
    enum class State { Inserted, Persistent, Deleted, Detached };

    ManagedObject(std::shared_ptr<detail::StoreLink> link, const EntityDescription* entity)
        : link_(std::move(link)), entity_(entity) {}

    // Shared with the context so that a record held after the context is gone
    // still has its entity description and store UUID to read.
    std::shared_ptr<detail::StoreLink> link_;
    const EntityDescription* entity_;
    State state_ = State::Inserted;
    qint64 rowId_ = 0;    // permanent id, 0 until saved
    qint64 tempId_ = 0;   // temporary id, given by insertNewObject only
    QVariantMap values_;  // what the program sees
    QVariantMap saved_;   // what the file holds, for rollback and change tracking
};

using ManagedObjectPtr = std::shared_ptr<ManagedObject>;

struct SortDescriptor {
    QString key;
    bool ascending = true;
};

struct FetchRequest {
    QString entityName;
    QList<SortDescriptor> sortDescriptors;  // empty: store order (ascending id)
};

class ManagedObjectContext {
public:
    explicit ManagedObjectContext(DataModel model);
    ~ManagedObjectContext();
    ManagedObjectContext(const ManagedObjectContext&) = delete;
    ManagedObjectContext& operator=(const ManagedObjectContext&) = delete;

    // Opens (creating if absent) the store file at path. Creates the folder
    // (user-only) and the file (user-only) when missing. Refuses, leaving the
    // file exactly as it was, a file that is not an SQLite database, one that
    // cannot be read or written, one whose folder cannot be written, an
    // SQLite database that holds other tables but not this model's, and a
    // store of a newer model version than this one. A store of an older
    // version is brought up to this one in a single transaction: the columns
    // it lacks are added with their defaults and every record is kept; if
    // that fails, the file stays as it was.
    bool open(const QString& path, StoreError* error);
    // Whether open() would take the file at path, asked without creating,
    // upgrading or writing anything, and without keeping it open: for a
    // reader that must say what the next start of the program will find.
    // No file there at all is fine (*absent true): open() would make one.
    bool inspect(const QString& path, bool* absent, StoreError* error);
    // The model version the open store is at (after any upgrade).
    int storeVersion() const { return storeVersion_; }
    // How long a store opened from now on waits for another program's lock
    // before a read or save fails as InUse (5 s unless set; tests shorten it).
    static void setBusyTimeout(int milliseconds);
    bool isOpen() const { return db_ != nullptr; }
    const QString& storeUuid() const { return storeUuid_; }
    const QString& path() const { return path_; }

    // A new empty record of the entity, with the model's defaults; nullptr for
    // an unknown entity or while no store is open (its URI names the store).
    // It becomes persistent with the next save.
    ManagedObjectPtr insertNewObject(const QString& entityName);

    // Every record of the entity, pending inserts included and pending deletes
    // left out, each record represented by one object per context. With no
    // sort descriptor the order is store order (ascending id, pending inserts
    // last in insertion order); sorting is stable. Strings compare as SQLite's
    // BINARY collation does (by UTF-8 bytes).
    std::optional<QList<ManagedObjectPtr>> fetch(const FetchRequest& request, StoreError* error);

    // Marks a record deleted; it leaves the store with the next save. Deleting
    // a record that was never saved simply forgets it.
    void deleteObject(const ManagedObjectPtr& object);

    // Removes every record of the entity directly in the store, in one
    // transaction. Objects in memory keep their values and stay readable; they
    // no longer belong to the store.
    bool executeBatchDelete(const QString& entityName, StoreError* error);

    // Writes inserts, changes and deletions in one transaction. On success
    // inserted records get their permanent ids. On failure nothing is written
    // and the pending changes stay in the context.
    bool save(StoreError* error);
    bool hasChanges() const;
    // Forgets every pending change: inserts are dropped, deletions undone,
    // changed values put back to what the file holds.
    void rollback();

    // Runs body inside one store transaction: saves and batch deletes made by
    // body join it, and nothing reaches the file unless body returns true and
    // the commit succeeds. On failure the file is as it was before, and so are
    // the context's records: pending changes and states are put back to what
    // they were before body ran; records body inserted are left detached.
    bool performTransaction(const std::function<bool()>& body, StoreError* error);

    // Editors bound to records (none yet) register here so that a save at quit
    // can first ask them to commit what the user typed. commitEditing asks
    // every editor and is false if any of them refused.
    void addEditor(std::function<bool()> commit);
    bool commitEditing();

    // For fault-injection in tests: the next n statements that change records
    // (INSERT, UPDATE, DELETE) fail as if the disk had refused them, after the
    // first `after` of them have gone through (to fail a save part-way).
    void failNextWrites(int n, int after = 0) {
        failWrites_ = n;
        failAfter_ = after;
    }

private:
    friend class ManagedObject;
    struct Statement;
    struct Snapshot;
    using RegistryKey = std::pair<const EntityDescription*, qint64>;

    bool prepare(Statement& statement, const QString& sql, StoreError* error) const;
    bool exec(const QString& sql, const QVariantList& binds, bool isWrite, StoreError* error);
    bool begin(StoreError* error);
    bool commit(StoreError* error);
    void rollbackTransaction();
    StoreError sqliteError(const QString& what) const;
    StoreError readError() const;     // "The store ... could not be read", with SQLite's reason
    StoreError notOpenError() const;  // "No store is open"
    StoreError fileError(const QString& description, int errorNumber) const;
    bool checkFile(StoreError* error) const;
    struct SchemaState {
        bool isEmpty = false;
        bool hasMetadata = false;
        int version = 0;  // the file's user_version
        // Columns an older store lacks: (table, attribute).
        std::vector<std::pair<QString, const AttributeDescription*>> missing;
    };
    bool checkSchema(SchemaState* state, StoreError* error);
    bool createSchema(StoreError* error);
    bool upgradeSchema(const SchemaState& state, StoreError* error);
    bool execAll(const QStringList& statements, bool isWrite, StoreError* error);
    QString versionStatement() const;
    bool readStoreUuid(StoreError* error);
    QString selectSql(const EntityDescription& entity) const;
    ManagedObjectPtr objectForRow(const EntityDescription& entity, qint64 rowId,
                                  const QVariantMap& values);
    std::optional<QVariantMap> readRow(const EntityDescription& entity, qint64 rowId);
    void noteChanged(ManagedObject& object);
    void noteCreated(const ManagedObjectPtr& object);
    void forget(ManagedObject& object);
    Snapshot takeSnapshot();
    void restoreSnapshot(Snapshot& snapshot);

    std::shared_ptr<detail::StoreLink> link_;
    sqlite3* db_ = nullptr;
    QString path_;
    QString storeUuid_;
    int storeVersion_ = 0;
    qint64 nextTempId_ = 1;
    int transactionDepth_ = 0;  // BEGIN plus the SAVEPOINTs nested in it
    int bodyDepth_ = 0;         // performTransaction bodies running
    // SQLite gave up the outer transaction on its own (after I/O or full-disk
    // errors); nothing more may join it, and it must not be reported committed.
    bool transactionLost_ = false;
    int failWrites_ = 0;
    int failAfter_ = 0;
    // The records this context knows, one per stored row. Weak, so that an
    // unchanged record nobody holds any more is forgotten; changed, inserted
    // and deleted ones are also held by the lists below until saved or rolled
    // back.
    std::map<RegistryKey, std::weak_ptr<ManagedObject>> registry_;
    std::vector<ManagedObjectPtr> updated_;
    std::vector<ManagedObjectPtr> inserted_;
    std::vector<ManagedObjectPtr> deleted_;
    // Every record made while a performTransaction body runs, so that a
    // failed body can put them back in line with the file.
    std::vector<std::weak_ptr<ManagedObject>> createdInBody_;
    std::vector<std::function<bool()>> editors_;
};

}  // namespace dunok
