// What went wrong with the store, in words for the console and a cause the
// program can turn into words for the user.
#pragma once

#include <QString>
#include <QVariantMap>

namespace dunok {

// What went wrong, in the two parts the console texts print: a description
// and a dictionary of details (SQLite's code, its message, the file).
struct StoreError {
    QString description;
    QVariantMap userInfo;

    // "description, {key = value; ...}": the text that follows a prefix such
    // as "Could not save. " on the console.
    QString consoleText() const;

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

// "Could not save. " + the error's console text, on the debug console.
void logStoreError(const QString& prefix, const StoreError& error);

}  // namespace dunok
