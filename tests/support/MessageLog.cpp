#include "support/MessageLog.h"

namespace dunok::testing {

namespace {
QStringList* current = nullptr;
QtMessageHandler forward = nullptr;

void collect(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (current) current->append(message);
    if (forward) forward(type, context, message);
}
}  // namespace

MessageLog::MessageLog() {
    current = new QStringList;
    previous_ = qInstallMessageHandler(collect);
    forward = previous_;
}

MessageLog::~MessageLog() {
    qInstallMessageHandler(previous_);
    delete current;
    current = nullptr;
    forward = nullptr;
}

QStringList MessageLog::messages() const {
    return current ? *current : QStringList();
}

int MessageLog::countStartingWith(const QString& prefix) const {
    int n = 0;
    for (const QString& m : messages())
        if (m.startsWith(prefix)) ++n;
    return n;
}

bool MessageLog::contains(const QString& text) const {
    for (const QString& m : messages())
        if (m.contains(text)) return true;
    return false;
}

}  // namespace dunok::testing
