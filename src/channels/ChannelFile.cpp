#include "channels/ChannelFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace vantorel {

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
    load.csv = ReadChannelCsv(ChannelFileTextToUtf8(std::string_view(bytes.constData(), size_t(bytes.size()))));
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

} // namespace vantorel
