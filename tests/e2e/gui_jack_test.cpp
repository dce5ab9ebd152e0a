// The main window over a real JACK server, against the emulator process.
// The run directory of the JACK fixture and the emulator come from the
// environment (VANTOREL_E2E_RUN_DIR, VANTOREL_EMULATOR).

#include "app/MainWindow.h"
#include "link/DeviceLink.h"
#include "midi/MidiBackend.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include "JackFeeder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <mutex>

using namespace vantorel;

namespace {

QString runDir()
{
    return qEnvironmentVariable("VANTOREL_E2E_RUN_DIR");
}

class Emulator {
public:
    Emulator(const QString& name, const QStringList& args)
    {
        m_process.setProgram(qEnvironmentVariable("VANTOREL_EMULATOR"));
        m_process.setArguments(QStringList{"--name", name} + args);
        m_process.start();
        m_process.waitForReadyRead(10000);
    }
    ~Emulator()
    {
        m_process.terminate();
        m_process.waitForFinished(3000);
    }
    bool ready() { return m_process.readAllStandardOutput().contains("ready"); }

private:
    QProcess m_process;
};

struct Window {
    explicit Window(const QString& emulator)
    {
        Result<std::shared_ptr<MidiBackend>> created = createRtMidiBackend(MidiApi::Jack);
        if (!created)
            return;
        backend = std::move(created).value();
        ports.add(backend);
        link = std::make_unique<DeviceLink>(ports);
        window = std::make_unique<MainWindow>(*link, false);
        window->messageBox = [this](const QString& text) { boxes << text; };
        window->errorBox = [this](const QString& text) { errors << text; };
        window->show();
        auto* in = window->findChild<QComboBox*>("cbxInPorts");
        auto* out = window->findChild<QComboBox*>("cbxOutPorts");
        in->setCurrentIndex(in->findText(emulator + ":out"));
        out->setCurrentIndex(out->findText(emulator + ":in"));
    }
    QString text(const char* name) { return window->findChild<QLabel*>(name)->text(); }
    void click(const char* name) { window->findChild<QPushButton*>(name)->click(); }

    std::shared_ptr<MidiBackend> backend;
    MidiPortDirectory ports;
    std::unique_ptr<DeviceLink> link;
    std::unique_ptr<MainWindow> window;
    QStringList boxes;
    QStringList errors;
};

} // namespace

class GuiOverJack : public ::testing::Test {
protected:
    void SetUp() override
    {
        QFile server(runDir() + "/server");
        ASSERT_TRUE(server.open(QIODevice::ReadOnly)) << "no JACK fixture";
        qputenv("JACK_DEFAULT_SERVER", server.readAll().trimmed());
        qputenv("JACK_NO_START_SERVER", "1");
    }
};

TEST_F(GuiOverJack, ReadDeviceTypeShowsTheDevice)
{
    Emulator emulator("guiB", {"--type", "B", "--device-id", "77"});
    Window w("guiB");
    ASSERT_TRUE(w.backend);
    w.click("btnGetDeviceType");
    EXPECT_EQ(w.text("lbllngStatMsg"), "Data ready.");
    EXPECT_EQ(w.text("lblDevType"), "VANTOREL Basic");
    EXPECT_EQ(w.text("lblDevID"), "000077");
    EXPECT_TRUE(w.errors.isEmpty()) << w.errors.join('\n').toStdString();
}

TEST_F(GuiOverJack, RestartWithoutAnswerReportsAndRestartAnnounces)
{
    {
        Emulator mute("guiMute", {"--type", "P", "--never-answer"});
        Window w("guiMute");
        ASSERT_TRUE(w.backend);
        w.click("btnReset");
        EXPECT_EQ(w.text("lbllngStatMsg"), "No action performed.");
        EXPECT_EQ(w.text("stbConnPanel0"), "No connection with device");
        EXPECT_TRUE(w.boxes.isEmpty());
    }

    Emulator eco("guiE", {"--type", "E"});
    Window v("guiE");
    v.click("btnReset");
    EXPECT_EQ(v.text("lbllngStatMsg"), "Reset device done.");
    // After restarting the device announces its edition.
    EXPECT_TRUE(QTest::qWaitFor([&] { return v.text("lblDevType") == "VANTOREL Eco"; }, 3000));
}

