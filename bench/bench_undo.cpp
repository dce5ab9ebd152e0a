// Cost of undo steps over a full table of 512 channels: recording one change
// (the table is copied before it and compared after it), a read from the
// device that grows one step row by row, and the memory a full stack of the
// largest steps holds.

#include "channels/gui/ChannelUndo.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

using namespace vantorel;

namespace {

using Table = ChannelRowsEditor;

ChannelTable fullTable(const std::string& description)
{
    ChannelTable rows;
    for (int n = 1; n <= kLastDmxChannel; ++n) {
        rows.push_back(defaultChannelRecord(n));
        rows.back().description = description;
    }
    return rows;
}

// One cell of one row changes: the edit panel's "Set channel".
void BM_RecordOneCellChange(benchmark::State& state)
{
    Table table;
    table.rows = fullTable("Stage left, front truss, spot 1");
    ChannelUndoStack stack(table);
    int value = 0;
    for (auto _ : state) {
        ChannelTableEdit edit(stack, table, "Set channel 300");
        table.rows[299].fixedValue = std::to_string(++value % 256);
    }
}
BENCHMARK(BM_RecordOneCellChange);

// A read from the device: the table is emptied, then 512 rows arrive one by
// one, each extending the same step.
void BM_ReadFromDeviceAsOneStep(benchmark::State& state)
{
    const ChannelTable full = fullTable({});
    for (auto _ : state) {
        Table table;
        table.rows = full;
        ChannelUndoStack stack(table);
        stack.beginGrowingStep();
        ChannelTable before = table.rows;
        table.rows.clear();
        stack.recordGrowing(before, "Read from device");
        for (const ChannelRecord& row : full) {
            before = table.rows;
            table.rows.push_back(row);
            stack.recordGrowing(before, "Read from device");
        }
        benchmark::DoNotOptimize(stack.count());
    }
    state.counters["per_row"] = benchmark::Counter(
        double(full.size()), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ReadFromDeviceAsOneStep)->Unit(benchmark::kMillisecond);

// The worst case of memory: every step replaces a whole table of 512 rows
// with descriptions (opening files one after the other).
void BM_FullStackOfWholeTableSteps(benchmark::State& state)
{
    size_t bytes = 0;
    for (auto _ : state) {
        Table table;
        ChannelUndoStack stack(table);
        for (int step = 0; step < ChannelUndoStack::kUndoSteps + 20; ++step) {
            ChannelTableEdit edit(stack, table, "Open channels settings");
            table.rows = fullTable("file " + std::to_string(step) + ": a description of typical length");
        }
        bytes = 0;
        for (int i = 0; i < stack.count(); ++i)
            bytes += static_cast<const ChannelTableStep*>(stack.command(i))->bytes();
    }
    state.counters["stack_MiB"] = double(bytes) / (1024.0 * 1024.0);
}
BENCHMARK(BM_FullStackOfWholeTableSteps)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication::setAttribute(Qt::AA_PluginApplication); // no platform plugin is needed
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
