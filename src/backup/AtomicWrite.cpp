#include "backup/AtomicWrite.h"

#include <QSaveFile>

QString WriteFileAtomically(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    // commit() flushes: a full disk shows here.
    if (!file.commit())
        return file.errorString();
    return {};
}
