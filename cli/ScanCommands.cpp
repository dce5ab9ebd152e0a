// scan: every device on every port pair, found in one go.

#include "link/DeviceScan.h"
#include "cli/Cli.h"
#include "link/DeviceLink.h"
#include "util/qt/TextConversions.h"

#include <QJsonArray>

namespace vantorel {

namespace {

QString dateText(PackedDateTime date)
{
    return date != 0 ? QString::fromStdString(formatPackedDateTime(date)) : QStringLiteral("-");
}

} // namespace

std::vector<FoundDevice> scanAllPorts(CliContext& c, bool& cancelled)
{
    DeviceScan scan(*c.ports);
    const auto connection = QObject::connect(&scan, &DeviceScan::progressChanged, [](int elapsedMs, int totalMs) {
        progress(elapsedMs, totalMs, QStringLiteral("ms"));
    });
    std::vector<FoundDevice> devices;
    {
        QMetaObject::Connection stop;
        if (c.interrupts)
            stop = QObject::connect(c.interrupts, &Interrupts::interrupted, &scan, &DeviceScan::cancel);
        devices = scan.run();
        QObject::disconnect(stop);
    }
    QObject::disconnect(connection);
    progressDone();
    for (const QString& problem : scan.problems())
        err(problem);
    cancelled = scan.cancelled();
    return devices;
}

Result<void> confirmPair(CliContext& c, const FoundDevice& device)
{
    DeviceScan scan(*c.ports);
    if (c.interrupts)
        QObject::connect(c.interrupts, &Interrupts::interrupted, &scan, &DeviceScan::cancel);
    if (interrupted())
        return makeError(QCoreApplication::translate("vantorelctl", "Cancelled."));
    return scan.confirm(device.input, device.output, device.deviceId);
}

namespace {

int runScan(CliContext& c)
{
    bool cancelled = false;
    const std::vector<FoundDevice> devices = scanAllPorts(c, cancelled);
    if (cancelled)
        return kInterrupted;

    if (c.json) {
        QJsonArray list;
        for (const FoundDevice& d : devices) {
            list.append(QJsonObject{
                {QStringLiteral("input"), d.input},
                {QStringLiteral("output"), d.output.isEmpty() ? QJsonValue() : QJsonValue(d.output)},
                {QStringLiteral("type"), QString(QLatin1Char(d.type))},
                {QStringLiteral("typeName"), deviceTypeName(d.type)},
                {QStringLiteral("deviceId"), qint64(d.deviceId)},
                {QStringLiteral("bootloaderDate"),
                 d.bootloaderDate ? QJsonValue(dateText(d.bootloaderDate)) : QJsonValue()},
                {QStringLiteral("firmwareDate"), d.firmwareDate ? QJsonValue(dateText(d.firmwareDate)) : QJsonValue()},
            });
        }
        outJson(QJsonObject{{QStringLiteral("devices"), list}});
    } else {
        for (const FoundDevice& d : devices) {
            out(QStringLiteral("%1\t%2\t%3\t%4\t%5")
                    .arg(d.input, d.output.isEmpty() ? QStringLiteral("-") : d.output, deviceTypeName(d.type),
                         deviceIdText(d.deviceId), dateText(d.firmwareDate)));
        }
    }
    if (devices.empty()) {
        err(QCoreApplication::translate("vantorelctl", "No device found."));
        return kNoAnswer;
    }
    return kOk;
}

} // namespace

std::vector<CliCommand> scanCommands()
{
    CliCommand scan{QStringLiteral("scan"),
                    [](CliContext& c) {
                        return c.args.size() > 1
                            ? usage(QCoreApplication::translate("vantorelctl", "'scan' takes no arguments."))
                            : kOk;
                    },
                    runScan};
    scan.json = true;
    scan.ownPorts = true;
    return {scan};
}

} // namespace vantorel
