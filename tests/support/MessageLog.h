// Collects what the program writes to its console (qDebug, qWarning, ...)
// while it lives, so tests can check the texts users and developers read.
#pragma once

#include <QStringList>
#include <QtMessageHandler>

namespace dunok::testing {

class MessageLog {
public:
    MessageLog();
    ~MessageLog();
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;

    QStringList messages() const;
    int countStartingWith(const QString& prefix) const;
    bool contains(const QString& text) const;

private:
    QtMessageHandler previous_;
};

}  // namespace dunok::testing
