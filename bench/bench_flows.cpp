// Whole flows that do not fit a micro-benchmark, measured side by side in one
// run and printed with the ratio that matters:
//  - CPU time of a 2 s wait that times out: DeviceLink::AwaitReply against an
//    in-process device that never answers, beside the classic wait that spins
//    over QCoreApplication::processEvents() until a flag or a timer says stop.
//    Once on a bare link (as vantorelctl waits) and once with the main window
//    shown (offscreen) holding a full channel table.
//  - Start-up time to the first painted main window (offscreen), as a fresh
//    process started from here, and the resident memory once a 512-row
//    channel file has been opened into the channel page.
//
// Usage: bench_flows [--json FILE] [--runs N]
// (--startup-child is the start-up run this program starts itself.)

#include "BenchTables.h"
#include "app/MainWindow.h"
#include "link/DeviceLink.h"
#include "channels/ChannelFile.h"
#include "channels/gui/ChannelsPage.h"
#include "channels/gui/ChannelListView.h"
#include "channels/gui/ChannelTableModel.h"
#include "channels/gui/ChannelsPage.h"
#include "emulator/inprocess/EmulatorBackend.h"
#include "midi/MidiBackend.h"
#include "settings/SettingsFiles.h"
#include "settings/gui/AppIcon.h"
#include "settings/gui/LanguageWindow.h"
#include "app/DebugWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

using namespace vantorel;

