#include "app/ColorSchemeFollower.h"

#include "desktop/ColorSchemePortal.h"

namespace dunok {

bool ColorSchemeFollower::follow(ColorSchemeSource* source) {
    if (!source) return false;
    source->setParent(this);
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORMTHEME")) {
        delete source;
        return false;
    }
    // Only dark changes the look: light and no preference keep the
    // desktop's own palette, as a desktop that says nothing does.
    connect(source, &ColorSchemeSource::schemeChanged, this,
            [this](ColorScheme scheme) { palettes_.showDark(scheme == ColorScheme::Dark); });
    source->start();
    return true;
}

}  // namespace dunok
