// Runs every benchmark program of this folder (they sit beside this one) and
// prints their output, then one summary: each figure with the time the MIDI
// wire needs for the same work (or the goal) and the ratio between the two.
//
// Usage: bench_report [--summary FILE] [--quick] [--runs N]
//   --summary FILE  also write the machine description and summary to FILE
//   --quick         shorter Google Benchmark runs (rougher figures)
//   --runs N        start-up runs of bench_flows (default 5)

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QThread>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

// A classic 5-pin MIDI cable: 31 250 baud, ten bits per byte.
constexpr double kMsPerWireByte = 10.0 * 1000.0 / 31250.0;
// One channel write: the 43-byte command "C" and its 6-byte acknowledgement.
constexpr double kChannelWireMs = (43 + 6) * kMsPerWireByte;
// One firmware block message.
constexpr double kBlockWireMs = 279 * kMsPerWireByte;
constexpr int kChannels = 512;

QString g_summary;

void line(const QString& text)
{
    std::printf("%s\n", qPrintable(text));
    g_summary += text + QLatin1Char('\n');
}

QString readFileText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QString cpuModel()
{
    for (const QString& line : readFileText(QStringLiteral("/proc/cpuinfo")).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("model name")))
            return line.section(QLatin1Char(':'), 1).trimmed();
    }
    return QStringLiteral("unknown");
}

QString loadAverage()
{
    return readFileText(QStringLiteral("/proc/loadavg")).section(QLatin1Char(' '), 0, 2);
}

// ---------------------------------------------------------------- figures

// One Google Benchmark result, times in milliseconds. The summary uses the
// CPU time of the benchmark's thread (where the flows measured run, the
// emulated device included): it is the program's own time and stays put when
// other work competes for the processors, where wall time would grow.
struct Result {
    double realMs = 0;
    double cpuMs = 0;
    std::map<QString, double> counters; // as reported (rates per second, inverted rates in seconds)
};

double toMs(double value, const QString& unit)
{
    if (unit == QLatin1String("ns"))
        return value / 1e6;
    if (unit == QLatin1String("us"))
        return value / 1e3;
    if (unit == QLatin1String("s"))
        return value * 1e3;
    return value;
}

std::map<QString, Result> g_results;
QJsonObject g_flows;
QJsonObject g_context;

void readBenchmarkJson(const QString& path)
{
    const QJsonObject root = QJsonDocument::fromJson(readFileText(path).toUtf8()).object();
    if (g_context.isEmpty())
        g_context = root.value(QStringLiteral("context")).toObject();
    for (const QJsonValue& value : root.value(QStringLiteral("benchmarks")).toArray()) {
        const QJsonObject entry = value.toObject();
        const QString unit = entry.value(QStringLiteral("time_unit")).toString();
        Result result;
        result.realMs = toMs(entry.value(QStringLiteral("real_time")).toDouble(), unit);
        result.cpuMs = toMs(entry.value(QStringLiteral("cpu_time")).toDouble(), unit);
        static const QStringList kNotCounters = {QStringLiteral("name"),
                                                 QStringLiteral("run_name"),
                                                 QStringLiteral("run_type"),
                                                 QStringLiteral("repetitions"),
                                                 QStringLiteral("repetition_index"),
                                                 QStringLiteral("threads"),
                                                 QStringLiteral("iterations"),
                                                 QStringLiteral("real_time"),
                                                 QStringLiteral("cpu_time"),
                                                 QStringLiteral("time_unit"),
                                                 QStringLiteral("family_index"),
                                                 QStringLiteral("per_family_instance_index"),
                                                 QStringLiteral("aggregate_name"),
                                                 QStringLiteral("aggregate_unit")};
        for (auto it = entry.begin(); it != entry.end(); ++it) {
            if (!kNotCounters.contains(it.key()) && it.value().isDouble())
                result.counters[it.key()] = it.value().toDouble();
        }
        g_results[entry.value(QStringLiteral("name")).toString()] = result;
    }
}

const Result* find(const char* name)
{
    const auto it = g_results.find(QString::fromLatin1(name));
    return it == g_results.end() ? nullptr : &it->second;
}

// Time of one item (channel, block, reply) in ms, from the item rate.
std::optional<double> perItemMs(const Result& r)
{
    const auto it = r.counters.find(QStringLiteral("items_per_second"));
    if (it == r.counters.end() || it->second <= 0)
        return std::nullopt;
    return 1000.0 / it->second;
}

