#include "cli/Cli.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace vantorel {

void err(const QString& text)
{
    std::fprintf(stderr, "%s\n", QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")).toLocal8Bit().constData());
    std::fflush(stderr);
}

void out(const QString& text)
{
    std::fprintf(stdout, "%s\n", text.toLocal8Bit().constData());
    std::fflush(stdout);
}

int usage(const QString& text)
{
    err(text);
    err(QStringLiteral("Try 'vantorelctl --help'."));
    return kUsage;
}

int statusOf(OpResult result)
{
    return result == OpResult::Done ? kOk : kNoAnswer;
}

const CliOptions& Options()
{
    static const CliOptions options;
    return options;
}

int checkOutputFile(const QString& path)
{
    const QFileInfo file(path);
    if (file.fileName().isEmpty())
        return usage(QStringLiteral("'%1' names no file.").arg(path));
    if (!file.absoluteDir().exists()) {
        err(QStringLiteral("The folder %1 does not exist.").arg(QDir::toNativeSeparators(file.absolutePath())));
        return kDataError;
    }
    if (file.isDir()) {
        err(QStringLiteral("%1 is a folder.").arg(QDir::toNativeSeparators(file.absoluteFilePath())));
        return kDataError;
    }
    return kOk;
}

} // namespace vantorel
