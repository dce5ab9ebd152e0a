#pragma once

// Conversions between Qt's strings and the plain C++ types of the domain code
// (Qt Core only).

#include "util/Result.h"

#include <QCoreApplication>
#include <QFile>
#include <QString>
#include <QStringList>

#include <array>
#include <filesystem>
#include <string>
#include <utility>
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

namespace text_detail {
// `text` with its markers filled in one QString::arg call of args.size() arguments,
// so that an argument holding a marker is not filled in turn.
template <size_t N> QString fillArgs(const QString& text, const QStringList& args)
{
    return [&]<size_t... I>(std::index_sequence<I...>)
    {
        return text.arg(args[I]...);
    }
    (std::make_index_sequence<N>());
}
template <size_t... N> constexpr auto fillers(std::index_sequence<N...>)
{
    return std::array{&fillArgs<N + 1>...};
}
} // namespace text_detail

// A Result's error as the Qt layers show it: the message in the language
// installed (its English text when there is no translation), its arguments
// filled in. And a text built with Qt as an Error (UTF-8 both ways).
inline QString errorText(const Error& error)
{
    const char* context = error.context ? error.context : "vantorel::Error";
    const QString text = QCoreApplication::translate(context, error.message.c_str());
    static constexpr auto kFillers = text_detail::fillers(std::make_index_sequence<9>());
    if (error.args.empty())
        return text;
    if (error.args.size() > kFillers.size()) // more than %9: the English, all filled
        return QString::fromStdString(error.text());
    return kFillers[error.args.size() - 1](text, toQStringList(error.args));
}
inline Error makeError(const QString& message)
{
    return Error{message.toStdString()};
}

} // namespace vantorel
