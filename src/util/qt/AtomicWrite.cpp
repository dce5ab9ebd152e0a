#include "util/qt/AtomicWrite.h"
#include "util/AtomicFile.h"
#include "util/qt/TextConversions.h"

#include <string_view>

namespace vantorel {

Result<void> writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    return writeFileAtomically(toFileSystemPath(path), std::string_view(bytes.constData(), size_t(bytes.size())));
}

} // namespace vantorel
