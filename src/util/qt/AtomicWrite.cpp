#include "util/qt/AtomicWrite.h"
#include "util/AtomicFile.h"
#include "util/qt/TextConversions.h"

#include <string_view>

namespace vantorel {

QString WriteFileAtomically(const QString& path, const QByteArray& bytes)
{
    const FileWriteResult result
        = WriteFileAtomically(ToFileSystemPath(path), std::string_view(bytes.constData(), size_t(bytes.size())));
    return result.ok() ? QString() : QString::fromStdString(result.reason());
}

} // namespace vantorel
