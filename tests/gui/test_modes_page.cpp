// The "Basic/Eco modes configuration" page against the in-process emulator.

#include "WindowRig.h"
#include "app/MainWindow.h"
#include "modes/gui/ModesPage.h"
#include "protocol/Sysex.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include <gtest/gtest.h>

using namespace vantorel;

namespace {

struct Rig : WindowRig {
    explicit Rig(char type = 'B')
        : WindowRig(emulated(type))
    {
        form->show();
    }

    QComboBox* combo(const char* prefix, int n) const
    {
        return find<QComboBox>(QStringLiteral("%1_%2").arg(QLatin1String(prefix)).arg(n));
    }
    QSpinBox* count() const { return find<QSpinBox>(QStringLiteral("sedMaxModes")); }
    QString status() const { return find<QLabel>(QStringLiteral("lbllngStatMsg"))->text(); }
    ModesPage& page() const { return form->modesPage(); }

    // Slots whose mode box is not hidden.
    QList<int> shownSlots() const
    {
        QList<int> shown;
        for (int n = 1; n <= 5; ++n)
            if (!combo("CBX_MODE", n)->isHidden())
                shown << n;
        return shown;
    }

    // The commands the device received: letter and payload text.
    QStringList sent() const
    {
        QStringList list;
        for (const auto& m : emulator->device().received())
            if (m.size() >= 15 && m[0] == 0xF0)
                list << QString::fromLatin1(reinterpret_cast<const char*>(m.data()) + 5, qsizetype(m.size()) - 14);
        return list;
    }
    void injectMode(const char* payload) { emulator->inject(buildReply('f', payload)); }
};

} // namespace

TEST(ModesPage, FirstShowBuildsFiveSlotsWithOnlyTheFirstShown)
{
    Rig rig;
    for (int n = 1; n <= 5; ++n) {
        for (const char* prefix : {"LBL_MODE", "CBX_MODE", "LBL_MCH", "CBX_MCH", "LBL_NOTES", "CBX_NOTES"}) {
            QWidget* w = rig.find<QWidget>(QStringLiteral("%1_%2").arg(QLatin1String(prefix)).arg(n));
            ASSERT_NE(w, nullptr);
            EXPECT_EQ(w->isHidden(), n != 1) << prefix << n;
        }
    }
    EXPECT_LT(rig.combo("CBX_MODE", 4)->x(), rig.combo("CBX_MODE", 5)->x()); // left to right
    EXPECT_EQ(rig.count()->value(), 1);
    EXPECT_EQ(rig.count()->maximum(), 5);
    EXPECT_TRUE(rig.count()->findChild<QLineEdit*>()->isReadOnly());
}

TEST(ModesPage, ModeTypeEnablesOnlyTheFieldsItUses)
{
    Rig rig;
    QComboBox* mode = rig.combo("CBX_MODE", 1);
    QComboBox* channel = rig.combo("CBX_MCH", 1);
    QComboBox* note = rig.combo("CBX_NOTES", 1);
    // "DMX128 NO" uses the channel, not the note.
    EXPECT_TRUE(channel->isEnabled());
    EXPECT_FALSE(note->isEnabled());

    channel->setCurrentIndex(6);
    mode->setCurrentIndex(1); // DMX256 NO
    EXPECT_FALSE(channel->isEnabled());
    EXPECT_EQ(channel->currentText(), "1");
    mode->setCurrentIndex(14); // DMX512 Note=xx
    EXPECT_TRUE(note->isEnabled());
    note->setCurrentIndex(60);
    mode->setCurrentIndex(4); // DMX128 CC
    EXPECT_TRUE(channel->isEnabled());
    EXPECT_FALSE(note->isEnabled());
    EXPECT_EQ(note->currentText(), "C-1/0");
}

