#include "app/Console.h"

#include <QCoreApplication>
#include <cstdio>

#include "app/CommandLine.h"

namespace dunok {

namespace {
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

int statusOf(const ControlClient::Reply& reply) {
    if (reply.ok) return ExitStatus::ok;
    switch (reply.error) {
        case RemoteError::NoSuchTimer:
        case RemoteError::Ambiguous:
            return ExitStatus::noSuchTimer;
        case RemoteError::AlreadyRunning:
        case RemoteError::NotRunning:
            return ExitStatus::wrongState;
        case RemoteError::InvalidArgument:
            return ExitStatus::usage;
        case RemoteError::BadFile:
            return ExitStatus::badFile;
        case RemoteError::None:
        case RemoteError::Failed:
            break;
    }
    return ExitStatus::unreachable;
}

}  // namespace

void printError(const QString& text) {
    std::fprintf(stderr, "dunok: %s\n", qPrintable(text));
}

void printLine(const QString& text) {
    std::fprintf(stdout, "%s\n", qPrintable(text));
}

int report(const ControlClient::Reply& reply) {
    if (!reply.ok) {
        if (reply.noReply)
            printError(Texts::tr("Dunok did not answer: %1").arg(reply.message));
        else
            printError(reply.message);
    }
    return statusOf(reply);
}

}  // namespace dunok
