#include "backup/DeviceBackup.h"

#include "channels/ChannelVerify.h"

#include "protocol/DeviceType.h"
#include "util/qt/AtomicWrite.h"
#include "channels/domain/ChannelCodec.h"
#include "channels/domain/ChannelCompare.h"
#include "util/BoundedFile.h"
#include "util/qt/TextConversions.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <optional>
#include <set>
#include <vector>

namespace vantorel {

namespace {

// Backup files are small; anything much larger is not one.
constexpr qint64 kMaxBackupFileSize = 4 * 1024 * 1024;

QString fromStd(const std::string& text)
{
    return QString::fromStdString(text);
}

QJsonObject modeJson(const ModeRecord& mode)
{
    return {{"slot", mode.slot},
            {"type", mode.type},
            {"typeName", fromStd(modeTypeName(mode.type))},
            {"midiChannel", mode.channel},
            {"note", mode.note}};
}

QJsonObject channelJson(const ChannelRecord& row)
{
    const ChannelValues v = *readChannelValues(row);
    return {{"dmxChannel", v.dmxChannel},
            {"controlMode", fromStd(row.controlMode)},
            {"constantValue", v.constantValue},
            {"midiChannel", v.midiChannel},
            {"activeOn", fromStd(row.activeOn)},
            {"from", v.from},
            {"to", v.to},
            {"dataType", fromStd(row.dataType)},
            {"fixedValue", v.fixedValueValue},
            {"description", fromStd(row.description)}};
}

// Reads one JSON object by the rules of the format; the first problem is kept
// with the path of the value ("channels[3].midiChannel").
class Reader {
public:
    QString error;

    bool ok() const { return error.isEmpty(); }

    // Refuses keys the format does not know (a misspelt key would otherwise
    // be lost without a word).
    void onlyKeys(const QJsonObject& object, const QString& path, const QStringList& known)
    {
        for (const QString& key : object.keys())
            if (ok() && !known.contains(key))
                fail(join(path, key),
                     QCoreApplication::translate("vantorel::DeviceBackup", "is not part of the format"));
    }

    std::optional<QJsonObject> object(const QJsonObject& parent, const QString& path, const QString& key, bool required)
    {
        const QJsonValue value = parent.value(key);
        if (value.isUndefined()) {
            if (required)
                fail(join(path, key), QCoreApplication::translate("vantorel::DeviceBackup", "is missing"));
            return std::nullopt;
        }
        if (!value.isObject()) {
            fail(join(path, key), QCoreApplication::translate("vantorel::DeviceBackup", "must be an object"));
            return std::nullopt;
        }
        return value.toObject();
    }

    std::optional<QJsonArray> array(const QJsonObject& parent, const QString& path, const QString& key)
    {
        const QJsonValue value = parent.value(key);
        if (!value.isArray()) {
            fail(join(path, key),
                 value.isUndefined() ? QCoreApplication::translate("vantorel::DeviceBackup", "is missing")
                                     : QCoreApplication::translate("vantorel::DeviceBackup", "must be an array"));
            return std::nullopt;
        }
        return value.toArray();
    }

    int integer(const QJsonObject& parent, const QString& path, const QString& key, double low, double high)
    {
        const QJsonValue value = parent.value(key);
        const double number = value.toDouble(-1);
        if (!value.isDouble() || std::floor(number) != number || number < low || number > high) {
            fail(join(path, key),
                 value.isUndefined()
                     ? QCoreApplication::translate("vantorel::DeviceBackup", "is missing")
                     : QCoreApplication::translate("vantorel::DeviceBackup", "must be a whole number from %1 to %2")
                           .arg(qint64(low))
                           .arg(qint64(high)));
            return int(low);
        }
        return int(qint64(number));
    }

    std::optional<uint32_t> optionalId(const QJsonObject& parent, const QString& path, const QString& key)
    {
        if (!parent.contains(key))
            return std::nullopt;
        const QJsonValue value = parent.value(key);
        const double number = value.toDouble(-1);
        if (!value.isDouble() || std::floor(number) != number || number < 0 || number > 4294967295.0) {
            fail(join(path, key),
                 QCoreApplication::translate("vantorel::DeviceBackup", "must be a whole number from 0 to 4294967295"));
            return std::nullopt;
        }
        return uint32_t(number);
    }

    bool boolean(const QJsonObject& parent, const QString& path, const QString& key)
    {
        const QJsonValue value = parent.value(key);
        if (!value.isBool())
            fail(join(path, key),
                 value.isUndefined() ? QCoreApplication::translate("vantorel::DeviceBackup", "is missing")
                                     : QCoreApplication::translate("vantorel::DeviceBackup", "must be true or false"));
        return value.toBool();
    }

