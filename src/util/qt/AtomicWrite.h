#pragma once

#include "util/Result.h"

#include <QByteArray>
#include <QString>

namespace vantorel {

// Writes `bytes` to `path` through a temporary file that replaces `path` only
// when every byte was written and flushed; a previous file stays as it was
// otherwise. A failure carries the system's reason.
Result<void> writeFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace vantorel
