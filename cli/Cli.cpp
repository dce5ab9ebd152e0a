#include "cli/Cli.h"

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

} // namespace vantorel