namespace {

constexpr int kWaitMs = 2000;

// ---------------------------------------------------------------- measuring

double clockMs(clockid_t clock)
{
    timespec ts{};
    clock_gettime(clock, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

struct Usage {
    double cpuMs = 0; // the whole process, every thread
    double wallMs = 0;
    long wakeups = 0; // voluntary context switches: how often the process slept and woke
    long preempted = 0; // involuntary context switches
};

template <typename F> Usage measure(F&& work)
{
    rusage before{};
    rusage after{};
    getrusage(RUSAGE_SELF, &before);
    const double wall0 = clockMs(CLOCK_MONOTONIC);
    const double cpu0 = clockMs(CLOCK_PROCESS_CPUTIME_ID);
    work();
    const double cpu1 = clockMs(CLOCK_PROCESS_CPUTIME_ID);
    const double wall1 = clockMs(CLOCK_MONOTONIC);
    getrusage(RUSAGE_SELF, &after);
    return {cpu1 - cpu0, wall1 - wall0, after.ru_nvcsw - before.ru_nvcsw, after.ru_nivcsw - before.ru_nivcsw};
}

// VmRSS and VmHWM of this process in KiB.
struct Memory {
    long rssKb = 0;
    long hwmKb = 0;
};

Memory readMemory()
{
    Memory memory;
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            memory.rssKb = std::stol(line.substr(6));
        else if (line.rfind("VmHWM:", 0) == 0)
            memory.hwmKb = std::stol(line.substr(6));
    }
    return memory;
}

void require(bool condition, const char* what)
{
    if (!condition)
        throw std::runtime_error(what);
}

// Runs the event loop until `object` gets an event of `type` (or `timeoutMs`
// passes); true when it came.
class EventCatcher : public QObject {
public:
    EventCatcher(QObject* watched, QEvent::Type type)
        : m_type(type)
    {
        watched->installEventFilter(this);
    }
    bool seen = false;
    std::function<void()> onSeen;

    bool wait(int timeoutMs)
    {
        if (seen)
            return true;
        QEventLoop loop;
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        onSeen = [&loop] { QTimer::singleShot(0, &loop, &QEventLoop::quit); };
        loop.exec();
        onSeen = nullptr;
        return seen;
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == m_type && !seen) {
            seen = true;
            if (onSeen)
                onSeen();
        }
        return false;
    }

private:
    QEvent::Type m_type;
};

// ---------------------------------------------------------------- the waits

EmulatorConfig silentDevice()
{
    EmulatorConfig config;
    config.neverAnswer = true;
    return config;
}

// Ours: a request, then awaitReply until the wait timer ticks after 2 s.
Usage waitOurs(DeviceLink& link)
{
    // Work left over from before (layouts, repaints) is not the wait's.
    link.pumpingDelay(300);
    DeviceOperation operation(link);
    require(bool(operation), "link busy");
    link.stopWaitTimer();
    link.succeeded(link.sendCommand('K'));
    bool answered = true;
    const Usage usage = measure([&] { answered = link.awaitReply(DeviceLink::Flag::ReplyReceived, kWaitMs); });
    require(!answered, "the silent device answered");
    return usage;
}

// The classic pattern: process pending messages in a loop until the reply
// flag is set or the wait timer has ticked, then report the missing answer.
Usage waitSpinning(DeviceLink& link)
{
    // Work left over from before (layouts, repaints) is not the wait's.
    link.pumpingDelay(300);
    DeviceOperation operation(link);
    require(bool(operation), "link busy");
    link.stopWaitTimer();
    link.succeeded(link.sendCommand('K'));
    return measure([&] {
        link.resetTickCount();
        link.startWaitTimer(kWaitMs);
        while (!link.replyReceived() && link.tickCount() == 0)
            QCoreApplication::processEvents();
        require(!link.replyReceived(), "the silent device answered");
        link.noResponse();
    });
}

struct WaitPair {
    Usage ours;
    Usage spinning;
};

WaitPair waitOnBareLink()
{
    MidiPortDirectory ports;
    ports.add(std::make_shared<EmulatorBackend>(silentDevice()));
    DeviceLink link(ports);
    link.succeeded(link.openPorts());
    WaitPair pair;
    pair.ours = waitOurs(link);
    pair.spinning = waitSpinning(link);
    return pair;
}

WaitPair waitWithMainWindow()
{
    MidiPortDirectory ports;
    ports.add(std::make_shared<EmulatorBackend>(silentDevice()));
    DeviceLink link(ports);
    MainWindow form(link, false);
    form.messageBox = [](const QString&) {};
    form.errorBox = [](const QString&) {};
    form.channelsPage().model().replaceAll(makeBenchTable());
    EventCatcher painted(&form, QEvent::Paint);
    form.show();
    require(painted.wait(5000), "the main window was not painted");
    WaitPair pair;
    pair.ours = waitOurs(link);
    pair.spinning = waitSpinning(link);
    return pair;
}

// ---------------------------------------------------------------- start-up

// The program's start as its main() does it with --emulator (the emulated
// device plus the system's MIDI ports), into a fresh settings folder. Prints
// "shown <ms>" once the main window has been painted, then opens the 512-row
// file through "Open channels settings", waits for the list to repaint and
// prints the load time and the memory figures.
int startupChild(int argc, char** argv, const QString& csvPath, const QString& settingsDir)
{
    const double mainEntered = clockMs(CLOCK_MONOTONIC);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VANTOREL Control Center"));
    QApplication::setWindowIcon(applicationIcon());

    MidiPortDirectory ports;
    ports.add(std::make_shared<EmulatorBackend>());
    if (auto rtMidi = createRtMidiBackend(MidiApi::Auto))
        ports.add(std::move(rtMidi).value());
    const SettingsFiles settingsFiles = locateSettingsFiles(settingsDir, [](const QString&) {});

    DeviceLink link(ports);
    MainWindow form(link, false, settingsFiles);
    DebugWindow debugForm(link);
    form.setDebugWindow(&debugForm);
    LanguageWindow langForm(form);
    form.setLanguageWindow(&langForm);
    form.messageBox = [](const QString& text) { std::fprintf(stderr, "message: %s\n", qPrintable(text)); };
    form.errorBox = [](const QString& text) { std::fprintf(stderr, "error: %s\n", qPrintable(text)); };

    EventCatcher painted(&form, QEvent::Paint);
    form.show();
    require(form.startupError().isEmpty(), "start-up failed");
    require(painted.wait(10000), "the main window was not painted");
    const double shown = clockMs(CLOCK_MONOTONIC);
    // The process clock counts from the start of the process, loading the
    // libraries included.
    std::printf("shown %.3f\ncpu %.3f\n", shown - mainEntered, clockMs(CLOCK_PROCESS_CPUTIME_ID));
    std::fflush(stdout);

    ChannelsPage& page = form.channelsPage();
    page.openFileName = [&](const QString&, const QString&) { return csvPath; };
    EventCatcher repainted(page.findChild<ChannelListView*>(QStringLiteral("lvDMXChannels"))->viewport(),
                           QEvent::Paint);
    const double load0 = clockMs(CLOCK_MONOTONIC);
    page.openChannelFile();
    require(page.model().size() == kLastDmxChannel, "the channel file was not loaded");
    require(repainted.wait(10000), "the channel list was not repainted");
    const double loaded = clockMs(CLOCK_MONOTONIC);
    const Memory memory = readMemory();
    std::printf("loaded %.3f\nrss_kb %ld\nhwm_kb %ld\n", loaded - load0, memory.rssKb, memory.hwmKb);
    std::fflush(stdout);
    return 0;
}

struct StartupRun {
    double spawnToShownMs = 0; // from starting the process to its "shown" line
    double mainToShownMs = 0; // from its main() to the painted window
    double cpuToShownMs = 0; // CPU time of the process until then, all threads
    double loadMs = 0; // opening the 512-row file until the list repainted
    long rssKb = 0;
    long hwmKb = 0;
};

StartupRun runStartupChild(const QString& self, const QString& csvPath)
{
    QTemporaryDir settings;
    require(settings.isValid(), "no temporary folder");
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    StartupRun run;
    const double start = clockMs(CLOCK_MONOTONIC);
    child.start(self, {QStringLiteral("--startup-child"), csvPath, settings.path()});
    require(child.waitForStarted(10000), "the start-up run did not start");
    QByteArray text;
    while (!text.contains('\n')) {
        require(child.waitForReadyRead(10000), "the start-up run did not report its window");
        text += child.readAllStandardOutput();
    }
    run.spawnToShownMs = clockMs(CLOCK_MONOTONIC) - start;
    require(child.waitForFinished(30000) && child.exitCode() == 0, "the start-up run failed");
    text += child.readAllStandardOutput();
    for (const QByteArray& line : text.split('\n')) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() != 2)
            continue;
        if (parts[0] == "shown")
            run.mainToShownMs = parts[1].toDouble();
        else if (parts[0] == "cpu")
            run.cpuToShownMs = parts[1].toDouble();
        else if (parts[0] == "loaded")
            run.loadMs = parts[1].toDouble();
        else if (parts[0] == "rss_kb")
            run.rssKb = parts[1].toLong();
        else if (parts[0] == "hwm_kb")
            run.hwmKb = parts[1].toLong();
    }
    require(run.rssKb > 0, "the start-up run reported no memory figures");
    return run;
}

