#include "support/domain/TestHome.h"

#include <QDir>
#include <QFile>

namespace dunok::testing {

TestHome::TestHome() {
    const QString base = dir_.path();
    QDir().mkpath(base + "/data");
    QDir().mkpath(base + "/config");
    QDir().mkpath(base + "/runtime");
    QFile::setPermissions(base + "/runtime",
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_DATA_HOME", QFile::encodeName(base + "/data"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(base + "/config"));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(base + "/runtime"));
}

}  // namespace dunok::testing
