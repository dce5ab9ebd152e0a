#include "channels/ChannelFile.h"
#include "util/AtomicFile.h"
#include "util/BoundedFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QByteArray ChannelFileBytes(const ChannelTable& rows)
{
    const std::string text = WriteChannelCsv(rows);
#ifdef _WIN32
    return QString::fromStdString(text).toLocal8Bit();
#else
    return QByteArray(text.data(), qsizetype(text.size()));
#endif
}

ChannelFileLoad LoadChannelFile(const QString& path)
{
    ChannelFileLoad load;
    const BoundedFileRead file = ReadBoundedFile(FileSystemPath(path), kChannelFileLimit);
    if (!file.ok()) {
        load.message = QStringLiteral("Cannot open the file %1: %2")
                           .arg(QDir::toNativeSeparators(path), QString::fromStdString(file.reason(kChannelFileLimit)));
        load.readError = true;
        return load;
    }
    load.csv = ReadChannelCsv(ChannelFileTextToUtf8(file.bytes));
    load.message = QString::fromStdString(ChannelCsvMessage(load.csv));
    return load;
}

QString SaveChannelFile(const QString& path, const ChannelTable& rows)
{
    const QByteArray bytes = ChannelFileBytes(rows);
    const FileWriteResult result
        = WriteFileAtomically(FileSystemPath(path), std::string_view(bytes.constData(), size_t(bytes.size())));
    if (result.ok())
        return {};
    return QStringLiteral("Cannot save the file %1: %2")
        .arg(QDir::toNativeSeparators(path), QString::fromStdString(result.reason()));
}

std::filesystem::path FileSystemPath(const QString& path)
{
#ifdef _WIN32
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

QString WithCsvExtension(const QString& path)
{
    if (path.isEmpty() || QFileInfo(path).fileName().contains(QLatin1Char('.')))
        return path;
    return path + QStringLiteral(".csv");
}
