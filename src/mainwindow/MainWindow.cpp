#include "mainwindow/MainWindow.h"

#include <QAction>
#include <QMenuBar>
#include <QShowEvent>
#include <QTimer>

#include "engine/TimerEngine.h"
#include "mainwindow/QuitKey.h"
#include "mainwindow/TimerTableView.h"
#include "mainwindow/TimerToolbar.h"
#include "mainwindow/ViewController.h"
#include "platform/PreferenceStore.h"
#include "platform/WindowActivation.h"

namespace dunok {

MainWindow::MainWindow(PreferenceStore& prefs, QWidget* parent)
    : QMainWindow(parent), prefs_(prefs) {
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("Dunok"));
    frameSaver_ = new QTimer(this);
    frameSaver_->setSingleShot(true);
    frameSaver_->setInterval(1000);
    connect(frameSaver_, &QTimer::timeout, this, &MainWindow::saveFrame);
    viewController_ = new ViewController(prefs, this);
    setCentralWidget(viewController_);
    auto* toolbar = new TimerToolbar(this);
    addToolBar(Qt::TopToolBarArea, toolbar);
    viewController_->setToolbar(toolbar);
    connect(viewController_->engine(), &TimerEngine::bringToFrontRequested, this,
            &MainWindow::bringToFront);
    // Not before the window is there to carry it.
    connect(this, &MainWindow::firstPainted, viewController_,
            &ViewController::tellPreferenceTrouble);

    QMenu* file = menuBar()->addMenu(tr("&File"));
    const auto command = [this](QMenu* menu, const QString& name, const QString& title,
                                const QKeySequence& key, void (ViewController::*slot)()) {
        QAction* action = menu->addAction(title);
        action->setObjectName(name);
        action->setShortcut(key);
        connect(action, &QAction::triggered, viewController_, slot);
        return action;
    };
    command(file, QStringLiteral("miNewTimer"), tr("&New Timer..."), QKeySequence::New,
            &ViewController::addTimer);
    command(file, QStringLiteral("miAddMultiple"), tr("Add &Multiple Timers..."),
            QKeySequence(tr("Ctrl+Shift+N")), &ViewController::addMultipleTimers);
    QAction* editTimer = command(file, QStringLiteral("miEditTimer"), tr("&Edit Timer..."),
                                 QKeySequence(tr("Ctrl+E")), &ViewController::editTimer);
    file->addSeparator();
    command(file, QStringLiteral("miPreferences"), tr("&Preferences..."),
            QKeySequence(tr("Ctrl+,")), &ViewController::showPreferences)
        ->setMenuRole(QAction::PreferencesRole);
    file->addSeparator();
    QAction* quit = file->addAction(tr("&Quit"));
    quit->setObjectName(QStringLiteral("miQuit"));
    quit->setShortcut(QuitKey::sequence());
    quit->setShortcutContext(Qt::ApplicationShortcut);
    quit->setMenuRole(QAction::QuitRole);
    connect(quit, &QAction::triggered, this, &MainWindow::quitRequested);
    connect(new QuitKey(this), &QuitKey::pressed, this, &MainWindow::quitRequested);

    // Every engine command is also a menu entry with a key, so the timers can
    // be run from the keyboard.
    QMenu* timer = menuBar()->addMenu(tr("&Timer"));
    // Return and Space are the list's keys: a focused button or the help
    // label keeps them for itself.
    QAction* startStop =
        command(timer, QStringLiteral("miStartStop"), tr("&Start or Stop"),
                QKeySequence(Qt::Key_Return), &ViewController::tableViewDoubleClick);
    for (QAction* listKey :
         {startStop, command(timer, QStringLiteral("miPauseResume"), tr("&Pause or Resume"),
                             QKeySequence(Qt::Key_Space), &ViewController::miPauseClicked)}) {
        listKey->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        viewController_->myTable()->addAction(listKey);
    }
    timer->addSeparator();
    command(timer, QStringLiteral("miDuplicateTimer"), tr("&Duplicate"), QKeySequence(tr("Ctrl+D")),
            &ViewController::menuDuplicateTimerPressed);
    QAction* remove = command(timer, QStringLiteral("miDeleteTimers"), tr("De&lete..."),
                              QKeySequence(QKeySequence::Delete), &ViewController::deleteTimers);
    viewController_->setTimerCommands(startStop, editTimer, remove);
    timer->addSeparator();
    command(timer, QStringLiteral("miReset"), tr("Stop &All Timers"), QKeySequence(tr("Ctrl+.")),
            &ViewController::resetAlerts);
    command(timer, QStringLiteral("miSilence"), tr("S&ilence Alarm"),
            QKeySequence(tr("Ctrl+Shift+S")), &ViewController::silence);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    QAction* helpAction = help->addAction(tr("Dunok Help"));
    helpAction->setObjectName(QStringLiteral("miHelp"));
    helpAction->setShortcut(QKeySequence::HelpContents);
    connect(helpAction, &QAction::triggered, this, &MainWindow::helpRequested);
    QAction* website = help->addAction(tr("Dunok Website"));
    website->setObjectName(QStringLiteral("miWebsite"));
    connect(website, &QAction::triggered, this, &MainWindow::websiteRequested);

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
