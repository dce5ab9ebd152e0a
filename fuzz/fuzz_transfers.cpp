// Replies and garbage arriving while a transfer is in progress: a channel
// write, a channel dump and a firmware upload, each run through the same link
// code the window and vantorelctl use, against a scripted device. The input
// decides how the device answers each message the program sends: properly,
// twice, late, not at all, among garbage, in bursts beyond the input ring, or
// with a message that belongs elsewhere (an acknowledgement of another kind,
// "upgrade ready" in the middle of an upload). Time passes only when the
// input says so or when the program still waits, so no wait lasts its real
// two seconds.
//
// The property: an operation reports success only when nothing was lost.
// - write: rows go out in order (a row may be repeated); every row counted as
//   written had an acknowledgement delivered after a try of it was sent, no
//   acknowledgement counts for two rows, and the success text comes only when
//   every row was;
// - dump: a dump taken as complete (done, no input loss reported, the ports
//   there) holds exactly the rows the device sent, and input loss is always
//   reported;
// - upload: "upgrade ready" counts only after the final block, every block
//   went out after a block request, and the bootloader read the whole image
//   (read back with the model of the block messages in UploadStreamModel.h).

#include "FuzzBackend.h"
#include "FuzzCheck.h"
#include "UploadStreamModel.h"

#include "link/DeviceLink.h"
#include "channels/ChannelTransfer.h"
#include "channels/domain/ChannelCodec.h"
#include "firmware/FirmwareService.h"
#include "protocol/Reply.h"
#include "protocol/Sysex.h"

#include <QCoreApplication>
#include <QTimer>

#include <fuzzer/FuzzedDataProvider.h>

#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <vector>

using namespace vantorel;

namespace {

using Message = std::vector<uint8_t>;

constexpr uint32_t kBlockRequest = 0xB0557F;
constexpr uint32_t kChecksumError = 0xB0037F;
constexpr uint32_t kUpgradeReady = 0xB07F55;
constexpr uint32_t kBootloaderCodes[]
    = {kBlockRequest, kChecksumError, kUpgradeReady, 0x9F7F7F, 0x8F5555, 0x9F017F, 0x9F257F, 0x800000, 0x800001};
constexpr char kEmptyDeviceDump[] = "00000100000000";

Message ShortMessage(uint32_t code)
{
    return {uint8_t(code >> 16), uint8_t(code >> 8), uint8_t(code)};
}

enum class Operation { Write, Read, Upload };

// The device's side and the record of what it delivered, by window: window k
// lasts from the program's k-th row or block until its next one.
class Transfer {
public:
    Transfer(FuzzedDataProvider& input, Operation operation)
        : m_input(input)
        , m_operation(operation)
    {
        link.input().setCapacity(64);
        FUZZ_CHECK(link.input().setSysexBufferCount(32));
        QObject::connect(&link.input(), &MidiInputPort::overflow, [this] { overflow = true; });
        // A tick made by the harness (see scheduleTime) is one period of the
        // operation's timer: the timer goes on with that period.
        QObject::connect(&link, &DeviceLink::timerTicked, [this] {
            if (m_ticking) {
                m_ticking = false;
                link.startWaitTimer(kWaitMs);
            }
        });
        QObject::connect(&link, &DeviceLink::errorRaised, [this](const QString& text) { errors << text; });
        QObject::connect(&link, &DeviceLink::statusText, [this](const QString& text) { texts << text; });
        QObject::connect(&link, &DeviceLink::firmwareStatusText, [this](const QString& text) { texts << text; });
        m_bootloader = link.subscribeToBootloader();
        link.setDeviceType('P');
        FUZZ_CHECK(link.openPorts());
        FUZZ_CHECK(link.input().isOpen());
        backend.setPeer([this](const uint8_t* data, size_t size) { onProgramMessage(Message(data, data + size)); });
    }

    // While the operation runs: answers to what the program sends, and time
    // passing after each answer.
    void setWaiting(std::function<bool()> waiting) { m_waiting = std::move(waiting); }
    void setDump(std::vector<Message> dump) { m_dump = std::move(dump); }

    // What the device answers before the program sends anything (the first
    // block request of an upload), then time may pass.
    void answerAhead(const std::vector<Message>& proper)
    {
        answer(proper);
        scheduleTime();
    }

    // Everything still on its way arrives and is handled.
    void settle()
    {
        m_waiting = {};
        deliverLater();
        QCoreApplication::processEvents();
        link.onMidiInput();
        QCoreApplication::processEvents();
    }

    FuzzBackend backend;
    DeviceLink link{backend};

