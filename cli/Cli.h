#pragma once

#include "link/DeviceOperations.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <any>
#include <functional>
#include <vector>

namespace vantorel {

class DeviceLink;

enum ExitStatus { kOk = 0, kNoAnswer = 1, kUsage = 2, kDataError = 3,
                  kNotDone = 4,    // the device reported a failure, a test failed, nothing was uploaded
                  kDifferent = 5 }; // the device holds other data than the file or the write

// Standard error: status texts, reports and messages (\r\n shown as line breaks).
void err(const QString& text);
// Standard output: the command's result.
void out(const QString& text);
// Reports a usage error and returns kUsage.
int usage(const QString& text);
int statusOf(OpResult result);
// A file a command is to write: kOk, or the problem reported (kUsage, kDataError).
int checkOutputFile(const QString& path);

struct CliContext {
    const QCommandLineParser& parser;
    QStringList args;              // the command and its arguments
    DeviceLink* link = nullptr;    // open ports; null while checking and for offline commands
    std::any checked;              // what `check` prepared for `run` (a loaded file)
};

// One command of vantorelctl. `check` validates every argument before any port
// is opened (kOk to go on); `run` does the work.
struct CliCommand {
    QString name;
    std::function<int(CliContext&)> check;
    std::function<int(CliContext&)> run;
    bool offline = false;          // needs no MIDI ports
};

// Options of every command, registered on the one parser.
struct CliOptions {
    QCommandLineOption noteOff{QStringLiteral("note-off"), QString(), QStringLiteral("on|off")};
    QCommandLineOption zeroOffset{QStringLiteral("zero-offset"), QString(), QStringLiteral("N")};
    QCommandLineOption uploadMode{QStringLiteral("mode"), QString(), QStringLiteral("newer|same-or-older"),
                                  QStringLiteral("newer")};
    QCommandLineOption verify{QStringLiteral("verify")};
    QCommandLineOption force{QStringLiteral("force")};
};
const CliOptions& Options();

std::vector<CliCommand> DeviceCommands();   // identify, restart, clear, options, raw
std::vector<CliCommand> FirmwareCommands(); // "firmware info", ...: two-word names
std::vector<CliCommand> FirmwareUploadCommands(); // "firmware upload", iface-test, set-id
std::vector<CliCommand> ModesCommands();    // modes read|write|count|reset
std::vector<CliCommand> ChannelsCommands(); // "channels read", "channels write", "channels diff"
std::vector<CliCommand> BackupCommands();   // backup, restore

} // namespace vantorel
