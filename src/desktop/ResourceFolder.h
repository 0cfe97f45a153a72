// The program's resource folder: sounds and help.
#pragma once

#include <QString>

namespace dunok {

// share/dunok beside the installed program (found relative to the
// executable, so any install prefix works), else the build tree's folder.
QString resourceFolder();
// For tests: use this folder instead (an empty string restores the search).
void setResourceFolderForTesting(const QString& folder);

// The file NAME.EXT in the resource folder (or in SUBDIR of it); an empty
// string when there is no such file.
QString resourcePath(const QString& name, const QString& extension,
                     const QString& subdir = QString());

}  // namespace dunok