    bool overflow = false;
    QStringList errors;
    QStringList texts;
    std::vector<Message> tries; // write: every "C" sent, repeated rows included
    std::vector<int> acks; // write: WriteAck replies delivered per try window
    std::vector<int> requests{0}; // upload: block requests delivered per block window
    std::vector<upload_model::Block> blocks; // upload: blocks the bootloader read
    int unreadableBlocks = 0;
    std::map<int, std::string> dumped; // read: channel number -> payload delivered

private:
    void onProgramMessage(const Message& message)
    {
        if (message.size() < 7 || message[0] != 0xF0)
            return;
        switch (message[5]) {
        case 'C':
            if (m_operation != Operation::Write)
                return;
            tries.push_back(message);
            acks.push_back(0);
            answer({buildReply('c', std::string(replyLength('c') - 6, '0'))});
            break;
        case 'M': // the options, asked between rows to settle missing acknowledgements
            if (m_operation != Operation::Write)
                return;
            answer({buildReply('m', std::string(replyLength('m') - 6, '0'))});
            break;
        case 'B':
            if (m_operation != Operation::Read)
                return;
            answer(m_dump);
            break;
        case 'h': {
            if (m_operation != Operation::Upload)
                return;
            const auto block = upload_model::ReadMessage(message);
            if (!block) {
                ++unreadableBlocks;
                return;
            }
            blocks.push_back(*block);
            requests.push_back(0);
            answer({ShortMessage(block->tag == upload_model::kFinalTag ? kUpgradeReady : kBlockRequest)});
            break;
        }
        default: return;
        }
        scheduleTime();
    }

    // The input's script for one answer: a few actions, the proper answer
    // among them when the input so decides.
    void answer(const std::vector<Message>& proper)
    {
        for (int action = 0; action < 8; ++action) {
            if (m_input.remaining_bytes() == 0) {
                deliverAll(proper);
                return;
            }
            switch (m_input.ConsumeIntegralInRange<int>(0, 7)) {
            case 0:
            case 1: deliverAll(proper); break;
            case 2: deliver(garbage()); break;
            case 3: deliver(anyReply()); break;
            case 4: {
                // A burst of the last message, possibly beyond the ring.
                const int count = m_input.ConsumeIntegralInRange<int>(1, 100);
                for (int i = 0; i < count; ++i)
                    deliver(m_last);
                break;
            }
            case 5:
                // The proper answer comes late: when time next passes.
                m_later.insert(m_later.end(), proper.begin(), proper.end());
                break;
            case 6:
                deliver(ShortMessage(
                    kBootloaderCodes[m_input.ConsumeIntegralInRange<size_t>(0, std::size(kBootloaderCodes) - 1)]));
                break;
            default: return;
            }
        }
    }

    // Any short message or SysEx; never a channel dump reply, whose rows the
    // dump property counts (the device's own are made by setDump).
    Message garbage()
    {
        Message message;
        if (m_input.ConsumeBool()) {
            const size_t length = m_input.ConsumeIntegralInRange<size_t>(1, 3);
            for (size_t i = 0; i < length; ++i)
                message.push_back(m_input.ConsumeIntegral<uint8_t>());
            return message;
        }
        message.push_back(0xF0);
        const std::string body = m_input.ConsumeRandomLengthString(40);
        for (const char c : body)
            message.push_back(uint8_t(c) & 0x7F);
        message.push_back(0xF7);
        return isDumpReply(message) ? Message{0xF8} : message;
    }

    // A reply of any letter with its right length and hex digits.
    Message anyReply()
    {
        static constexpr char kLetters[] = "acdefghijklmno";
        const char letter = kLetters[m_input.ConsumeIntegralInRange<size_t>(0, sizeof kLetters - 2)];
        std::string payload;
        for (size_t i = 0; i + 6 < replyLength(letter); ++i)
            payload += "0123456789ABCDEF"[m_input.ConsumeIntegral<uint8_t>() % 16];
        return buildReply(letter, payload);
    }

    static bool isDumpReply(const Message& message)
    {
        const auto reply = recognizeReply(message.data(), message.size());
        return reply && reply->letter == 'b';
    }

    void deliverAll(const std::vector<Message>& messages)
    {
        for (const Message& message : messages)
            deliver(message);
    }

    void deliver(const Message& message)
    {
        if (message.empty() || ++m_delivered > kMaxMessages)
            return;
        m_last = message;
        const auto reply = recognizeReply(message.data(), message.size());
        // A dump row the device sent belongs to the table it holds, whether
        // or not the program's input kept up with it.
        if (reply && reply->letter == 'b') {
            const std::string payload(message.begin() + 5, message.end() - 1);
            const int number = std::stoi(payload.substr(0, 4), nullptr, 16);
            if (number >= 1 && number <= 512)
                dumped[number] = payload;
        }
        // Acknowledgements and block requests count only when the input took
        // them: what the ring dropped the program never saw.
        const size_t pendingBefore = link.input().pendingEventCount();
        backend.deliver(message.data(), message.size(), 0);
        if (link.input().pendingEventCount() <= pendingBefore)
            return;
        if (message == ShortMessage(kBlockRequest))
            ++requests[blocks.size()];
        if (reply && reply->flag == Reply::Flag::WriteAck && !acks.empty())
            ++acks.back();
    }

