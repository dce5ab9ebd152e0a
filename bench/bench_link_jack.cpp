// Wall time of whole channel transfers over a real MIDI system: a private
// JACK server (dummy driver) and the emulated device as a process of its own,
// as the end-to-end tests run them. Measured, each as the median of --runs:
//   - a 512-row read: from its last row to the end of the read (the dump has
//     no count; the read ends when the device falls silent);
//   - a full write of 512 rows with its verify read-back, and "write changes
//     only" of a 5-row change to that device (read, 5 rows written, verify).
//
// Usage: bench_link_jack [--json FILE] [--runs N] [--period FRAMES]
// Prints {"skipped": "..."} and exits 0 when jackd is not installed.

#include "link/DeviceLink.h"
#include "channels/ChannelChanges.h"
#include "channels/ChannelTransfer.h"
#include "channels/ChannelVerify.h"
#include "midi/MidiBackend.h"
#include "BenchTables.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <vector>

using namespace vantorel;

namespace {

constexpr int kChannels = 512;
constexpr int kChangedRows = 5;

void require(bool condition, const char* what)
{
    if (!condition)
        throw std::runtime_error(what);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// A private JACK server and the emulator process on it; both end with this.
class JackRig {
public:
    JackRig(int periodFrames)
        : m_server(QStringLiteral("vantorel-bench-%1").arg(QCoreApplication::applicationPid()))
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("JACK_NO_AUDIO_RESERVATION"), QStringLiteral("1"));
        m_jackd.setProcessEnvironment(env);
        m_jackd.setProcessChannelMode(QProcess::MergedChannels);
        m_jackd.start(QStandardPaths::findExecutable(QStringLiteral("jackd")),
                      {QStringLiteral("-r"), QStringLiteral("-n"), m_server, QStringLiteral("-d"),
                       QStringLiteral("dummy"), QStringLiteral("-r"), QStringLiteral("48000"), QStringLiteral("-p"),
                       QString::number(periodFrames)});
        require(m_jackd.waitForStarted(10000), "jackd did not start");
        qputenv("JACK_DEFAULT_SERVER", m_server.toUtf8());
        qputenv("JACK_NO_START_SERVER", "1");
        bool up = false;
        for (int i = 0; i < 100 && !up; ++i) {
            QProcess lsp;
            lsp.start(QStandardPaths::findExecutable(QStringLiteral("jack_lsp")), {});
            up = lsp.waitForFinished(5000) && lsp.exitStatus() == QProcess::NormalExit && lsp.exitCode() == 0;
            if (!up)
                QThread::msleep(100);
        }
        require(up, "the JACK server does not answer");

        m_emulator.start(QStringLiteral(VANTOREL_EMULATOR_PATH),
                         {QStringLiteral("--name"), QStringLiteral("benchEmu")});
        require(m_emulator.waitForStarted(10000), "vantorel-emulator did not start");
        QByteArray said;
        while (!said.contains("ready") && m_emulator.waitForReadyRead(10000))
            said += m_emulator.readAllStandardOutput();
        require(said.contains("ready"), "vantorel-emulator did not get ready");
    }

    ~JackRig()
    {
        for (QProcess* process : {&m_emulator, &m_jackd}) {
            process->terminate();
            if (!process->waitForFinished(5000))
                process->kill();
            process->waitForFinished(5000);
        }
    }

private:
    QString m_server;
    QProcess m_jackd;
    QProcess m_emulator;
};

struct Figures {
    std::vector<double> readTailMs; // last row to the end of the read
    std::vector<double> readMs;
    std::vector<double> fullMs; // write of 512 rows and its verify
    std::vector<double> changesMs; // 5-row change, read + write + verify
    int endedEarly = 0; // reads that ended before the 512th row
    int failedWrites = 0; // runs in which a write stopped at a lost acknowledgement
    std::vector<int> changesWritten; // rows written by "write changes only"
};

