// modes read|write|count|reset: the Basic/Eco modes of the device.

#include "link/DeviceLink.h"
#include "cli/Cli.h"
#include "midi/domain/NoteLabels.h"
#include "modes/ModesOperations.h"
#include "modes/domain/ModeRecord.h"

#include <QJsonArray>

#include <map>
#include <optional>

namespace vantorel {

namespace {

std::optional<int> parseNumber(const QString& text, int min, int max)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    // toInt accepts a sign and surrounding blanks; only plain digits are numbers here.
    for (const QChar c : text)
        if (!c.isDigit())
            return std::nullopt;
    if (!ok || value < min || value > max)
        return std::nullopt;
    return value;
}

// SLOT:TYPE:CHANNEL:NOTE; nullopt after a usage message.
std::optional<ModeRecord> parseModeArgument(const QString& argument)
{
    const QStringList fields = argument.split(QLatin1Char(':'));
    if (fields.size() != 4) {
        usage(QCoreApplication::translate("vantorelctl", "A mode is SLOT:TYPE:CHANNEL:NOTE, not '%1'.").arg(argument));
        return std::nullopt;
    }
    const auto slot = parseNumber(fields[0], 1, kModeSlotCount);
    const auto type = parseNumber(fields[1], 0, kModeTypeCount - 1);
    const auto channel = parseNumber(fields[2], 1, 16);
    const auto note = parseNumber(fields[3], 0, kModeNoteCount - 1);
    const char* problem = !slot ? "the slot must be 1..5"
        : !type                 ? "the mode type must be 0..15"
        : !channel              ? "the MIDI channel must be 1..16"
        : !note                 ? "the note must be 0..127"
                                : nullptr;
    if (problem) {
        usage(QCoreApplication::translate("vantorelctl", "In '%1': %2.").arg(argument, QString::fromLatin1(problem)));
        return std::nullopt;
    }
    return ModeRecord{*slot, *type, *channel, *note};
}

// The records to write, in slot order, with the fields their mode type does
// not use sent as channel 1 and note 0 (as the modes page sends them).
std::optional<std::vector<ModeRecord>> parseModeArguments(const QStringList& arguments)
{
    std::map<int, ModeRecord> bySlot;
    for (const QString& argument : arguments) {
        const auto record = parseModeArgument(argument);
        if (!record)
            return std::nullopt;
        if (bySlot.count(record->slot)) {
            usage(QCoreApplication::translate("vantorelctl", "Slot %1 is given more than once.").arg(record->slot));
            return std::nullopt;
        }
        bySlot[record->slot] = normalizedModeRecord(*record);
    }
    std::vector<ModeRecord> records;
    for (const auto& entry : bySlot)
        records.push_back(entry.second);
    return records;
}

QString modeLine(const ModeRecord& record)
{
    // The mode type's number first: it is what 'modes write' takes.
    return QStringLiteral("Slot %1: %2 %3, MIDI channel %4, note %5")
        .arg(record.slot)
        .arg(record.type)
        .arg(QString::fromStdString(modeTypeName(record.type)))
        .arg(record.channel)
        .arg(QString::fromStdString(noteLabel(record.note)));
}

int check(CliContext& c)
{
    const QString sub = c.args.value(1);
    const qsizetype extra = c.args.size() - 2;
    if (sub == QLatin1String("read") || sub == QLatin1String("reset")) {
        if (extra > 0)
            return usage(QCoreApplication::translate("vantorelctl", "'modes %1' takes no arguments.").arg(sub));
        return kOk;
    }
    if (sub == QLatin1String("count")) {
        if (extra != 1)
            return usage(QCoreApplication::translate("vantorelctl", "'modes count' takes one number, 1..5."));
        if (!parseNumber(c.args.at(2), 1, kModeSlotCount))
            return usage(QCoreApplication::translate("vantorelctl", "The number of modes must be 1..5, not '%1'.")
                             .arg(c.args.at(2)));
        return kOk;
    }
    if (sub == QLatin1String("write")) {
        if (extra < 1)
            return usage(
                QCoreApplication::translate("vantorelctl", "'modes write' needs at least one SLOT:TYPE:CHANNEL:NOTE."));
        return parseModeArguments(c.args.mid(2)) ? kOk : kUsage;
    }
    if (sub.isEmpty())
        return usage(QCoreApplication::translate("vantorelctl", "'modes' needs read, write, count or reset."));
    return usage(QCoreApplication::translate("vantorelctl", "Unknown 'modes' command: %1").arg(sub));
}

int read(DeviceLink& link, bool json)
{
    const StoredModes stored = readStoredModes(link);
    if (stored.result != OpResult::Done)
        return statusOf(stored.result);
    for (const ModeRecord& record : stored.invalid)
        err(QCoreApplication::translate(
                "vantorelctl", "Invalid mode record received: slot %1, mode type %2, MIDI channel %3, note %4.")
                .arg(record.slot)
                .arg(record.type)
                .arg(record.channel)
                .arg(record.note));
    if (stored.bySlot.empty() && stored.invalid.empty()) {
        err(QCoreApplication::translate("vantorelctl", "No data received."));
        return kNoAnswer;
    }
    if (json) {
        QJsonArray modes;
        for (const auto& [slot, entry] : stored.bySlot) {
            const ModeRecord record = normalizedModeRecord(entry);
            modes.append(QJsonObject{{QStringLiteral("slot"), record.slot},
                                     {QStringLiteral("type"), record.type},
                                     {QStringLiteral("typeName"), QString::fromStdString(modeTypeName(record.type))},
                                     {QStringLiteral("channel"), record.channel},
                                     {QStringLiteral("note"), record.note},
                                     {QStringLiteral("noteName"), QString::fromStdString(noteLabel(record.note))}});
        }
        outJson(QJsonObject{{QStringLiteral("modes"), modes}, {QStringLiteral("count"), stored.count}});
        return stored.invalid.empty() ? kOk : kDataError;
    }
    // Shown as the modes page shows them.
    for (const auto& entry : stored.bySlot)
        out(modeLine(normalizedModeRecord(entry.second)));
    if (stored.count > 0)
        out(QStringLiteral("Modes count: %1").arg(stored.count));
    return stored.invalid.empty() ? kOk : kDataError;
}

int write(DeviceLink& link, const QStringList& arguments)
{
    const std::vector<ModeRecord> records = *parseModeArguments(arguments);
    int acknowledged = 0;
    const OpResult result = storeModes(link, records, &acknowledged);
    if (result == OpResult::NoAnswer)
        err(QCoreApplication::translate("vantorelctl", "%1 of %n mode(s) stored.", nullptr, int(records.size()))
                .arg(acknowledged));
    return statusOf(result);
}

int run(CliContext& c)
{
    DeviceLink& link = *c.link;
    const QString sub = c.args.at(1);
    if (sub == QLatin1String("read"))
        return read(link, c.json);
    if (sub == QLatin1String("write"))
        return write(link, c.args.mid(2));
    if (sub == QLatin1String("count"))
        return statusOf(storeModesCount(link, *parseNumber(c.args.at(2), 1, kModeSlotCount)));
    return statusOf(resetModesToDefault(link));
}

} // namespace

std::vector<CliCommand> modesCommands()
{
    return {{QStringLiteral("modes"), check, run}};
}

} // namespace vantorel
