// Turns SIGTERM and SIGINT (logout, kill, Ctrl+C) into a Qt signal on the GUI
// thread, so that they run the same orderly quit as the menu.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace dunok {

class UnixSignals : public QObject {
    Q_OBJECT
public:
    explicit UnixSignals(QObject* parent = nullptr);
    ~UnixSignals() override;

    // Whether SIGTERM or SIGINT arrived since the last UnixSignals was made,
    // even if the event loop has not delivered it yet, or is waiting to be
    // taken by a thread. Safe from an exit handler.
    static bool terminationArrived();

signals:
    void terminationRequested(int signalNumber);

private:
    void readSignal();
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace dunok
