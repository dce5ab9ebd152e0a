// identify, restart, clear, options and raw.

#include "link/DeviceLink.h"
#include "link/DeviceScan.h"
#include "cli/Cli.h"
#include "firmware/DeviceIdentity.h"
#include "util/Utils.h"
#include "util/qt/TextConversions.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <optional>

namespace vantorel {

namespace {

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

int noArguments(CliContext& c)
{
    if (c.args.size() > 1)
        return usage(QCoreApplication::translate("vantorelctl", "'%1' takes no arguments.").arg(c.args.first()));
    return kOk;
}

int identify(CliContext& c)
{
    DeviceLink& link = *c.link;
    QString type, id, blDate, fwDate;
    QObject::connect(&link, &DeviceLink::deviceTypeApplied, [&](char applied) { type = deviceTypeName(applied); });
    QObject::connect(&link, &DeviceLink::deviceIdShown, [&](const QString& t) { id = t; });
    QObject::connect(&link, &DeviceLink::bootloaderDateShown, [&](const QString& t) { blDate = t; });
    QObject::connect(&link, &DeviceLink::firmwareDateShown, [&](const QString& t) { fwDate = t; });
    const OpResult result = readDeviceInformation(link);
    if (result != OpResult::Done)
        return statusOf(result);
    // A device without valid firmware reports the date 0.
    const auto date = [](const QString& shown) { return isNoDate(shown) ? QString() : shown; };
    blDate = date(blDate);
    fwDate = date(fwDate);
    if (c.json) {
        const char reported = link.deviceType();
        outJson(QJsonObject{
            {QStringLiteral("type"), reported == 'X' ? QJsonValue() : QJsonValue(QString(QLatin1Char(reported)))},
            {QStringLiteral("typeName"), type.isEmpty() ? QJsonValue() : QJsonValue(type)},
            {QStringLiteral("deviceId"), id.isEmpty() ? QJsonValue() : QJsonValue(id.toLongLong())},
            {QStringLiteral("bootloaderDate"), blDate.isEmpty() ? QJsonValue() : QJsonValue(blDate)},
            {QStringLiteral("firmwareDate"), fwDate.isEmpty() ? QJsonValue() : QJsonValue(fwDate)}});
        return kOk;
    }
    if (type.isEmpty()) {
        // A type letter this program does not know.
        const char letter = link.deviceType();
        const QString shown = letter > ' ' && letter < 0x7F ? QString(QLatin1Char(letter))
                                                            : QString::asprintf("0x%02X", unsigned(uint8_t(letter)));
        type = QStringLiteral("unknown (%1)").arg(shown);
    }
    out(QStringLiteral("Device type: ") + type);
    out(QStringLiteral("Device ID: ") + id);
    out(QStringLiteral("Bootloader date: ") + (blDate.isEmpty() ? QStringLiteral("none") : blDate));
    out(QStringLiteral("Firmware date: ") + (fwDate.isEmpty() ? QStringLiteral("none") : fwDate));
    return kOk;
}

struct OptionValues {
    std::optional<bool> noteOff;
    std::optional<int> zeroOffset;
};

int parseOptionValues(const CliContext& c, OptionValues& values)
{
    const CliOptions& o = options();
    if (c.parser.isSet(o.noteOff)) {
        const QString v = c.parser.value(o.noteOff);
        if (v != QLatin1String("on") && v != QLatin1String("off"))
            return usage(
                QCoreApplication::translate("vantorelctl", "--note-off takes 'on' or 'off', not '%1'.").arg(v));
        values.noteOff = v == QLatin1String("on");
    }
    if (c.parser.isSet(o.zeroOffset)) {
        bool ok = false;
        const QString text = c.parser.value(o.zeroOffset);
        const int v = text.toInt(&ok);
        if (!ok || v < 0 || v > 10)
            return usage(
                QCoreApplication::translate("vantorelctl", "--zero-offset takes a number from 0 to 10, not '%1'.")
                    .arg(text));
        values.zeroOffset = v;
    }
    return kOk;
}

int readOrStoreOptions(CliContext& c)
{
    OptionValues values;
    if (const int status = parseOptionValues(c, values); status != kOk)
        return status;
    DeviceLink& link = *c.link;
    if (values.noteOff || values.zeroOffset) {
        if (values.noteOff) {
            if (const OpResult r = setNoteOffAction(link, *values.noteOff); r != OpResult::Done)
                return statusOf(r);
        }
        if (values.zeroOffset) {
            if (const OpResult r = setZeroValueOffset(link, *values.zeroOffset); r != OpResult::Done)
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
    const OpResult result = readDeviceOptions(link);
    if (result != OpResult::Done)
        return statusOf(result);
    if (c.json) {
        outJson(QJsonObject{{QStringLiteral("noteOff"), useNoteOff}, {QStringLiteral("zeroValueOffset"), offset}});
        return kOk;
    }
    out(QStringLiteral("Use Note Off: %1").arg(useNoteOff ? QStringLiteral("on") : QStringLiteral("off")));
    out(QStringLiteral("CC Zero Value Offset: %1").arg(offset));
    return kOk;
}

int checkRaw(CliContext& c)
{
    if (c.args.size() < 2)
        return usage(QCoreApplication::translate("vantorelctl", "'raw' needs a command letter."));
    if (c.args.size() > 3)
        return usage(QCoreApplication::translate("vantorelctl", "'raw' takes a letter and at most one payload."));
    const QString letter = c.args.at(1);
    if (letter.size() != 1 || letter.at(0).unicode() < 0x21 || letter.at(0).unicode() > 0x7E)
        return usage(QCoreApplication::translate("vantorelctl",
                                                 "The command letter must be one printable ASCII character, not '%1'.")
                         .arg(letter));
    if (c.args.size() == 3 && !parseHex(c.args.at(2)))
        return usage(QCoreApplication::translate("vantorelctl", "The payload must be pairs of hex digits, not '%1'.")
                         .arg(c.args.at(2)));
    return kOk;
}

// Sends one command and prints every message received until 2 s pass without one.
int raw(CliContext& c)
{
    DeviceLink& link = *c.link;
    const char letter = char(c.args.at(1).at(0).unicode());
    const std::vector<uint8_t> payload = c.args.size() == 3 ? *parseHex(c.args.at(2)) : std::vector<uint8_t>{};

    QElapsedTimer sinceLast;
    int received = 0;
    QObject::connect(&link, &DeviceLink::eventReceived, &link, [&](const MidiEvent& e) {
        std::vector<uint8_t> bytes = e.sysex;
        if (!e.isSysex()) {
            const uint8_t all[3] = {e.status, e.data1, e.data2};
            bytes.assign(all, all + shortMessageLength(e.status));
        }
        std::string text = bytesToHexText(bytes, " ");
        if (!text.empty())
            text.pop_back();
        out(QString::fromStdString(text));
        ++received;
        sinceLast.restart();
    });
    if (const Result<void> sent = link.sendCommand(letter, payload); !sent) {
        err(errorText(sent.error()));
        return kNoAnswer;
    }
    link.stopWaitTimer();
    sinceLast.start();
    QEventLoop loop;
    QTimer idle;
    QObject::connect(&idle, &QTimer::timeout, &loop, [&] {
        if (sinceLast.elapsed() >= 2000)
            loop.quit();
    });
    idle.start(50);
    if (c.interrupts)
        QObject::connect(c.interrupts, &Interrupts::interrupted, &loop, &QEventLoop::quit);
    loop.exec();
    if (received == 0) {
        err(QCoreApplication::translate("vantorelctl", "No data received."));
        return kNoAnswer;
    }
    return kOk;
}

} // namespace

std::vector<CliCommand> deviceCommands()
{
    return {
        {QStringLiteral("identify"), noArguments, identify, false, true},
        {QStringLiteral("restart"), noArguments, [](CliContext& c) { return statusOf(restartDevice(*c.link)); }},
        {QStringLiteral("clear"), noArguments, [](CliContext& c) { return statusOf(clearDeviceData(*c.link)); }},
        {QStringLiteral("options"),
         [](CliContext& c) {
             OptionValues values;
             int status = noArguments(c);
             if (status == kOk)
                 status = parseOptionValues(c, values);
             if (status == kOk && c.json && (values.noteOff || values.zeroOffset))
                 return usage(QCoreApplication::translate(
                     "vantorelctl", "--json belongs to reading the options, not to setting them."));
             return status;
         },
         readOrStoreOptions, false, true},
        {QStringLiteral("raw"), checkRaw, raw},
    };
}

} // namespace vantorel
