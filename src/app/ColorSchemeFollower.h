// Makes the program dark or light as the desktop prefers.
#pragma once

#include <QObject>

#include "ui/Palettes.h"

namespace dunok {

class ColorSchemeSource;

class ColorSchemeFollower : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Follows `source`, which it takes over, from now on; or, where the user
    // picked a platform theme (QT_QPA_PLATFORMTHEME), leaves the look to it,
    // asks nothing and returns false.
    bool follow(ColorSchemeSource* source);
    bool dark() const { return palettes_.dark(); }

private:
    PaletteSwitch palettes_;
};

}  // namespace dunok
