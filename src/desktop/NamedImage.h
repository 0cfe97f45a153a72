// The program's compiled-in images, rendered to PNG at build time.
#pragma once

#include <QIcon>
#include <QString>

namespace dunok {

// A compiled-in image by name ("timer22"); a null icon for an unknown name.
QIcon namedImage(const QString& name);

}  // namespace dunok