QString ms(double ms)
{
    if (ms >= 100)
        return QString::number(ms, 'f', 0) + QStringLiteral(" ms");
    if (ms >= 1)
        return QString::number(ms, 'f', 2) + QStringLiteral(" ms");
    if (ms >= 0.001)
        return QString::number(ms * 1e3, 'f', 2) + QStringLiteral(" us");
    return QString::number(ms * 1e6, 'f', 1) + QStringLiteral(" ns");
}

QString percent(double ratio)
{
    const double p = ratio * 100.0;
    if (p >= 10)
        return QString::number(p, 'f', 1) + QStringLiteral(" %");
    if (p >= 0.1)
        return QString::number(p, 'f', 2) + QStringLiteral(" %");
    return QString::number(p, 'g', 2) + QStringLiteral(" %");
}

int g_missed = 0;

// figure | value | reference | value / reference | goal | verdict
void row(const QString& figure, const QString& value, const QString& reference, const QString& ratio,
         const QString& goal = {}, std::optional<bool> met = std::nullopt)
{
    QString verdict;
    if (met) {
        verdict = *met ? QStringLiteral("met") : QStringLiteral("MISSED");
        if (!*met)
            ++g_missed;
    }
    line(QStringLiteral("%1 %2 %3 %4 %5 %6")
             .arg(figure, -46)
             .arg(value, 12)
             .arg(reference, -22)
             .arg(ratio, 10)
             .arg(goal, -18)
             .arg(verdict));
}

void missing(const QString& figure, const char* what)
{
    row(figure, QStringLiteral("-"), QString::fromLatin1(what), QString());
}

// ---------------------------------------------------------------- summary

void waitRows(const char* key, const QString& title)
{
    const QJsonObject wait = g_flows.value(QLatin1String(key)).toObject();
    if (wait.isEmpty())
        return missing(title, "(no result)");
    const double ours = wait[QStringLiteral("ours")].toObject()[QStringLiteral("cpu_ms")].toDouble();
    const double baseline = wait[QStringLiteral("baseline")].toObject()[QStringLiteral("cpu_ms")].toDouble();
    const double ratio = baseline > 0 ? ours / baseline : 1;
    row(title, ms(ours), QStringLiteral("spinning: ") + ms(baseline), percent(ratio), QStringLiteral("<= 1 % of spin"),
        ratio <= 0.01);
}

void startupRows()
{
    const QJsonObject s = g_flows.value(QStringLiteral("startup")).toObject();
    if (s.isEmpty())
        return missing(QStringLiteral("Start-up"), "(no result)");
    const double shown = s[QStringLiteral("spawn_to_shown_ms")].toDouble();
    row(QStringLiteral("Start-up to first painted main window"), ms(shown), QStringLiteral("goal 300 ms"),
        percent(shown / 300.0), QStringLiteral("< 300 ms"), shown < 300.0);
    const double cpu = s[QStringLiteral("cpu_to_shown_ms")].toDouble();
    row(QStringLiteral("  CPU time of the start-up (all threads)"), ms(cpu), QStringLiteral("goal 300 ms"),
        percent(cpu / 300.0));
    const double rssMb = s[QStringLiteral("rss_kb")].toDouble() * 1024.0 / 1e6;
    const double hwmMb = s[QStringLiteral("hwm_kb")].toDouble() * 1024.0 / 1e6;
    row(QStringLiteral("Resident memory, 512 channels loaded (VmRSS)"),
        QString::number(rssMb, 'f', 1) + QStringLiteral(" MB"), QStringLiteral("goal 80 MB"), percent(rssMb / 80.0),
        QStringLiteral("< 80 MB"), rssMb < 80.0);
    row(QStringLiteral("  peak resident memory (VmHWM)"), QString::number(hwmMb, 'f', 1) + QStringLiteral(" MB"),
        QStringLiteral("goal 80 MB"), percent(hwmMb / 80.0), QStringLiteral("< 80 MB"), hwmMb < 80.0);
    const double load = s[QStringLiteral("load_512_ms")].toDouble();
    row(QStringLiteral("  opening a 512-row file, list repainted"), ms(load),
        QStringLiteral("512 x wire: ") + ms(kChannels * kChannelWireMs), percent(load / (kChannels * kChannelWireMs)));
}

