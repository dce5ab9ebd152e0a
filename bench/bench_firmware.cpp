// Cost of opening a firmware file and of the hash behind its key derivation.

#include "BixPacker.h"
#include "firmware/domain/FirmwareCipher.h"
#include "firmware/domain/FirmwareFile.h"
#include "firmware/domain/Whirlpool0.h"

#include <benchmark/benchmark.h>

#include <stdexcept>

using namespace vantorel;

namespace {

const FirmwareSalt kSalt
    = {0x87, 0x2C, 0x96, 0x00, 0x90, 0xD1, 0x09, 0xC3, 0x2D, 0x03, 0xB1, 0x01, 0xCA, 0x5F, 0x9F, 0x60};

// A whole file: Base64, key derivation, CBC over the blocks, CFB over the
// tail, check value. Sizes 64 KiB (no tail) and 64 KiB + 5 (a 5-byte tail).
void BM_DecryptFirmwareFile(benchmark::State& state)
{
    const size_t size = static_cast<size_t>(state.range(0));
    const FirmwareImage image = makeTestFirmwareImage(size, 'B', "04-24-2018 10:24");
    const std::string text = packFirmwareImage(image, kSalt, builtInFirmwarePassword());
    for (auto _ : state) {
        auto decrypted = decryptFirmwareText(text, builtInFirmwarePassword());
        if (!decrypted)
            throw std::logic_error("round trip failed");
        benchmark::DoNotOptimize(decrypted);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(size));
}
BENCHMARK(BM_DecryptFirmwareFile)->Arg(64 * 1024)->Arg(64 * 1024 + 5)->Unit(benchmark::kMicrosecond);

// Finding the version marker in a 64 KiB image.
void BM_FindFirmwareVersion(benchmark::State& state)
{
    const FirmwareImage image = makeTestFirmwareImage(64 * 1024, 'U', "04-24-2018 10:24");
    for (auto _ : state)
        benchmark::DoNotOptimize(findFirmwareVersion(image));
}
BENCHMARK(BM_FindFirmwareVersion)->Unit(benchmark::kMicrosecond);

// The key derivation alone: 32 hashes of short inputs.
void BM_DeriveFirmwareKey(benchmark::State& state)
{
    const FirmwarePassword password = builtInFirmwarePassword();
    for (auto _ : state)
        benchmark::DoNotOptimize(deriveFirmwareKey(password, kSalt, kFirmwareKeySize, kFirmwareKeyIndex));
}
BENCHMARK(BM_DeriveFirmwareKey)->Unit(benchmark::kMicrosecond);

// Whirlpool-0 throughput, reported per KiB hashed.
void BM_Whirlpool0(benchmark::State& state)
{
    const std::vector<uint8_t> data(static_cast<size_t>(state.range(0)), 0x5A);
    for (auto _ : state)
        benchmark::DoNotOptimize(Whirlpool0::hash(data));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
    state.counters["per_KiB"] = benchmark::Counter(static_cast<double>(state.iterations()) * state.range(0) / 1024.0,
                                                   benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_Whirlpool0)->Arg(1024)->Arg(64 * 1024);

} // namespace
