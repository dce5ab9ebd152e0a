// The editing commands of the User Mode page.

#include "FindChild.h"
#include "channels_rig.h"

#include "channels/gui/ChannelInputDialog.h"
#include "channels/gui/DescriptionDialog.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTest>

using namespace vantorel;

namespace {

void addNumbers(ChannelsRig& rig, int first, int last)
{
    for (int n = first; n <= last; ++n)
        rig.model().insertSorted(defaultChannelRecord(n));
}

} // namespace

TEST(ChannelsEditing, AddChannelProposesTheNextNumberAndRefusesWrongAnswers)
{
    ChannelsRig rig;
    child<QComboBox>(*rig.page, "cbxFromNotes")->setCurrentIndex(60); // the To list starts at the From note
    rig.page->addChannelFromMenu(); // cancelled: the proposal is added
    EXPECT_EQ(rig.proposals, QStringList{"DMX Channel | New DMX channel | 1"});
    EXPECT_EQ(rig.rowTexts(0), defaultTexts("001", "C4/60"));

    addNumbers(rig, 5, 10);
    rig.proposals.clear();
    rig.typed
        = {QStringLiteral("5"), QStringLiteral("7a"), QStringLiteral("0"), QStringLiteral("513"), QStringLiteral("3")};
    rig.page->addChannelFromMenu();
    EXPECT_EQ(rig.boxes,
              (QStringList{"DMX channel 5 already on the list.", "Wrong input  - type digits only.",
                           "Wrong input  - DMX channels starts from 1.", "Wrong input  - DMX channels ends on 512."}));
    EXPECT_EQ(rig.proposals.size(), 5);
    EXPECT_EQ(rig.proposals.first(), "DMX Channel | New DMX channel | 11");
    EXPECT_EQ(rig.numbers().mid(0, 3), (QStringList{"001", "003", "005"}));
    // The new row is the selected one.
    EXPECT_EQ(rig.list().selectedRowNumbers(), QList<int>{1});
    EXPECT_EQ(child<QLabel>(*rig.page, "lblChannelsNbr")->text(), "8");

    // An empty answer ends the command.
    rig.typed = {QString()};
    rig.page->addChannelFromMenu();
    EXPECT_EQ(rig.model().size(), 8);
}

TEST(ChannelsEditing, EnterInTheDmxBoxFindsOrAddsItsChannel)
{
    ChannelsRig rig;
    addNumbers(rig, 1, 3);
    child<QSpinBox>(*rig.page, "sedDmxCh")->setValue(7);
    rig.answers = {2, 1};
    QTest::keyClick(child<QSpinBox>(*rig.page, "sedDmxCh"), Qt::Key_Return);
    EXPECT_EQ(rig.questions, QStringList{"Adding DMX Channel | DMX Channel doesn't exists\r\nAdd channel?"});
    EXPECT_EQ(rig.model().size(), 3);
    QTest::keyClick(child<QSpinBox>(*rig.page, "sedDmxCh"), Qt::Key_Return);
    EXPECT_EQ(rig.numbers().last(), "007");
    EXPECT_TRUE(rig.proposals.isEmpty()); // no input box from the DMX box

    child<QSpinBox>(*rig.page, "sedDmxCh")->setValue(2);
    QTest::keyClick(child<QSpinBox>(*rig.page, "sedDmxCh"), Qt::Key_Return);
    EXPECT_EQ(rig.list().selectedRowNumbers(), QList<int>{1});
}