    QString text(const QJsonObject& parent, const QString& path, const QString& key, bool required)
    {
        const QJsonValue value = parent.value(key);
        if (value.isUndefined() && !required)
            return {};
        if (!value.isString())
            fail(join(path, key),
                 value.isUndefined() ? QCoreApplication::translate("vantorel::DeviceBackup", "is missing")
                                     : QCoreApplication::translate("vantorel::DeviceBackup", "must be a text"));
        return value.toString();
    }

    // A text that must be one of `list`; its position.
    int choice(const QJsonObject& parent, const QString& path, const QString& key, const std::vector<std::string>& list)
    {
        const QString value = text(parent, path, key, true);
        for (size_t i = 0; i < list.size(); ++i)
            if (value == fromStd(list[i]))
                return int(i);
        if (ok()) {
            QStringList names;
            for (const std::string& entry : list)
                names << QLatin1Char('"') + fromStd(entry) + QLatin1Char('"');
            fail(join(path, key),
                 QCoreApplication::translate("vantorel::DeviceBackup", "must be %1")
                     .arg(names.join(QCoreApplication::translate("vantorel::DeviceBackup", " or "))));
        }
        return 0;
    }

    void fail(const QString& where, const QString& what)
    {
        if (ok())
            error = where.isEmpty() ? what : where + QLatin1Char(' ') + what;
    }

