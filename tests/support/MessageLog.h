// Collects what the program writes to its console (qDebug, qWarning, ...)
// while it lives, so tests can check the texts users and developers read.
#pragma once

#include <QStringList>
#include <QtMessageHandler>
#include <algorithm>

namespace dunok::testing {

class MessageLog {
public:
    MessageLog() : previous_(qInstallMessageHandler(collect)) { current() = this; }
    ~MessageLog() {
        qInstallMessageHandler(previous_);
        current() = nullptr;
    }
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;

    QStringList messages() const { return messages_; }
    int countStartingWith(const QString& prefix) const {
        return int(std::count_if(messages_.begin(), messages_.end(),
                                 [&](const QString& m) { return m.startsWith(prefix); }));
    }
    bool contains(const QString& text) const {
        return std::any_of(messages_.begin(), messages_.end(),
                           [&](const QString& m) { return m.contains(text); });
    }

private:
    static MessageLog*& current() {
        static MessageLog* log = nullptr;
        return log;
    }
    static void collect(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (MessageLog* log = current()) {
            log->messages_.append(text);
            if (log->previous_) log->previous_(type, context, text);
        }
    }

    QtMessageHandler previous_;
    QStringList messages_;
};

}  // namespace dunok::testing