TEST(ChannelsEditing, SetChannelWritesEveryBoxIntoTheRow)
{
    ChannelsRig rig;
    addNumbers(rig, 1, 3);
    ChannelsPage& p = *rig.page;

    // A number that is not there, answered "No": nothing changes.
    child<QSpinBox>(p, "sedDmxCh")->setValue(9);
    rig.answers = {2};
    p.setChannelFromEditRow();
    EXPECT_EQ(rig.model().size(), 3);

    // Always on: the boxes it disables are written all the same.
    child<QSpinBox>(p, "sedDmxCh")->setValue(2);
    child<QComboBox>(p, "cbxMIDICh")->setCurrentIndex(4);
    child<QComboBox>(p, "cbxActCtrVal")->setCurrentIndex(1);
    EXPECT_FALSE(child<QComboBox>(p, "cbxMIDICh")->isEnabled());
    child<QSpinBox>(p, "sedCHVal")->setValue(77);
    child<QLineEdit>(p, "ledlngDescr")->setText(QStringLiteral("Front, left;\tspot"));
    p.setChannelFromEditRow();
    EXPECT_EQ(
        rig.rowTexts(1),
        (QStringList{"002", "Value", "77", "5", "Note On", "C-1/0", "C-1/0", "Velocity", "0", "Front  left  spot"}));
    EXPECT_EQ(rig.list().selectedRowNumbers(), QList<int>{1});

    // A missing number answered "Yes" is added and set at once.
    child<QSpinBox>(p, "sedDmxCh")->setValue(10);
    child<QComboBox>(p, "cbxActCtrVal")->setCurrentIndex(0);
    child<QComboBox>(p, "cbxActOn")->setCurrentIndex(1);
    child<QComboBox>(p, "cbxFromNotes")->setCurrentIndex(12);
    child<QComboBox>(p, "cbxToNotes")->setCurrentIndex(2);
    child<QComboBox>(p, "cbxVelVal")->setCurrentIndex(1);
    child<QSpinBox>(p, "sedVelVal")->setValue(300);
    rig.answers = {1};
    p.setChannelFromEditRow();
    EXPECT_EQ(rig.rowTexts(3),
              (QStringList{"010", "Active", "0", "5", "Control Change", "C-0/12      ", "D-0/14", "Value", "255",
                           "Front  left  spot"}));
    EXPECT_TRUE(rig.boxes.isEmpty());
}

TEST(ChannelsEditing, EnablingRulesFollowControlModeAndDataType)
{
    ChannelsRig rig;
    ChannelsPage& p = *rig.page;
    // Start state: Active, Velocity.
    EXPECT_FALSE(child<QSpinBox>(p, "sedCHVal")->isEnabled());
    EXPECT_TRUE(child<QComboBox>(p, "cbxMIDICh")->isEnabled());
    EXPECT_FALSE(child<QSpinBox>(p, "sedVelVal")->isEnabled());

    child<QComboBox>(p, "cbxVelVal")->setCurrentIndex(1);
    EXPECT_TRUE(child<QSpinBox>(p, "sedVelVal")->isEnabled());
    child<QComboBox>(p, "cbxActCtrVal")->setCurrentIndex(1);
    EXPECT_TRUE(child<QSpinBox>(p, "sedCHVal")->isEnabled());
    for (QWidget* box : std::initializer_list<QWidget*>{
             child<QComboBox>(p, "cbxActOn"), child<QComboBox>(p, "cbxFromNotes"), child<QComboBox>(p, "cbxToNotes"),
             child<QComboBox>(p, "cbxVelVal"), child<QSpinBox>(p, "sedVelVal"), child<QComboBox>(p, "cbxMIDICh")})
        EXPECT_FALSE(box->isEnabled()) << box->objectName().toStdString();
    // The data type rule waits while its box is disabled.
    child<QSpinBox>(p, "sedCHVal")->setValue(40);
    child<QComboBox>(p, "cbxVelVal")->setCurrentIndex(0);
    EXPECT_FALSE(child<QSpinBox>(p, "sedVelVal")->isEnabled());
    // Back to Active: the constant goes to 0.
    child<QComboBox>(p, "cbxActCtrVal")->setCurrentIndex(0);
    EXPECT_EQ(child<QSpinBox>(p, "sedCHVal")->value(), 0);
    EXPECT_FALSE(child<QSpinBox>(p, "sedCHVal")->isEnabled());
    EXPECT_TRUE(child<QComboBox>(p, "cbxVelVal")->isEnabled());
    // ... and the fixed value follows the data type "Velocity" again.
    EXPECT_FALSE(child<QSpinBox>(p, "sedVelVal")->isEnabled());

    // The reset after a "Value" row shows Active/Velocity with the same rules.
    rig.addRows({row("007", "Value", "12")});
    rig.list().makeCurrent(0);
    ASSERT_TRUE(p.loadRowIntoPanel());
    ASSERT_FALSE(child<QSpinBox>(p, "sedVelVal")->isEnabled());
    p.resetEditPanel();
    EXPECT_EQ(child<QComboBox>(p, "cbxActCtrVal")->currentText(), "Active");
    EXPECT_EQ(child<QComboBox>(p, "cbxVelVal")->currentText(), "Velocity");
    EXPECT_TRUE(child<QComboBox>(p, "cbxVelVal")->isEnabled());
    EXPECT_FALSE(child<QSpinBox>(p, "sedVelVal")->isEnabled());
    EXPECT_FALSE(child<QSpinBox>(p, "sedCHVal")->isEnabled());
}

