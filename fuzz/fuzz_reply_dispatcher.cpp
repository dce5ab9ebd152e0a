// Everything a device (or anything else on the MIDI input) can send: SysEx
// and short messages of any content and length, in any order, in bursts
// larger than the event ring (a small one here, see Harness), with the
// firmware page shown or not. They go through the platform callback side of
// the input port, the event ring, the input handler, the reply dispatcher and
// what listens to it: the channel dump collector, the mode decoder and the
// firmware service's bootloader messages (queues, bootloader information
// decoder, interface test check).

#include "FuzzBackend.h"
#include "FuzzCheck.h"

#include "link/DeviceLink.h"
#include "channels/ChannelTransfer.h"
#include "firmware/FirmwareService.h"
#include "modes/domain/ModeRecord.h"
#include "protocol/Sysex.h"

#include <QCoreApplication>

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

using namespace vantorel;

namespace {

// Short messages the program reacts to: identification, bootloader notices
// and answers, information pieces are made below.
constexpr uint32_t kKnownCodes[] = {
    0x800000, 0x800001, 0x800002, // identification
    0x8F5555, // bootloader start notice
    0x9F7F7F, // Idle
    0x9F017F, 0x9F257F, // handshake answers
    0x9F117F, 0x9F127F, 0x9F137F, 0x9F157F, // interface test
    0xB0557F, 0xB0037F, 0xB07F55, // block request, checksum error, upgrade ready
};

constexpr char kReplyLetters[] = "abcdefghijklmno";

std::vector<uint8_t> ShortMessage(uint32_t code)
{
    return {uint8_t(code >> 16), uint8_t(code >> 8), uint8_t(code)};
}

// A reply with the right header and length for its letter; payload characters
// mostly hex digits so that the decoders get past their first check.
std::vector<uint8_t> MakeReply(FuzzedDataProvider& input)
{
    const char letter = kReplyLetters[input.ConsumeIntegralInRange<size_t>(0, sizeof kReplyLetters - 2)];
    const size_t length = replyLength(letter);
    std::string payload;
    const bool hex = input.ConsumeBool();
    for (size_t i = 0; i + 6 < length; ++i) {
        const uint8_t c = input.ConsumeIntegral<uint8_t>();
        payload += hex ? "0123456789ABCDEF"[c % 16] : char(c & 0x7F);
    }
    return buildReply(letter, payload);
}

struct Harness {
    FuzzBackend backend;
    DeviceLink link{backend};
    FirmwareService service{link};
    ChannelDumpCollector dumps{link};
    DeviceLink::BootloaderSubscription bootloader;
    int modes = 0;
    int errors = 0;

    // The firmware page shown or not: bootloader messages collected or not.
    void subscribe(bool on) { bootloader = on ? link.subscribeToBootloader() : DeviceLink::BootloaderSubscription(); }

    Harness()
    {
        service.setFileSource({[] { return PackedDateTime(0x012345); }, [] { return std::optional<FirmwareImage>(); }});
        QObject::connect(&link, &DeviceLink::modeReceived, [this](const std::array<uint8_t, 4>& values) {
            const ModeRecord record = modeRecordFromValues(values);
            if (isValidModeRecord(record)) {
                const auto decoded = decodeModeReplyPayload(modeReplyPayload(record));
                FUZZ_CHECK(decoded && *decoded == record);
            }
            ++modes;
        });
        QObject::connect(&link, &DeviceLink::errorRaised, [this](const QString&) { ++errors; });
        // A small ring and few receive buffers: the same overflow paths as the
        // program's 1024 slots and 512 buffers, reached with bursts of a
        // hundred events instead of a thousand (fifteen times the executions).
        link.input().setCapacity(kRingSlots);
        FUZZ_CHECK(link.input().setSysexBufferCount(kSysexBuffers));
        QObject::connect(&link, &DeviceLink::deviceTypeApplied,
                         [](char letter) { FUZZ_CHECK(letter == 'P' || letter == 'B' || letter == 'E'); });
        FUZZ_CHECK(link.openPorts());
        FUZZ_CHECK(link.input().isOpen());
    }

    static constexpr uint16_t kRingSlots = 64;
    static constexpr uint16_t kSysexBuffers = 32;
    // Bounds the work of one input: a few bursts past the ring's capacity.
    static constexpr int kMaxMessages = 600;
    int delivered = 0;

    void send(const std::vector<uint8_t>& message, uint32_t time)
    {
        if (!message.empty() && delivered < kMaxMessages) {
            ++delivered;
            backend.deliver(message.data(), message.size(), time);
        }
    }

