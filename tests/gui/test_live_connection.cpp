// The main window's live port lists, "Find device" and the status bar's
// progress with "Cancel", found by objectName.

#include "../link/FakeMidiBackend.h"
#include "WindowRig.h"

#include <QAction>
#include <QComboBox>
#include <QProgressBar>
#include <QStatusBar>

#include <gtest/gtest.h>

using namespace vantorel;

namespace {

QStringList items(QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

void choose(QComboBox* box, const QString& name)
{
    box->setCurrentIndex(box->findText(name));
    emit box->activated(box->currentIndex());
}

} // namespace

TEST(LivePortLists, PortsComeAndGoAndTheChosenOneIsFollowed)
{
    VirtualClock clock;
    WindowRig rig;
    rig.form->show();
    auto* in = rig.find<QComboBox>("cbxInPorts");
    auto* out = rig.find<QComboBox>("cbxOutPorts");
    const QString keys = "Keys:Keys MIDI 1 24:0";

    // Plugged in while the window runs: listed within 2 s, the choice stays.
    auto fake = std::make_shared<FakeBackend>();
    fake->inputs = {keys.toStdString()};
    fake->outputs = {keys.toStdString()};
    rig.ports.add(fake);
    ASSERT_TRUE(waitFor([&] { return in->count() == 2 && out->count() == 2; }, 2500));
    EXPECT_EQ(in->currentText(), kEmulatorPortName);

    choose(in, keys);
    choose(out, keys);
    EXPECT_EQ(rig.link->selectedInput(), keys);

    // Unplugged: still chosen, marked gone, and the status line says so.
    fake->inputs.clear();
    fake->outputs.clear();
    ASSERT_TRUE(waitFor([&] { return in->currentText() == keys + " (gone)"; }, 2500))
        << items(in).join(", ").toStdString();
    EXPECT_EQ(items(out), (QStringList{kEmulatorPortName, keys + " (gone)"}));
    EXPECT_TRUE(waitFor([&] { return rig.text("lbllngStatMsg").contains("is gone"); }, 2500))
        << rig.text("lbllngStatMsg").toStdString();
    EXPECT_TRUE(rig.link->inputMissing());

    // Plugged into another socket: ALSA numbers it anew; it is chosen and opened again.
    const QString again = "Keys:Keys MIDI 1 28:0";
    fake->inputs = {again.toStdString()};
    fake->outputs = {again.toStdString()};
    ASSERT_TRUE(waitFor([&] { return in->currentText() == again && out->currentText() == again; }, 2500))
        << items(in).join(", ").toStdString();
    EXPECT_TRUE(rig.link->input().isOpen());
    EXPECT_TRUE(rig.text("lbllngStatMsg").contains("is back")) << rig.text("lbllngStatMsg").toStdString();
}

TEST(FindDevice, ButtonAndMenuItemChooseThePairThatAnswered)
{
    VirtualClock clock;
    WindowRig rig;
    auto silent = std::make_shared<FakeBackend>(); // ports of another instrument
    rig.ports.add(silent);
    rig.form->show();
    auto* in = rig.find<QComboBox>("cbxInPorts");
    auto* out = rig.find<QComboBox>("cbxOutPorts");
    rig.link->refreshPorts();
    choose(in, "Port B");
    choose(out, "Out A");

    rig.click("btnlngFindDevice");
    EXPECT_EQ(in->currentText(), kEmulatorPortName);
    EXPECT_EQ(out->currentText(), kEmulatorPortName);
    EXPECT_EQ(rig.link->selectedInput(), kEmulatorPortName);
    EXPECT_TRUE(rig.text("lbllngStatMsg").startsWith("Device chosen: VANTOREL Pro, ID 000001"))
        << rig.text("lbllngStatMsg").toStdString();
    EXPECT_TRUE(rig.errors.isEmpty()) << rig.errors.join('\n').toStdString();

    // The menu item does the same; nothing answers on the silent pair alone.
    auto* item = rig.find<QAction>("milngFindDevice");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), "Find device");
    rig.emulator->device().config().neverAnswer = true;
    item->trigger();
    EXPECT_EQ(rig.text("lbllngStatMsg"), "No device found.");
    EXPECT_EQ(in->currentText(), kEmulatorPortName);
}

TEST(StatusBarProgress, EscapeCancelsTheClearAndTheControlsComeBack)
{
    VirtualClock clock;
    WindowRig rig(emulated('P', [](EmulatorConfig& c) { c.neverAnswer = true; }));
    rig.form->show();
    auto* bar = rig.find<QProgressBar>("prbOperation");
    auto* cancel = rig.find<QPushButton>("btnlngCancelOperation");
    ASSERT_TRUE(bar && cancel);
    EXPECT_EQ(bar->parentWidget()->parentWidget(), rig.form->statusBar());
    EXPECT_FALSE(bar->isVisible());
    bool shownWhileWaiting = false;
    ClockTimer::singleShot(clock, 700, rig.form.get(), [&] {
        shownWhileWaiting = bar->isVisible() && cancel->isVisible() && bar->maximum() == 8;
        QTest::keyClick(rig.form.get(), Qt::Key_Escape);
    });
    rig.find<QAction>("milngClearDataInDevice")->trigger();
    EXPECT_TRUE(shownWhileWaiting);
    EXPECT_EQ(rig.text("lbllngStatMsg"),
              "Cancelled: the device received the command to clear its data and may still be clearing it.");
    EXPECT_FALSE(bar->isVisible());
    EXPECT_TRUE(rig.find<QPushButton>("btnlngFindDevice")->isEnabled());
    EXPECT_TRUE(rig.boxes.isEmpty());
}
