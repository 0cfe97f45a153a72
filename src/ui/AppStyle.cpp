#include "ui/AppStyle.h"

#include <QApplication>
#include <QWidget>

#include "desktop/NamedImage.h"
#include "ui/InkedIcon.h"

namespace dunok {

QIcon AppStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                             const QWidget* widget) const {
    // Only the left-to-right arrow: ours points one way.
    const bool rightToLeft = widget ? widget->isRightToLeft() : QApplication::isRightToLeft();
    if (which == SP_ToolBarHorizontalExtensionButton && !rightToLeft) {
        // Drawn in slate lines: on a dark window they take the text colour.
        const QIcon more = namedImage(QStringLiteral("toolbar_more"));
        if (!more.isNull()) return paletteFollowingIcon(more);
    }
    return QProxyStyle::standardIcon(which, option, widget);
}

void installAppStyle() {
    // Made before anything asks for the default, so that only one is made.
    QApplication::setStyle(new AppStyle);
}

}  // namespace dunok