    // The GUI thread gets round to the input: the wake, the overflow report,
    // the input handler and whatever it posts.
    void read()
    {
        QCoreApplication::processEvents();
        link.onMidiInput();
        FUZZ_CHECK(link.input().pendingEventCount() == 0);
    }
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    static int argc = 1;
    static char name[] = "fuzz_reply_dispatcher";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return 0;
}

namespace {

// Inputs starting with "M" are a recorded MIDI byte stream (the seeds are
// what the emulated device sends); the next byte says after how many messages
// the GUI thread reads the ring (0: only at the end).
void PlayStream(const uint8_t* data, size_t size)
{
    Harness h;
    h.subscribe(true);
    const size_t every = size > 1 ? data[1] : 1;
    size_t messages = 0;
    size_t i = 2;
    while (i < size) {
        size_t end = i + 1;
        if (data[i] == 0xF0) {
            while (end < size && data[end] < 0x80)
                ++end;
            if (end < size && data[end] == 0xF7)
                ++end;
        } else if (data[i] >= 0x80 && data[i] < 0xF0) {
            end = std::min(size, i + 3);
        }
        h.send(std::vector<uint8_t>(data + i, data + end), uint32_t(i));
        i = end;
        if (every != 0 && ++messages % every == 0)
            h.read();
    }
    h.read();
    h.service.processBootloaderInfo();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 0 && data[0] == 'M') {
        PlayStream(data, size);
        return 0;
    }
    FuzzedDataProvider input(data, size);
    Harness h;
    h.link.setDeveloperRun(input.ConsumeBool());
    h.subscribe(input.ConsumeBool());

    std::vector<uint8_t> last;
    uint32_t time = 0;
    for (int step = 0; step < 2000 && input.remaining_bytes() > 0; ++step) {
        time += input.ConsumeIntegralInRange<uint32_t>(0, 50);
        std::vector<uint8_t> message;
        switch (input.ConsumeIntegralInRange<int>(0, 9)) {
        case 0:
        case 1: message = MakeReply(input); break;
        case 2: {
            // Any SysEx, mostly framed.
            message.push_back(0xF0);
            const std::string body = input.ConsumeRandomLengthString(64);
            message.insert(message.end(), body.begin(), body.end());
            if (input.ConsumeBool())
                message.push_back(0xF7);
            break;
        }
        case 3:
            message = ShortMessage(kKnownCodes[input.ConsumeIntegralInRange<size_t>(0, std::size(kKnownCodes) - 1)]);
            break;
        case 4: {
            // A bootloader information piece or an interface test echo byte.
            const uint8_t status
                = std::array<uint8_t, 4>{0x81, 0x82, 0x83, 0x88}[input.ConsumeIntegralInRange<int>(0, 3)];
            message = {status, input.ConsumeIntegral<uint8_t>(), input.ConsumeIntegral<uint8_t>()};
            break;
        }
        case 5: {
            // Any message of one to four bytes.
            const size_t length = input.ConsumeIntegralInRange<size_t>(1, 4);
            for (size_t i = 0; i < length; ++i)
                message.push_back(input.ConsumeIntegral<uint8_t>());
            break;
        }
        case 6: h.read(); break;
        case 7: h.subscribe(!h.link.bootloaderSubscribed()); break;
        case 8: {
            // A burst between two reads of the ring, possibly more than it holds.
            const int count = input.ConsumeIntegralInRange<int>(1, 100);
            for (int i = 0; i < count; ++i)
                h.send(last, time);
            break;
        }
        default:
            // The firmware page reads what the bootloader reported.
            h.service.processBootloaderInfo();
            break;
        }
        if (!message.empty()) {
            h.send(message, time);
            last = std::move(message);
        }
    }
    h.read();
    h.service.processBootloaderInfo();

    // Whatever arrived, the collected rows are in order and the lists hold
    // only three-byte codes.
    const ChannelTable& rows = h.dumps.rows();
    for (size_t i = 1; i < rows.size(); ++i)
        FUZZ_CHECK(compareDmxCells(rows[i - 1].dmxChannel, rows[i].dmxChannel) <= 0);
    for (const uint32_t code : h.link.shortMessageQueue())
        FUZZ_CHECK(code <= 0xFFFFFF);
    for (const std::string& byte : h.link.testData())
        FUZZ_CHECK(byte.size() == 2);
    return 0;
}