TEST(ChannelsEditing, RowIntoPanelMatchesTextsExactly)
{
    ChannelsRig rig;
    rig.addRows({
        row("001", "Active", "0", "4", "Control Change", "C-0/12      ", "C-0/12      ", "Value", "99", "Desk"),
        row("002", "Active", "0", "4", "Control Change", "C-0/12", "C-0/12", "Value", "99"),
        row("003", "Value", "x", "4", "Note On", "C-1/0", "C-1/0", "Velocity", "0"),
    });
    ChannelsPage& p = *rig.page;
    rig.list().makeCurrent(0);
    rig.list().doubleClicked(rig.model().index(0, 0));
    EXPECT_EQ(child<QSpinBox>(p, "sedDmxCh")->value(), 1);
    EXPECT_EQ(child<QComboBox>(p, "cbxActOn")->currentIndex(), 1);
    EXPECT_EQ(child<QComboBox>(p, "cbxFromNotes")->currentIndex(), 12);
    EXPECT_EQ(child<QComboBox>(p, "cbxToNotes")->currentIndex(), 0);
    EXPECT_EQ(child<QComboBox>(p, "cbxMIDICh")->currentText(), "4");
    EXPECT_EQ(child<QSpinBox>(p, "sedVelVal")->value(), 99);
    EXPECT_TRUE(child<QSpinBox>(p, "sedVelVal")->isEnabled());
    EXPECT_EQ(child<QLineEdit>(p, "ledlngDescr")->text(), "Desk");

    // The same notes without their blanks leave From and To empty.
    rig.list().makeCurrent(1);
    QTest::keyClick(&rig.list(), Qt::Key_Return);
    EXPECT_EQ(child<QSpinBox>(p, "sedDmxCh")->value(), 2);
    EXPECT_EQ(child<QComboBox>(p, "cbxFromNotes")->currentIndex(), -1);
    EXPECT_EQ(child<QComboBox>(p, "cbxToNotes")->currentIndex(), -1);
    EXPECT_FALSE(p.encodeRowForDevice(1).has_value());

    // A constant that is no number stops the copy there.
    child<QLineEdit>(p, "ledlngDescr")->setText(QStringLiteral("typed"));
    rig.list().makeCurrent(2);
    EXPECT_FALSE(p.loadRowIntoPanel());
    EXPECT_EQ(rig.boxes, QStringList{"Improper data format in current line! \r\nLine: 2"});
    EXPECT_EQ(child<QSpinBox>(p, "sedDmxCh")->value(), 3);
    EXPECT_EQ(child<QComboBox>(p, "cbxActCtrVal")->currentText(), "Value");
    EXPECT_EQ(child<QLineEdit>(p, "ledlngDescr")->text(), "typed"); // not reached
}

TEST(ChannelsEditing, DeleteAsksFirst)
{
    ChannelsRig rig;
    addNumbers(rig, 1, 5);
    rig.page->deleteSelectedChannels(); // nothing selected: no question
    EXPECT_TRUE(rig.questions.isEmpty());

    rig.select({1, 3});
    rig.answers = {2, 1, 1};
    rig.page->deleteSelectedChannels();
    EXPECT_EQ(rig.model().size(), 5);
    child<QSpinBox>(*rig.page, "sedDmxCh")->setValue(40);
    rig.page->deleteSelectedChannels();
    EXPECT_EQ(rig.numbers(), (QStringList{"001", "003", "005"}));
    EXPECT_EQ(rig.questions.last(), "Deleting DMX channel(s) | Delete channel(s)?");
    EXPECT_EQ(child<QSpinBox>(*rig.page, "sedDmxCh")->value(), 1); // edit row reset

    rig.page->deleteAllChannels();
    EXPECT_EQ(rig.model().size(), 0);
    EXPECT_EQ(child<QLabel>(*rig.page, "lblChannelsNbr")->text(), "0");
    // Asked also when there is nothing to delete.
    rig.page->deleteAllChannels();
    EXPECT_EQ(rig.questions.size(), 4);
}

