// Program time of writing 512 channels to the device and reading them back,
// through the main window and through vantorelctl's command code, against the
// in-process emulator answering at once (no wire time, no reply spacing).
// "per_channel" is the CPU time of one channel; stderr (the command-line
// tool's progress) goes to /dev/null while the benchmarks run.

#include "app/MainWindow.h"
#include "link/DeviceLink.h"
#include "channels/ChannelFile.h"
#include "channels/domain/ChannelCsv.h"
#include "channels/gui/ChannelsPage.h"
#include "channels/gui/ChannelTableModel.h"
#include "channels/gui/ChannelsPage.h"
#include "cli/Cli.h"
#include "emulator/inprocess/EmulatorBackend.h"
#include "app/DebugWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QEventLoop>
#include <QLabel>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <stdexcept>

using namespace vantorel;

namespace {

constexpr int kChannels = 512;

EmulatorConfig immediateDevice()
{
    EmulatorConfig config;
    config.dumpSpacingMs = 0;
    config.delayMs = 0;
    return config;
}

// 512 rows of every kind, with From notes that change from row to row.
ChannelTable fullTable()
{
    ChannelTable rows;
    for (int n = 1; n <= kChannels; ++n) {
        ChannelRecord r = defaultChannelRecord(n);
        const int from = n % 128;
        r.fromNumber = noteLabel(from);
        r.toNumber = noteLabel(std::min(127, from + n % 3));
        r.midiChannel = std::to_string(1 + n % 16);
        r.activeOn = (n % 2) ? "Control Change" : "Note On";
        r.dataType = (n % 4 == 0) ? "Value" : "Velocity";
        r.fixedValue = std::to_string(n % 256);
        if (n % 5 == 0) {
            r.controlMode = "Value";
            r.constantValue = std::to_string(n % 256);
        }
        rows.push_back(r);
    }
    return rows;
}

void require(bool condition, const char* what)
{
    if (!condition)
        throw std::runtime_error(what);
}

// Runs the event loop until `done` holds; replies arrive through it.
template <typename Signal, typename Sender>
void runUntil(Sender* sender, Signal signal, const std::function<bool()>& done)
{
    if (done())
        return;
    QEventLoop loop;
    QObject::connect(sender, signal, &loop, [&] {
        if (done())
            loop.quit();
    });
    loop.exec();
}

// The program as it runs: main window shown, debug window alive.
struct GuiRig {
    GuiRig()
        : emulator(std::make_shared<EmulatorBackend>(immediateDevice()))
    {
        ports.add(emulator);
        link = std::make_unique<DeviceLink>(ports);
        form = std::make_unique<MainWindow>(*link, false);
        debug = std::make_unique<DebugWindow>(*link);
        form->messageBox = [](const QString& text) { throw std::runtime_error(text.toStdString()); };
        form->errorBox = form->messageBox;
        form->show();
        QCoreApplication::processEvents();
        commands = &form->channelsPage();
        // The write alone: its read-back is measured by the read benchmarks.
        commands->setVerifyAfterWrite(false);
    }

    ChannelTableModel& model() { return form->channelsPage().model(); }

    void write()
    {
        commands->writeToDevice();
        require(form->findChild<QLabel*>(QStringLiteral("lbllngStatMsg"))->text()
                    == QLatin1String("Writing data to device finished succesfully."),
                "GUI write failed");
    }

    void read()
    {
        commands->readFromDevice();
        runUntil(&model(), &ChannelTableModel::rowsInserted, [this] { return model().size() == kChannels; });
    }

    std::shared_ptr<EmulatorBackend> emulator;
    MidiPortDirectory ports;
    std::unique_ptr<DeviceLink> link;
    std::unique_ptr<MainWindow> form;
    std::unique_ptr<DebugWindow> debug;
    ChannelsPage* commands = nullptr;
};

void perChannel(benchmark::State& state, int channelsPerIteration)
{
    state.counters["per_channel"] = benchmark::Counter(
        double(channelsPerIteration), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_GuiWrite512(benchmark::State& state)
{
    GuiRig rig;
    rig.model().replaceAll(fullTable());
    for (auto _ : state)
        rig.write();
    require(rig.emulator->device().channels().size() == size_t(kChannels), "not every channel stored");
    perChannel(state, kChannels);
}

void BM_GuiRead512(benchmark::State& state)
{
    GuiRig rig;
    rig.model().replaceAll(fullTable());
    rig.write();
    for (auto _ : state)
        rig.read();
    require(rig.model().rows() == fullTable(), "read back differs");
    perChannel(state, kChannels);
}

void BM_GuiWriteAndReadBack512(benchmark::State& state)
{
    GuiRig rig;
    for (auto _ : state) {
        state.PauseTiming();
        rig.model().replaceAll(fullTable());
        state.ResumeTiming();
        rig.write();
        rig.read();
    }
    perChannel(state, kChannels);
}

// vantorelctl's commands on a link wired as its main() wires it.
struct CliRig {
    CliRig()
        : emulator(std::make_shared<EmulatorBackend>(immediateDevice()))
    {
        ports.add(emulator);
        link = std::make_unique<DeviceLink>(ports);
        QObject::connect(link.get(), &DeviceLink::statusText, [](const QString& t) { err(t); });
        QObject::connect(link.get(), &DeviceLink::messageBox, [](const QString& t) { err(t); });
        QObject::connect(link.get(), &DeviceLink::errorRaised, [](const QString& t) { err(t); });
        link->succeeded(link->openPorts());
        for (const CliCommand& command : channelsCommands()) {
            if (command.name == QLatin1String("channels write"))
                writeCommand = command;
            else if (command.name == QLatin1String("channels read"))
                readCommand = command;
        }
        input = dir.filePath(QStringLiteral("in.csv"));
        output = dir.filePath(QStringLiteral("out.csv"));
        require(saveChannelFile(input, fullTable()).has_value(), "cannot write the input file");
    }

    int run(const CliCommand& command, const QStringList& args)
    {
        CliContext context{parser, args, nullptr, {}};
        if (command.check) {
            if (const int status = command.check(context); status != kOk)
                return status;
        }
        context.link = link.get();
        return command.run(context);
    }

    void write() { require(run(writeCommand, {"channels", "write", input}) == kOk, "CLI write failed"); }
    void read() { require(run(readCommand, {"channels", "read", output}) == kOk, "CLI read failed"); }

    std::shared_ptr<EmulatorBackend> emulator;
    MidiPortDirectory ports;
    std::unique_ptr<DeviceLink> link;
    QCommandLineParser parser;
    CliCommand writeCommand;
    CliCommand readCommand;
    QTemporaryDir dir;
    QString input;
    QString output;
};

void BM_CliWrite512(benchmark::State& state)
{
    CliRig rig;
    for (auto _ : state)
        rig.write();
    perChannel(state, kChannels);
}

// Each read ends with the device's silence (at least 100 ms), in which the
// program sleeps: the CPU time is the program's share.
void BM_CliRead512(benchmark::State& state)
{
    CliRig rig;
    rig.write();
    for (auto _ : state)
        rig.read();
    require(loadChannelFile(rig.output).csv.rows == fullTable(), "read back differs");
    perChannel(state, kChannels);
}

} // namespace

BENCHMARK(BM_GuiWrite512)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GuiRead512)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GuiWriteAndReadBack512)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CliWrite512)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CliRead512)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    // The command-line tool's progress lines are part of its work but not of the report.
    if (!std::freopen("/dev/null", "w", stderr))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
