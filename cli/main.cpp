// vantorelctl: the device operations of the control center for scripts and service work.

#include "link/DeviceLink.h"
#include "link/DeviceScan.h"
#include "cli/Cli.h"
#include "cli/FieldCommands.h"
#include "emulator/inprocess/EmulatorBackend.h"
#include "midi/MidiBackend.h"
#include "util/Utils.h"
#include "util/qt/Translations.h"
#include "util/qt/TextConversions.h"

#include <QCoreApplication>
#include <QJsonArray>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>

using namespace vantorel;

namespace {

const char* const kHelp = QT_TRANSLATE_NOOP("vantorelctl", R"(Usage: vantorelctl [OPTIONS] COMMAND [ARGUMENTS]

Talks to a VANTOREL MIDI-to-DMX512 converter over MIDI.

Commands:
  ports                         list the MIDI input and output ports
  scan                          find every device on every port pair at once (at most
                                2.5 s; a device answering within 2000 ms is found);
                                one line per device: input port, output port,
                                device type, device ID, firmware date (tab-separated)
  identify                      read the device type, ID and build dates
  restart                       restart the device
  clear                         clear the user data (channel table) in the device
  options                       read the Note Off setting and the CC zero value offset
  options --note-off on|off     set whether the predefined modes act on Note Off
  options --zero-offset N       set the CC zero value offset (0..10)
  raw LETTER [PAYLOAD-HEX]      send one command and print every message received
                                until 2 s pass without input
  firmware info FILE            decrypt a firmware file (*.bix) and print its type,
                                build date, image size and image SHA-256 (no device)
  firmware upload FILE [--mode newer|same-or-older]
                                put a Basic or Eco device into its bootloader (a Pro
                                is put there with its mode switch), wait for the
                                bootloader and upload the file if the device's
                                firmware is older (default) or the same or newer
  iface-test                    run one interface test with the bootloader
  set-id N                      write the device ID N (0..4294967295) and wait for
                                the device to restart
  channels read [FILE] [--twice]
                                read the User Mode channel table from the device and
                                write it as a channel settings file (CSV) to FILE or
                                to standard output; the read ends when the device
                                falls silent: 8 times its mean gap between channels
                                (0.1 to 2 s) after the last one; --twice reads it
                                until two reads agree (at most 3) and writes nothing
                                otherwise
  channels write FILE [--verify]
                                write the channels of a channel settings file (CSV)
                                to the device, one acknowledged channel at a time;
                                --verify reads them back and compares them with
                                what was sent (differences on standard output);
                                channels that differ are written again, up to 3
                                times, before a difference is reported
  channels write FILE --changes-only [--prune]
                                read the device's channels, write only those that
                                differ from the file, then verify as --verify does;
                                channels the device holds that the file lacks are
                                named and left alone, unless --prune clears the
                                device and writes the whole file
  channels diff FILE            compare a channel settings file with the device's
                                channels (descriptions are not compared); the
                                differences go to standard output
  channels patch FILE FIXTURE --start N --name TEXT [--mode NAME] [--force]
                                describe the channels of a fixture definition file
                                (*.qxf) in a channel settings file: the mode's
                                channels from DMX channel N on get the descriptions
                                "TEXT <channel name>", missing rows are added with
                                the default data (no device); --mode chooses the
                                fixture's mode (needed when it has several);
                                --force overwrites other descriptions
  learn --from PORT             listen to a controller's MIDI input port and print
                                the row its gesture programs (MIDI channel, Note On
                                or Control Change, lowest and highest number, data
                                type Velocity when more than two values came); the
                                gesture ends 1.5 s after its last message, or 10 s
                                without one
  send note|cc CHANNEL NUMBER VALUE [--off-after MS]
                                send a Note On (or a Control Change) to the device;
                                --off-after sends the Note Off (or the controller
                                at 0) MS milliseconds later
  backup FILE                   save everything the device holds (identity, options,
                                Basic/Eco modes, channel table) to a backup file (JSON);
                                the channel table is read until two reads agree (at
                                most 3), otherwise nothing is saved
  restore FILE [--verify] [--force]
                                check the whole backup file, then write its options,
                                modes and channels to the device (the device's
                                channels are cleared first); --verify reads everything
                                back and compares; --force restores to a device of
                                another edition than the backup's
  modes read                    print the Basic/Eco modes stored in the device and
                                their number
  modes write SLOT:TYPE:CHANNEL:NOTE ...
                                store modes (slot 1..5, mode type 0..15, MIDI channel
                                1..16, note 0..127); a channel or note that the mode
                                type does not use is sent as channel 1 or note 0
  modes count N                 set the number of Basic/Eco modes (1..5)
  modes reset                   reset the device's Basic/Eco modes to its defaults

Options:
  --backend auto|alsa|jack      MIDI system (default auto: ALSA when its sequencer
                                opens, otherwise a running JACK server)
  --emulator                    add the built-in emulated device ("VANTOREL Emulator")
                                in front of the port lists
  --emulator-type P|B|E         edition of the emulated device (default P)
  --in NAME                     MIDI input port, exact name (default: the first)
  --out NAME                    MIDI output port, exact name (default: the first)
  --device-id N                 use the port pair of the device with ID N (found by
                                a scan and confirmed by one more identification on
                                that pair; instead of --in and --out)
  --json                        print the result as one JSON document (ports, scan,
                                identify, options, modes read, firmware info,
                                learn); a failure prints {"error": "...", "exit": N}
  --verbose                     after each device operation, print on standard error
                                how many messages were sent, retried and lost
  -h, --help                    show this help
  -v, --version                 show the version

Status texts and device reports go to standard error; when it is a terminal,
long operations also draw a progress bar there. Ctrl+C (SIGINT) or SIGTERM ends
an operation at the next whole message, reports what the device holds and
closes the ports.
Exit status: 0 success, 1 no answer from the device, 2 usage error or bad argument,
3 file or data error, 4 the device reported a failure, the test failed or nothing
was uploaded, 5 the device holds other data than the file or the write,
130 interrupted.
)");

int listPorts(CliContext& c)
{
    QStringList inputs, outputs;
    for (const auto& name : c.ports->inputPortNames())
        inputs << QString::fromStdString(name);
    for (const auto& name : c.ports->outputPortNames())
        outputs << QString::fromStdString(name);
    if (c.json) {
        outJson(QJsonObject{{QStringLiteral("inputs"), QJsonArray::fromStringList(inputs)},
                            {QStringLiteral("outputs"), QJsonArray::fromStringList(outputs)}});
        return kOk;
    }
    out(QStringLiteral("Inputs:"));
    for (const QString& name : inputs)
        out(QStringLiteral("  ") + name);
    out(QStringLiteral("Outputs:"));
    for (const QString& name : outputs)
        out(QStringLiteral("  ") + name);
    return kOk;
}

// The progress of the link's operations on the progress bar; cancelled by
// SIGINT and SIGTERM.
void followOperations(DeviceLink& link, Interrupts& interrupts)
{
    QObject::connect(&link, &DeviceLink::progressChanged, &link,
                     [](int done, int total, const QString& unit) { progress(done, total, unit); });
    QObject::connect(&link, &DeviceLink::busyChanged, &link, [](bool busy) {
        if (!busy)
            progressDone();
    });
    QObject::connect(&interrupts, &Interrupts::interrupted, &link, &DeviceLink::requestCancel);
}

std::vector<CliCommand> allCommands()
{
    std::vector<CliCommand> commands;
    CliCommand ports{QStringLiteral("ports"),
                     [](CliContext& c) {
                         return c.args.size() > 1
                             ? usage(QCoreApplication::translate("vantorelctl", "'ports' takes no arguments."))
                             : kOk;
                     },
                     listPorts};
    ports.json = true;
    ports.ownPorts = true;
    commands.push_back(ports);
    for (auto list : {scanCommands(), deviceCommands(), channelsCommands(), modesCommands(), firmwareCommands(),
                      firmwareUploadCommands(), backupCommands(), fieldCommands()})
        commands.insert(commands.end(), list.begin(), list.end());
    return commands;
}

} // namespace

