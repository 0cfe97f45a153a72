// The count on the program's launcher entry (docks and panels that follow
// the launcher-entry convention on the session bus).
#pragma once

#include <QObject>
#include <QString>
#include <QVariantMap>

#include "domain/Badge.h"
#include "domain/Constants.h"

namespace dunok {

class LauncherEntry : public QObject, public BadgeDisplay {
    Q_OBJECT
public:
    static inline const QString interfaceName = QStringLiteral("com.canonical.Unity.LauncherEntry");
    static inline const QString objectPath = QStringLiteral("/org/dunok/Dunok/LauncherEntry");
    static inline const QString appUri =
        QStringLiteral("application://") + Constants::appId + QStringLiteral(".desktop");

    explicit LauncherEntry(QObject* parent = nullptr);

    void showCount(int count) override;
    // The progress bar of the next finish; sent only when it moves by a tenth of a percent.
    void showNextFinish(const std::optional<NextFinish>& next) override;
    // Sends one Update with these properties; false when no bus is there.
    bool sendUpdate(const QVariantMap& properties);

private:
    int shownPercent_ = -1;  // -1: no progress shown
};

}  // namespace dunok
