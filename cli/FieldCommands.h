#pragma once

#include "cli/Cli.h"

#include <QCommandLineOption>
#include <QList>

namespace vantorel {

// learn --from PORT, send note|cc ..., channels patch FILE FIXTURE ... (FieldCommands.cpp).
std::vector<CliCommand> FieldCommands();
// Their options (--from, --off-after, --start, --name), registered on the one parser.
QList<QCommandLineOption> FieldCommandOptions();
// An option of these commands given to another command: the usage error; kOk otherwise.
int CheckFieldCommandOptions(const QCommandLineParser& parser, const QString& command);

} // namespace vantorel
