#include "desktop/DBusControl.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>

#include "desktop/SingleInstance.h"

namespace dunok {

QString DBusControl::errorName(RemoteError error) {
    switch (error) {
        case RemoteError::None:
            return {};
        case RemoteError::NoSuchTimer:
            return QStringLiteral("NoSuchTimer");
        case RemoteError::Ambiguous:
            return QStringLiteral("Ambiguous");
        case RemoteError::AlreadyRunning:
            return QStringLiteral("AlreadyRunning");
        case RemoteError::NotRunning:
            return QStringLiteral("NotRunning");
        case RemoteError::InvalidArgument:
            return QStringLiteral("InvalidArgument");
        case RemoteError::BadFile:
            return QStringLiteral("BadFile");
        case RemoteError::Failed:
            break;
    }
    return QStringLiteral("Failed");
}

RemoteError DBusControl::errorOf(const QString& dbusErrorName) {
    for (RemoteError error :
         {RemoteError::NoSuchTimer, RemoteError::Ambiguous, RemoteError::AlreadyRunning,
          RemoteError::NotRunning, RemoteError::InvalidArgument, RemoteError::BadFile})
        if (dbusErrorName == errorPrefix + errorName(error)) return error;
    return RemoteError::Failed;
}

DBusControl::DBusControl(QObject* parent) : QObject(parent) {
    qDBusRegisterMetaType<RemoteTimer>();
    qDBusRegisterMetaType<QList<RemoteTimer>>();
    qDBusRegisterMetaType<RemoteListedTimer>();
    qDBusRegisterMetaType<QList<RemoteListedTimer>>();
}

void DBusControl::sendSignal(const QString& name, const QVariant& argument) {
    QDBusMessage message =
        QDBusMessage::createSignal(SingleInstance::objectPath, SingleInstance::serviceName, name);
    message << argument;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected()) bus.send(message);
}

void DBusControl::noteStarted(const QString& name) {
    sendSignal(QStringLiteral("TimerStarted"), name);
}

void DBusControl::noteFinished(const QString& name) {
    sendSignal(QStringLiteral("TimerFinished"), name);
}

void DBusControl::noteRunningCount(int count) {
    if (count == lastCount_) return;
    lastCount_ = count;
    sendSignal(QStringLiteral("RunningCountChanged"), count);
}

void DBusControl::reply(const RemoteResult& result) {
    if (result.error != RemoteError::None && calledFromDBus())
        sendErrorReply(errorPrefix + errorName(result.error), result.message);
}

bool DBusControl::ready() {
    if (commands_) return true;
    reply({RemoteError::Failed,
           QCoreApplication::translate("DBusControl", "Dunok is still starting.")});
    return false;
}

void DBusControl::Start(const QString& name) {
    if (ready()) reply(commands_->start(name));
}

QString DBusControl::StartDuration(const QString& name, qlonglong seconds, bool save) {
    if (!ready()) return {};
    const RemoteResult result = commands_->startDuration(name, seconds, save);
    reply(result);
    return result.started;
}

void DBusControl::Stop(const QString& name) {
    if (ready()) reply(commands_->stop(name));
}

void DBusControl::Pause(const QString& name) {
    if (ready()) reply(commands_->pause(name));
}

void DBusControl::Resume(const QString& name) {
    if (ready()) reply(commands_->resume(name));
}

qlonglong DBusControl::AddTime(const QString& name, qlonglong seconds) {
    if (!ready()) return 0;
    qint64 left = 0;
    reply(commands_->addTime(name, seconds, &left));
    return left;
}

void DBusControl::StopAll() {
    if (ready()) commands_->stopAll();
}

void DBusControl::Silence() {
    if (ready()) commands_->silence();
}

QList<RemoteTimer> DBusControl::List() {
    return ready() ? commands_->list() : QList<RemoteTimer>();
}

QList<RemoteListedTimer> DBusControl::Listing() {
    QList<RemoteListedTimer> listed;
    if (ready())
        for (const RemoteTimer& timer : commands_->list()) listed << RemoteListedTimer{timer};
    return listed;
}

void DBusControl::Show() {
    if (ready()) commands_->show();
}

void DBusControl::NewTimer() {
    if (ready()) commands_->newTimer();
}

void DBusControl::Reopen() {
    emit reopenRequested();
}

QByteArray DBusControl::ExportTimers(int& count) {
    count = 0;
    QByteArray file;
    if (ready()) reply(commands_->exportTimers(&file, &count));
    return file;
}

int DBusControl::ImportTimers(const QByteArray& file, QString& summary) {
    int count = 0;
    if (ready()) reply(commands_->importTimers(file, &count, &summary));
    return count;
}

QDBusArgument& operator<<(QDBusArgument& argument, const RemoteTimer& timer) {
    argument.beginStructure();
    argument << timer.description << timer.state << timer.secondsLeft;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, RemoteTimer& timer) {
    argument.beginStructure();
    argument >> timer.description >> timer.state >> timer.secondsLeft;
    argument.endStructure();
    return argument;
}

QDBusArgument& operator<<(QDBusArgument& argument, const RemoteListedTimer& timer) {
    argument.beginStructure();
    argument << timer.description << timer.state << timer.secondsLeft << timer.round;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, RemoteListedTimer& timer) {
    argument.beginStructure();
    argument >> timer.description >> timer.state >> timer.secondsLeft >> timer.round;
    argument.endStructure();
    return argument;
}

}  // namespace dunok
