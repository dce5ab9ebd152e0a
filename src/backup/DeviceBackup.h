#pragma once

#include "channels/domain/ChannelTable.h"
#include "modes/domain/ModeRecord.h"
#include "util/Result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

namespace vantorel {

// A whole-device backup: everything the device holds, in one JSON file whose
// layout docs/device-backup-format.md describes.

inline constexpr int kDeviceBackupVersion = 1;
inline constexpr const char* kDeviceBackupFormat = "VANTOREL device backup";

struct BackupModes {
    int count = 1; // modes in use, 1..5
    std::vector<ModeRecord> records; // slots 1..count, in order
    bool operator==(const BackupModes&) const = default;
};

struct DeviceBackup {
    // Identity, for the record: a restore does not write it.
    char deviceType = 'P'; // 'P', 'B' or 'E'
    std::optional<uint32_t> deviceId;
    QString firmwareDate; // as the window shows it, "2018-04-24 10:24"
    QString bootloaderDate;
    QString created; // ISO 8601 UTC; set when saved
    QString createdBy; // program and version

    bool useNoteOff = false;
    int zeroValueOffset = 0; // 0..10
    std::optional<BackupModes> modes; // Basic and Eco only
    // The channel table as the device holds it, in ascending DMX channel order;
    // every row can be encoded for the device. Descriptions come from the
    // table in the window, when there is one.
    ChannelTable channels;
};

// "VANTOREL Pro", "VANTOREL Basic", "VANTOREL Eco"; empty for another letter.
QString editionName(char deviceType);

QByteArray deviceBackupJson(const DeviceBackup& backup);

// Checks the whole text: any problem refuses the whole file (the error names
// the first one found).
Result<DeviceBackup> parseDeviceBackup(const QByteArray& json);

// The first key that appears twice in one object of valid JSON text (the
// JSON reader keeps the last value without a word); empty when none does.
QString firstDuplicateKey(const QByteArray& json);

// Reads and checks a backup file; the message names the file and the problem.
Result<DeviceBackup> loadDeviceBackup(const QString& path);
// Writes the file atomically (a previous one stays as it was on failure).
// Empty on success, otherwise the message with the system's reason.
Result<void> saveDeviceBackup(const QString& path, const DeviceBackup& backup);

// The differences between what a backup holds and what the device holds
// (identity and descriptions are not compared); empty when they agree.
QStringList compareDeviceBackups(const DeviceBackup& expected, const DeviceBackup& device);

} // namespace vantorel
