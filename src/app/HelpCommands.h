// The Help menu's two commands: the user guide in the desktop's PDF viewer,
// and the product website in the browser.
#pragma once

#include <QUrl>
#include <functional>

class QWidget;

namespace dunok {

// Hands a document or web address to the user's default application; false
// when the desktop could not open it.
using UrlOpener = std::function<bool(const QUrl&)>;

// Replaces the desktop's opener (tests make it fail); an empty function puts
// the desktop's back.
void setUrlOpener(UrlOpener opener);

// Opens "help.pdf" of the resource folder; a missing document or a desktop
// that cannot show it is reported in an error alert over parent.
void showHelp(QWidget* parent = nullptr);
// Opens Constants::website; a failure is reported in an error alert.
void showWebsite(QWidget* parent = nullptr);

}  // namespace dunok
