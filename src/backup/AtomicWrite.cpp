#include "backup/AtomicWrite.h"

#include <QSaveFile>

QString WriteFileAtomically(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    // write() only fills Qt's buffer; the bytes reach the disk in flush().
    // commit() flushes too, but goes on to replace the file when that fails
    // (a full disk gave an empty file), so the flush and the size are checked here.
    if (file.write(bytes) != bytes.size() || !file.flush() || file.size() != bytes.size()) {
        const QString reason = file.error() != QFileDevice::NoError ? file.errorString()
                                                                    : QStringLiteral("not every byte was written");
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}
