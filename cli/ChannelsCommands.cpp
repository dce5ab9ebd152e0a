// channels read [FILE], channels write FILE [--verify] and channels diff FILE:
// the device's User Mode channel table as a channel settings file, the same
// file the main window opens and saves.

#include "link/DeviceLink.h"
#include "channels/ChannelChanges.h"
#include "channels/ChannelFile.h"
#include "channels/ChannelTransfer.h"
#include "channels/ChannelVerify.h"
#include "cli/Cli.h"
#include "util/qt/TextConversions.h"

#include <cstdio>
#include <optional>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace vantorel {

namespace {

QString dmxText(const ChannelRecord& record)
{
    return QString::fromStdString(record.dmxChannel);
}

int checkRead(CliContext& c)
{
    if (c.args.size() > 3)
        return usage(QCoreApplication::translate("vantorelctl",
                                                 "'channels read' takes at most one argument: the file to write."));
    return c.args.size() == 3 ? checkOutputFile(c.args.at(2)) : kOk;
}

bool writeToStandardOutput(const QByteArray& bytes)
{
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY); // the lines end with CR LF already
#endif
    const size_t written = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    return written == size_t(bytes.size()) && std::fflush(stdout) == 0;
}

int runRead(CliContext& c)
{
    DeviceLink& link = *c.link;
    ChannelDumpCollector collector(link);
    QObject::connect(&collector, &ChannelDumpCollector::rowReceived, &collector, [](const ChannelRecord& record) {
        err(QCoreApplication::translate("vantorelctl", "Received channel %1.").arg(dmxText(record)));
    });
    QObject::connect(&collector, &ChannelDumpCollector::rowRepeated, &collector, [](const ChannelRecord& record) {
        err(QCoreApplication::translate("vantorelctl", "Channel %1 received again: it replaces the earlier one.")
                .arg(dmxText(record)));
    });
    QObject::connect(&collector, &ChannelDumpCollector::replyLeftOut, &collector,
                     [](const QString& text) { err(text); });
    // Replies dropped because the input could not keep up would leave rows
    // out of the file without a word.
    bool inputLost = false;
    QObject::connect(&link.input(), &MidiInputPort::overflow, &collector, [&inputLost] { inputLost = true; });

    // --twice: a dump has no count, so a table cut short looks whole; two
    // consecutive reads must agree (at most 3 reads).
    const bool twice = c.parser.isSet(options().twice);
    ChannelTable previous;
    bool agreed = !twice;
    for (int read = 1; read <= 3; ++read) {
        const OpResult result = readAllChannelsFromDevice(
            link, [&collector] { collector.clear(); }, [&collector] { return int(collector.rows().size()); });
        if (result == OpResult::Cancelled)
            err(QCoreApplication::translate("vantorelctl", "Nothing was written."));
        if (result != OpResult::Done)
            return statusOf(result);
        if (!twice || link.portLost() || inputLost)
            break;
        if (read > 1 && collector.rows() == previous) {
            agreed = true;
            break;
        }
        previous = collector.rows();
    }
    if (!agreed && !link.portLost() && !inputLost) {
        err(QCoreApplication::translate("vantorelctl",
                                        "The device's channel table changed or was cut short while it was read: "
                                        "nothing was written."));
        return kDataError;
    }

    const ChannelTable& rows = collector.rows();
    if (rows.empty() && collector.deviceEmpty())
        err(QCoreApplication::translate("vantorelctl", "No user data in device."));
    err(QCoreApplication::translate("vantorelctl", "%n channel(s) received.", nullptr, int(rows.size())));
    // The dump has no count: rows up to a vanished port are not the table.
    if (link.portLost()) {
        err(QCoreApplication::translate("vantorelctl",
                                        "The channel table was not read completely: nothing was written."));
        return kNoAnswer;
    }
    if (inputLost) {
        err(QCoreApplication::translate("vantorelctl",
                                        "Channels may have been lost on the MIDI input: nothing was written."));
        return kDataError;
    }
    // A file of the header alone is one this program refuses to open.
    if (rows.empty()) {
        err(QCoreApplication::translate("vantorelctl", "No channels to write: nothing was written."));
        return kDataError;
    }

    if (c.args.size() == 3) {
        if (const Result<void> saved = saveChannelFile(c.args.at(2), rows); !saved) {
            err(errorText(saved.error()));
            return kDataError;
        }
    } else if (!writeToStandardOutput(channelFileBytes(rows))) {
        err(QCoreApplication::translate("vantorelctl", "Cannot write to standard output."));
        return kDataError;
    }
    return collector.problems().isEmpty() ? kOk : kDataError;
}