void channelRows()
{
    // The channel transfer benchmarks report "per_channel" (seconds).
    bool any = false;
    for (const auto& [name, result] : g_results) {
        const auto it = result.counters.find(QStringLiteral("per_channel"));
        if (it == result.counters.end())
            continue;
        any = true;
        const double perChannel = it->second * 1e3;
        const bool cli = name.contains(QLatin1String("Cli"));
        const double goal = cli ? 0.1 : 1.0;
        QString title = name.section(QLatin1Char('/'), 0, 0);
        if (title.startsWith(QLatin1String("BM_")))
            title = title.mid(3);
        row(QStringLiteral("Per channel, ") + title, ms(perChannel), QStringLiteral("wire: ") + ms(kChannelWireMs),
            percent(perChannel / kChannelWireMs), cli ? QStringLiteral("<= 0.1 ms") : QStringLiteral("<= 1 ms"),
            perChannel <= goal);
    }
    if (!any)
        missing(QStringLiteral("Per channel, write and read-back"), "(bench_channels not run)");
}

void firmwareRows()
{
    if (const Result* r = find("BM_TransferPerBlock")) {
        // Items are blocks.
        if (const auto perItem = perItemMs(*r)) {
            const double perBlock = *perItem;
            row(QStringLiteral("Per firmware block, whole 64 KiB transfer"), ms(perBlock),
                QStringLiteral("wire: ") + ms(kBlockWireMs), percent(perBlock / kBlockWireMs),
                QStringLiteral("< 1 % of wire"), perBlock / kBlockWireMs < 0.01);
        }
    } else {
        missing(QStringLiteral("Per firmware block"), "(bench_firmware_flows not run)");
    }
    const Result* send = find("BM_SendBlock");
    const Result* request = find("BM_BlockRequest");
    if (send && request) {
        const double both = send->cpuMs + request->cpuMs;
        row(QStringLiteral("  block sent + its request taken in"), ms(both),
            QStringLiteral("wire: ") + ms(kBlockWireMs), percent(both / kBlockWireMs), QStringLiteral("< 1 % of wire"),
            both / kBlockWireMs < 0.01);
    }
    if (const Result* r = find("BM_DecryptFirmwareFile/65536"))
        row(QStringLiteral("Decrypting a 64 KiB firmware file"), ms(r->cpuMs), QStringLiteral("goal 5 ms"),
            percent(r->cpuMs / 5.0), QStringLiteral("< 5 ms"), r->cpuMs < 5.0);
    if (const Result* r = find("BM_Whirlpool0/65536")) {
        const auto it = r->counters.find(QStringLiteral("per_KiB"));
        if (it != r->counters.end())
            row(QStringLiteral("Whirlpool-0 per KiB"), ms(it->second * 1e3), QString(), QString());
    }
}

void codecRows()
{
    struct Codec {
        const char* name;
        const char* title;
    };
    static const Codec kPerChannel[] = {
        {"BM_BuildCommand_ChannelWrite", "BuildCommand, channel write (43 bytes)"},
        {"BM_RecognizeReply_Ack", "RecognizeReply, acknowledgement (6 bytes)"},
        {"BM_RecognizeReply_ChannelDump", "RecognizeReply, channel dump (20 bytes)"},
        {"BM_EncodeChannelPayload_Record", "Channel payload encode (row cells)"},
        {"BM_EncodeChannelPayload_Values", "Channel payload encode (numbers)"},
        {"BM_DecodeChannelPayload_Record", "Channel payload decode (to row cells)"},
    };
    for (const Codec& codec : kPerChannel) {
        if (const Result* r = find(codec.name))
            row(QString::fromLatin1(codec.title), ms(r->cpuMs), QStringLiteral("wire: ") + ms(kChannelWireMs),
                percent(r->cpuMs / kChannelWireMs));
    }
    const double tableWire = kChannels * kChannelWireMs;
    if (const Result* r = find("BM_ReadChannelCsv_512"))
        row(QStringLiteral("CSV parse, 512 rows"), ms(r->cpuMs), QStringLiteral("512 x wire: ") + ms(tableWire),
            percent(r->cpuMs / tableWire));
    if (const Result* r = find("BM_WriteChannelCsv_512"))
        row(QStringLiteral("CSV write, 512 rows"), ms(r->cpuMs), QStringLiteral("512 x wire: ") + ms(tableWire),
            percent(r->cpuMs / tableWire));
    if (!find("BM_BuildCommand_ChannelWrite"))
        missing(QStringLiteral("Codecs"), "(bench_codecs not run)");
}

