// Our line images on a dark window.
#pragma once

#include <QColor>
#include <QIcon>
#include <QImage>

namespace dunok {

// The images are drawn in dark slate lines for light windows; on a dark one
// those lines would vanish. This gives the image with its dark, greyish
// pixels in `ink` instead, keeping their coverage; coloured accents and
// light fills stay as they are.
QImage inked(const QImage& image, const QColor& ink);

// An icon that draws `source` as it is while the application is light and
// inked in the window text colour while it is dark, switching as the
// application's palette does.
QIcon paletteFollowingIcon(const QIcon& source);

}  // namespace dunok
