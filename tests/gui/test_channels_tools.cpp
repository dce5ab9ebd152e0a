// The field tools of the User Mode page: learn from a controller port into
// the edit row, test a row on the device, patch a fixture from its file.

#include "FindChild.h"
#include "channels_rig.h"

#include "../link/FakeMidiBackend.h"

#include "fixtures/gui/PatchFixtureDialog.h"
#include "learn/LearnSession.h"
#include "learn/MappingTester.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

using namespace vantorel;

namespace {

using Bytes = std::vector<uint8_t>;

// The short messages the emulated device received (the program's SysEx left out).
std::vector<Bytes> shortMessages(ChannelsRig& rig)
{
    std::vector<Bytes> messages;
    for (const Bytes& message : rig.emulator->device().received())
        if (!message.empty() && message[0] != 0xF0)
            messages.push_back(message);
    return messages;
}

QString writeFixture(const QTemporaryDir& dir)
{
    const QString path = dir.filePath(QStringLiteral("spot.qxf"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?><!DOCTYPE FixtureDefinition>"
               "<FixtureDefinition><Manufacturer>Acme</Manufacturer><Model>Spot</Model>"
               "<Channel Name=\"Pan\"/><Channel Name=\"Tilt\"/><Channel Name=\"Dimmer\"/>"
               "<Mode Name=\"Small\"><Channel Number=\"0\">Dimmer</Channel></Mode>"
               "<Mode Name=\"Full\"><Channel Number=\"0\">Pan</Channel><Channel Number=\"1\">Tilt</Channel>"
               "<Channel Number=\"2\">Dimmer</Channel></Mode></FixtureDefinition>");
    return path;
}

} // namespace

TEST(FieldTools, PatchFixtureDescribesAndAddsRowsAsOneUndoStep)
{
    ChannelsRig rig;
    QTemporaryDir dir;
    const QString fixture = writeFixture(dir);
    rig.addRows({row("004", "Active", "0", "2", "Control Change", "C-1/0", "C-1/0", "Value", "9", "MH 1 Dimmer")});
    rig.page->openFixtureFileName = [&](const QString&) { return fixture; };
    int start = 2;
    QStringList modes;
    rig.page->runPatchFixture = [&](PatchFixtureDialog& dialog) {
        auto* mode = dialog.findChild<QComboBox*>("cbxFixtureMode");
        for (int i = 0; i < mode->count(); ++i)
            modes << mode->itemText(i);
        mode->setCurrentIndex(1);
        dialog.findChild<QSpinBox*>("sedFixtureStart")->setValue(start);
        dialog.findChild<QLineEdit*>("ledlngFixtureName")->setText("MH 2");
        return true;
    };
    const auto descriptions = [&] {
        QStringList texts;
        for (int row = 0; row < rig.model().size(); ++row)
            texts << rig.model().cellText(row, ColDmxChannel) + " " + rig.model().cellText(row, ColDescription);
        return texts;
    };
    auto* patch = rig.find<QAction>("milngPatchFixture");

    // Channel 4 holds another description: asked, "No" changes nothing.
    patch->trigger();
    EXPECT_EQ(modes, (QStringList{"Small (1 channel)", "Full (3 channels)"}));
    EXPECT_EQ(rig.questions,
              QStringList{"Patching fixture | DMX channel 4 already has another description.\r\nOverwrite?"});
    EXPECT_EQ(descriptions(), QStringList{"004 MH 1 Dimmer"});

    // Elsewhere it fills the rows; the existing row keeps its data.
    start = 3;
    rig.answers = {1};
    patch->trigger();
    EXPECT_EQ(descriptions(), (QStringList{"003 MH 2 Pan", "004 MH 2 Tilt", "005 MH 2 Dimmer"}));
    EXPECT_EQ(rig.model().cellText(1, ColActiveOn), "Control Change");
    EXPECT_EQ(rig.rowTexts(2),
              (QStringList{"005", "Active", "0", "1", "Note On", "C-1/0", "C-1/0", "Velocity", "0", "MH 2 Dimmer"}));
    rig.find<QAction>("milngUndo")->trigger();
    EXPECT_EQ(descriptions(), QStringList{"004 MH 1 Dimmer"});

    // Past 512, or a damaged file: a message and nothing changed.
    start = 511;
    patch->trigger();
    rig.page->openFixtureFileName = [&](const QString&) { return dir.filePath("missing.qxf"); };
    patch->trigger();
    ASSERT_EQ(rig.boxes.size(), 2);
    EXPECT_TRUE(rig.boxes[0].contains("past DMX channel 512")) << rig.boxes[0].toStdString();
    EXPECT_TRUE(rig.boxes[1].startsWith("Cannot open the fixture file")) << rig.boxes[1].toStdString();
    EXPECT_EQ(descriptions(), QStringList{"004 MH 1 Dimmer"});
}

TEST(FieldTools, TestSendsTheRowsPairToTheDeviceAndNothingForAValueRow)
{
    VirtualClock clock;
    ChannelsRig rig;
    QStringList logged;
    QObject::connect(rig.link.get(), &DeviceLink::resultLogged, [&](const QString& line) { logged << line; });
    rig.addRows({row("001", "Active", "0", "3", "Note On", "C4/60", "C4/60"),
                 row("002", "Active", "0", "16", "Control Change", "C-0/12      ", "C-0/12      "),
                 row("003", "Value", "255", "3", "Note On", "C4/60", "C4/60")});
    auto* test = rig.find<QPushButton>("btnlngTestChannel");
    const struct {
        int row;
        std::vector<Bytes> sent;
    } cases[] = {
        {0, {{0x92, 0x3C, 0x7F}, {0x82, 0x3C, 0x00}}}, // Note On / Note Off, channel 3, C4/60
        {1, {{0xBF, 0x0C, 0x7F}, {0xBF, 0x0C, 0x00}}}, // CC 12 on channel 16 at 127, then 0
        {2, {}}, // "Value": always on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        const size_t before = shortMessages(rig).size();
        rig.select({c.row});
        rig.list().setCurrentIndex(rig.model().index(c.row, 0));
        EXPECT_EQ(test->isEnabled(), !c.sent.empty());
        const qint64 pressed = clock.now();
        QTest::mousePress(test, Qt::LeftButton);
        QTest::mouseRelease(test, Qt::LeftButton);
        if (!c.sent.empty()) {
            ASSERT_TRUE(waitFor([&] { return shortMessages(rig).size() >= before + 2; }, 5000));
            // A click holds the row on for the minimum time, no longer.
            EXPECT_GE(clock.now() - pressed, MappingTester::kMinimumHoldMs);
            EXPECT_LT(clock.now() - pressed, MappingTester::kMinimumHoldMs + 100);
        }
        const std::vector<Bytes> all = shortMessages(rig);
        EXPECT_EQ(std::vector<Bytes>(all.begin() + std::ptrdiff_t(before), all.end()), c.sent);
    }
    EXPECT_TRUE(logged.contains("Test sent: 92 3C 7F Note On, MIDI channel 3, C4/60, velocity 127"))
        << logged.join('\n').toStdString();
}

TEST(FieldTools, LearnFillsTheEditRowFromTheChosenPortAndEscCancels)
{
    ChannelsRig rig;
    auto controller = std::make_shared<FakeBackend>();
    rig.ports.add(controller);
    rig.link->refreshPorts();
    auto* port = rig.find<QComboBox>("cbxLearnPort");
    EXPECT_EQ(port->findText("VANTOREL Emulator"), -1); // the device's own port is no choice
    EXPECT_EQ(port->currentText(), "Port A"); // before any choice, the first
    rig.page->setLearnPort("Port B");
    EXPECT_EQ(port->currentText(), "Port B");
    qint64 now = 0;
    rig.page->learnSession().setClock([&] { return now; });
    int counted = 0;
    QObject::connect(&rig.page->learnSession(), &LearnSession::messageCounted, [&](int count) { counted = count; });

    child<QComboBox>(*rig.page, "cbxVelVal")->setCurrentIndex(1); // "Value": the gesture makes it "Velocity"
    rig.click("btnlngLearn");
    EXPECT_EQ(rig.status.last(), "Move a control or play the notes...");
    controller->deliver(
        {{0xF8}, {0x91, 0x30, 0x50}, {0x81, 0x30, 0x00}, {0xF8}, {0x91, 0x3B, 0x51}, {0x91, 0x35, 0x52}});
    ASSERT_TRUE(waitFor([&] { return counted == 3; }));
    now += LearnSession::kQuietMs - 1;
    rig.page->learnSession().checkTime();
    EXPECT_TRUE(rig.page->learnSession().active());
    now += 1;
    rig.page->learnSession().checkTime();
    EXPECT_FALSE(rig.page->learnSession().active());
    EXPECT_EQ(rig.status.last(), "Learned: Note On, MIDI channel 2, C3/48 to H3/59, data type Velocity.");
    EXPECT_EQ(child<QComboBox>(*rig.page, "cbxMIDICh")->currentText(), "2");
    EXPECT_EQ(child<QComboBox>(*rig.page, "cbxActOn")->currentText(), "Note On");
    EXPECT_EQ(child<QComboBox>(*rig.page, "cbxFromNotes")->currentText(), "C3/48");
    EXPECT_EQ(child<QComboBox>(*rig.page, "cbxToNotes")->currentText(), "H3/59");
    EXPECT_EQ(child<QComboBox>(*rig.page, "cbxVelVal")->currentText(), "Velocity");
    EXPECT_TRUE(rig.model().isEmpty()); // "Set channel" stores it

    rig.click("btnlngLearn");
    ASSERT_TRUE(rig.page->learnSession().active());
    rig.form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(rig.form.get()));
    QTest::keyClick(child<QComboBox>(*rig.page, "cbxFromNotes"), Qt::Key_Escape);
    EXPECT_FALSE(rig.page->learnSession().active());
    EXPECT_EQ(rig.status.last(), "Learning cancelled.");
    EXPECT_EQ(rig.page->learnPort(), "Port B");
}
