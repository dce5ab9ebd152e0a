// vantorelctl: the device operations of the control center for scripts and service work.

#include "app/link/DeviceLink.h"
#include "app/link/DeviceOperations.h"
#include "emulator/inprocess/EmulatorBackend.h"
#include "midi/MidiBackend.h"
#include "util/Utils.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <optional>

namespace {

enum ExitStatus { kOk = 0, kNoAnswer = 1, kUsage = 2, kDataError = 3 };

const char* const kHelp = R"(Usage: vantorelctl [OPTIONS] COMMAND [ARGUMENTS]

Talks to a VANTOREL MIDI-to-DMX512 converter over MIDI.

Commands:
  ports                         list the MIDI input and output ports
  identify                      read the device type, ID and build dates
  restart                       restart the device
  clear                         clear the user data (channel table) in the device
  options                       read the Note Off setting and the CC zero value offset
  options --note-off on|off     set whether the predefined modes act on Note Off
  options --zero-offset N       set the CC zero value offset (0..10)
  raw LETTER [PAYLOAD-HEX]      send one command and print every message received
                                until 2 s pass without input

Options:
  --backend auto|alsa|jack      MIDI system (default auto: ALSA when its sequencer
                                opens, otherwise a running JACK server)
  --emulator                    add the built-in emulated device ("VANTOREL Emulator")
  --emulator-type P|B|E         edition of the emulated device (default P)
  --in NAME                     MIDI input port, exact name (default: the first)
  --out NAME                    MIDI output port, exact name (default: the first)
  -h, --help                    show this help
  -v, --version                 show the version

Status texts and device reports go to standard error.
Exit status: 0 success, 1 no answer from the device, 2 usage error or bad argument,
3 file or data error.
)";

