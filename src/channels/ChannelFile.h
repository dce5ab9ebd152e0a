#pragma once

#include "channels/domain/ChannelCsv.h"

#include <QByteArray>
#include <QString>

namespace vantorel {

// Channel settings files on disk, shared by the main window and vantorelctl.

// The table as the file's bytes: UTF-8 on Linux and macOS, the ANSI code
// page on Windows.
QByteArray ChannelFileBytes(const ChannelTable& rows);

struct ChannelFileLoad {
    ChannelCsvLoad csv;     // what the file holds
    QString message;        // why nothing was loaded; empty on success
    bool readError = false; // the file itself could not be read

    bool ok() const { return message.isEmpty(); }
};

// Reads and parses a file (UTF-8 when valid, Windows-1250 otherwise). A file
// that cannot be read gives the system's reason in `message`.
ChannelFileLoad LoadChannelFile(const QString& path);

// Writes the file through a temporary one that replaces `path` only when
// everything was written. Empty on success, otherwise the message with the
// system's reason; a previous file is then left as it was.
QString SaveChannelFile(const QString& path, const ChannelTable& rows);

// The name with ".csv" appended when its file name has no extension.
QString WithCsvExtension(const QString& path);

} // namespace vantorel
