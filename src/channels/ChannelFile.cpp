#include "channels/ChannelFile.h"
#include "util/AtomicFile.h"
#include "util/BoundedFile.h"
#include "util/qt/TextConversions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vantorel {

namespace {

// A file is read back in the code page it was written in on this platform.
#ifdef _WIN32
// Windows: its ANSI code page.
QByteArray ToFileText(const std::string& utf8)
{
    return QString::fromStdString(utf8).toLocal8Bit();
}
std::string EightBitFileText(std::string_view bytes)
{
    return QString::fromLocal8Bit(bytes.data(), qsizetype(bytes.size())).toStdString();
}
#else
// Elsewhere files are written in UTF-8; one that is not comes from a Windows
// machine with the Central European code page.
QByteArray ToFileText(const std::string& utf8)
{
    return QByteArray(utf8.data(), qsizetype(utf8.size()));
}
std::string EightBitFileText(std::string_view bytes)
{
    return Windows1250ToUtf8(bytes);
}
#endif

} // namespace

QByteArray ChannelFileBytes(const ChannelTable& rows)
{
    return ToFileText(WriteChannelCsv(rows));
}

ChannelFileLoad LoadChannelFile(const QString& path)
{
    ChannelFileLoad load;
    const BoundedFileRead file = ReadBoundedFile(ToFileSystemPath(path), kChannelFileLimit);
    if (!file.ok()) {
        load.message = QStringLiteral("Cannot open the file %1: %2")
                           .arg(QDir::toNativeSeparators(path), QString::fromStdString(file.reason(kChannelFileLimit)));
        load.readError = true;
        return load;
    }
    load.csv = ReadChannelCsv(ChannelFileTextToUtf8(file.bytes, EightBitFileText));
    load.message = QString::fromStdString(ChannelCsvMessage(load.csv));
    return load;
}

Result<void> SaveChannelFile(const QString& path, const ChannelTable& rows)
{
    const QByteArray bytes = ChannelFileBytes(rows);
    const Result<void> written
        = WriteFileAtomically(ToFileSystemPath(path), std::string_view(bytes.constData(), size_t(bytes.size())));
    if (written)
        return {};
    return MakeError(
        QStringLiteral("Cannot save the file %1: %2").arg(QDir::toNativeSeparators(path), ErrorText(written.error())));
}

QString WithCsvExtension(const QString& path)
{
    if (path.isEmpty() || QFileInfo(path).fileName().contains(QLatin1Char('.')))
        return path;
    return path + QStringLiteral(".csv");
}

} // namespace vantorel
