// The Help menu's two commands: the user guide in the desktop's PDF viewer,
// and the product website in the browser.
#pragma once

#include <QList>
#include <QLocale>
#include <QObject>
#include <QUrl>
#include <functional>

class QProcess;
class QWidget;

#include "desktop/ResourceFolder.h"

namespace dunok {

// The guide in the first of locale's languages that has one ("help_pt_BR.pdf",
// "help_de.pdf"), else the English "help.pdf"; empty when there is none.
QString helpDocument(const QString& folder, const QLocale& locale);

class HelpCommands : public QObject {
    Q_OBJECT
public:
    // resources: the folder that holds help.pdf.
    explicit HelpCommands(QString resources = resourceFolder(), QObject* parent = nullptr);
    // Stops waiting for the desktop's answers; what it opened stays open.
    ~HelpCommands() override;

    // Opens the guide of the resource folder in the user's language (see
    // helpDocument); a missing document or a desktop that cannot show it is
    // reported in an error alert over parent.
    void showHelp(QWidget* parent = nullptr);
    // Opens Constants::website; a failure is reported in an error alert.
    void showWebsite(QWidget* parent = nullptr);

signals:
    // The desktop has answered for url: opened, or not (and the user told).
    void answered(const QUrl& url, bool opened);

private:
    QString resources_;
    void open(const QUrl& url, QWidget* parent, std::function<void(QWidget*)> failed);

    QList<QProcess*> waiting_;
};

}  // namespace dunok