TEST(ModesPage, ReplyShowsTheSlotAndSetsTheCount)
{
    Rig rig;
    rig.injectMode("0304023C"); // slot 3, DMX128 CC, channel 2, note 60
    ASSERT_TRUE(waitFor([&] { return !rig.combo("CBX_MODE", 3)->isHidden(); }));
    EXPECT_EQ(rig.combo("CBX_MODE", 3)->currentText(), "DMX128 CC");
    EXPECT_EQ(rig.combo("CBX_MCH", 3)->currentText(), "2");
    EXPECT_EQ(rig.combo("CBX_NOTES", 3)->currentText(), "C-1/0"); // type 4 uses no note
    EXPECT_FALSE(rig.combo("CBX_NOTES", 3)->isEnabled());
    EXPECT_EQ(rig.count()->value(), 3);
    EXPECT_EQ(rig.status(), "Reading Basic Modes...");
    EXPECT_EQ(rig.shownSlots(), (QList<int>{1, 3}));

    // A slot the page does not have: the message, nothing shown, the count kept.
    rig.injectMode("0701010000"); // 15 bytes: not a modes reply at all
    rig.injectMode("07010100");
    ASSERT_TRUE(waitFor([&] { return !rig.boxes.isEmpty(); }));
    EXPECT_EQ(rig.boxes, QStringList{"Error while preparing dispaly data - component not found!"});
    EXPECT_EQ(rig.count()->value(), 3);

    // Values no box can show leave the slot as it was.
    rig.boxes.clear();
    rig.injectMode("03100100"); // mode type 16
    ASSERT_TRUE(waitFor([&] { return !rig.boxes.isEmpty(); }));
    EXPECT_EQ(rig.page().packModeRecord(3), (std::vector<uint8_t>{0x03, 0x04, 0x02, 0x00}));
}

TEST(ModesPage, ReadShowsEveryStoredMode)
{
    VirtualClock clock;
    Rig rig;
    EmulatedDevice::Modes modes = EmulatedDevice::defaultModes();
    modes[3] = {4, 8, 1, 61};
    rig.emulator->device().setModes(modes, 4);
    rig.injectMode("05000100"); // a slot shown before the read is hidden by it
    ASSERT_TRUE(waitFor([&] { return rig.count()->value() == 5; }));

    rig.click("btnReadModesFromDevice");
    EXPECT_EQ(rig.commandLetters(), "F");
    EXPECT_EQ(rig.status(), "Data ready.");
    ASSERT_TRUE(waitFor([&] { return rig.count()->value() == 4; }));
    EXPECT_EQ(rig.shownSlots(), (QList<int>{1, 2, 3, 4}));
    EXPECT_EQ(rig.combo("CBX_MODE", 4)->currentText(), "User Mode");
    EXPECT_EQ(rig.combo("CBX_NOTES", 4)->currentText(), "C#4/61");
    EXPECT_TRUE(rig.boxes.isEmpty());
}

TEST(ModesPage, StoreSendsOnlyTheShownSlots)
{
    Rig rig;
    EXPECT_EQ(rig.page().packModeRecord(2), std::vector<uint8_t>{ModesPage::kSlotNotShown});
    rig.click("btnStoreModesToDevice");
    EXPECT_EQ(rig.sent(), QStringList{"G01000100"});
    EXPECT_EQ(rig.emulator->device().modes()[0], (ModeRecord{1, 0, 1, 0}));
    EXPECT_EQ(rig.status(), "Writing data to device finished succesfully.");
}

TEST(ModesPage, StoreStopsAtTheFirstMissingAcknowledgement)
{
    VirtualClock clock;
    Rig rig;
    rig.link->setDeviceType('B');
    for (const char* slot : {"01040500", "02080140", "03000100"})
        rig.injectMode(slot);
    ASSERT_TRUE(waitFor([&] { return rig.count()->value() == 3; }));
    // Slot 2 is stored, but neither its acknowledgement nor those of its 5 retries arrive.
    for (int nth = 2; nth <= 7; ++nth)
        rig.emulator->device().config().drops.push_back({'G', nth, true});

    rig.click("btnStoreModesToDevice");
    QStringList sent{"G01040500"};
    for (int i = 0; i < 6; ++i)
        sent << "G02080140";
    EXPECT_EQ(rig.sent(), sent); // slot 3 is not sent
    EXPECT_EQ(rig.status(), "Writing data to device failed");
    ASSERT_EQ(rig.boxes.size(), 1); // the no-response report of a Basic device
    EXPECT_TRUE(rig.boxes.first().startsWith("Timeout while waiting for device response."));
    EXPECT_EQ(rig.shownSlots(), (QList<int>{1, 2, 3}));
}

