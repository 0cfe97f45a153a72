// What the parts of the object store share inside the platform folder: the
// link a record keeps to its store, the statement and snapshot holders, the
// metadata table's names, and the SQL helpers. Not for use outside the store.
#pragma once

#include <sqlite3.h>

#include <QString>
#include <QVariant>
#include <map>
#include <optional>
#include <vector>

#include "platform/ObjectStore.h"

namespace dunok {

namespace detail {
// What a record needs from its context and must be able to outlive it: the
// model its entity pointer points into, the store UUID for its URI, and the
// way back to the context for change tracking (null once the context is gone).
struct StoreLink {
    DataModel model;
    QString storeUuid;
    ManagedObjectContext* context = nullptr;
};
}  // namespace detail

namespace detail {
inline const QString kMetadataTable = QStringLiteral("DunokMetadata");
inline const QString kUuidKey = QStringLiteral("storeUUID");

QString quoted(const QString& identifier);
QString sqlName(const QString& name);
QVariant nullOf(AttributeType type);
std::optional<QVariant> normalized(AttributeType type, const QVariant& value);
bool sameValue(const QVariant& a, const QVariant& b);
QString sqlLiteral(const QVariant& value);
QString columnType(AttributeType type);
QString columnDefinition(const AttributeDescription& attribute);
int bindValue(sqlite3_stmt* statement, int index, const QVariant& value);
QVariant columnValue(sqlite3_stmt* statement, int column, AttributeType type);
QVariantMap rowValues(sqlite3_stmt* statement, const EntityDescription& entity);
QString systemMessage(int errorNumber);
bool makeFolder(const QString& folder, int* errorNumber);
}  // namespace detail

// ---- statements -------------------------------------------------------------

struct ManagedObjectContext::Statement {
    sqlite3_stmt* handle = nullptr;
    Statement() = default;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement() { sqlite3_finalize(handle); }
};

struct ManagedObjectContext::Snapshot {
    struct Entry {
        ManagedObjectPtr object;
        ManagedObject::State state;
        qint64 rowId;
        qint64 tempId;
        QVariantMap values;
        QVariantMap saved;
    };
    std::vector<Entry> objects;
    std::map<RegistryKey, std::weak_ptr<ManagedObject>> registry;
    std::vector<ManagedObjectPtr> updated;
    std::vector<ManagedObjectPtr> inserted;
    std::vector<ManagedObjectPtr> deleted;
    size_t createdMark = 0;
};

}  // namespace dunok