    static QString join(const QString& path, const QString& key)
    {
        return path.isEmpty() ? key : path + QLatin1Char('.') + key;
    }
};

std::optional<BackupModes> readModes(Reader& r, const QJsonObject& root)
{
    const auto modes = r.object(root, {}, QStringLiteral("modes"), false);
    if (!modes || !r.ok())
        return std::nullopt;
    const QString path = QStringLiteral("modes");
    r.onlyKeys(*modes, path, {QStringLiteral("count"), QStringLiteral("slots")});
    BackupModes result;
    result.count = r.integer(*modes, path, QStringLiteral("count"), 1, kModeSlotCount);
    const auto records = r.array(*modes, path, QStringLiteral("slots"));
    if (!r.ok())
        return std::nullopt;
    if (records->size() != result.count) {
        r.fail(QStringLiteral("modes.slots"),
               QCoreApplication::translate("vantorel::DeviceBackup", "must hold %n mode(s), as modes.count says",
                                           nullptr, result.count));
        return std::nullopt;
    }
    for (qsizetype i = 0; i < records->size() && r.ok(); ++i) {
        const QString at = QStringLiteral("modes.slots[%1]").arg(i);
        if (!records->at(i).isObject()) {
            r.fail(at, QCoreApplication::translate("vantorel::DeviceBackup", "must be an object"));
            break;
        }
        const QJsonObject slot = records->at(i).toObject();
        r.onlyKeys(slot, at,
                   {QStringLiteral("slot"), QStringLiteral("type"), QStringLiteral("typeName"),
                    QStringLiteral("midiChannel"), QStringLiteral("note")});
        ModeRecord mode;
        mode.slot = r.integer(slot, at, QStringLiteral("slot"), double(i + 1), double(i + 1));
        mode.type = r.integer(slot, at, QStringLiteral("type"), 0, kModeTypeCount - 1);
        mode.channel = r.integer(slot, at, QStringLiteral("midiChannel"), 1, 16);
        mode.note = r.integer(slot, at, QStringLiteral("note"), 0, kModeNoteCount - 1);
        r.text(slot, at, QStringLiteral("typeName"), false); // for readers only
        result.records.push_back(mode);
    }
    return result;
}

ChannelTable readChannels(Reader& r, const QJsonObject& root)
{
    ChannelTable rows;
    const auto channels = r.array(root, {}, QStringLiteral("channels"));
    if (!r.ok())
        return rows;
    if (channels->size() > kLastDmxChannel) {
        r.fail(
            QStringLiteral("channels"),
            QCoreApplication::translate("vantorel::DeviceBackup", "holds more than %1 channels").arg(kLastDmxChannel));
        return rows;
    }
    std::set<int> seen;
    for (qsizetype i = 0; i < channels->size() && r.ok(); ++i) {
        const QString at = QStringLiteral("channels[%1]").arg(i);
        if (!channels->at(i).isObject()) {
            r.fail(at, QCoreApplication::translate("vantorel::DeviceBackup", "must be an object"));
            break;
        }
        const QJsonObject c = channels->at(i).toObject();
        r.onlyKeys(c, at,
                   {QStringLiteral("dmxChannel"), QStringLiteral("controlMode"), QStringLiteral("constantValue"),
                    QStringLiteral("midiChannel"), QStringLiteral("activeOn"), QStringLiteral("from"),
                    QStringLiteral("to"), QStringLiteral("dataType"), QStringLiteral("fixedValue"),
                    QStringLiteral("description")});
        ChannelValues v;
        v.dmxChannel = r.integer(c, at, QStringLiteral("dmxChannel"), kFirstDmxChannel, kLastDmxChannel);
        v.valueMode = r.choice(c, at, QStringLiteral("controlMode"), controlModeList()) == 1;
        v.constantValue = r.integer(c, at, QStringLiteral("constantValue"), 0, 255);
        v.midiChannel = r.integer(c, at, QStringLiteral("midiChannel"), 1, 16);
        v.controlChange = r.choice(c, at, QStringLiteral("activeOn"), activeOnList()) == 1;
        v.from = r.integer(c, at, QStringLiteral("from"), 0, kNoteCount - 1);
        v.to = r.integer(c, at, QStringLiteral("to"), v.from, kNoteCount - 1);
        v.fixedValue = r.choice(c, at, QStringLiteral("dataType"), dataTypeList()) == 1;
        v.fixedValueValue = r.integer(c, at, QStringLiteral("fixedValue"), 0, 255);
        const QString description = r.text(c, at, QStringLiteral("description"), false);
        // The device keeps one value per channel: an "Active" channel's is its fixed value.
        if (r.ok() && !v.valueMode && v.constantValue != 0)
            r.fail(at + QStringLiteral(".constantValue"),
                   QCoreApplication::translate("vantorel::DeviceBackup",
                                               "is %1, which cannot reach the device: a channel in control mode "
                                               "\"Active\" has no constant value (it must be 0)")
                       .arg(v.constantValue));
        if (r.ok() && !seen.insert(v.dmxChannel).second)
            r.fail(
                at + QStringLiteral(".dmxChannel"),
                QCoreApplication::translate("vantorel::DeviceBackup", "%1 appears more than once").arg(v.dmxChannel));
        if (r.ok())
            insertSorted(rows, recordFromValues(v, sanitizedDescription(description.toStdString())));
    }
    return rows;
}

} // namespace

QString firstDuplicateKey(const QByteArray& json)
{
    // One set of keys per open object; arrays hold none (nullopt).
    std::vector<std::optional<std::set<QByteArray>>> open;
    for (qsizetype i = 0; i < json.size(); ++i) {
        const char c = json.at(i);
        if (c == '{') {
            open.emplace_back(std::set<QByteArray>());
        } else if (c == '[') {
            open.emplace_back(std::nullopt);
        } else if ((c == '}' || c == ']') && !open.empty()) {
            open.pop_back();
        } else if (c == '"') {
            const qsizetype start = i + 1;
            for (++i; i < json.size() && json.at(i) != '"'; ++i) {
                if (json.at(i) == '\\')
                    ++i;
            }
            qsizetype next = i + 1;
            while (next < json.size() && QChar::isSpace(uchar(json.at(next))))
                ++next;
            const bool isKey = next < json.size() && json.at(next) == ':' && !open.empty() && open.back();
            if (isKey && !open.back()->insert(json.mid(start, i - start)).second)
                return QString::fromUtf8(json.mid(start, i - start));
        }
    }
    return {};
}

QString editionName(char deviceType)
{
    if (const std::optional<DeviceType> known = deviceTypeFromLetter(deviceType))
        return QString::fromLatin1(productName(*known));
    return {};
}

QByteArray deviceBackupJson(const DeviceBackup& backup)
{
    QJsonObject device{{"type", QString(QLatin1Char(backup.deviceType))}, {"edition", editionName(backup.deviceType)}};
    if (backup.deviceId)
        device.insert(QStringLiteral("id"), qint64(*backup.deviceId));
    if (!backup.firmwareDate.isEmpty())
        device.insert(QStringLiteral("firmwareDate"), backup.firmwareDate);
    if (!backup.bootloaderDate.isEmpty())
        device.insert(QStringLiteral("bootloaderDate"), backup.bootloaderDate);

    QJsonObject root{
        {"format", QString::fromLatin1(kDeviceBackupFormat)},
        {"version", kDeviceBackupVersion},
        {"device", device},
        {"options", QJsonObject{{"useNoteOff", backup.useNoteOff}, {"ccZeroValueOffset", backup.zeroValueOffset}}}};
    if (!backup.created.isEmpty())
        root.insert(QStringLiteral("created"), backup.created);
    if (!backup.createdBy.isEmpty())
        root.insert(QStringLiteral("createdBy"), backup.createdBy);
    if (backup.modes) {
        QJsonArray records;
        for (const ModeRecord& mode : backup.modes->records)
            records.append(modeJson(mode));
        root.insert(QStringLiteral("modes"), QJsonObject{{"count", backup.modes->count}, {"slots", records}});
    }
    QJsonArray channels;
    for (const ChannelRecord& row : backup.channels)
        channels.append(channelJson(row));
    root.insert(QStringLiteral("channels"), channels);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

Result<DeviceBackup> parseDeviceBackup(const QByteArray& json)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        return makeError(QCoreApplication::translate("vantorel::DeviceBackup", "it is not JSON (%1 at byte %2)")
                             .arg(parseError.errorString())
                             .arg(parseError.offset));
    }
    if (!document.isObject()) {
        return makeError(QCoreApplication::translate("vantorel::DeviceBackup", "it holds no backup object"));
    }
    const QJsonObject root = document.object();
    Reader r;
    if (root.value(QStringLiteral("format")).toString() != QLatin1String(kDeviceBackupFormat)) {
        return makeError(QCoreApplication::translate("vantorel::DeviceBackup",
                                                     "it is not a device backup (\"format\" is not \"%1\")")
                             .arg(QLatin1String(kDeviceBackupFormat)));
    }
    // A whole number above this program's version, however large, is a newer format.
    if (const QJsonValue version = root.value(QStringLiteral("version")); version.isDouble()
        && version.toDouble() > kDeviceBackupVersion && version.toDouble() == std::floor(version.toDouble())) {
        return makeError(QCoreApplication::translate("vantorel::DeviceBackup",
                                                     "it was made by a newer version of the program (it has "
                                                     "version %1; this program reads version %2)")
                             .arg(version.toDouble(), 0, 'f', 0)
                             .arg(kDeviceBackupVersion));
    }
    r.integer(root, {}, QStringLiteral("version"), 1, kDeviceBackupVersion);
    if (const QString key = firstDuplicateKey(json); !key.isEmpty()) {
        return makeError(
            QCoreApplication::translate("vantorel::DeviceBackup", "the key \"%1\" appears twice in one object")
                .arg(key));
    }
    r.onlyKeys(root, {},
               {QStringLiteral("format"), QStringLiteral("version"), QStringLiteral("created"),
                QStringLiteral("createdBy"), QStringLiteral("device"), QStringLiteral("options"),
                QStringLiteral("modes"), QStringLiteral("channels")});
    DeviceBackup backup;
    backup.created = r.text(root, {}, QStringLiteral("created"), false);
    backup.createdBy = r.text(root, {}, QStringLiteral("createdBy"), false);

