#include "backup/AtomicWrite.h"
#include "channels/ChannelFile.h"
#include "util/AtomicFile.h"

#include <string_view>

QString WriteFileAtomically(const QString& path, const QByteArray& bytes)
{
    const FileWriteResult result
        = WriteFileAtomically(FileSystemPath(path), std::string_view(bytes.constData(), size_t(bytes.size())));
    return result.ok() ? QString() : QString::fromStdString(result.reason());
}