// The file's rows; nullopt after the reason was reported.
std::optional<ChannelTable> loadForWriting(const QString& path)
{
    ChannelFileLoad load = loadChannelFile(path);
    if (!load.ok()) {
        err(load.message);
        return std::nullopt;
    }
    if (load.csv.rows.empty()) {
        err(QCoreApplication::translate("vantorelctl", "Nothing to write..."));
        return std::nullopt;
    }
    // The device keeps one row per channel: the file's rows would not be what it holds.
    if (const std::vector<Error> twice = duplicateChannels(load.csv); !twice.empty()) {
        QString lines;
        for (const Error& problem : twice)
            lines += errorText(problem) + QStringLiteral("\r\n");
        err(lines + QCoreApplication::translate("vantorelctl", "Nothing was sent to the device."));
        return std::nullopt;
    }
    if (const Result<std::vector<std::string>> prepared = prepareChannelPayloads(load.csv.rows); !prepared) {
        err(errorText(prepared.error()));
        return std::nullopt;
    }
    return std::move(load.csv.rows);
}

int checkFileArgument(CliContext& c)
{
    if (c.args.size() != 3)
        return usage(
            QCoreApplication::translate("vantorelctl", "'%1' takes one argument: the channel settings file (*.csv).")
                .arg(c.args.mid(0, 2).join(QLatin1Char(' '))));
    auto rows = loadForWriting(c.args.at(2));
    if (!rows)
        return kDataError;
    c.checked = std::move(*rows);
    return kOk;
}

// The differences on standard output; the status line has said the rest.
int reportCheck(const ChannelCheck& check)
{
    for (const QString& line : check.lines)
        out(line);
    if (check.cancelled)
        return kInterrupted;
    if (!check.readBack)
        return kNoAnswer;
    return check.comparison.same() ? kOk : kDifferent;
}

// --changes-only: the device's table first, then only what differs, then a verify.
int runWriteChanges(CliContext& c, const ChannelTable& rows)
{
    const bool prune = c.parser.isSet(options().prune);
    const ChangesOutcome outcome = writeChangedChannels(*c.link, rows, [prune](const std::vector<int>& deviceOnly) {
        err(deviceOnlyText(deviceOnly, QStringLiteral("file"))
            + (prune ? QStringLiteral(" --prune: the device is cleared and the whole file written.")
                     : QStringLiteral(" They are left alone (--prune clears the device and writes the whole file).")));
        return prune;
    });
    switch (outcome.result) {
    case ChannelWriteResult::Done:
        err(QCoreApplication::translate("vantorelctl", "%1 of %n channel(s) differed from the device and were written.",
                                        nullptr, int(rows.size()))
                .arg(outcome.written));
        return reportCheck(outcome.check);
    case ChannelWriteResult::NothingToWrite:
    case ChannelWriteResult::RowsRefused: return kDataError;
    case ChannelWriteResult::Cancelled: return kInterrupted; // the status line has said what the device holds
    case ChannelWriteResult::NoAnswer:
    case ChannelWriteResult::SendFailed:
    case ChannelWriteResult::Busy: break;
    }
    return kNoAnswer;
}

int runWrite(CliContext& c)
{
    const auto* rows = std::any_cast<ChannelTable>(&c.checked);
    if (!rows)
        return kDataError;
    if (c.parser.isSet(options().changesOnly))
        return runWriteChanges(c, *rows);
    const int total = int(rows->size());
    const ChannelWriteReport report = writeChannelsToDevice(*c.link, *rows, {}, [&rows, total](int row) {
        err(QCoreApplication::translate("vantorelctl", "Channel %1 written (%2 of %3).")
                .arg(dmxText((*rows)[size_t(row)]))
                .arg(row + 1)
                .arg(total));
    });
    switch (report.result) {
    case ChannelWriteResult::Done:
        return c.parser.isSet(options().verify) ? reportCheck(verifyWrittenChannels(*c.link, *rows)) : kOk;
    case ChannelWriteResult::NothingToWrite:
    case ChannelWriteResult::RowsRefused: return kDataError;
    case ChannelWriteResult::Cancelled: return kInterrupted; // the status line has said how many were written
    case ChannelWriteResult::NoAnswer:
    case ChannelWriteResult::SendFailed:
    case ChannelWriteResult::Busy: break;
    }
    err(QCoreApplication::translate("vantorelctl", "%1 of %n channel(s) written.", nullptr, int(total))
            .arg(report.acknowledged));
    return kNoAnswer;
}

int runDiff(CliContext& c)
{
    const auto* rows = std::any_cast<ChannelTable>(&c.checked);
    if (!rows)
        return kDataError;
    return reportCheck(compareWithDevice(*c.link, *rows));
}

} // namespace

std::vector<CliCommand> channelsCommands()
{
    return {
        {QStringLiteral("channels read"), checkRead, runRead},
        {QStringLiteral("channels write"), checkFileArgument, runWrite},
        {QStringLiteral("channels diff"), checkFileArgument, runDiff},
    };
}

} // namespace vantorel
