#include "ui/QuickHelp.h"

#include <QKeyEvent>

#include "desktop/NamedImage.h"
#include "domain/Constants.h"

namespace dunok {

namespace {
constexpr int iconSize = 24;
}

QuickHelp::QuickHelp(QWidget* parent) : PointingFingerImageView(parent) {
    setObjectName(QStringLiteral("quickHelp"));
    setFixedSize(iconSize, iconSize);
    setToolTip(tr("Quick help"));
    setAccessibleName(tr("Quick help"));
    // An image is not focusable by default; keyboard users reach it with Tab.
    setFocusPolicy(Qt::TabFocus);
    connect(this, &PointingFingerImageView::clicked, this, &QuickHelp::quickHelpClicked);
}

QString QuickHelp::message() {
    return tr(
        "Double-click a timer to start or stop it.\n"
        "Right-click a timer to duplicate it, pause or resume it.\n"
        "You can resume a paused timer by double-clicking it.");
}

QString QuickHelp::informativeText() {
    return tr("For comprehensive help, select '%1 Help' from the 'Help' menu.")
        .arg(Constants::appName);
}

void QuickHelp::paintEvent(QPaintEvent* event) {
    // The image is read at the first paint, not when the window is built, so
    // it does not hold up the window's first appearance.
    if (!pixmap().isNull() || !isVisible()) return PointingFingerImageView::paintEvent(event);
    setPixmap(namedImage(QStringLiteral("help80")).pixmap(iconSize, iconSize));
    PointingFingerImageView::paintEvent(event);
}

void QuickHelp::quickHelpClicked() {
    helpUser(message(), informativeText(), window());
}

void QuickHelp::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            quickHelpClicked();
            return;
        default:
            PointingFingerImageView::keyPressEvent(event);
    }
}

}  // namespace dunok
