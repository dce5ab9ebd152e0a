#include "channels/ChannelFile.h"
#include "util/AtomicFile.h"
#include "util/BoundedFile.h"
#include "util/qt/TextConversions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vantorel {

namespace {

// A file is read back in the code page it was written in on this platform.
#ifdef _WIN32
// Windows: its ANSI code page.
QByteArray toFileText(const std::string& utf8)
{
    return QString::fromStdString(utf8).toLocal8Bit();
}
std::string eightBitFileText(std::string_view bytes)
{
    return QString::fromLocal8Bit(bytes.data(), qsizetype(bytes.size())).toStdString();
}
#else
// Elsewhere files are written in UTF-8; one that is not comes from a Windows
// machine with the Central European code page.
QByteArray toFileText(const std::string& utf8)
{
    return QByteArray(utf8.data(), qsizetype(utf8.size()));
}
std::string eightBitFileText(std::string_view bytes)
{
    return windows1250ToUtf8(bytes);
}
#endif

} // namespace

QByteArray channelFileBytes(const ChannelTable& rows)
{
    return toFileText(writeChannelCsv(rows));
}

ChannelFileLoad loadChannelFile(const QString& path)
{
    ChannelFileLoad load;
    const BoundedFileRead file = readBoundedFile(toFileSystemPath(path), kChannelFileLimit);
    if (!file.ok()) {
        load.message = QCoreApplication::translate("vantorel::ChannelFile", "Cannot open the file %1: %2")
                           .arg(QDir::toNativeSeparators(path), errorText(file.problem(kChannelFileLimit)));
        load.readError = true;
        return load;
    }
    load.csv = readChannelCsv(channelFileTextToUtf8(file.bytes, eightBitFileText));
    load.message = QString::fromStdString(channelCsvMessage(load.csv));
    return load;
}

Result<void> saveChannelFile(const QString& path, const ChannelTable& rows)
{
    const QByteArray bytes = channelFileBytes(rows);
    const Result<void> written
        = writeFileAtomically(toFileSystemPath(path), std::string_view(bytes.constData(), size_t(bytes.size())));
    if (written)
        return {};
    return makeError(QCoreApplication::translate("vantorel::ChannelFile", "Cannot save the file %1: %2")
                         .arg(QDir::toNativeSeparators(path), errorText(written.error())));
}

QString withCsvExtension(const QString& path)
{
    if (path.isEmpty() || QFileInfo(path).fileName().contains(QLatin1Char('.')))
        return path;
    return path + QStringLiteral(".csv");
}

} // namespace vantorel
