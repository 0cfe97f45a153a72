// The program's compiled-in images, rendered to PNG at build time.
#pragma once

#include <QIcon>
#include <QString>

namespace dunok {

// A compiled-in image by name ("timer22"); a null icon for an unknown name.
// Each call makes a new icon, which decodes a size when first drawn and keeps
// it: keep the icon where it is drawn again and again.
QIcon namedImage(const QString& name);

}  // namespace dunok
