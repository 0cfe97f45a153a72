// What the command line's commands print: results on standard output, every
// complaint on standard error, and the exit status a bus answer stands for.
#pragma once

#include <QString>

#include "desktop/ControlClient.h"

namespace dunok {

void printError(const QString& text);
void printLine(const QString& text);
// Prints what went wrong with the call, if anything; returns its exit status.
int report(const ControlClient::Reply& reply);

}  // namespace dunok
