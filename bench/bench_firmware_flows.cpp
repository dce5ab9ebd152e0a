// The program's own work per uploaded firmware block, apart from the wire:
// building and sending a block message, and taking the bootloader's block
// request off the input. A whole transfer against the in-process emulated
// bootloader gives the figure with the device's side and Qt's scheduling
// included.

#include "link/DeviceLink.h"
#include "emulator/inprocess/EmulatorBackend.h"
#include "firmware/FirmwareService.h"
#include "firmware/FirmwareUpload.h"
#include "protocol/Sysex.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <stdexcept>

using namespace vantorel;

namespace {

// Ports that go nowhere: the output drops every message, the input delivers
// what the benchmark hands it.
class NullBackend : public MidiBackend {
public:
    MidiReceiveCallback callback;

    std::string name() const override { return "Null"; }
    std::vector<std::string> inputPortNames() override { return {"null"}; }
    std::vector<std::string> outputPortNames() override { return {"null"}; }
    Result<std::unique_ptr<MidiBackendInput>> openInput(int, MidiReceiveCallback cb) override
    {
        callback = std::move(cb);
        return std::make_unique<Input>();
    }
    Result<std::unique_ptr<MidiBackendOutput>> openOutput(int) override { return std::make_unique<Output>(); }

private:
    struct Input : MidiBackendInput {
        Result<void> start() override { return {}; }
        void stop() override { }
    };
    struct Output : MidiBackendOutput {
        Result<void> send(const uint8_t* data, size_t size) override
        {
            benchmark::DoNotOptimize(data);
            benchmark::DoNotOptimize(size);
            return {};
        }
    };
};

FirmwareImage testImage(size_t size)
{
    FirmwareImage image(size);
    for (size_t i = 0; i < size; ++i)
        image[i] = uint8_t(i * 13 + 7);
    const std::string marker = "FBversion:05-01-2019 08:30";
    std::copy(marker.begin(), marker.end(), image.begin() + 64);
    image.back() = 0;
    return image;
}

// One block as the transfer loop handles it: its status text, then the
// block message built and sent, its hex text kept for the interface test.
void BM_SendBlock(benchmark::State& state)
{
    NullBackend ports;
    DeviceLink link(ports);
    link.succeeded(link.openPorts());
    FirmwareService service(link);
    const std::vector<FirmwareBlock> blocks = firmwareBlocks(testImage(64 * 1024));
    size_t i = 0;
    for (auto _ : state) {
        const FirmwareBlock& block = blocks[i++ % blocks.size()];
        emit link.firmwareStatusText(blockStatusText(block.counter));
        service.sendFwBlockData(block.data, block.counter);
    }
    state.SetItemsProcessed(int64_t(state.iterations()));
}
BENCHMARK(BM_SendBlock);

// The bootloader's block request B0 55 7F: from the port's callback through
// the input ring and the input handler to the block-request flag.
void BM_BlockRequest(benchmark::State& state)
{
    NullBackend ports;
    DeviceLink link(ports);
    link.succeeded(link.openPorts());
    const auto bootloader = link.subscribeToBootloader();
    FirmwareService service(link);
    const uint8_t request[3] = {0xB0, 0x55, 0x7F};
    for (auto _ : state) {
        service.blockRequest = false;
        ports.callback(request, sizeof request, 0);
        link.onMidiInput();
        if (!service.blockRequest)
            throw std::logic_error("request not seen");
        // The working lists grow by one entry per message; a real transfer
        // starts them anew with every bootloader start.
        link.bootloaderInfo().clear();
        link.shortMessageQueue().clear();
    }
    state.SetItemsProcessed(int64_t(state.iterations()));
}
BENCHMARK(BM_BlockRequest);

// A whole 64 KiB transfer against the in-process emulated bootloader, per block.
void BM_TransferPerBlock(benchmark::State& state)
{
    const FirmwareImage image = testImage(64 * 1024);
    const auto blockCount = int64_t(firmwareBlocks(image).size());
    for (auto _ : state) {
        state.PauseTiming();
        EmulatorConfig config;
        config.type = 'B';
        config.restartMs = 0;
        MidiPortDirectory ports;
        auto emulator = std::make_shared<EmulatorBackend>(config);
        ports.add(emulator);
        DeviceLink link(ports);
        link.succeeded(link.openPorts());
        const auto bootloader = link.subscribeToBootloader();
        FirmwareService service(link);
        service.setFileSource({[] { return PackedDateTime(0); }, [&] { return std::optional(image); }});
        // Straight into the bootloader's upload state.
        emulator->device().receive(buildCommand('N', {0, 0, 0, 0}));
        emulator->device().receive({0x9F, 0x00, 0x7F});
        emulator->device().receive({0x9F, 0x24, 0x7F});
        service.blockRequest = true;
        QEventLoop done;
        QObject::connect(&service, &FirmwareService::upgradeReady, &done, &QEventLoop::quit);
        state.ResumeTiming();

        service.transferFirmwareBlocks();
        done.exec();

        if (emulator->device().receivedImage() != image)
            throw std::logic_error("image differs");
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * blockCount);
}
BENCHMARK(BM_TransferPerBlock)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