static int runProgram(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vantorelctl"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VANTOREL_VERSION));
    installTranslations(
        languageForUiLanguages(toQStringList(messageLanguages([](const char* name) { return std::getenv(name); }))));

    QCommandLineParser parser;
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption versionOption({QStringLiteral("v"), QStringLiteral("version")}, QString());
    const QCommandLineOption backendOption(QStringLiteral("backend"), QString(), QStringLiteral("API"),
                                           QStringLiteral("auto"));
    const QCommandLineOption emulatorOption(QStringLiteral("emulator"), QString());
    const QCommandLineOption emulatorTypeOption(QStringLiteral("emulator-type"), QString(), QStringLiteral("TYPE"),
                                                QStringLiteral("P"));
    const QCommandLineOption inOption(QStringLiteral("in"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption outOption(QStringLiteral("out"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption deviceIdOption(QStringLiteral("device-id"), QString(), QStringLiteral("N"));
    const QCommandLineOption jsonOption(QStringLiteral("json"), QString());
    const QCommandLineOption verboseOption(QStringLiteral("verbose"), QString());
    parser.addOptions({helpOption, versionOption, backendOption, emulatorOption, emulatorTypeOption, inOption,
                       outOption, deviceIdOption, jsonOption, verboseOption});
    const CliOptions& commandOptions = options();
    parser.addOptions({commandOptions.noteOff, commandOptions.zeroOffset, commandOptions.uploadMode,
                       commandOptions.verify, commandOptions.force, commandOptions.twice});
    parser.addOptions(fieldCommandOptions());
    parser.addOptions({commandOptions.changesOnly, commandOptions.prune});

    if (!parser.parse(QCoreApplication::arguments()))
        return usage(parser.errorText());
    setJsonWanted(parser.isSet(jsonOption));
    if (parser.isSet(jsonOption))
        installTranslations(QStringLiteral("en"));
    if (parser.isSet(helpOption)) {
        std::fputs(QCoreApplication::translate("vantorelctl", kHelp).toLocal8Bit().constData(), stdout);
        return kOk;
    }
    if (parser.isSet(versionOption)) {
        out(QStringLiteral("vantorelctl %1").arg(QStringLiteral(VANTOREL_VERSION)));
        return kOk;
    }

    CliContext context{parser, parser.positionalArguments(), nullptr, {}};
    if (context.args.isEmpty())
        return usage(QCoreApplication::translate("vantorelctl", "No command given."));
    const std::vector<CliCommand> commands = allCommands();
    // A command is named by its first argument, or by its first two ("firmware info").
    const QString twoWords = context.args.mid(0, 2).join(QLatin1Char(' '));
    const auto command = std::find_if(commands.begin(), commands.end(), [&](const CliCommand& c) {
        return c.name == context.args.first() || (context.args.size() > 1 && c.name == twoWords);
    });
    if (command == commands.end()) {
        const QString group = context.args.first() + QLatin1Char(' ');
        const bool inGroup = std::any_of(commands.begin(), commands.end(),
                                         [&](const CliCommand& c) { return c.name.startsWith(group); });
        return usage(QCoreApplication::translate("vantorelctl", "Unknown command: %1")
                         .arg(inGroup ? twoWords : context.args.first()));
    }
    if ((parser.isSet(commandOptions.noteOff) || parser.isSet(commandOptions.zeroOffset))
        && command->name != QLatin1String("options"))
        return usage(QCoreApplication::translate("vantorelctl",
                                                 "--note-off and --zero-offset belong to the command 'options'."));
    if (parser.isSet(commandOptions.uploadMode) && command->name != QLatin1String("firmware upload")
        && command->name != QLatin1String("channels patch"))
        return usage(QCoreApplication::translate(
            "vantorelctl", "--mode belongs to the commands 'firmware upload' and 'channels patch'."));
    if (parser.isSet(commandOptions.verify) && command->name != QLatin1String("channels write")
        && command->name != QLatin1String("restore"))
        return usage(QCoreApplication::translate("vantorelctl",
                                                 "--verify belongs to the commands 'channels write' and 'restore'."));
    if (parser.isSet(commandOptions.force) && command->name != QLatin1String("restore")
        && command->name != QLatin1String("channels patch"))
        return usage(QCoreApplication::translate("vantorelctl",
                                                 "--force belongs to the commands 'restore' and 'channels patch'."));
    if (parser.isSet(commandOptions.twice) && command->name != QLatin1String("channels read"))
        return usage(QCoreApplication::translate("vantorelctl", "--twice belongs to the command 'channels read'."));
    if (const int status = checkFieldCommandOptions(parser, command->name); status != kOk)
        return status;
    if ((parser.isSet(commandOptions.changesOnly) || parser.isSet(commandOptions.prune))
        && command->name != QLatin1String("channels write"))
        return usage(QCoreApplication::translate("vantorelctl",
                                                 "--changes-only and --prune belong to the command 'channels write'."));
    if (parser.isSet(commandOptions.prune) && !parser.isSet(commandOptions.changesOnly))
        return usage(QCoreApplication::translate("vantorelctl", "--prune goes with --changes-only."));

    context.json = parser.isSet(jsonOption);
    const bool jsonHere
        = command->json || (command->name == QLatin1String("modes") && context.args.value(1) == QLatin1String("read"));
    if (context.json && !jsonHere)
        return usage(QCoreApplication::translate(
            "vantorelctl",
            "--json belongs to the commands ports, scan, identify, options, modes read, firmware info and learn."));
    std::optional<uint32_t> wantedId;
    if (parser.isSet(deviceIdOption)) {
        bool ok = false;
        const QString text = parser.value(deviceIdOption);
        const qulonglong id = text.toULongLong(&ok);
        if (!ok || id > 0xFFFFFFFFull)
            return usage(QCoreApplication::translate("vantorelctl",
                                                     "--device-id takes a device ID from 0 to 4294967295, not '%1'.")
                             .arg(text));
        if (parser.isSet(inOption) || parser.isSet(outOption))
            return usage(QCoreApplication::translate(
                "vantorelctl", "--device-id chooses the ports itself: leave out --in and --out."));
        if (command->offline || command->ownPorts)
            return usage(QCoreApplication::translate("vantorelctl",
                                                     "--device-id belongs to the commands that talk to one device."));
        wantedId = uint32_t(id);
    }
    // Every argument is checked before anything is sent.
    MidiApi api = MidiApi::Auto;
    const QString backendName = parser.value(backendOption);
    if (backendName == QLatin1String("alsa"))
        api = MidiApi::Alsa;
    else if (backendName == QLatin1String("jack"))
        api = MidiApi::Jack;
    else if (backendName != QLatin1String("auto"))
        return usage(QCoreApplication::translate("vantorelctl", "--backend takes auto, alsa or jack, not '%1'.")
                         .arg(backendName));
    EmulatorConfig emulatorConfig;
    const QString emulatorType = parser.value(emulatorTypeOption);
    if (emulatorType != QLatin1String("P") && emulatorType != QLatin1String("B") && emulatorType != QLatin1String("E"))
        return usage(
            QCoreApplication::translate("vantorelctl", "--emulator-type takes P, B or E, not '%1'.").arg(emulatorType));
    emulatorConfig.type = char(emulatorType.at(0).unicode());
    if (command->check) {
        if (const int status = command->check(context); status != kOk)
            return status;
    }
    if (command->offline)
        return command->run(context);

    Interrupts interrupts;
    context.interrupts = &interrupts;

    // Ports: the emulated device first when asked for, then the MIDI system's.
    MidiPortDirectory ports;
    const bool withEmulator = parser.isSet(emulatorOption);
    if (withEmulator)
        ports.add(std::make_shared<EmulatorBackend>(emulatorConfig));
    if (Result<std::shared_ptr<MidiBackend>> backend = createRtMidiBackend(api))
        ports.add(std::move(backend).value());
    else if (!withEmulator || api != MidiApi::Auto)
        err(errorText(backend.error()));

    context.ports = &ports;
    if (command->ownPorts)
        return command->run(context);

    QString input;
    QString output;
    if (wantedId) {
        bool cancelled = false;
        const std::vector<FoundDevice> devices = devicesWithId(scanAllPorts(context, cancelled), *wantedId);
        if (cancelled)
            return kInterrupted;
        if (devices.empty()) {
            err(QCoreApplication::translate("vantorelctl", "No device with the ID %1 answered.").arg(*wantedId));
            return kNoAnswer;
        }
        if (devices.size() > 1)
            err(QCoreApplication::translate("vantorelctl",
                                            "%1 devices answered with the ID %2; the first confirmed is used.")
                    .arg(devices.size())
                    .arg(*wantedId));
        // The scan's pairing is confirmed before anything else is sent.
        const auto confirmed = std::find_if(devices.begin(), devices.end(), [&](const FoundDevice& d) {
            const Result<void> confirmed = confirmPair(context, d);
            if (!confirmed && !interrupted())
                err(errorText(confirmed.error()));
            return confirmed.has_value();
        });
        if (interrupted())
            return kInterrupted;
        if (confirmed == devices.end())
            return kNoAnswer;
        input = confirmed->input;
        output = confirmed->output;
        err(QCoreApplication::translate("vantorelctl", "Device %1: input \"%2\", output \"%3\".")
                .arg(*wantedId)
                .arg(input, output));
    }

    DeviceLink link(ports);
    if (!wantedId) {
        input = link.inputPortNames().value(0);
        output = link.outputPortNames().value(0);
    }
    if (parser.isSet(inOption)) {
        input = parser.value(inOption);
        if (!link.inputPortNames().contains(input))
            return usage(QCoreApplication::translate("vantorelctl", "No MIDI input port is named '%1'.").arg(input));
    }
    if (parser.isSet(outOption)) {
        output = parser.value(outOption);
        if (!link.outputPortNames().contains(output))
            return usage(QCoreApplication::translate("vantorelctl", "No MIDI output port is named '%1'.").arg(output));
    }
    if (link.inputPortNames().isEmpty())
        err(QCoreApplication::translate("vantorelctl", "There is no MIDI input port: replies cannot be received."));
    if (link.outputPortNames().isEmpty()) {
        err(QCoreApplication::translate("vantorelctl", "There is no MIDI output port: nothing can be sent."));
        return kNoAnswer;
    }

    QObject::connect(&link, &DeviceLink::statusText, [](const QString& t) { err(t); });
    QObject::connect(&link, &DeviceLink::messageBox, [](const QString& t) { err(t); });
    QObject::connect(&link, &DeviceLink::errorRaised, [](const QString& t) { err(t); });
    QObject::connect(&link, &DeviceLink::statusBarNoConnection,
                     [] { err(QCoreApplication::translate("vantorelctl", "No connection with device")); });

    link.setSelectedPorts(input, output);
    if (const Result<void> opened = link.openPorts(); !opened) {
        err(errorText(opened.error()));
        return kNoAnswer;
    }
    context.link = &link;
    followOperations(link, interrupts);
    // A signal while the ports opened: nothing is sent at all.
    QCoreApplication::processEvents();
    if (interrupted()) {
        err(QCoreApplication::translate("vantorelctl", "Cancelled: nothing was sent to the device."));
        return kInterrupted;
    }
    // The messages of the command's device operations: on standard error
    // with --verbose, and as "link" in its JSON document.
    LinkCounts linkTotal;
    QObject::connect(&link, &DeviceLink::linkReported, [&, verbose = parser.isSet(verboseOption)](const LinkCounts& n) {
        linkTotal.sent += n.sent;
        linkTotal.retried += n.retried;
        linkTotal.lost += n.lost;
        setJsonLinkCounts(QString::fromStdString(linkCountsJson(linkTotal)));
        if (verbose)
            err(QString::fromStdString(linkCountsText(n)));
    });
    const int status = command->run(context);
    progressDone();
    // The link's destructor closes the ports.
    return interrupted() ? int(kInterrupted) : status;
}

int main(int argc, char** argv)
{
    // Whatever escapes a command (memory exhausted by a file, a platform
    // error) ends the program with a message, never with an abort.
    try {
        return finishJson(runProgram(argc, argv));
    } catch (const std::bad_alloc&) {
        err(QCoreApplication::translate("vantorelctl", "Out of memory."));
    } catch (const std::exception& e) {
        err(QCoreApplication::translate("vantorelctl", "Unexpected error: %1").arg(QString::fromLocal8Bit(e.what())));
    }
    return finishJson(kDataError);
}
