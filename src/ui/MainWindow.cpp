#include "ui/MainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QShowEvent>
#include <QTimer>

#include "desktop/WindowActivation.h"
#include "domain/PreferenceStore.h"
#include "domain/TimerEngine.h"
#include "ui/QuitKey.h"
#include "ui/TimerActions.h"
#include "ui/TimerTableView.h"
#include "ui/TimerToolbar.h"
#include "ui/ViewController.h"

namespace dunok {

MainWindow::MainWindow(Preferences& prefs, SharedPlayer& player, TimerStore& store, QWidget* parent)
    : QMainWindow(parent), prefs_(*prefs.store()) {
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("Dunok"));
    frameSaver_ = new QTimer(this);
    frameSaver_->setSingleShot(true);
    frameSaver_->setInterval(1000);
    connect(frameSaver_, &QTimer::timeout, this, &MainWindow::saveFrame);
    viewController_ = new ViewController(prefs, player, store, this);
    setCentralWidget(viewController_);
    const TimerActions& actions = *viewController_->actions();
    const auto item = [&actions](Command command) { return actions.action(command); };
    auto* toolbar = new TimerToolbar(actions, this);
    addToolBar(Qt::TopToolBarArea, toolbar);
    viewController_->setToolbar(toolbar);
    connect(viewController_->engine(), &TimerEngine::bringToFrontRequested, this,
            &MainWindow::bringToFront);
    // Not before the window is there to carry it.
    connect(this, &MainWindow::firstPainted, viewController_,
            &ViewController::tellPreferenceTrouble);

    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addActions(
        {item(Command::NewTimer), item(Command::AddMultiple), item(Command::EditTimer)});
    file->addSeparator();
    file->addActions({item(Command::ImportTimers), item(Command::ExportTimers)});
    file->addSeparator();
    file->addAction(item(Command::Preferences));
    file->addSeparator();
    file->addAction(item(Command::Quit));
    connect(item(Command::Quit), &QAction::triggered, this, &MainWindow::quitRequested);
    connect(new QuitKey(this), &QuitKey::pressed, this, &MainWindow::quitRequested);

    // Every engine command is also a menu entry with a key, so the timers can
    // be run from the keyboard.
    QMenu* timer = menuBar()->addMenu(tr("&Timer"));
    timer->addActions({item(Command::StartStop), item(Command::PauseResume)});
    timer->addSeparator();
    timer->addActions({item(Command::Duplicate), item(Command::Delete)});
    timer->addSeparator();
    timer->addActions({item(Command::Reset), item(Command::Silence)});

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addActions({item(Command::Help), item(Command::Website)});
    connect(item(Command::Help), &QAction::triggered, this, &MainWindow::helpRequested);
    connect(item(Command::Website), &QAction::triggered, this, &MainWindow::websiteRequested);

    windowDidLoad();
}

MainWindow::~MainWindow() = default;

QString MainWindow::frameKey() const {
    return QStringLiteral("windowFrames/") + frameAutosaveName;
}

void MainWindow::windowDidLoad() {
    resize(540, 640);
    const QByteArray frame = prefs_.rawValue(frameKey()).toByteArray();
    if (!frame.isEmpty()) restoreGeometry(frame);
}

void MainWindow::bringToFront() {
    show();
    setWindowState(windowState() & ~Qt::WindowMinimized);
    if (!activation_) activation_ = std::make_unique<WindowActivation>();
    activation_->request(this);
}

void MainWindow::saveFrame() {
    frameSaver_->stop();
    prefs_.setValue(frameKey(), saveGeometry());
    prefs_.synchronize();
}

bool MainWindow::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::Paint && !painted_) {
        painted_ = true;
        // Queued, so that it comes after this paint has reached the screen.
        QTimer::singleShot(0, this, &MainWindow::firstPainted);
    }
    return handled;
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // A window brought back from being minimised was never gone for the list.
    if (event->spontaneous()) return;
    viewController_->viewWillAppear();
    viewController_->viewDidAppear();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    if (event->isAccepted()) emit closed();
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (isVisible()) frameSaver_->start();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (isVisible()) frameSaver_->start();
}

void MainWindow::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    if (event->spontaneous()) return;
    saveFrame();
    viewController_->viewDidDisappear();
}

}  // namespace dunok