    void deliverLater()
    {
        const std::vector<Message> later = std::move(m_later);
        m_later.clear();
        deliverAll(later);
    }

    // Time passes once the program is back in its event loop: what was late
    // arrives, the input is read, and the wait timer ticks when the program still
    // waits (or, when the input says so, though its answer has just come:
    // a device slower than the tick).
    void scheduleTime()
    {
        const bool slow = m_input.ConsumeIntegralInRange<int>(0, 7) == 7;
        QTimer::singleShot(0, &link, [this, slow] {
            if (!m_waiting)
                return;
            deliverLater();
            link.onMidiInput();
            if (link.timer1Active() && (slow || m_waiting())) {
                // The period runs out now.
                m_ticking = true;
                link.restartWaitTimer(0);
            }
        });
    }

    static constexpr int kMaxMessages = 600;
    // The period of every wait here (a row, a dump's first reply, a block request).
    static constexpr int kWaitMs = 2000;
    static_assert(kWaitMs == kChannelReplyWaitMs && kWaitMs == FirmwareService::kWaitMs);

    FuzzedDataProvider& m_input;
    Operation m_operation;
    std::function<bool()> m_waiting;
    std::vector<Message> m_dump;
    std::vector<Message> m_later;
    Message m_last{0xF8};
    int m_delivered = 0;
    bool m_ticking = false;
    DeviceLink::BootloaderSubscription m_bootloader;
};

bool Contains(const QStringList& texts, const char* text)
{
    return texts.contains(QString::fromLatin1(text));
}

// A row for channel `number` with data the input chooses.
ChannelRecord row(FuzzedDataProvider& input, int number)
{
    ChannelRecord record = defaultChannelRecord(number);
    record.midiChannel = std::to_string(input.ConsumeIntegralInRange<int>(1, 16));
    return record;
}

void RunWrite(FuzzedDataProvider& input)
{
    Transfer t(input, Operation::Write);
    ChannelTable rows;
    std::vector<Message> payloads; // the "C" of each row
    const int count = input.ConsumeIntegralInRange<int>(1, 24);
    for (int i = 1; i <= count; ++i) {
        rows.push_back(row(input, i));
        const std::string payload = *encodeChannelPayload(rows.back());
        payloads.push_back(buildCommand('C', Message(payload.begin(), payload.end())));
    }
    t.setWaiting([&t] { return !t.link.writeAcknowledged(); });

    // Acknowledgements carry no row: a row may be repeated, and an
    // acknowledgement may come late. Whatever the order, one acknowledgement
    // never confirms two rows, and a row is confirmed only by one delivered
    // after a try of that row was sent.
    const auto acksSince = [&t](size_t firstTry) {
        int n = 0;
        for (size_t i = firstTry; i < t.acks.size(); ++i)
            n += t.acks[i];
        return n;
    };
    const auto firstTryOf = [&](int row) {
        for (size_t i = 0; i < t.tries.size(); ++i)
            if (t.tries[i] == payloads[size_t(row)])
                return i;
        return t.tries.size();
    };
    int written = 0;
    const ChannelWriteReport report = writeChannelsToDevice(t.link, rows, {}, [&](int row) {
        FUZZ_CHECK(row == written);
        FUZZ_CHECK(acksSince(firstTryOf(row)) > 0);
        FUZZ_CHECK(acksSince(0) >= written + 1);
        ++written;
    });
    t.settle();

    FUZZ_CHECK(report.acknowledged == written);
    // Rows go out in order, each at most once and five times more.
    int row = 0;
    for (const Message& sent : t.tries) {
        while (row < count && sent != payloads[size_t(row)])
            ++row;
        FUZZ_CHECK(row < count);
    }
    FUZZ_CHECK(t.tries.size() <= rows.size() * 6);
    const bool success = Contains(t.texts, "Writing data to device finished succesfully.");
    FUZZ_CHECK(success == (report.result == ChannelWriteResult::Done));
    if (success) {
        FUZZ_CHECK(written == int(rows.size()));
        FUZZ_CHECK(!Contains(t.texts, "Writing data to device failed."));
    } else {
        FUZZ_CHECK(Contains(t.texts, "Writing data to device failed."));
        // Nothing is sent after the row that was not acknowledged.
        FUZZ_CHECK(t.tries.empty() || firstTryOf(written) < t.tries.size());
        for (int later = written + 1; later < count; ++later)
            FUZZ_CHECK(firstTryOf(later) == t.tries.size());
    }
}

void RunRead(FuzzedDataProvider& input)
{
    Transfer t(input, Operation::Read);
    std::vector<Message> dump;
    const int count = input.ConsumeIntegralInRange<int>(0, 40);
    for (int i = 0; i < count; ++i) {
        if (const auto payload = encodeChannelPayload(row(input, input.ConsumeIntegralInRange<int>(1, 512))))
            dump.push_back(buildReply('b', *payload));
    }
    if (dump.empty())
        dump.push_back(buildReply('b', kEmptyDeviceDump));
    t.setDump(dump);
    t.setWaiting([&t] { return !t.link.replyReceived(); });

    // As vantorelctl reads: the collector, the input's loss signal, the
    // first reply awaited, the rest taken as it comes.
    ChannelDumpCollector collector(t.link);
    const OpResult result = readChannelsFromDevice(
        t.link, [&collector] { collector.clear(); }, [&collector] { return !collector.rows().empty(); });
    t.settle();

    // Loss on the input is always said.
    if (t.overflow)
        FUZZ_CHECK(!t.errors.isEmpty());
    if (result != OpResult::Done || t.overflow || t.link.portLost())
        return;
    // Taken as complete: exactly the rows the device sent, each as it last sent it.
    FUZZ_CHECK(collector.rows().size() == t.dumped.size());
    for (const ChannelRecord& row : collector.rows()) {
        const auto found = t.dumped.find(std::stoi(row.dmxChannel));
        FUZZ_CHECK(found != t.dumped.end());
        FUZZ_CHECK(encodeChannelPayload(row) == found->second);
    }
}

void RunUpload(FuzzedDataProvider& input)
{
    Transfer t(input, Operation::Upload);
    FirmwareService service(t.link);
    const size_t size = input.ConsumeIntegralInRange<size_t>(0, 6 * upload_model::kBlockBytes);
    std::vector<uint8_t> image;
    for (size_t i = 0; i < size; ++i)
        image.push_back(uint8_t(i * 7 + size));
    service.setFileSource(
        {[] { return PackedDateTime(0x012345); },
         [&image] { return std::optional<FirmwareImage>(FirmwareImage(image.begin(), image.end())); }});

    std::vector<FirmwareService::UploadResult> ended;
    bool readyAfterFinalBlock = false;
    int ready = 0;
    QObject::connect(&service, &FirmwareService::uploadEnded,
                     [&](FirmwareService::UploadResult result) { ended.push_back(result); });
    QObject::connect(&service, &FirmwareService::upgradeReady, [&] {
        ++ready;
        readyAfterFinalBlock = ended.size() == 1 && ended.front() == FirmwareService::UploadResult::FinalBlockSent;
        // Success: the bootloader has read every block of the image.
        FUZZ_CHECK(readyAfterFinalBlock);
        FUZZ_CHECK(t.blocks.size() == upload_model::Blocks(image).size());
    });
    t.setWaiting([&] { return !(service.blockRequest || service.checksumError); });

    {
        // As after the two handshakes: the operation holds the link, the first
        // block request may already be there.
        DeviceOperation operation(t.link);
        FUZZ_CHECK(bool(operation));
        t.answerAhead({ShortMessage(kBlockRequest)});
        service.transferFirmwareBlocks();
    }
    t.settle();

    FUZZ_CHECK(ended.size() == 1);
    FUZZ_CHECK(t.unreadableBlocks == 0);
    // Each block went out after a request that came after the block before it.
    for (size_t i = 0; i < t.blocks.size(); ++i)
        FUZZ_CHECK(t.requests[i] > 0);
    // What the bootloader read is the image, in order, padded with "X".
    const std::vector<upload_model::Block> expected = upload_model::Blocks(image);
    FUZZ_CHECK(t.blocks.size() <= expected.size());
    for (size_t i = 0; i < t.blocks.size(); ++i)
        FUZZ_CHECK(t.blocks[i].bytes == expected[i].bytes && t.blocks[i].tag == expected[i].tag);
    if (ended.front() == FirmwareService::UploadResult::FinalBlockSent)
        FUZZ_CHECK(t.blocks.size() == expected.size());
    else
        FUZZ_CHECK(ready == 0 && !Contains(t.texts, "        Upgrade ready..."));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    static int argc = 1;
    static char name[] = "fuzz_transfers";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    switch (input.ConsumeIntegralInRange<int>(0, 2)) {
    case 0: RunWrite(input); break;
    case 1: RunRead(input); break;
    default: RunUpload(input); break;
    }
    return 0;
}
