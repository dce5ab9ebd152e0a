#pragma once

// Conversions between Qt's strings and the plain C++ types of the domain code
// (Qt Core only).

#include "util/Result.h"

#include <QFile>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <string>
#include <vector>

namespace vantorel {

// A path the file functions of the standard library open: the UTF-16 name on
// Windows, the local 8-bit encoding elsewhere.
inline std::filesystem::path toFileSystemPath(const QString& path)
{
#ifdef _WIN32
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

inline QStringList toQStringList(const std::vector<std::string>& list)
{
    QStringList result;
    result.reserve(qsizetype(list.size()));
    for (const std::string& entry : list)
        result << QString::fromStdString(entry);
    return result;
}

// A Result's error as the Qt layers show it, and a text built with Qt as an
// Error (UTF-8 both ways: nothing is lost).
inline QString errorText(const Error& error)
{
    return QString::fromStdString(error.message);
}
inline Error makeError(const QString& message)
{
    return Error{message.toStdString()};
}

} // namespace vantorel
