#include "mainwindow/MainWindow.h"

#include <QAction>
#include <QMenuBar>
#include <QShowEvent>

#include "mainwindow/ViewController.h"
#include "platform/PreferenceStore.h"

namespace dunok {

MainWindow::MainWindow(PreferenceStore& prefs, QWidget* parent)
    : QMainWindow(parent), prefs_(prefs) {
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("Dunok"));
    viewController_ = new ViewController(prefs, this);
    setCentralWidget(viewController_);

    QMenu* file = menuBar()->addMenu(tr("&File"));
    QAction* quit = file->addAction(tr("&Quit"));
    quit->setObjectName(QStringLiteral("miQuit"));
    quit->setShortcut(QKeySequence::Quit);
    quit->setShortcutContext(Qt::ApplicationShortcut);
    quit->setMenuRole(QAction::QuitRole);
    connect(quit, &QAction::triggered, this, &MainWindow::quitRequested);

    windowDidLoad();
}

QString MainWindow::frameKey() const {
    return QStringLiteral("windowFrames/") + frameAutosaveName;
}

void MainWindow::windowDidLoad() {
    resize(460, 640);
    const QByteArray frame = prefs_.rawValue(frameKey()).toByteArray();
    if (!frame.isEmpty()) restoreGeometry(frame);
}

void MainWindow::saveFrame() {
    prefs_.setValue(frameKey(), saveGeometry());
    prefs_.synchronize();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // A window brought back from being minimised was never gone for the list.
    if (event->spontaneous()) return;
    viewController_->viewWillAppear();
    viewController_->viewDidAppear();
}

void MainWindow::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    if (event->spontaneous()) return;
    saveFrame();
    viewController_->viewDidDisappear();
}

}  // namespace dunok
