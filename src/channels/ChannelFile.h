#pragma once

#include "channels/domain/ChannelCsv.h"
#include "util/Result.h"

#include <QByteArray>
#include <QString>

namespace vantorel {

// Channel settings files on disk, shared by the main window and vantorelctl.

// The table as the file's bytes: UTF-8 on Linux and macOS, the ANSI code
// page on Windows.
QByteArray channelFileBytes(const ChannelTable& rows);

struct ChannelFileLoad {
    ChannelCsvLoad csv; // what the file holds
    QString message; // why nothing was loaded; empty on success
    bool readError = false; // the file itself could not be read

    bool ok() const { return message.isEmpty(); }
};

// The largest channel settings file read: 512 rows take some 60 KiB.
inline constexpr size_t kChannelFileLimit = 4 * 1024 * 1024;

// Reads and parses a regular file of at most kChannelFileLimit bytes (UTF-8
// when valid, otherwise the code page channelFileBytes writes on Windows,
// Windows-1250 elsewhere). A file
// that cannot be read gives the system's reason in `message`.
ChannelFileLoad loadChannelFile(const QString& path);

// Writes the file through writeFileAtomically (util/AtomicFile.h). The error
// is "Cannot save the file <name>: <the system's reason>"; a previous file is
// then left as it was.
Result<void> saveChannelFile(const QString& path, const ChannelTable& rows);

// The name with ".csv" appended when its file name has no extension.
QString withCsvExtension(const QString& path);

} // namespace vantorel