TEST(ChannelsEditing, ClearKeepsNumbersAndDropsTheRest)
{
    ChannelsRig rig;
    rig.addRows({row("004", "Value", "12", "3", "Control Change", "C4/60", "C5/72", "Value", "8", "Keep me"),
                 row("006", "Value", "12", "3", "Control Change", "C4/60", "C5/72", "Value", "8", "Clear me"),
                 row("009", "Active", "0", "9", "Note On", "C4/60", "C5/72", "Value", "8", "Clear me too")});
    rig.select({1, 2});
    rig.page->clearSelectedChannelData();
    EXPECT_EQ(rig.rowTexts(0).last(), "Keep me");
    EXPECT_EQ(rig.rowTexts(1), defaultTexts("006"));
    EXPECT_EQ(rig.rowTexts(2), defaultTexts("009"));
    EXPECT_EQ(child<QSpinBox>(*rig.page, "sedDmxCh")->value(), 9);
    EXPECT_TRUE(rig.questions.isEmpty());

    rig.page->clearAllChannelData();
    EXPECT_EQ(rig.rowTexts(0), defaultTexts("004"));
}

TEST(ChannelsEditing, FullTablesFromADumpAndFromAdd512)
{
    // The replies of a full dump, as the link hands them over, arrive sorted.
    ChannelsRig rig;
    for (int n = 512; n >= 1; --n)
        rig.link->channelDumpReceived(QString::asprintf("%04X0100903C48", n));
    ASSERT_EQ(rig.model().size(), 512);
    EXPECT_EQ(rig.numbers().first(), "001");
    EXPECT_EQ(rig.numbers().last(), "512");
    // The edit row shows the From note of the last reply.
    EXPECT_EQ(child<QComboBox>(*rig.page, "cbxFromNotes")->currentText(), "C4/60");
    // Clearing takes the To note of the edit row, which the last reply set.
    rig.page->clearAllChannelData();
    EXPECT_EQ(rig.rowTexts(511), defaultTexts("512", "C4/60"));

    // Add 512 replaces the table without asking.
    rig.model().setCell(99, ColDescription, "old");
    rig.select({0});
    rig.page->addAllChannels();
    ASSERT_EQ(rig.model().size(), 512);
    EXPECT_EQ(rig.rowTexts(99), defaultTexts("100", "C4/60"));
    EXPECT_TRUE(rig.list().selectedRowNumbers().isEmpty());
    EXPECT_TRUE(rig.questions.isEmpty());
}

TEST(ChannelsEditing, CopyAndPasteLandsAboveTheHighestRowUpTo512)
{
    ChannelsRig rig;
    rig.addRows({row("003", "Active", "0", "2", "Note On", "C-1/0", "C-1/0", "Velocity", "0", "three"),
                 row("007", "Value", "50", "1", "Note On", "C-1/0", "C-1/0", "Velocity", "0", "seven"), row("020")});
    QString range;
    QString typed; // empty: the proposal is taken
    rig.page->runChannelInput = [&](ChannelInputDialog& dialog) {
        range = QStringLiteral("%1 | %2-%3 | %4")
                    .arg(child<QLabel>(dialog, "lblMsg2")->text())
                    .arg(dialog.lowestChannel)
                    .arg(dialog.highestChannel)
                    .arg(child<QLineEdit>(dialog, "ledlngDMXChNbr")->text());
        if (!typed.isEmpty())
            child<QLineEdit>(dialog, "ledlngDMXChNbr")->setText(typed);
        dialog.acceptChannelNumber();
        return dialog.result() == QDialog::Accepted;
    };
    rig.select({0, 1});
    rig.page->copySelectedChannels();
    EXPECT_EQ(range, "Available range: 21 - 511 | 21-511 | 21");
    EXPECT_EQ(rig.numbers(), (QStringList{"003", "007", "020", "021", "022"}));
    EXPECT_EQ(rig.rowTexts(3).mid(1), rig.rowTexts(0).mid(1));
    EXPECT_EQ(rig.rowTexts(4).mid(1), rig.rowTexts(1).mid(1));
    EXPECT_TRUE(rig.boxes.isEmpty());

    typed = QStringLiteral("512");
    rig.select({0});
    rig.page->copySelectedChannels();
    EXPECT_EQ(rig.numbers().mid(4), (QStringList{"022", "512"}));
    EXPECT_EQ(rig.rowTexts(5).last(), "three");
    EXPECT_EQ(rig.boxes, QStringList{"Maximum of 512 DMX Channels reached!"});

    // Now the highest is 512: refused before the dialog.
    range.clear();
    rig.boxes.clear();
    rig.select({0});
    rig.page->copySelectedChannels();
    EXPECT_TRUE(range.isEmpty());
    EXPECT_EQ(rig.boxes, QStringList{"Channels list has already 512 DMX Channels!"});
    EXPECT_EQ(rig.model().size(), 6);
}

