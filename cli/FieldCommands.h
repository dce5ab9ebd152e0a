#pragma once

#include "cli/Cli.h"

#include <QCommandLineOption>
#include <QList>

namespace vantorel {

// learn --from PORT, send note|cc ..., channels patch FILE FIXTURE ... (fieldCommands.cpp).
std::vector<CliCommand> fieldCommands();
// Their options (--from, --off-after, --start, --name), registered on the one parser.
QList<QCommandLineOption> fieldCommandOptions();
// An option of these commands given to another command: the usage error; kOk otherwise.
int checkFieldCommandOptions(const QCommandLineParser& parser, const QString& command);

} // namespace vantorel