void scanRows()
{
    constexpr double kGoalMs = 2500;
    bool any = false;
    for (const char* name : {"BM_Scan/8/iterations:3/real_time", "BM_Scan/20/iterations:3/real_time",
                             "BM_Scan/32/iterations:3/real_time", "BM_ScanOneSilent/32/iterations:2/real_time"}) {
        const Result* r = find(name);
        if (!r)
            continue;
        any = true;
        const auto counter = [r](const char* key) {
            const auto it = r->counters.find(QLatin1String(key));
            return it == r->counters.end() ? 0 : int(it->second);
        };
        const bool silent = QLatin1String(name).startsWith(QLatin1String("BM_ScanOneSilent"));
        row(QStringLiteral("Scan, %1 port pairs%2 (%3 found)")
                .arg(counter("pairs"))
                .arg(silent ? QStringLiteral(", one silent") : QString())
                .arg(counter("found")),
            ms(r->realMs), QStringLiteral("goal: ") + ms(kGoalMs), percent(r->realMs / kGoalMs),
            QStringLiteral("<= 2.5 s, wall"), r->realMs <= kGoalMs);
    }
    if (!any)
        missing(QStringLiteral("Scan"), "(bench_scan not run)");
}

// Channel transfers over JACK with the emulator process, one object per period size.
std::map<int, QJsonObject> g_jack;

void jackRows()
{
    if (g_jack.empty())
        return missing(QStringLiteral("Transfers over JACK"), "(bench_link_jack not run)");
    for (const auto& [period, figures] : g_jack) {
        const QString at = QStringLiteral(" (JACK, %1 frames)").arg(period);
        if (figures.contains(QStringLiteral("skipped")) || figures.contains(QStringLiteral("failed"))) {
            row(QStringLiteral("Transfers") + at, QStringLiteral("-"),
                figures.value(QStringLiteral("skipped")).toString()
                    + figures.value(QStringLiteral("failed")).toString(),
                QString());
            continue;
        }
        // Before, a read ended 2 s after its last row.
        const int early = figures[QStringLiteral("reads_ended_early")].toInt();
        if (figures.contains(QStringLiteral("read_tail_ms"))) {
            const double tail = figures[QStringLiteral("read_tail_ms")].toDouble();
            row(QStringLiteral("512-row read, last row to its end") + at, ms(tail), QStringLiteral("before: 2000 ms"),
                percent(tail / 2000.0), QStringLiteral("<= 200 ms"), tail <= 200.0 && early == 0);
        }
        if (early > 0)
            row(QStringLiteral("  reads that ended before their last row"), QString::number(early), QString(),
                QString(), QStringLiteral("none"), false);
        if (const int failed = figures[QStringLiteral("failed_writes")].toInt(); failed > 0)
            row(QStringLiteral("  runs stopped by a lost acknowledgement"), QString::number(failed), QString(),
                QString());
        row(QStringLiteral("  whole 512-row read"), ms(figures[QStringLiteral("read_ms")].toDouble()), QString(),
            QString());
        const double full = figures[QStringLiteral("full_write_verify_ms")].toDouble();
        const double changes = figures[QStringLiteral("changes_only_ms")].toDouble();
        row(QStringLiteral("5-row change, write changes only") + at, ms(changes),
            QStringLiteral("full + verify: ") + ms(full), percent(changes / full), QStringLiteral("<= 50 %"),
            changes <= 0.5 * full);
    }
}

// ---------------------------------------------------------------- running