void err(const QString& text)
{
    std::fprintf(stderr, "%s\n", QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")).toLocal8Bit().constData());
    std::fflush(stderr);
}

void out(const QString& text)
{
    std::fprintf(stdout, "%s\n", text.toLocal8Bit().constData());
    std::fflush(stdout);
}

int usage(const QString& text)
{
    err(text);
    err(QStringLiteral("Try 'vantorelctl --help'."));
    return kUsage;
}

int statusOf(OpResult result)
{
    switch (result) {
    case OpResult::Done: return kOk;
    case OpResult::NoAnswer: return kNoAnswer;
    case OpResult::Busy: return kNoAnswer;
    case OpResult::Failed: return kNoAnswer;
    }
    return kNoAnswer;
}

// Number of bytes of a short message with this status byte.
int shortMessageLength(uint8_t status)
{
    if (status >= 0xC0 && status <= 0xDF)
        return 2;
    if (status == 0xF1 || status == 0xF3)
        return 2;
    if (status >= 0xF4)
        return 1;
    return 3;
}

std::optional<std::vector<uint8_t>> parseHex(const QString& text)
{
    QString digits = text;
    digits.remove(QLatin1Char(' '));
    if (digits.size() % 2 != 0)
        return std::nullopt;
    std::vector<uint8_t> bytes;
    for (int i = 0; i < digits.size(); i += 2) {
        bool ok = false;
        const uint value = digits.mid(i, 2).toUInt(&ok, 16);
        if (!ok)
            return std::nullopt;
        bytes.push_back(uint8_t(value));
    }
    return bytes;
}

int runRaw(DeviceLink& link, char letter, const std::vector<uint8_t>& payload)
{
    QElapsedTimer sinceLast;
    int received = 0;
    QObject::connect(&link, &DeviceLink::eventReceived, &link, [&](const TMyMidiEvent& e) {
        std::vector<uint8_t> bytes = e.sysex;
        if (!e.isSysex()) {
            const uint8_t all[3] = {e.status, e.data1, e.data2};
            bytes.assign(all, all + shortMessageLength(e.status));
        }
        std::string text = BytesToHexText(bytes, " ");
        if (!text.empty())
            text.pop_back();
        out(QString::fromStdString(text));
        ++received;
        sinceLast.restart();
    });
    try {
        link.SendCommand(letter, payload);
    } catch (const std::exception& e) {
        err(QString::fromStdString(e.what()));
        return kNoAnswer;
    }
    link.StopTimer1();
    sinceLast.start();
    QEventLoop loop;
    QTimer idle;
    QObject::connect(&idle, &QTimer::timeout, &loop, [&] {
        if (sinceLast.elapsed() >= 2000)
            loop.quit();
    });
    idle.start(50);
    loop.exec();
    if (received == 0) {
        err(QStringLiteral("No data received."));
        return kNoAnswer;
    }
    return kOk;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vantorelctl"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VANTOREL_VERSION));

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption versionOption({QStringLiteral("v"), QStringLiteral("version")}, QString());
    const QCommandLineOption backendOption(QStringLiteral("backend"), QString(), QStringLiteral("API"), QStringLiteral("auto"));
    const QCommandLineOption emulatorOption(QStringLiteral("emulator"), QString());
    const QCommandLineOption emulatorTypeOption(QStringLiteral("emulator-type"), QString(), QStringLiteral("TYPE"), QStringLiteral("P"));
    const QCommandLineOption inOption(QStringLiteral("in"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption outOption(QStringLiteral("out"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption noteOffOption(QStringLiteral("note-off"), QString(), QStringLiteral("on|off"));
    const QCommandLineOption zeroOffsetOption(QStringLiteral("zero-offset"), QString(), QStringLiteral("N"));
    parser.addOptions({helpOption, versionOption, backendOption, emulatorOption, emulatorTypeOption, inOption,
                       outOption, noteOffOption, zeroOffsetOption});
    if (!parser.parse(QCoreApplication::arguments()))
        return usage(parser.errorText());
    if (parser.isSet(helpOption)) {
        std::fputs(kHelp, stdout);
        return kOk;
    }
    if (parser.isSet(versionOption)) {
        out(QStringLiteral("vantorelctl %1").arg(QStringLiteral(VANTOREL_VERSION)));
        return kOk;
    }

    const QStringList args = parser.positionalArguments();
    if (args.isEmpty())
        return usage(QStringLiteral("No command given."));
    const QString command = args.first();
    static const QStringList commands = {"ports", "identify", "restart", "clear", "options", "raw"};
    if (!commands.contains(command))
        return usage(QStringLiteral("Unknown command: %1").arg(command));
    if ((parser.isSet(noteOffOption) || parser.isSet(zeroOffsetOption)) && command != QLatin1String("options"))
        return usage(QStringLiteral("--note-off and --zero-offset belong to the command 'options'."));
    const qsizetype maxArgs = command == QLatin1String("raw") ? 3 : 1;
    if (args.size() > maxArgs)
        return usage(QStringLiteral("Too many arguments for '%1'.").arg(command));

    // Check every argument before anything is sent.
    std::optional<bool> noteOff;
    if (parser.isSet(noteOffOption)) {
        const QString v = parser.value(noteOffOption);
        if (v != QLatin1String("on") && v != QLatin1String("off"))
            return usage(QStringLiteral("--note-off takes 'on' or 'off', not '%1'.").arg(v));
        noteOff = v == QLatin1String("on");
    }
    std::optional<int> zeroOffset;
    if (parser.isSet(zeroOffsetOption)) {
        bool ok = false;
        const int v = parser.value(zeroOffsetOption).toInt(&ok);
        if (!ok || v < 0 || v > 10)
            return usage(QStringLiteral("--zero-offset takes a number from 0 to 10, not '%1'.").arg(parser.value(zeroOffsetOption)));
        zeroOffset = v;
    }
    char rawLetter = 0;
    std::vector<uint8_t> rawPayload;
    if (command == QLatin1String("raw")) {
        if (args.size() < 2)
            return usage(QStringLiteral("'raw' needs a command letter."));
        const QString letter = args.at(1);
        if (letter.size() != 1 || letter.at(0).unicode() < 0x21 || letter.at(0).unicode() > 0x7E)
            return usage(QStringLiteral("The command letter must be one printable ASCII character, not '%1'.").arg(letter));
        rawLetter = char(letter.at(0).unicode());
        if (args.size() == 3) {
            const auto bytes = parseHex(args.at(2));
            if (!bytes)
                return usage(QStringLiteral("The payload must be pairs of hex digits, not '%1'.").arg(args.at(2)));
            rawPayload = *bytes;
        }
    }
    MidiApi api = MidiApi::Auto;
    const QString backendName = parser.value(backendOption);
    if (backendName == QLatin1String("alsa"))
        api = MidiApi::Alsa;
    else if (backendName == QLatin1String("jack"))
        api = MidiApi::Jack;
    else if (backendName != QLatin1String("auto"))
        return usage(QStringLiteral("--backend takes auto, alsa or jack, not '%1'.").arg(backendName));
    EmulatorConfig emulatorConfig;
    if (parser.isSet(emulatorTypeOption)) {
        const QString t = parser.value(emulatorTypeOption);
        if (t != QLatin1String("P") && t != QLatin1String("B") && t != QLatin1String("E"))
            return usage(QStringLiteral("--emulator-type takes P, B or E, not '%1'.").arg(t));
        emulatorConfig.type = char(t.at(0).unicode());
    }

    // Ports: the emulated device first when asked for, then the MIDI system's.
    MidiPortDirectory ports;
    if (parser.isSet(emulatorOption))
        ports.add(std::make_shared<EmulatorBackend>(emulatorConfig));
    std::string backendError;
    if (auto backend = CreateRtMidiBackend(api, backendError))
        ports.add(backend);
    else if (!parser.isSet(emulatorOption) || api != MidiApi::Auto)
        err(QString::fromStdString(backendError));

    DeviceLink link(ports);
    if (command == QLatin1String("ports")) {
        out(QStringLiteral("Inputs:"));
        for (const QString& name : link.inputPortNames())
            out(QStringLiteral("  ") + name);
        out(QStringLiteral("Outputs:"));
        for (const QString& name : link.outputPortNames())
            out(QStringLiteral("  ") + name);
        return kOk;
    }

    QString input = link.inputPortNames().value(0);
    QString output = link.outputPortNames().value(0);
    if (parser.isSet(inOption)) {
        input = parser.value(inOption);
        if (!link.inputPortNames().contains(input))
            return usage(QStringLiteral("No MIDI input port is named '%1'.").arg(input));
    }
    if (parser.isSet(outOption)) {
        output = parser.value(outOption);
        if (!link.outputPortNames().contains(output))
            return usage(QStringLiteral("No MIDI output port is named '%1'.").arg(output));
    }
    if (link.inputPortNames().isEmpty())
        err(QStringLiteral("There is no MIDI input port: replies cannot be received."));
    if (link.outputPortNames().isEmpty()) {
        err(QStringLiteral("There is no MIDI output port: nothing can be sent."));
        return kNoAnswer;
    }

    QObject::connect(&link, &DeviceLink::statusText, [](const QString& t) { err(t); });
    QObject::connect(&link, &DeviceLink::messageBox, [](const QString& t) { err(t); });
    QObject::connect(&link, &DeviceLink::errorRaised, [](const QString& t) { err(t); });
    QObject::connect(&link, &DeviceLink::statusBarNoConnection,
                     [] { err(QStringLiteral("No connection with device")); });

    link.setSelectedPorts(input, output);
    try {
        link.OpenPorts();
    } catch (const std::exception& e) {
        err(QString::fromStdString(e.what()));
        return kNoAnswer;
    }

    if (command == QLatin1String("restart"))
        return statusOf(RestartDevice(link));
    if (command == QLatin1String("clear"))
        return statusOf(ClearDeviceData(link));
    if (command == QLatin1String("raw"))
        return runRaw(link, rawLetter, rawPayload);

    if (command == QLatin1String("identify")) {
        QString type, id, blDate, fwDate;
        QObject::connect(&link, &DeviceLink::deviceTypeApplied, [&](char letter) {
            type = letter == 'P' ? QStringLiteral("VANTOREL Pro")
                 : letter == 'B' ? QStringLiteral("VANTOREL Basic")
                                 : QStringLiteral("VANTOREL Eco");
        });
        QObject::connect(&link, &DeviceLink::deviceIdShown, [&](const QString& t) { id = t; });
        QObject::connect(&link, &DeviceLink::bootloaderDateShown, [&](const QString& t) { blDate = t; });
        QObject::connect(&link, &DeviceLink::firmwareDateShown, [&](const QString& t) { fwDate = t; });
        const OpResult result = ReadDeviceInformation(link);
        if (result != OpResult::Done)
            return statusOf(result);
        out(QStringLiteral("Device type: ") + type);
        out(QStringLiteral("Device ID: ") + id);
        out(QStringLiteral("Bootloader date: ") + blDate);
        out(QStringLiteral("Firmware date: ") + fwDate);
        return kOk;
    }

    // options
    if (noteOff || zeroOffset) {
        if (noteOff) {
            if (const OpResult r = SetNoteOffAction(link, *noteOff); r != OpResult::Done)
                return statusOf(r);
        }
        if (zeroOffset) {
            if (const OpResult r = SetZeroValueOffset(link, *zeroOffset); r != OpResult::Done)
                return statusOf(r);
        }
        return kOk;
    }
    bool useNoteOff = false;
    int offset = 0;
    QObject::connect(&link, &DeviceLink::deviceOptionsRead, [&](bool on, int value) {
        useNoteOff = on;
        offset = value;
    });
    const OpResult result = ReadDeviceOptions(link);
    if (result != OpResult::Done)
        return statusOf(result);
    out(QStringLiteral("Use Note Off: %1").arg(useNoteOff ? QStringLiteral("on") : QStringLiteral("off")));
    out(QStringLiteral("CC Zero Value Offset: %1").arg(offset));
    return kOk;
}
