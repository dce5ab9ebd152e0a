#pragma once

#include "link/DeviceOperations.h"
#include "backup/DeviceBackup.h"
#include "channels/ChannelVerify.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <string>

namespace vantorel {

class DeviceLink;

// Taking a whole-device backup and restoring one, for the main window and
// vantorelctl alike. Each part is one of the device operations; progress and
// each part's result go to `report` (one line each).

using BackupReport = std::function<void(const QString& line)>;

struct BackupRead {
    OpResult result = OpResult::Done;
    QString problem; // why there is no backup (after a Done exchange: incomplete data)
    bool problemSaysNotSaved = false; // the problem's text already says that nothing was saved
    DeviceBackup backup;

    bool ok() const { return result == OpResult::Done && problem.isEmpty(); }
    // The problem as the reason why no backup file was written.
    QString notSavedText() const;
};

// The device's channel table, read until two consecutive reads agree (at
// most `reads` times); not complete() when they never did.
DeviceChannels readStableChannels(DeviceLink& link, int reads = 3);

// Reads identity ("J"), options ("M"), the Basic/Eco modes ("F", not for a
// Pro) and the channel table ("B"). `description` gives the description of a
// DMX channel from the table in hand (empty without one).
BackupRead readDeviceBackup(DeviceLink& link, const BackupReport& report,
                            const std::function<std::string(int dmxChannel)>& description = {});

enum class RestoreResult {
    Done, // every part written (and verified when asked)
    NoAnswer, // the device did not answer; parts before it were written
    Busy, // another device operation waits; nothing was written
    Failed, // the MIDI output refused a command
    OtherType, // the device is of another edition and that was not allowed; nothing was written
    Different, // written, but the verification found differences
    Cancelled, // cancelled (Esc, SIGINT); the parts say what was written
};

struct RestoreOutcome {
    RestoreResult result = RestoreResult::Done;
    QStringList differences; // after a verification
    // Once anything may have been written: one line per part saying what
    // reached the device, counted from its acknowledgements ("Modes: 1 of 3
    // slots written.", "Channels: the device's table was cleared; 2 of 40
    // written. ..."). Also given to the report when a part did not finish.
    QStringList parts;
};

// Writes a checked backup: identifies the device first; when its edition is
// not the backup's, `allowOtherType(deviceType)` decides (nothing is written
// when it says no). Then the options ("L", "O"), the modes ("G" per slot and
// "I", Basic and Eco devices with modes in the backup) and the channels (the
// device's are cleared with "A", then "C" per row). The identity is not
// written. `verify` reads everything back and compares.
RestoreOutcome restoreDeviceBackup(DeviceLink& link, const DeviceBackup& backup, const BackupReport& report,
                                   const std::function<bool(char deviceType)>& allowOtherType, bool verify);

} // namespace vantorel