bool runProgram(const QString& program, const QStringList& args)
{
    std::fflush(stdout);
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(program, args);
    if (!process.waitForStarted(30000) || !process.waitForFinished(-1)) {
        std::fprintf(stderr, "bench_report: %s did not run\n", qPrintable(program));
        return false;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        std::fprintf(stderr, "bench_report: %s failed (exit %d)\n", qPrintable(program), process.exitCode());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QString summaryPath;
    bool quick = false;
    QString runs = QStringLiteral("5");
    const QStringList args = QCoreApplication::arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--summary") && i + 1 < args.size())
            summaryPath = args[++i];
        else if (args[i] == QLatin1String("--quick"))
            quick = true;
        else if (args[i] == QLatin1String("--runs") && i + 1 < args.size())
            runs = args[++i];
        else {
            std::fprintf(stderr, "usage: bench_report [--summary FILE] [--quick] [--runs N]\n");
            return 2;
        }
    }

    const QString dir = QCoreApplication::applicationDirPath();
    QTemporaryDir out;
    if (!out.isValid()) {
        std::fprintf(stderr, "bench_report: no temporary folder\n");
        return 1;
    }
    const QString loadBefore = loadAverage();
    bool ok = true;

    const QString flowsJson = out.filePath(QStringLiteral("flows.json"));
    std::printf("==== bench_flows\n");
    ok &= runProgram(dir + QStringLiteral("/bench_flows"),
                     {QStringLiteral("--json"), flowsJson, QStringLiteral("--runs"), runs});
    g_flows = QJsonDocument::fromJson(readFileText(flowsJson).toUtf8()).object();

    for (const char* name :
         {"bench_codecs", "bench_firmware", "bench_firmware_flows", "bench_channels", "bench_scan"}) {
        const QString program = dir + QLatin1Char('/') + QLatin1String(name);
        if (!QFileInfo(program).isExecutable()) {
            std::printf("==== %s: not built\n", name);
            continue;
        }
        const QString json = out.filePath(QLatin1String(name) + QStringLiteral(".json"));
        QStringList benchArgs
            = {QStringLiteral("--benchmark_out=") + json, QStringLiteral("--benchmark_out_format=json")};
        if (quick)
            benchArgs << QStringLiteral("--benchmark_min_time=0.05");
        std::printf("==== %s\n", name);
        ok &= runProgram(program, benchArgs);
        readBenchmarkJson(json);
    }
    const QString jackProgram = dir + QStringLiteral("/bench_link_jack");
    if (QFileInfo(jackProgram).isExecutable()) {
        // A small period (the round-trip figures of the link) and the one of the end-to-end tests.
        for (const int period : {128, 1024}) {
            const QString json = out.filePath(QStringLiteral("jack-%1.json").arg(period));
            std::printf("==== bench_link_jack --period %d\n", period);
            ok &= runProgram(jackProgram,
                             {QStringLiteral("--json"), json, QStringLiteral("--period"), QString::number(period),
                              QStringLiteral("--runs"),
                              quick || period > 128 ? QStringLiteral("1") : QStringLiteral("3")});
            g_jack[period] = QJsonDocument::fromJson(readFileText(json).toUtf8()).object();
        }
    }
    const QString loadAfter = loadAverage();

    std::printf("\n");
    line(QStringLiteral("==== Summary"));
    line(QStringLiteral("Machine: %1, %2 logical CPUs (nproc), %3; %4")
             .arg(cpuModel())
             .arg(QThread::idealThreadCount())
             .arg(QSysInfo::prettyProductName(), QSysInfo::kernelVersion()));
    line(QStringLiteral("Load average (1/5/15 min): %1 before, %2 after. Qt %3, Google Benchmark library build: %4")
             .arg(loadBefore, loadAfter, QString::fromLatin1(qVersion()),
                  g_context.value(QStringLiteral("library_build_type")).toString()));
    line(QStringLiteral("Wire times on a 5-pin MIDI cable (31 250 baud, 10 bits a byte): channel write %1, "
                        "firmware block %2.")
             .arg(ms(kChannelWireMs), ms(kBlockWireMs)));
    line(QString());
    row(QStringLiteral("Figure"), QStringLiteral("Value"), QStringLiteral("Compared with"), QStringLiteral("Ratio"),
        QStringLiteral("Goal"));
    line(QString(120, QLatin1Char('-')));
    waitRows("wait_link", QStringLiteral("CPU in a 2 s timed-out wait, link only"));
    waitRows("wait_gui", QStringLiteral("CPU in a 2 s timed-out wait, main window"));
    startupRows();
    channelRows();
    firmwareRows();
    codecRows();
    scanRows();
    jackRows();
    line(QString(120, QLatin1Char('-')));
    line(g_missed == 0 ? QStringLiteral("Every goal met.") : QStringLiteral("%1 goal(s) missed.").arg(g_missed));

    if (!summaryPath.isEmpty()) {
        QFile file(summaryPath);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(g_summary.toUtf8());
        else
            std::fprintf(stderr, "bench_report: cannot write %s\n", qPrintable(summaryPath));
    }
    return ok ? 0 : 1;
}
