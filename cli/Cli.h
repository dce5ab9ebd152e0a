#pragma once

#include "link/DeviceOperations.h"
#include "util/Result.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QStringList>

#include <any>
#include <functional>
#include <memory>
#include <vector>

namespace vantorel {

class DeviceLink;
class MidiBackend;
class Interrupts;

enum ExitStatus {
    kOk = 0,
    kNoAnswer = 1,
    kUsage = 2,
    kDataError = 3,
    kNotDone = 4, // the device reported a failure, a test failed, nothing was uploaded
    kDifferent = 5, // the device holds other data than the file or the write
    kInterrupted = 130
}; // SIGINT or SIGTERM: ended at a message boundary

// What vantorelctl says is in the language of the environment (LANGUAGE,
// LC_ALL, LC_MESSAGES, LANG), its texts translated in the context "vantorelctl"
// (QCoreApplication::translate spelt out, for lupdate): the messages on standard
// error and --help. What scripts read is English in every language: standard
// output (the command's result), --json documents and the exit status. A --json
// run speaks English on standard error too, so that the document's "error"
// (its last message) is the same in every language.

// Standard error: status texts, reports and messages (\r\n shown as line breaks).
void err(const QString& text);
// Standard output: the command's result.
void out(const QString& text);
// Standard output: the command's result as one JSON document (--json).
void outJson(const QJsonObject& document);
// --json: a failure that printed no document prints {"error": "<its last
// message>", "exit": N} instead. finishJson returns `status`.
void setJsonWanted(bool wanted);
int finishJson(int status);
// The link's counts ({"sent":..,"retried":..,"lost":..}) that outJson adds
// to its document as "link"; empty: none.
void setJsonLinkCounts(const QString& countsJson);
// A one-line progress bar on standard error, drawn only when standard error
// is a terminal; the next err() line or progressDone() clears it.
void progress(int done, int total, const QString& unit);
void progressDone();
// Whether SIGINT or SIGTERM arrived (Interrupts below).
bool interrupted();
// Reports a usage error and returns kUsage.
int usage(const QString& text);
int statusOf(OpResult result);
// A file a command is to write: kOk, or the problem reported (kUsage, kDataError).
int checkOutputFile(const QString& path);

struct CliContext {
    const QCommandLineParser& parser;
    QStringList args; // the command and its arguments
    DeviceLink* link = nullptr; // open ports; null while checking and for offline commands
    std::any checked; // what `check` prepared for `run` (a loaded file)
    bool json = false; // --json: print one JSON document
    MidiBackend* ports = nullptr; // every port, for commands that open their own (scan)
    Interrupts* interrupts = nullptr;
};

// One command of vantorelctl. `check` validates every argument before any port
// is opened (kOk to go on); `run` does the work.
struct CliCommand {
    QString name;
    std::function<int(CliContext&)> check;
    std::function<int(CliContext&)> run;
    bool offline = false; // needs no MIDI ports
    bool json = false; // prints its result as JSON with --json
    bool ownPorts = false; // opens ports itself (no --in/--out/--device-id)
};

// Options of every command, registered on the one parser.
struct CliOptions {
    QCommandLineOption noteOff{QStringLiteral("note-off"), QString(), QStringLiteral("on|off")};
    QCommandLineOption zeroOffset{QStringLiteral("zero-offset"), QString(), QStringLiteral("N")};
    QCommandLineOption uploadMode{QStringLiteral("mode"), QString(), QStringLiteral("newer|same-or-older"),
                                  QStringLiteral("newer")};
    QCommandLineOption verify{QStringLiteral("verify")};
    QCommandLineOption force{QStringLiteral("force")};
    QCommandLineOption twice{QStringLiteral("twice")};
    QCommandLineOption changesOnly{QStringLiteral("changes-only")};
    QCommandLineOption prune{QStringLiteral("prune")};
};
const CliOptions& options();

// Turns SIGINT and SIGTERM into interrupted(): the running operation is
// cancelled at its next message boundary and the program exits with
// kInterrupted after closing its ports. A second signal ends it at once.
class Interrupts : public QObject {
    Q_OBJECT
public:
    explicit Interrupts(QObject* parent = nullptr);
    ~Interrupts() override;
signals:
    void interrupted();

private:
    void onSignal();
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

std::vector<CliCommand> scanCommands(); // scan
// Scans every port pair of c.ports for devices, with a progress bar;
// `cancelled` when interrupted.
struct FoundDevice;
std::vector<FoundDevice> scanAllPorts(CliContext& c, bool& cancelled);
// DeviceScan::confirm on c.ports, cancelled by an interrupt: empty when confirmed.
Result<void> confirmPair(CliContext& c, const FoundDevice& device);
std::vector<CliCommand> deviceCommands(); // identify, restart, clear, options, raw
std::vector<CliCommand> firmwareCommands(); // "firmware info", ...: two-word names
std::vector<CliCommand> firmwareUploadCommands(); // "firmware upload", iface-test, set-id
std::vector<CliCommand> modesCommands(); // modes read|write|count|reset
std::vector<CliCommand> channelsCommands(); // "channels read", "channels write", "channels diff"
std::vector<CliCommand> backupCommands(); // backup, restore

} // namespace vantorel
