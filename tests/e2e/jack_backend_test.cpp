// The JACK backend over a real JACK server, against the emulator process: a
// message sent at once after an output opens, and one still queued when it
// closes, both reach the device; many ports live on one client; a stopped
// input calls back no more; without a server the error says so. Needs the
// e2e fixture's environment (VANTOREL_E2E_RUN_DIR, VANTOREL_EMULATOR).

#include "midi/JackBackend.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>

using namespace vantorel;

namespace {

// "J" (read device type): command header F0 00 31 34 56, letter, CRC-32 of no payload, F7.
const std::vector<uint8_t> kReadDeviceType
    = {0xF0, 0x00, 0x31, 0x34, 0x56, 'J', '0', '0', '0', '0', '0', '0', '0', '0', 0xF7};

// What an input received, waited for on the callback's notification.
class Received {
public:
    MidiReceiveCallback callback()
    {
        return [this](const uint8_t* data, size_t size, uint32_t) {
            std::lock_guard lock(m_mutex);
            // The device type reply: F0 31 34 56 'j' ...
            if (size > 5 && data[0] == 0xF0 && data[4] == 'j')
                ++m_replies;
            m_arrived.notify_all();
        };
    }
    bool waitForReplies(int count)
    {
        std::unique_lock lock(m_mutex);
        return m_arrived.wait_for(lock, std::chrono::seconds(5), [&] { return m_replies >= count; });
    }
    int replies()
    {
        std::lock_guard lock(m_mutex);
        return m_replies;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_arrived;
    int m_replies = 0;
};

int indexOf(const std::vector<std::string>& names, const std::string& name)
{
    const auto found = std::find(names.begin(), names.end(), name);
    return found == names.end() ? -1 : int(found - names.begin());
}

class JackBackendTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        QFile server(qEnvironmentVariable("VANTOREL_E2E_RUN_DIR") + "/server");
        if (server.open(QIODevice::ReadOnly))
            qputenv("JACK_DEFAULT_SERVER", server.readAll().trimmed());
        qputenv("JACK_NO_START_SERVER", "1");
        s_emulator = new QProcess;
        s_emulator->start(qEnvironmentVariable("VANTOREL_EMULATOR"), {"--name", "jbt", "--type", "P"});
        while (s_emulator->waitForReadyRead(10000) && !s_emulator->readAllStandardOutput().contains("ready")) { }
    }
    static void TearDownTestSuite()
    {
        s_emulator->terminate();
        s_emulator->waitForFinished(3000);
        delete s_emulator;
    }

    void SetUp() override
    {
        Result<std::shared_ptr<MidiBackend>> created = createJackBackend();
        ASSERT_TRUE(created) << created.error().text();
        backend = *created;
        deviceOut = indexOf(backend->inputPortNames(), "jbt:out");
        deviceIn = indexOf(backend->outputPortNames(), "jbt:in");
        ASSERT_GE(deviceOut, 0) << "the emulator's ports are listed as client:port";
        ASSERT_GE(deviceIn, 0);
    }

    std::unique_ptr<MidiBackendInput> listen(Received& received)
    {
        Result<std::unique_ptr<MidiBackendInput>> input = backend->openInput(deviceOut, received.callback());
        EXPECT_TRUE(input) << input.error().text();
        EXPECT_TRUE((*input)->start());
        return std::move(input).value();
    }

    static QProcess* s_emulator;
    std::shared_ptr<MidiBackend> backend;
    int deviceOut = -1;
    int deviceIn = -1;
};

QProcess* JackBackendTest::s_emulator = nullptr;

TEST_F(JackBackendTest, FirstMessageAfterOpenAndLastBeforeCloseArrive)
{
    Received received;
    const auto input = listen(received);
    // Each output sends at once after its connection is made and closes at
    // once after its message is queued: every request is answered.
    constexpr int kRounds = 10;
    for (int i = 0; i < kRounds; ++i) {
        Result<std::unique_ptr<MidiBackendOutput>> output = backend->openOutput(deviceIn);
        ASSERT_TRUE(output) << output.error().text();
        ASSERT_TRUE((*output)->send(kReadDeviceType.data(), kReadDeviceType.size()));
    }
    EXPECT_TRUE(received.waitForReplies(kRounds)) << received.replies();
}

TEST_F(JackBackendTest, ManyPortsShareOneClientAndAreNotListed)
{
    constexpr int kPorts = 12;
    std::vector<std::unique_ptr<Received>> received;
    std::vector<std::unique_ptr<MidiBackendInput>> inputs;
    std::vector<std::unique_ptr<MidiBackendOutput>> outputs;
    for (int i = 0; i < kPorts; ++i) {
        received.push_back(std::make_unique<Received>());
        inputs.push_back(listen(*received.back()));
        Result<std::unique_ptr<MidiBackendOutput>> output = backend->openOutput(deviceIn);
        ASSERT_TRUE(output) << output.error().text();
        outputs.push_back(std::move(output).value());
    }
    for (const auto& names : {backend->inputPortNames(), backend->outputPortNames()})
        for (const std::string& name : names)
            EXPECT_EQ(name.rfind("VANTOREL Control Center", 0), std::string::npos) << name;
    // Every output reaches the device, and every input hears each reply.
    for (const auto& output : outputs)
        ASSERT_TRUE(output->send(kReadDeviceType.data(), kReadDeviceType.size()));
    for (const auto& r : received)
        EXPECT_TRUE(r->waitForReplies(kPorts)) << r->replies();
}

TEST_F(JackBackendTest, StoppedInputIsSilentAndSendsAreChecked)
{
    Received stopped;
    Received open;
    const auto first = listen(stopped);
    const auto second = listen(open);
    first->stop();
    EXPECT_FALSE(first->start()) << "a stopped input is closed";
    Result<std::unique_ptr<MidiBackendOutput>> output = backend->openOutput(deviceIn);
    ASSERT_TRUE(output);
    ASSERT_TRUE((*output)->send(kReadDeviceType.data(), kReadDeviceType.size()));
    ASSERT_TRUE(open.waitForReplies(1));
    EXPECT_EQ(stopped.replies(), 0);

    // SysEx messages of the longest length a port takes, and one byte more.
    std::vector<uint8_t> longest(16379, 0x00);
    longest.front() = 0xF0;
    longest.back() = 0xF7;
    std::vector<uint8_t> tooLong = longest;
    tooLong.insert(tooLong.begin() + 1, 0x00);
    const Result<void> refused = (*output)->send(tooLong.data(), tooLong.size());
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().text(),
              "The MIDI message of 16380 bytes is longer than the JACK port takes (16379 bytes).");
    EXPECT_FALSE((*output)->send(kReadDeviceType.data(), 0));
    EXPECT_TRUE((*output)->send(longest.data(), longest.size()));
}

TEST(JackBackendWithoutServer, SaysThatNoServerRuns)
{
    const QByteArray server = qgetenv("JACK_DEFAULT_SERVER");
    qputenv("JACK_DEFAULT_SERVER", "vantorel-no-such-server");
    qputenv("JACK_NO_START_SERVER", "1");
    const Result<std::shared_ptr<MidiBackend>> created = createJackBackend();
    qputenv("JACK_DEFAULT_SERVER", server);
    ASSERT_FALSE(created);
    EXPECT_EQ(created.error().text(), "Cannot connect to the JACK server: is it running?");
}

} // namespace