template <typename T> T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// ---------------------------------------------------------------- report

QJsonObject toJson(const Usage& usage)
{
    return {{"cpu_ms", usage.cpuMs},
            {"wall_ms", usage.wallMs},
            {"wakeups", double(usage.wakeups)},
            {"preempted", double(usage.preempted)}};
}

void printWait(const char* title, const WaitPair& pair)
{
    std::printf("%s\n", title);
    std::printf("  ours (AwaitReply)        CPU %9.3f ms in %7.1f ms wall, %4ld wake-ups\n", pair.ours.cpuMs,
                pair.ours.wallMs, pair.ours.wakeups);
    std::printf("  baseline (processEvents) CPU %9.3f ms in %7.1f ms wall, %4ld wake-ups\n", pair.spinning.cpuMs,
                pair.spinning.wallMs, pair.spinning.wakeups);
    std::printf("  ratio ours/baseline      %.4f %%   (goal <= 1 %%)\n", 100.0 * pair.ours.cpuMs / pair.spinning.cpuMs);
}

int run(int argc, char** argv)
{
    QString jsonPath;
    int runs = 5;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--json") == 0 && i + 1 < argc)
            jsonPath = QString::fromLocal8Bit(argv[++i]);
        else if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else {
            std::fprintf(stderr, "usage: bench_flows [--json FILE] [--runs N]\n");
            return 2;
        }
    }
    QApplication app(argc, argv);

    // Start-up first, while this process is still small and quiet.
    QTemporaryDir files;
    require(files.isValid(), "no temporary folder");
    const QString csvPath = files.filePath(QStringLiteral("512-channels.csv"));
    require(saveChannelFile(csvPath, makeBenchTable()).has_value(), "cannot write the channel file");
    const QString self = QCoreApplication::applicationFilePath();
    runStartupChild(self, csvPath); // warms the file cache; not counted
    std::vector<StartupRun> startups;
    for (int i = 0; i < runs; ++i)
        startups.push_back(runStartupChild(self, csvPath));
    std::vector<double> spawn, inMain, cpu, load;
    std::vector<long> rss, hwm;
    for (const StartupRun& r : startups) {
        spawn.push_back(r.spawnToShownMs);
        inMain.push_back(r.mainToShownMs);
        cpu.push_back(r.cpuToShownMs);
        load.push_back(r.loadMs);
        rss.push_back(r.rssKb);
        hwm.push_back(r.hwmKb);
    }
    const auto [spawnMin, spawnMax] = std::minmax_element(spawn.begin(), spawn.end());
    std::printf("Start-up to the first painted main window (offscreen), median of %d runs\n", runs);
    std::printf("  process start -> window painted  %8.1f ms (min %.1f, max %.1f)   (goal < 300 ms)\n", median(spawn),
                *spawnMin, *spawnMax);
    std::printf("  main() -> window painted         %8.1f ms\n", median(inMain));
    std::printf("  CPU time until then, all threads %8.1f ms\n", median(cpu));
    std::printf("Opening a 512-row channel file until the list is repainted: %.1f ms\n", median(load));
    std::printf("Resident memory after loading 512 channels: VmRSS %.1f MiB, VmHWM %.1f MiB   (goal < 80 MB)\n",
                double(median(rss)) / 1024.0, double(median(hwm)) / 1024.0);
    std::fflush(stdout);

    const WaitPair bare = waitOnBareLink();
    printWait("CPU time of a 2 s wait that times out, link only (as vantorelctl waits)", bare);
    std::fflush(stdout);
    const WaitPair gui = waitWithMainWindow();
    printWait("CPU time of a 2 s wait that times out, main window shown with 512 channels", gui);

    if (!jsonPath.isEmpty()) {
        const QJsonObject root{
            {"startup",
             QJsonObject{{"runs", runs},
                         {"spawn_to_shown_ms", median(spawn)},
                         {"spawn_to_shown_min_ms", *spawnMin},
                         {"spawn_to_shown_max_ms", *spawnMax},
                         {"main_to_shown_ms", median(inMain)},
                         {"cpu_to_shown_ms", median(cpu)},
                         {"load_512_ms", median(load)},
                         {"rss_kb", double(median(rss))},
                         {"hwm_kb", double(median(hwm))}}},
            {"wait_link", QJsonObject{{"ours", toJson(bare.ours)}, {"baseline", toJson(bare.spinning)}}},
            {"wait_gui", QJsonObject{{"ours", toJson(gui.ours)}, {"baseline", toJson(gui.spinning)}}},
        };
        QFile file(jsonPath);
        require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "cannot write the JSON file");
        file.write(QJsonDocument(root).toJson());
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    try {
        if (argc == 4 && std::strcmp(argv[1], "--startup-child") == 0) {
            int childArgc = 1;
            return startupChild(childArgc, argv, QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
        }
        return run(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_flows: %s\n", e.what());
        return 1;
    }
}