    if (const auto device = r.object(root, {}, QStringLiteral("device"), true); device && r.ok()) {
        const QString path = QStringLiteral("device");
        r.onlyKeys(*device, path,
                   {QStringLiteral("type"), QStringLiteral("edition"), QStringLiteral("id"),
                    QStringLiteral("firmwareDate"), QStringLiteral("bootloaderDate")});
        const QString type = r.text(*device, path, QStringLiteral("type"), true);
        if (r.ok() && type != QLatin1String("P") && type != QLatin1String("B") && type != QLatin1String("E"))
            r.fail(QStringLiteral("device.type"),
                   QCoreApplication::translate("vantorel::DeviceBackup", "must be \"P\", \"B\" or \"E\""));
        if (r.ok())
            backup.deviceType = char(type.at(0).unicode());
        r.text(*device, path, QStringLiteral("edition"), false); // for readers only
        backup.deviceId = r.optionalId(*device, path, QStringLiteral("id"));
        backup.firmwareDate = r.text(*device, path, QStringLiteral("firmwareDate"), false);
        backup.bootloaderDate = r.text(*device, path, QStringLiteral("bootloaderDate"), false);
    }
    if (const auto options = r.object(root, {}, QStringLiteral("options"), true); options && r.ok()) {
        const QString path = QStringLiteral("options");
        r.onlyKeys(*options, path, {QStringLiteral("useNoteOff"), QStringLiteral("ccZeroValueOffset")});
        backup.useNoteOff = r.boolean(*options, path, QStringLiteral("useNoteOff"));
        backup.zeroValueOffset = r.integer(*options, path, QStringLiteral("ccZeroValueOffset"), 0, 10);
    }
    if (r.ok()) {
        backup.modes = readModes(r, root);
        if (r.ok() && isPro(backup.deviceType) && backup.modes)
            r.fail(QStringLiteral("modes"),
                   QCoreApplication::translate("vantorel::DeviceBackup",
                                               "must be left out for a VANTOREL Pro, which has no Basic/Eco modes"));
        if (r.ok() && !isPro(backup.deviceType) && !backup.modes)
            r.fail(QStringLiteral("modes"),
                   QCoreApplication::translate("vantorel::DeviceBackup", "is missing (a %1 has Basic/Eco modes)")
                       .arg(editionName(backup.deviceType)));
    }
    if (r.ok())
        backup.channels = readChannels(r, root);
    if (!r.ok()) {
        return makeError(r.error);
    }
    return backup;
}

