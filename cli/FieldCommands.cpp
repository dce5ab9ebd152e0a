// learn --from PORT [--json], send note|cc CHANNEL NUMBER VALUE [--off-after MS]
// and channels patch FILE FIXTURE --mode NAME --start N --name TEXT [--force].

#include "cli/FieldCommands.h"

#include "channels/ChannelFile.h"
#include "fixtures/FixtureFile.h"
#include "learn/LearnSession.h"
#include "learn/domain/MappingTest.h"
#include "link/DeviceLink.h"
#include "midi/MidiBackend.h"
#include "util/qt/TextConversions.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

#include <optional>

namespace vantorel {

namespace {

struct FieldOptions {
    QCommandLineOption from{QStringLiteral("from"), QString(), QStringLiteral("PORT")};
    QCommandLineOption offAfter{QStringLiteral("off-after"), QString(), QStringLiteral("MS")};
    QCommandLineOption start{QStringLiteral("start"), QString(), QStringLiteral("N")};
    QCommandLineOption name{QStringLiteral("name"), QString(), QStringLiteral("TEXT")};
};

const FieldOptions& field()
{
    static const FieldOptions options;
    return options;
}

constexpr int kLongestOffAfterMs = 60000;

// ------------------------------------------------------------ learn

int checkLearn(CliContext& c)
{
    if (c.args.size() > 1)
        return usage(QCoreApplication::translate("vantorelctl", "'learn' takes no arguments."));
    if (!c.parser.isSet(field().from))
        return usage(QCoreApplication::translate("vantorelctl",
                                                 "'learn' needs --from PORT: the MIDI input port of the controller."));
    return kOk;
}

QJsonObject learnedJson(const LearnedMapping& learned)
{
    return QJsonObject{{QStringLiteral("midiChannel"), learned.midiChannel},
                       {QStringLiteral("activeOn"),
                        learned.controlChange ? QStringLiteral("Control Change") : QStringLiteral("Note On")},
                       {QStringLiteral("from"), learned.from},
                       {QStringLiteral("to"), learned.to},
                       {QStringLiteral("fromLabel"), QString::fromStdString(noteName(learned.from))},
                       {QStringLiteral("toLabel"), QString::fromStdString(noteName(learned.to))},
                       {QStringLiteral("velocity"), learned.velocity}};
}

int runLearn(CliContext& c)
{
    const QString port = c.parser.value(field().from);
    bool known = false;
    for (const std::string& name : c.ports->inputPortNames())
        known = known || QString::fromStdString(name) == port;
    if (!known)
        return usage(QCoreApplication::translate("vantorelctl", "No MIDI input port is named '%1'.").arg(port));

    LearnSession session(*c.ports);
    if (const Result<void> started = session.start(port); !started) {
        err(errorText(started.error()));
        return kNoAnswer;
    }
    err(QCoreApplication::translate("vantorelctl", "Move a control or play the notes..."));
    std::optional<GestureRecorder::Outcome> outcome;
    QString message;
    QEventLoop loop;
    QObject::connect(&session, &LearnSession::finished, &loop,
                     [&](const GestureRecorder::Outcome& result, const QString& text) {
                         outcome = result;
                         message = text;
                         loop.quit();
                     });
    QObject::connect(c.interrupts, &Interrupts::interrupted, &loop, &QEventLoop::quit);
    loop.exec();
    if (!outcome)
        return kInterrupted;
    switch (outcome->status) {
    case GestureRecorder::Outcome::Status::Learned: break;
    case GestureRecorder::Outcome::Status::Nothing: err(message); return kNoAnswer;
    case GestureRecorder::Outcome::Status::Mixed: err(message); return kNotDone;
    }
    if (c.json)
        outJson(learnedJson(outcome->mapping));
    else
        out(QString::fromStdString(learnedMappingText(outcome->mapping)));
    return kOk;
}

// ------------------------------------------------------------ send

std::optional<MappingTestMessages> sendArguments(const QStringList& args)
{
    if (args.size() != 5 || (args[1] != QLatin1String("note") && args[1] != QLatin1String("cc")))
        return std::nullopt;
    bool ok[3] = {};
    const int channel = args[2].toInt(&ok[0]);
    const int number = args[3].toInt(&ok[1]);
    const int value = args[4].toInt(&ok[2]);
    if (!ok[0] || !ok[1] || !ok[2])
        return std::nullopt;
    return mappingTestOf(args[1] == QLatin1String("cc"), channel, number, value);
}

int checkSend(CliContext& c)
{
    if (!sendArguments(c.args))
        return usage(QStringLiteral("'send' takes note or cc, a MIDI channel (1..16), a note or controller number "
                                    "(0..127) and a value (0..127)."));
    if (c.parser.isSet(field().offAfter)) {
        bool ok = false;
        const int ms = c.parser.value(field().offAfter).toInt(&ok);
        if (!ok || ms < 0 || ms > kLongestOffAfterMs)
            return usage(QCoreApplication::translate("vantorelctl", "--off-after takes milliseconds from 0 to %1.")
                             .arg(kLongestOffAfterMs));
    }
    return kOk;
}

bool sendOne(DeviceLink& link, const ShortMessage& message)
{
    if (const Result<void> sent = link.sendShortMessage(message.status, message.data1, message.data2); !sent) {
        err(errorText(sent.error()));
        return false;
    }
    err(QCoreApplication::translate("vantorelctl", "Sent %1").arg(QString::fromStdString(shortMessageText(message))));
    return true;
}

int runSend(CliContext& c)
{
    const MappingTestMessages messages = *sendArguments(c.args);
    if (!sendOne(*c.link, messages.on))
        return kNotDone;
    if (!c.parser.isSet(field().offAfter))
        return kOk;
    // Interrupted or not, the off message follows: nothing is left switched on.
    QEventLoop loop;
    QTimer::singleShot(c.parser.value(field().offAfter).toInt(), &loop, &QEventLoop::quit);
    QObject::connect(c.interrupts, &Interrupts::interrupted, &loop, &QEventLoop::quit);
    loop.exec();
    return sendOne(*c.link, messages.off) ? kOk : kNotDone;
}

// ------------------------------------------------------------ channels patch

int checkPatch(CliContext& c)
{
    if (c.args.size() != 4)
        return usage(QCoreApplication::translate(
            "vantorelctl", "'channels patch' takes a channel settings file and a fixture definition file."));
    if (!c.parser.isSet(field().start) || !c.parser.isSet(field().name))
        return usage(QCoreApplication::translate("vantorelctl", "'channels patch' needs --start N and --name TEXT."));
    bool ok = false;
    const int start = c.parser.value(field().start).toInt(&ok);
    if (!ok || start < kFirstDmxChannel || start > kLastDmxChannel)
        return usage(QCoreApplication::translate("vantorelctl", "--start takes a DMX channel from 1 to 512."));
    return checkOutputFile(c.args[2]);
}

int runPatch(CliContext& c)
{
    const QString tablePath = c.args[2];
    const FixtureFileLoad fixture = loadFixtureFile(c.args[3]);
    if (!fixture.ok()) {
        err(fixture.message);
        return kDataError;
    }
    const FixtureMode* mode = nullptr;
    if (c.parser.isSet(options().uploadMode)) {
        mode = fixture.fixture.findMode(c.parser.value(options().uploadMode).toStdString());
    } else if (fixture.fixture.modes.size() == 1) {
        mode = &fixture.fixture.modes.front();
    }
    if (!mode) {
        QStringList modes;
        for (const FixtureMode& each : fixture.fixture.modes)
            modes << QStringLiteral("\"%1\" (%2 channels)")
                         .arg(QString::fromStdString(each.name))
                         .arg(each.channels.size());
        return usage(QCoreApplication::translate("vantorelctl", "Choose one of the fixture's modes with --mode: %1.")
                         .arg(modes.join(", ")));
    }

    ChannelTable rows;
    if (QFileInfo::exists(tablePath)) {
        const ChannelFileLoad table = loadChannelFile(tablePath);
        if (!table.ok()) {
            err(table.message);
            return kDataError;
        }
        rows = table.csv.rows;
    }
    const int start = c.parser.value(field().start).toInt();
    const FixturePatch patch
        = patchFixture(rows, *mode, start, c.parser.value(field().name).toStdString(), c.parser.isSet(options().force));
    if (!patch.ok()) {
        err(errorText(patch.problem)
            + (patch.status == FixturePatch::Status::WouldOverwrite
                   ? QCoreApplication::translate("vantorelctl", " --force overwrites them.")
                   : QString()));
        return kDataError;
    }
    if (const Result<void> saved = saveChannelFile(tablePath, patch.rows); !saved) {
        err(errorText(saved.error()));
        return kDataError;
    }
    const int last = start + int(mode->channels.size()) - 1;
    err(QCoreApplication::translate("vantorelctl",
                                    "%1, mode \"%2\": DMX channels %3 to %4 described, %n row(s) added; %5 written.",
                                    nullptr, int(patch.added))
            .arg(QString::fromStdString(fixture.fixture.title()), QString::fromStdString(mode->name))
            .arg(start)
            .arg(last)
            .arg(QDir::toNativeSeparators(tablePath)));
    return kOk;
}

} // namespace

std::vector<CliCommand> fieldCommands()
{
    CliCommand learn{QStringLiteral("learn"), checkLearn, runLearn};
    learn.json = true;
    learn.ownPorts = true;
    CliCommand patch{QStringLiteral("channels patch"), checkPatch, runPatch};
    patch.offline = true;
    return {learn, {QStringLiteral("send"), checkSend, runSend}, patch};
}

QList<QCommandLineOption> fieldCommandOptions()
{
    return {field().from, field().offAfter, field().start, field().name};
}

int checkFieldCommandOptions(const QCommandLineParser& parser, const QString& command)
{
    if (parser.isSet(field().from) && command != QLatin1String("learn"))
        return usage(QCoreApplication::translate("vantorelctl", "--from belongs to the command 'learn'."));
    if (parser.isSet(field().offAfter) && command != QLatin1String("send"))
        return usage(QCoreApplication::translate("vantorelctl", "--off-after belongs to the command 'send'."));
    if ((parser.isSet(field().start) || parser.isSet(field().name)) && command != QLatin1String("channels patch"))
        return usage(
            QCoreApplication::translate("vantorelctl", "--start and --name belong to the command 'channels patch'."));
    return kOk;
}

} // namespace vantorel
