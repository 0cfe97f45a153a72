// The store's SQL helpers, its model lookups and errors, and running one
// statement.
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringList>
#include <QUuid>
#include <QtDebug>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/ObjectStore.h"
#include "platform/ObjectStoreDetail.h"

namespace dunok {

using namespace detail;

namespace detail {

QString quoted(const QString& identifier) {
    QString text = identifier;
    text.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString sqlName(const QString& name) {
    return QStringLiteral("\"%1\"").arg(name);
}

QVariant nullOf(AttributeType type) {
    switch (type) {
        case AttributeType::String:
            return QVariant(QMetaType::fromType<QString>());
        case AttributeType::Integer64:
            return QVariant(QMetaType::fromType<qlonglong>());
        case AttributeType::Boolean:
            return QVariant(QMetaType::fromType<bool>());
    }
    return {};
}

// The value in the attribute's own type, so that comparisons and binding see
// one type per attribute; nullopt when it does not convert.
std::optional<QVariant> normalized(AttributeType type, const QVariant& value) {
    if (!value.isValid() || value.isNull()) return nullOf(type);
    QVariant converted = value;
    QMetaType target;
    switch (type) {
        case AttributeType::String:
            target = QMetaType::fromType<QString>();
            break;
        case AttributeType::Integer64:
            target = QMetaType::fromType<qlonglong>();
            break;
        case AttributeType::Boolean:
            target = QMetaType::fromType<bool>();
            break;
    }
    if (!converted.convert(target)) return std::nullopt;
    return converted;
}

// QVariant's == holds a null QString equal to an empty one; NULL and "" are
// different values in the file, so they must differ here too.
bool sameValue(const QVariant& a, const QVariant& b) {
    if (a.isNull() != b.isNull()) return false;
    return a.isNull() || a == b;
}

QString sqlLiteral(const QVariant& value) {
    if (!value.isValid() || value.isNull()) return QStringLiteral("NULL");
    switch (value.typeId()) {
        case QMetaType::Bool:
            return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
        case QMetaType::LongLong:
            return QString::number(value.toLongLong());
        default: {
            QString text = value.toString();
            text.replace(QLatin1Char('\''), QLatin1String("''"));
            return QLatin1Char('\'') + text + QLatin1Char('\'');
        }
    }
}

QString columnType(AttributeType type) {
    return type == AttributeType::String ? QStringLiteral("TEXT") : QStringLiteral("INTEGER");
}

QString columnDefinition(const AttributeDescription& attribute) {
    QString column = quoted(attribute.name) + QLatin1Char(' ') + columnType(attribute.type);
    const std::optional<QVariant> defaultValue = normalized(attribute.type, attribute.defaultValue);
    // DEFAULT takes no parameter; the literal is built from the model, never
    // from user data, and is escaped all the same.
    if (defaultValue && !defaultValue->isNull())
        column += QStringLiteral(" DEFAULT ") + sqlLiteral(*defaultValue);
    return column;
}

int bindValue(sqlite3_stmt* statement, int index, const QVariant& value) {
    if (!value.isValid() || value.isNull()) return sqlite3_bind_null(statement, index);
    switch (value.typeId()) {
        case QMetaType::Bool:
            return sqlite3_bind_int64(statement, index, value.toBool() ? 1 : 0);
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
            return sqlite3_bind_int64(statement, index, value.toLongLong());
        default: {
            const QByteArray bytes = value.toString().toUtf8();
            // An empty QByteArray may hand out a null pointer, which SQLite
            // would store as NULL instead of ''.
            return sqlite3_bind_text64(statement, index, bytes.isNull() ? "" : bytes.constData(),
                                       sqlite3_uint64(bytes.size()), SQLITE_TRANSIENT, SQLITE_UTF8);
        }
    }
}

QVariant columnValue(sqlite3_stmt* statement, int column, AttributeType type) {
    if (sqlite3_column_type(statement, column) == SQLITE_NULL) return nullOf(type);
    switch (type) {
        case AttributeType::String: {
            const auto* text =
                reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
            const int size = sqlite3_column_bytes(statement, column);
            return QString::fromUtf8(text, size);
        }
        case AttributeType::Integer64:
            return qlonglong(sqlite3_column_int64(statement, column));
        case AttributeType::Boolean:
            return sqlite3_column_int64(statement, column) != 0;
    }
    return {};
}

QVariantMap rowValues(sqlite3_stmt* statement, const EntityDescription& entity) {
    QVariantMap values;
    int column = 1;
    for (const AttributeDescription& attribute : entity.attributes)
        values.insert(attribute.name, columnValue(statement, column++, attribute.type));
    return values;
}

QString systemMessage(int errorNumber) {
    return QString::fromLocal8Bit(std::strerror(errorNumber));
}

// Creates each missing level of the folder user-only, as the data folder of
// a desktop program should be; existing levels are left as they are.
bool makeFolder(const QString& folder, int* errorNumber) {
    QStringList missing;
    QString level = folder;
    while (!QFileInfo::exists(level)) {
        missing.prepend(level);
        const QString parent = QFileInfo(level).absolutePath();
        if (parent == level) break;
        level = parent;
    }
    for (const QString& path : missing) {
        const QByteArray native = QFile::encodeName(path);
        if (::mkdir(native.constData(), 0700) != 0) {
            if (errno == EEXIST) continue;
            *errorNumber = errno;
            return false;
        }
        // The umask can only take bits away, but say exactly what we mean.
        ::chmod(native.constData(), 0700);
    }
    return true;
}

}  // namespace detail

// ---- model ----------------------------------------------------------------

const AttributeDescription* EntityDescription::attribute(const QString& key) const {
    for (const AttributeDescription& description : attributes)
        if (description.name == key) return &description;
    return nullptr;
}

const EntityDescription* DataModel::entity(const QString& name) const {
    for (const EntityDescription& description : entities)
        if (description.name == name) return &description;
    return nullptr;
}

QString StoreError::consoleText() const {
    QStringList pairs;
    // QVariantMap iterates in key order, which is the order the text promises.
    for (auto it = userInfo.cbegin(); it != userInfo.cend(); ++it)
        pairs << it.key() + QStringLiteral(" = ") + it.value().toString();
    return description + QStringLiteral(", {") + pairs.join(QStringLiteral("; ")) +
           QLatin1Char('}');
}

StoreError::Cause StoreError::cause() const {
    if (userInfo.contains(QStringLiteral("storeVersion"))) return Cause::NewerStore;
    if (!userInfo.contains(QStringLiteral("sqliteCode"))) return Cause::Other;
    // The extended code's low byte is the primary one (SQLITE_IOERR_WRITE is
    // an IOERR); a full disk and a held lock each have one of their own.
    switch (userInfo.value(QStringLiteral("sqliteCode")).toInt() & 0xff) {
        case SQLITE_FULL:
            return Cause::DiskFull;
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return Cause::InUse;
        default:
            return Cause::Other;
    }
}

StoreError ManagedObjectContext::sqliteError(const QString& what) const {
    StoreError error;
    const int code = sqlite3_extended_errcode(db_);
    const QString message = QString::fromUtf8(sqlite3_errmsg(db_));
    error.description = QStringLiteral("%1 (%2)").arg(what, message);
    error.userInfo.insert(QStringLiteral("path"), path_);
    error.userInfo.insert(QStringLiteral("sqliteCode"), code);
    error.userInfo.insert(QStringLiteral("sqliteMessage"), message);
    return error;
}

StoreError ManagedObjectContext::readError() const {
    return sqliteError(
        QCoreApplication::translate("ObjectStore", "The store %1 could not be read").arg(path_));
}

StoreError ManagedObjectContext::notOpenError() const {
    return {QCoreApplication::translate("ObjectStore", "No store is open"),
            {{QStringLiteral("path"), path_}}};
}

StoreError ManagedObjectContext::fileError(const QString& description, int errorNumber) const {
    StoreError error;
    error.description = QStringLiteral("%1 (%2)").arg(description, systemMessage(errorNumber));
    error.userInfo.insert(QStringLiteral("path"), path_);
    error.userInfo.insert(QStringLiteral("errno"), errorNumber);
    return error;
}

bool ManagedObjectContext::prepare(Statement& statement, const QString& sql,
                                   StoreError* error) const {
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(db_, text.constData(), int(text.size()), &statement.handle, nullptr) ==
        SQLITE_OK)
        return true;
    if (error) *error = readError();
    return false;
}

bool ManagedObjectContext::exec(const QString& sql, const QVariantList& binds, bool isWrite,
                                StoreError* error) {
    if (isWrite && failWrites_ > 0) {
        if (failAfter_ > 0) {
            --failAfter_;
        } else {
            --failWrites_;
            if (error) {
                const QString message = QString::fromUtf8(sqlite3_errstr(SQLITE_IOERR));
                error->description = QCoreApplication::translate(
                                         "ObjectStore", "The store %1 could not be written (%2)")
                                         .arg(path_, message);
                error->userInfo = {{QStringLiteral("path"), path_},
                                   {QStringLiteral("sqliteCode"), SQLITE_IOERR},
                                   {QStringLiteral("sqliteMessage"), message},
                                   {QStringLiteral("injected"), true}};
            }
            return false;
        }
    }
    Statement statement;
    if (!prepare(statement, sql, error)) return false;
    for (int i = 0; i < binds.size(); ++i) bindValue(statement.handle, i + 1, binds.at(i));
    int rc;
    while ((rc = sqlite3_step(statement.handle)) == SQLITE_ROW) {
    }
    if (rc == SQLITE_DONE) return true;
    if (error)
        *error = sqliteError(
            QCoreApplication::translate("ObjectStore", "The store %1 could not be written")
                .arg(path_));
    return false;
}

}  // namespace dunok
