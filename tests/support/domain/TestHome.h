// A private home for a test: the XDG folders point into a fresh temporary
// folder, so that nothing a test writes reaches the user's own files.
#pragma once

#include <QString>
#include <QTemporaryDir>

namespace dunok::testing {

// Points XDG_DATA_HOME, XDG_CONFIG_HOME and XDG_RUNTIME_DIR into a fresh
// temporary folder. Call before anything asks QStandardPaths.
class TestHome {
public:
    TestHome();
    QString path() const { return dir_.path(); }
    QString storePath() const { return dir_.path() + "/data/Dunok/TimerModel.sqlite"; }
    QString prefsPath() const { return dir_.path() + "/config/Dunok/Dunok.conf"; }

private:
    QTemporaryDir dir_;
};

}  // namespace dunok::testing
