#include "channels/ChannelFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        load.message = QStringLiteral("Cannot open the file %1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
        load.readError = true;
        return load;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        load.message = QStringLiteral("Cannot read the file %1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
        load.readError = true;
        return load;
    }
    load.csv = ReadChannelCsv(ChannelFileTextToUtf8(std::string_view(bytes.constData(), size_t(bytes.size())), EightBitFileText));
    load.message = QString::fromStdString(ChannelCsvMessage(load.csv));
    return load;
}

QString SaveChannelFile(const QString& path, const ChannelTable& rows)
{
    const QString shown = QDir::toNativeSeparators(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("Cannot save the file %1: %2").arg(shown, file.errorString());
    const QByteArray bytes = ChannelFileBytes(rows);
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return QStringLiteral("Cannot save the file %1: %2").arg(shown, reason);
    }
    if (!file.commit())
        return QStringLiteral("Cannot save the file %1: %2").arg(shown, file.errorString());
    return {};
}

QString WithCsvExtension(const QString& path)
{
    if (path.isEmpty() || QFileInfo(path).fileName().contains(QLatin1Char('.')))
        return path;
    return path + QStringLiteral(".csv");
}
