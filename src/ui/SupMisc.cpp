#include "ui/SupMisc.h"

#include <QCoreApplication>
#include <QMouseEvent>

#include "domain/Constants.h"
#include "ui/MessageBox.h"

namespace dunok {

namespace {
void warn(const QString& title, const QString& message, const QString& informative,
          const QString& iconImage, QWidget* parent) {
    AlertSpec spec;
    spec.icon = QMessageBox::Warning;
    spec.windowTitle = title;
    spec.message = message;
    spec.informativeText = informative;
    spec.buttons = {QCoreApplication::translate("SupMisc", "OK")};
    spec.iconImage = iconImage;
    MessageBox::runModal(spec, parent);
}
}  // namespace

void msgUser(const QString& message, const QString& informative, QWidget* parent) {
    warn(Constants::appName, message, informative, QString(), parent);
}

void errUser(const QString& message, const QString& informative, QWidget* parent) {
    warn(QCoreApplication::translate("SupMisc", "Error"), message, informative, QString(), parent);
}

void helpUser(const QString& message, const QString& informative, QWidget* parent) {
    warn(QCoreApplication::translate("SupMisc", "%1 Quick Help").arg(Constants::appName), message,
         informative, QStringLiteral("help80"), parent);
}

PointingFingerImageView::PointingFingerImageView(QWidget* parent) : QLabel(parent) {
    setCursor(Qt::PointingHandCursor);
}

void PointingFingerImageView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit clicked();
    QLabel::mousePressEvent(event);
}

}  // namespace dunok
