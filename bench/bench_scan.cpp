// Wall time of a whole device scan over 8, 20 and 32 port pairs, each with an
// in-process emulated device answering after 0 to 30 ms, and over 32 pairs of
// which one input stays silent (the scan then waits the identify timeout for
// a slow device). The goal is 2.5 s however many ports there are;
// "found" counts the devices found and paired with their own output.

#include "emulator/inprocess/EmulatorBackend.h"
#include "link/DeviceScan.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

using namespace vantorel;

namespace {

// Port pair n of device n: "emu n:out" (its answers) and "emu n:in".
class ScanBay : public MidiBackend {
public:
    ScanBay(int pairs, bool silentLast)
    {
        for (int n = 0; n < pairs; ++n) {
            EmulatorConfig config;
            config.deviceId = uint32_t(1000 + n);
            config.delayMs = (n % 4) * 10;
            config.neverAnswer = silentLast && n == pairs - 1;
            devices.push_back(std::make_shared<EmulatorBackend>(config));
        }
    }
    std::string name() const override { return "Scan bay"; }
    std::vector<std::string> inputPortNames() override { return names(":out"); }
    std::vector<std::string> outputPortNames() override { return names(":in"); }
    Result<std::unique_ptr<MidiBackendInput>> openInput(int index, MidiReceiveCallback callback) override
    {
        return devices.at(size_t(index))->openInput(0, std::move(callback));
    }
    Result<std::unique_ptr<MidiBackendOutput>> openOutput(int index) override
    {
        return devices.at(size_t(index))->openOutput(0);
    }
    std::vector<std::shared_ptr<EmulatorBackend>> devices;

private:
    std::vector<std::string> names(const char* suffix) const
    {
        std::vector<std::string> list;
        for (size_t n = 0; n < devices.size(); ++n)
            list.push_back("emu " + std::to_string(n) + suffix);
        return list;
    }
};

void scan(benchmark::State& state, bool silentLast)
{
    const int pairs = int(state.range(0));
    ScanBay bay(pairs, silentLast);
    int found = 0;
    for (auto _ : state) {
        DeviceScan scan(bay);
        found = 0;
        for (const FoundDevice& d : scan.run())
            found += d.output == QString::fromStdString("emu " + std::to_string(d.deviceId - 1000) + ":in");
    }
    state.counters["pairs"] = pairs;
    state.counters["found"] = found;
}

void BM_Scan(benchmark::State& state)
{
    scan(state, false);
}
void BM_ScanOneSilent(benchmark::State& state)
{
    scan(state, true);
}

BENCHMARK(BM_Scan)->Arg(8)->Arg(20)->Arg(32)->Iterations(3)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanOneSilent)->Arg(32)->Iterations(2)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