TEST_F(GuiOverJack, SystemMessagesReachTheInputThroughRtMidi)
{
    // A JACK client of the test's own sends system messages to the input.
    JackFeeder feeder;
    Result<std::shared_ptr<MidiBackend>> created = createRtMidiBackend(MidiApi::Jack);
    ASSERT_TRUE(created) << created.error().message;
    const std::shared_ptr<MidiBackend> backend = std::move(created).value();
    const std::vector<std::string> names = backend->inputPortNames();
    const auto port = std::find(names.begin(), names.end(), "feeder:out");
    ASSERT_NE(port, names.end());

    std::mutex mutex;
    std::vector<std::vector<uint8_t>> received;
    const auto input = backend->openInput(int(port - names.begin()), [&](const uint8_t* data, size_t size, uint32_t) {
        const std::lock_guard<std::mutex> lock(mutex);
        received.emplace_back(data, data + size);
    });
    ASSERT_TRUE(input) << input.error().message;
    const Result<void> started = (*input)->start();
    ASSERT_TRUE(started) << started.error().message;
    QTest::qWait(200); // JACK connects the ports in its own time

    const std::vector<std::vector<uint8_t>> sent = {{0xF1, 0x23}, {0xF9}, {0xF2, 0x10, 0x02}, {0x90, 0x3C, 0x64}};
    for (const auto& message : sent)
        feeder.send(message);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            const std::lock_guard<std::mutex> lock(mutex);
            return received.size() >= sent.size();
        },
        3000));
    const std::lock_guard<std::mutex> lock(mutex);
    EXPECT_EQ(received, sent);
}

TEST_F(GuiOverJack, PortsOfAnEmulatorStartedAndStoppedWhileTheWindowRuns)
{
    Window w("none");
    ASSERT_TRUE(w.backend);
    auto* in = w.window->findChild<QComboBox*>("cbxInPorts");
    auto* out = w.window->findChild<QComboBox*>("cbxOutPorts");
    // Within 2 s of a port appearing or vanishing (a little more for a loaded machine).
    constexpr int kFollowMs = 2500;

    auto emulator = std::make_unique<Emulator>("guiLive", QStringList{"--type", "B", "--device-id", "5"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return in->findText("guiLive:out") >= 0 && out->findText("guiLive:in") >= 0; },
                                kFollowMs));
    in->setCurrentIndex(in->findText("guiLive:out"));
    emit in->activated(in->currentIndex());
    out->setCurrentIndex(out->findText("guiLive:in"));
    emit out->activated(out->currentIndex());
    w.click("btnGetDeviceType");
    EXPECT_EQ(w.text("lblDevType"), "VANTOREL Basic");

    emulator.reset();
    EXPECT_TRUE(QTest::qWaitFor([&] { return in->findText("guiLive:out") < 0; }, kFollowMs));
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.text("lbllngStatMsg").contains("is gone"); }, kFollowMs))
        << w.text("lbllngStatMsg").toStdString();

    // Back: chosen and opened again, and the device answers.
    emulator = std::make_unique<Emulator>("guiLive", QStringList{"--type", "B", "--device-id", "5"});
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return in->currentText() == "guiLive:out" && out->currentText() == "guiLive:in"; }, kFollowMs));
    w.click("btnGetDeviceType");
    EXPECT_EQ(w.text("lbllngStatMsg"), "Data ready.");
    EXPECT_EQ(w.text("lblDevID"), "000005");
}

TEST_F(GuiOverJack, AVanishedChosenPortStaysMarkedGoneAndAnotherIsChosenAtOnce)
{
    auto first = std::make_unique<Emulator>("guiGone", QStringList{"--type", "B"});
    Emulator other("guiOther", {"--type", "P"});
    Window w("guiGone");
    ASSERT_TRUE(w.backend);
    auto* in = w.window->findChild<QComboBox*>("cbxInPorts");
    auto* out = w.window->findChild<QComboBox*>("cbxOutPorts");
    for (QComboBox* box : {in, out})
        emit box->activated(box->currentIndex());
    ASSERT_EQ(w.link->selectedOutput(), "guiGone:in");

    first.reset(); // the device's process ends: its ports really vanish
    ASSERT_TRUE(QTest::qWaitFor([&] { return in->currentText() == "guiGone:out (gone)"; }, 5000));
    EXPECT_EQ(out->currentText(), "guiGone:in (gone)");
    w.errors.clear();
    in->setCurrentIndex(in->findText("guiOther:out"));
    emit in->activated(in->currentIndex());
    EXPECT_TRUE(w.errors.isEmpty()) << w.errors.join('\n').toStdString();
    EXPECT_EQ(w.link->selectedOutput(), "guiOther:in");
    EXPECT_EQ(out->currentText(), "guiOther:in");
}