TEST(ModesPage, StoreCountSendsItAndLeavesOneSlot)
{
    Rig rig;
    rig.injectMode("02040300");
    ASSERT_TRUE(waitFor([&] { return rig.count()->value() == 2; }));
    rig.count()->stepBy(1);
    rig.click("btnStoreModesCount");
    EXPECT_EQ(rig.sent(), QStringList{"I03000000"});
    EXPECT_EQ(rig.emulator->device().modeCount(), 3);
    EXPECT_EQ(rig.shownSlots(), QList<int>{1});
    EXPECT_EQ(rig.count()->value(), 3);
    EXPECT_EQ(rig.status(), "Writing data to device finished succesfully.");
}

TEST(ModesPage, ResetToDefaultSendsHAndHidesTheSlots)
{
    VirtualClock clock;
    Rig rig;
    rig.emulator->device().setModes(
        EmulatedDevice::Modes{{{1, 4, 9, 0}, {2, 1, 1, 0}, {3, 1, 1, 0}, {4, 1, 1, 0}, {5, 1, 1, 0}}}, 5);
    rig.injectMode("02040300");
    ASSERT_TRUE(waitFor([&] { return rig.shownSlots().size() == 2; }));
    rig.combo("CBX_MODE", 1)->setCurrentIndex(8);

    rig.click("btnForceDefaultModes");
    EXPECT_EQ(rig.commandLetters(), "H");
    EXPECT_EQ(rig.status(), "Reset Basic modes done.");
    EXPECT_EQ(rig.shownSlots(), QList<int>{1});
    EXPECT_EQ(rig.combo("CBX_MODE", 1)->currentIndex(), 0);
    EXPECT_EQ(rig.emulator->device().modes(), EmulatedDevice::defaultModes());
}

TEST(ModesPage, ReadWithoutAnswerReportsNoData)
{
    VirtualClock clock;
    Rig rig;
    rig.emulator->device().config().neverAnswer = true;
    rig.injectMode("02040300");
    ASSERT_TRUE(waitFor([&] { return rig.shownSlots().size() == 2; }));
    rig.click("btnReadModesFromDevice");
    EXPECT_EQ(rig.status(), "No data received.");
    EXPECT_EQ(rig.shownSlots(), QList<int>{1});
    EXPECT_EQ(rig.text("stbConnPanel0"), "No connection with device");
}

TEST(ModesPage, UnusedFieldsOutOfRangeAreIgnoredAndABadReplyWaitsForTheReadToEnd)
{
    VirtualClock clock;
    Rig rig;
    EmulatedDevice::Modes modes = EmulatedDevice::defaultModes();
    modes[0] = {1, 8, 0, 60}; // User Mode: channel 0 is not used
    modes[1] = {2, 4, 3, 200}; // DMX128 CC: note 200 is not used
    modes[2] = {3, 1, 99, 255}; // DMX256 NO uses neither
    rig.emulator->device().setModes(modes, 3);
    rig.click("btnReadModesFromDevice");
    ASSERT_TRUE(waitFor([&] { return rig.count()->value() == 3; }));
    EXPECT_EQ(rig.shownSlots(), (QList<int>{1, 2, 3}));
    EXPECT_EQ(rig.page().packModeRecord(1), (std::vector<uint8_t>{1, 8, 1, 60}));
    EXPECT_EQ(rig.page().packModeRecord(2), (std::vector<uint8_t>{2, 4, 3, 0}));
    EXPECT_EQ(rig.page().packModeRecord(3), (std::vector<uint8_t>{3, 1, 1, 0}));
    EXPECT_TRUE(rig.boxes.isEmpty());

    // A used field out of range: the box comes once the read's wait is over,
    // and the read still counts as answered.
    modes[0] = {1, 4, 17, 0};
    rig.emulator->device().setModes(modes, 1);
    QList<bool> busyAtBox;
    rig.form->messageBox = [&](const QString& text) {
        busyAtBox << rig.link->busy();
        rig.boxes << text;
    };
    rig.click("btnReadModesFromDevice");
    ASSERT_TRUE(waitFor([&] { return !rig.boxes.isEmpty(); }));
    EXPECT_EQ(busyAtBox, QList<bool>{false});
    EXPECT_EQ(rig.status(), "Data ready.");
    EXPECT_TRUE(rig.boxes.first().contains("MIDI channel 17")) << rig.boxes.first().toStdString();
}
