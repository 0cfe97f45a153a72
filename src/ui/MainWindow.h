// The main window: the timer list as its content, the menu bar, and the
// memory of its size and place ("mainWindow").
#pragma once

#include <QMainWindow>
#include <memory>

class QTimer;

namespace dunok {

class TimerStore;

class PreferenceStore;
class Preferences;
class SharedPlayer;
class ViewController;
class WindowActivation;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    static inline const QString frameAutosaveName = QStringLiteral("mainWindow");

    // prefs, with its file, is the program's for the whole run: the window
    // keeps its frame in the same file. player is what its sounds play through.
    // The window shows and changes the timers of store.
    MainWindow(Preferences& prefs, SharedPlayer& player, TimerStore& store,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    ViewController* viewController() const { return viewController_; }
    // Stores the window's size and place under its autosave name.
    void saveFrame();
    // Shows the window in front of the others, also when it was closed or
    // minimised.
    void bringToFront();

signals:
    void quitRequested();
    // The Help menu's commands, answered by the application.
    void helpRequested();
    void websiteRequested();
    // The window has been drawn for the first time: work that the first
    // sight of the list does not need can start now.
    void firstPainted();
    // The user closed the window (the program goes on without it).
    void closed();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void windowDidLoad();
    QString frameKey() const;

    PreferenceStore& prefs_;
    ViewController* viewController_ = nullptr;
    bool painted_ = false;
    // A second after the user last moved or resized the window, its frame is
    // stored: a session that ends without a proper quit keeps it too.
    QTimer* frameSaver_ = nullptr;
    std::unique_ptr<WindowActivation> activation_;
};

}  // namespace dunok