void runOnce(DeviceLink& link, Figures& figures)
{
    const ChannelTable table = makeBenchTable(kChannels);
    QElapsedTimer clock;

    clock.start();
    // Without retries of a row write a lost acknowledgement ends a write;
    // such a run is counted and not measured.
    if (writeChannelsToDevice(link, table).result != ChannelWriteResult::Done) {
        ++figures.failedWrites;
        return;
    }
    if (!verifyWrittenChannels(link, table).verified()) {
        ++figures.failedWrites;
        return;
    }
    const double fullMs = double(clock.nsecsElapsed()) / 1e6;

    int rows = 0;
    qint64 lastRowNs = 0;
    qint64 longest = 0;
    const auto counting = QObject::connect(&link, &DeviceLink::channelDumpReceived, &link, [&] {
        if (rows > 0)
            longest = std::max(longest, clock.nsecsElapsed() - lastRowNs);
        ++rows;
        lastRowNs = clock.nsecsElapsed();
    });
    clock.restart();
    require(readAllChannelsFromDevice(
                link, [&] { rows = 0; }, [&] { return rows; })
                == OpResult::Done,
            "read failed");
    const qint64 endNs = clock.nsecsElapsed();
    QObject::disconnect(counting);
    if (rows == kChannels) {
        figures.readTailMs.push_back(double(endNs - lastRowNs) / 1e6);
        figures.readMs.push_back(double(endNs) / 1e6);
    } else {
        // The stream stalled for longer than the silence that ends it.
        std::fprintf(stderr, "The read ended after %d rows; the longest gap before was %.1f ms.\n", rows,
                     double(longest) / 1e6);
        ++figures.endedEarly;
    }

    ChannelTable changed = table;
    for (int i = 0; i < kChangedRows; ++i) {
        ChannelRecord& row = changed[size_t(37 + i * 97)];
        row.midiChannel = row.midiChannel == "16" ? "1" : "16";
    }
    clock.restart();
    const ChangesOutcome outcome = writeChangedChannels(link, changed);
    if (outcome.result != ChannelWriteResult::Done || !outcome.check.verified()) {
        ++figures.failedWrites;
        return;
    }
    figures.fullMs.push_back(fullMs);
    figures.changesMs.push_back(double(clock.nsecsElapsed()) / 1e6);
    // More than the 5 when the first read lost rows (they are written again).
    figures.changesWritten.push_back(outcome.written);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QString jsonPath;
    int runs = 3;
    int period = 128;
    const QStringList args = QCoreApplication::arguments().mid(1);
    for (int i = 0; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--json"))
            jsonPath = args[i + 1];
        else if (args[i] == QLatin1String("--runs"))
            runs = std::max(1, args[i + 1].toInt());
        else if (args[i] == QLatin1String("--period"))
            period = std::max(16, args[i + 1].toInt());
    }
    QJsonObject result{{QStringLiteral("period_frames"), period}, {QStringLiteral("runs"), runs}};
    if (QStandardPaths::findExecutable(QStringLiteral("jackd")).isEmpty()) {
        result[QStringLiteral("skipped")] = QStringLiteral("jackd is not installed");
    } else {
        try {
            JackRig jack(period);
            MidiPortDirectory ports;
            auto backend = createRtMidiBackend(MidiApi::Jack);
            require(backend.has_value(), "no JACK backend");
            ports.add(*backend);
            DeviceLink link(ports);
            // What the link says goes to standard error, as vantorelctl shows it.
            for (auto signal : {&DeviceLink::statusText, &DeviceLink::messageBox, &DeviceLink::errorRaised})
                QObject::connect(&link, signal, &link, [](const QString& text) {
                    if (text != QLatin1String("Sending next block.")) // one per row
                        std::fprintf(stderr, "%s\n", qPrintable(text));
                });
            link.setSelectedPorts(QStringLiteral("benchEmu:out"), QStringLiteral("benchEmu:in"));
            link.succeeded(link.openPorts());
            require(clearDeviceData(link) == OpResult::Done, "clear failed");
            Figures figures;
            for (int attempt = 0; int(figures.fullMs.size()) < runs && attempt < 2 * runs; ++attempt)
                runOnce(link, figures);
            result[QStringLiteral("failed_writes")] = figures.failedWrites;
            require(!figures.fullMs.empty(), "every run stopped at a lost acknowledgement");
            const double full = median(figures.fullMs);
            const double changes = median(figures.changesMs);
            result[QStringLiteral("reads_ended_early")] = figures.endedEarly;
            if (!figures.readTailMs.empty()) {
                result[QStringLiteral("read_tail_ms")] = median(figures.readTailMs);
                result[QStringLiteral("read_tail_max_ms")]
                    = *std::max_element(figures.readTailMs.begin(), figures.readTailMs.end());
            }
            QJsonArray written;
            for (int n : figures.changesWritten)
                written.append(n);
            result[QStringLiteral("changes_written")] = written;
            result[QStringLiteral("read_ms")] = median(figures.readMs);
            result[QStringLiteral("full_write_verify_ms")] = full;
            result[QStringLiteral("changes_only_ms")] = changes;
            result[QStringLiteral("changes_ratio")] = full > 0 ? changes / full : 0;
        } catch (const std::exception& e) {
            result[QStringLiteral("failed")] = QString::fromUtf8(e.what());
        }
    }
    const QByteArray json = QJsonDocument(result).toJson();
    std::fputs(json.constData(), stdout);
    if (!jsonPath.isEmpty()) {
        QFile file(jsonPath);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(json) != json.size())
            return 1;
    }
    return result.contains(QStringLiteral("failed")) ? 1 : 0;
}
