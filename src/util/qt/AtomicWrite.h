#pragma once

#include <QByteArray>
#include <QString>

namespace vantorel {

// Writes `bytes` to `path` through a temporary file that replaces `path` only
// when every byte was written and flushed; a previous file stays as it was
// otherwise. Empty on success, else the system's reason.
QString WriteFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace vantorel