TEST(ChannelsEditing, PopupEnablesItsItemsByTheSelection)
{
    ChannelsRig rig;
    ChannelsPage& p = *rig.page;
    auto enabled = [&p] {
        p.onPopupAboutToShow();
        QStringList names;
        for (QAction* action : child<QMenu>(p, "pupDMXChannels")->actions())
            if (!action->isSeparator() && action->isEnabled())
                names << action->objectName();
        return names;
    };
    EXPECT_EQ(enabled(), (QStringList{"milngAddChannel1", "milngLearn1"}));
    addNumbers(rig, 1, 3);
    rig.select({0, 2});
    EXPECT_EQ(enabled(),
              (QStringList{"milngRemoveChannel1", "milngClearchanneldata1", "milngCopyPaste", "milngLearn1"}));
    rig.select({1});
    EXPECT_EQ(enabled().size(), 7); // "Test" too: one row
}

TEST(ChannelsEditing, DescriptionEditorUpdatesTheSelectedRow)
{
    ChannelsRig rig;
    rig.addRows({row("001", "Active", "0", "1", "Note On", "C-1/0", "C-1/0", "Velocity", "0", "old text"), row("002")});
    rig.select({0, 1});
    rig.page->editDescription();
    EXPECT_EQ(rig.boxes, QStringList{"Improper selection."});

    rig.list().makeCurrent(0);
    rig.page->runDescrForm = [](DescriptionDialog& editor) {
        EXPECT_EQ(child<QPlainTextEdit>(editor, "memDescr")->toPlainText(), "old text");
        child<QPlainTextEdit>(editor, "memDescr")->setPlainText(QStringLiteral("red, green;\nblue"));
        child<QPushButton>(editor, "btnUpdate")->click();
        child<QPushButton>(editor, "btnClose")->click();
    };
    rig.page->editDescription();
    EXPECT_EQ(rig.model().cellText(0, ColDescription), "red  green  blue");
    EXPECT_FALSE(child<DescriptionDialog>(*rig.page, "DescrForm")->isVisible());
}

TEST(ChannelsEditing, ShortcutKeysAndPageEnabling)
{
    ChannelsRig rig;
    // The Ins key adds a channel from anywhere in the window.
    rig.form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(rig.form.get()));
    rig.list().setFocus();
    QTest::keyClick(&rig.list(), Qt::Key_Insert);
    EXPECT_EQ(rig.model().size(), 1);
    // Del in the description box edits the text; in the list it deletes rows.
    child<QLineEdit>(*rig.page, "ledlngDescr")->setText(QStringLiteral("ab"));
    child<QLineEdit>(*rig.page, "ledlngDescr")->setFocus();
    child<QLineEdit>(*rig.page, "ledlngDescr")->setCursorPosition(0);
    QTest::keyClick(child<QLineEdit>(*rig.page, "ledlngDescr"), Qt::Key_Delete);
    EXPECT_EQ(child<QLineEdit>(*rig.page, "ledlngDescr")->text(), "b");
    EXPECT_TRUE(rig.questions.isEmpty());
    rig.list().setFocus();
    rig.select({0});
    rig.answers = {1};
    QTest::keyClick(&rig.list(), Qt::Key_Delete);
    EXPECT_EQ(rig.model().size(), 0);
    // The channel and file menus are off on the firmware page.
    const ChannelsPage& files = *rig.page;
    for (int page : {int(PageId::Firmware), int(PageId::Channels)}) {
        rig.find<QTabWidget>("pgcMain")->setCurrentIndex(page);
        for (QAction* action : {child<QAction>(*rig.page, "milngAddChannel"),
                                child<QAction>(files, "milngOpenSettings"), child<QAction>(files, "milngSendToDevice")})
            EXPECT_EQ(action->isEnabled(), page == int(PageId::Channels)) << action->objectName().toStdString();
    }
}