Result<DeviceBackup> loadDeviceBackup(const QString& path)
{
    const QString shown = QDir::toNativeSeparators(path);
    // Only a regular file is read: a FIFO or a device is refused at once.
    const BoundedFileRead file = readBoundedFile(toFileSystemPath(path), size_t(kMaxBackupFileSize));
    if (file.status == BoundedFileRead::Status::TooLarge) {
        return makeError(QCoreApplication::translate("vantorel::DeviceBackup",
                                                     "The file %1 is not a device backup: it is larger than %2 MiB.")
                             .arg(shown)
                             .arg(kMaxBackupFileSize / (1024 * 1024)));
    }
    if (!file.ok()) {
        return makeError(QCoreApplication::translate("vantorel::DeviceBackup", "Cannot open the backup file %1: %2.")
                             .arg(shown, errorText(file.problem(size_t(kMaxBackupFileSize)))));
    }
    const QByteArray bytes = QByteArray::fromStdString(file.bytes);
    Result<DeviceBackup> parsed = parseDeviceBackup(bytes);
    if (!parsed)
        return makeError(
            QCoreApplication::translate("vantorel::DeviceBackup", "The file %1 is not a valid device backup: %2.")
                .arg(shown, errorText(parsed.error())));
    return parsed;
}

Result<void> saveDeviceBackup(const QString& path, const DeviceBackup& backup)
{
    const Result<void> written = writeFileAtomically(path, deviceBackupJson(backup));
    if (written)
        return {};
    return makeError(QCoreApplication::translate("vantorel::DeviceBackup", "Cannot save the backup file %1: %2")
                         .arg(QDir::toNativeSeparators(path), errorText(written.error())));
}

QStringList compareDeviceBackups(const DeviceBackup& expected, const DeviceBackup& device)
{
    QStringList lines;
    auto onOff = [](bool on) {
        return on ? QCoreApplication::translate("vantorel::DeviceBackup", "on")
                  : QCoreApplication::translate("vantorel::DeviceBackup", "off");
    };
    if (expected.useNoteOff != device.useNoteOff)
        lines << QCoreApplication::translate("vantorel::DeviceBackup",
                                             "Use Note Off: %1 in the backup, %2 in the device.")
                     .arg(onOff(expected.useNoteOff), onOff(device.useNoteOff));
    if (expected.zeroValueOffset != device.zeroValueOffset)
        lines << QCoreApplication::translate("vantorel::DeviceBackup",
                                             "CC Zero Value Offset: %1 in the backup, %2 in the device.")
                     .arg(expected.zeroValueOffset)
                     .arg(device.zeroValueOffset);
    if (expected.modes && device.modes && !(*expected.modes == *device.modes)) {
        if (expected.modes->count != device.modes->count)
            lines << QCoreApplication::translate("vantorel::DeviceBackup",
                                                 "Modes count: %1 in the backup, %2 in the device.")
                         .arg(expected.modes->count)
                         .arg(device.modes->count);
        const size_t common = std::min(expected.modes->records.size(), device.modes->records.size());
        for (size_t i = 0; i < common; ++i) {
            const ModeRecord& a = expected.modes->records[i];
            const ModeRecord& b = device.modes->records[i];
            if (!(a == b))
                lines << QCoreApplication::translate("vantorel::DeviceBackup",
                                                     "Mode slot %1: type %2, MIDI channel %3, note %4 in the backup; "
                                                     "type %5, MIDI channel %6, note %7 in the device.")
                             .arg(a.slot)
                             .arg(a.type)
                             .arg(a.channel)
                             .arg(a.note)
                             .arg(b.type)
                             .arg(b.channel)
                             .arg(b.note);
        }
    }
    const ChannelComparison channels
        = compareChannelPayloads(channelPayloadsOf(expected.channels), channelPayloadsOf(device.channels), true);
    for (const ChannelDifference& difference : channels.differences)
        lines << differenceText(difference, ExpectedSide::Backup);
    return lines;
}

} // namespace vantorel
