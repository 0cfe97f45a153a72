// The program's resource folder: sounds and help.
#pragma once

#include <QString>

namespace dunok {

// share/dunok beside the installed program (found relative to the
// executable, so any install prefix works), else the build tree's folder.
QString resourceFolder();

// The file NAME.EXT in folder; an empty string when there is no such file.
QString resourcePath(const QString& folder, const QString& name, const QString& extension);

}  // namespace dunok
