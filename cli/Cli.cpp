#include "cli/Cli.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>

#include <atomic>
#include <csignal>
#include <cstdio>

#ifdef _WIN32
#include <io.h>
#include <QTimer>
#else
#include <QSocketNotifier>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace vantorel {

namespace {

bool g_progressShown = false;
bool g_interrupted = false;
// Set by the signal handler itself: a signal counts from the moment it
// arrives, also before the event loop has turned to it (a Ctrl+C while the
// ports open sends nothing).
volatile std::sig_atomic_t g_signalArrived = 0;
bool g_jsonWanted = false;
bool g_jsonPrinted = false;
QString g_lastError;

bool stderrIsTerminal()
{
#ifdef _WIN32
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(fileno(stderr)) != 0;
#endif
}

void clearProgressLine()
{
    if (!g_progressShown)
        return;
    std::fputs("\r\033[K", stderr);
    g_progressShown = false;
}

} // namespace

void err(const QString& text)
{
    g_lastError = text;
    clearProgressLine();
    std::fprintf(stderr, "%s\n",
                 QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")).toLocal8Bit().constData());
    std::fflush(stderr);
}

void out(const QString& text)
{
    std::fprintf(stdout, "%s\n", text.toLocal8Bit().constData());
    std::fflush(stdout);
}

namespace {
QString& jsonLinkCounts()
{
    static QString counts;
    return counts;
}
} // namespace

void setJsonLinkCounts(const QString& countsJson)
{
    jsonLinkCounts() = countsJson;
}

void outJson(const QJsonObject& document)
{
    QJsonObject withLink = document;
    if (!jsonLinkCounts().isEmpty())
        withLink.insert(QStringLiteral("link"), QJsonDocument::fromJson(jsonLinkCounts().toUtf8()).object());
    const QByteArray bytes = QJsonDocument(withLink).toJson(QJsonDocument::Indented);
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
    g_jsonPrinted = true;
}

void setJsonWanted(bool wanted)
{
    g_jsonWanted = wanted;
}

int finishJson(int status)
{
    if (g_jsonWanted && status != kOk && !g_jsonPrinted) {
        const QString error = g_lastError.isEmpty() ? QStringLiteral("Failed.") : g_lastError;
        outJson(
            QJsonObject{{QStringLiteral("error"), QString(error).replace(QLatin1String("\r\n"), QLatin1String("\n"))},
                        {QStringLiteral("exit"), status}});
    }
    return status;
}

void progress(int done, int total, const QString& unit)
{
    static const bool terminal = stderrIsTerminal();
    if (!terminal)
        return;
    constexpr int kWidth = 30;
    QString line;
    if (total > 0) {
        const int filled = int(qint64(kWidth) * qBound(0, done, total) / total);
        line = QStringLiteral("[%1%2] %3/%4 %5")
                   .arg(QString(filled, QLatin1Char('#')), QString(kWidth - filled, QLatin1Char('-')))
                   .arg(done)
                   .arg(total)
                   .arg(unit);
    } else {
        line = QStringLiteral("%1 %2").arg(done).arg(unit);
    }
    std::fprintf(stderr, "\r%s\033[K", line.toLocal8Bit().constData());
    std::fflush(stderr);
    g_progressShown = true;
}

void progressDone()
{
    clearProgressLine();
    std::fflush(stderr);
}

bool interrupted()
{
    return g_interrupted || g_signalArrived != 0;
}

int usage(const QString& text)
{
    err(text);
    err(QCoreApplication::translate("vantorelctl", "Try 'vantorelctl --help'."));
    g_lastError = text;
    return kUsage;
}

int statusOf(OpResult result)
{
    switch (result) {
    case OpResult::Done: return kOk;
    case OpResult::Cancelled: return kInterrupted;
    default: return kNoAnswer;
    }
}

const CliOptions& options()
{
    static const CliOptions options;
    return options;
}

int checkOutputFile(const QString& path)
{
    const QFileInfo file(path);
    if (file.fileName().isEmpty())
        return usage(QCoreApplication::translate("vantorelctl", "'%1' names no file.").arg(path));
    if (!file.absoluteDir().exists()) {
        err(QCoreApplication::translate("vantorelctl", "The folder %1 does not exist.")
                .arg(QDir::toNativeSeparators(file.absolutePath())));
        return kDataError;
    }
    if (file.isDir()) {
        err(QCoreApplication::translate("vantorelctl", "%1 is a folder.")
                .arg(QDir::toNativeSeparators(file.absoluteFilePath())));
        return kDataError;
    }
    return kOk;
}

// The handler only records the signal; the event loop does the rest. It
// restores the default action, so that a second signal ends the program.
#ifdef _WIN32
namespace {
std::atomic<bool> g_signalled{false};
void onSignalCaught(int sig)
{
    g_signalArrived = 1;
    g_signalled = true;
    std::signal(sig, SIG_DFL);
}
} // namespace

struct Interrupts::Impl {
    QTimer poll;
};

Interrupts::Interrupts(QObject* parent)
    : QObject(parent)
    , m_impl(std::make_unique<Impl>())
{
    std::signal(SIGINT, onSignalCaught);
    std::signal(SIGTERM, onSignalCaught);
    connect(&m_impl->poll, &QTimer::timeout, this, [this] {
        if (g_signalled.exchange(false))
            onSignal();
    });
    m_impl->poll.start(50);
}
#else
namespace {
int g_signalFds[2] = {-1, -1};
void onSignalCaught(int sig)
{
    g_signalArrived = 1;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_signalFds[0], &byte, 1);
    std::signal(sig, SIG_DFL);
}
} // namespace

struct Interrupts::Impl {
    std::unique_ptr<QSocketNotifier> notifier;
};

Interrupts::Interrupts(QObject* parent)
    : QObject(parent)
    , m_impl(std::make_unique<Impl>())
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalFds) != 0)
        return;
    m_impl->notifier = std::make_unique<QSocketNotifier>(g_signalFds[1], QSocketNotifier::Read);
    connect(m_impl->notifier.get(), &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        [[maybe_unused]] const ssize_t got = ::read(g_signalFds[1], &byte, 1);
        onSignal();
    });
    struct sigaction action { };
    action.sa_handler = onSignalCaught;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}
#endif

Interrupts::~Interrupts()
{
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
}

void Interrupts::onSignal()
{
    if (g_interrupted)
        return;
    g_interrupted = true;
    emit interrupted();
}

} // namespace vantorel
