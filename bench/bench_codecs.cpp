// The codecs on the path of every channel exchange and file: framing a
// command, recognising a reply, the channel payload both ways, the channel
// settings file of a full table.

#include "BenchTables.h"
#include "channels/domain/ChannelCodec.h"
#include "channels/domain/ChannelCsv.h"
#include "protocol/Reply.h"
#include "protocol/Sysex.h"

#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>
#include <vector>

using namespace vantorel;

namespace {

Bytes payloadBytes(const std::string& text)
{
    return Bytes(text.begin(), text.end());
}

std::vector<std::string> tablePayloads()
{
    std::vector<std::string> payloads;
    for (const ChannelRecord& record : makeBenchTable()) {
        const auto payload = encodeChannelPayload(record);
        if (!payload)
            throw std::logic_error("bench table row cannot be encoded");
        payloads.push_back(*payload);
    }
    return payloads;
}

// The 43-byte channel write command "C" around a 14-character payload.
void BM_BuildCommand_ChannelWrite(benchmark::State& state)
{
    const std::vector<std::string> payloads = tablePayloads();
    std::vector<Bytes> raw;
    for (const std::string& p : payloads)
        raw.push_back(payloadBytes(p));
    size_t i = 0;
    for (auto _ : state) {
        Bytes message = buildCommand('C', raw[i++ % raw.size()]);
        benchmark::DoNotOptimize(message.data());
    }
    state.SetItemsProcessed(int64_t(state.iterations()));
}
BENCHMARK(BM_BuildCommand_ChannelWrite);

// A command without payload ("B", read the channel table).
void BM_BuildCommand_Empty(benchmark::State& state)
{
    for (auto _ : state) {
        Bytes message = buildCommand('B');
        benchmark::DoNotOptimize(message.data());
    }
    state.SetItemsProcessed(int64_t(state.iterations()));
}
BENCHMARK(BM_BuildCommand_Empty);

// The 6-byte acknowledgement "c" of a channel write.
void BM_RecognizeReply_Ack(benchmark::State& state)
{
    const Bytes reply = buildReply('c');
    for (auto _ : state) {
        auto recognised = recognizeReply(reply.data(), reply.size());
        benchmark::DoNotOptimize(recognised);
    }
    state.SetItemsProcessed(int64_t(state.iterations()));
}
BENCHMARK(BM_RecognizeReply_Ack);

// The 20-byte channel dump reply "b".
void BM_RecognizeReply_ChannelDump(benchmark::State& state)
{
    std::vector<Bytes> replies;
    for (const std::string& p : tablePayloads())
        replies.push_back(buildReply('b', p));
    size_t i = 0;
    for (auto _ : state) {
        const Bytes& reply = replies[i++ % replies.size()];
        auto recognised = recognizeReply(reply.data(), reply.size());
        benchmark::DoNotOptimize(recognised);
    }
    state.SetItemsProcessed(int64_t(state.iterations()));
}
BENCHMARK(BM_RecognizeReply_ChannelDump);

// Row cells -> numbers -> 14-character payload (what a write does per row).
void BM_EncodeChannelPayload_Record(benchmark::State& state)
{
    const ChannelTable rows = makeBenchTable();
    size_t i = 0;
    for (auto _ : state) {
        auto payload = encodeChannelPayload(rows[i++ % rows.size()]);
        benchmark::DoNotOptimize(payload);
    }
    state.SetItemsProcessed(int64_t(state.iterations()));
}
BENCHMARK(BM_EncodeChannelPayload_Record);

// Numbers -> payload alone.
void BM_EncodeChannelPayload_Values(benchmark::State& state)
{
    std::vector<ChannelValues> values;
    for (const ChannelRecord& record : makeBenchTable())
        values.push_back(*readChannelValues(record));
    size_t i = 0;
    for (auto _ : state) {
        std::string payload = encodeChannelPayload(values[i++ % values.size()]);
        benchmark::DoNotOptimize(payload.data());
    }
    state.SetItemsProcessed(int64_t(state.iterations()));
}
BENCHMARK(BM_EncodeChannelPayload_Values);

// Payload -> numbers -> row cells (what a read-back does per reply).
void BM_DecodeChannelPayload_Record(benchmark::State& state)
{
    const std::vector<std::string> payloads = tablePayloads();
    size_t i = 0;
    for (auto _ : state) {
        const auto dump = decodeChannelPayload(payloads[i++ % payloads.size()]);
        auto record = recordFromDump(*dump);
        benchmark::DoNotOptimize(record);
    }
    state.SetItemsProcessed(int64_t(state.iterations()));
}
BENCHMARK(BM_DecodeChannelPayload_Record);

// A file of 512 rows as opening it parses it: encoding check, then the parse.
void BM_ReadChannelCsv_512(benchmark::State& state)
{
    const std::string file = writeChannelCsv(makeBenchTable());
    for (auto _ : state) {
        const ChannelCsvLoad load = readChannelCsv(channelFileTextToUtf8(file));
        if (!load.ok() || load.rows.size() != 512)
            throw std::logic_error("bench file did not load");
        benchmark::DoNotOptimize(load.rows.data());
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * 512);
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(file.size()));
}
BENCHMARK(BM_ReadChannelCsv_512)->Unit(benchmark::kMicrosecond);

// Writing the same 512 rows.
void BM_WriteChannelCsv_512(benchmark::State& state)
{
    const ChannelTable rows = makeBenchTable();
    for (auto _ : state) {
        std::string file = writeChannelCsv(rows);
        benchmark::DoNotOptimize(file.data());
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * 512);
}
BENCHMARK(BM_WriteChannelCsv_512)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
