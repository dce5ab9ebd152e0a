// The channel dialogs and the colour settings dialog.

#include "FindChild.h"
#include "channels_rig.h"

#include "channels/gui/CalculatorDialog.h"
#include "channels/gui/ChannelInputDialog.h"
#include "channels/gui/DescriptionDialog.h"
#include "channels/gui/RowColoursDialog.h"
#include "fixtures/gui/PatchFixtureDialog.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTabWidget>
#include <QTranslator>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

using namespace vantorel;

TEST(ChannelInputDialog, AcceptsOnlyNumbersInItsRange)
{
    ChannelInputDialog dialog;
    QStringList boxes;
    dialog.showMessage = [&boxes](const QString& text) { boxes << text; };
    dialog.lowestChannel = 21;
    dialog.highestChannel = 511;
    dialog.show();

    QStringList corrected;
    for (const char* text : {"20", "600", "  ", "1x"}) {
        child<QLineEdit>(dialog, "ledlngDMXChNbr")->setText(QString::fromLatin1(text));
        dialog.acceptChannelNumber();
        corrected << child<QLineEdit>(dialog, "ledlngDMXChNbr")->text();
    }
    EXPECT_EQ(corrected, (QStringList{"21", "511", "21", "21"}));
    EXPECT_EQ(boxes,
              (QStringList{"Too low channel number.", "Too high channel number.", "No valid number entered.",
                           "Invalid number entered - please enter digits only."}));
    EXPECT_TRUE(dialog.isVisible());

    // Letters never reach the field; Enter runs the check and closes on a good number.
    child<QLineEdit>(dialog, "ledlngDMXChNbr")->clear();
    child<QLineEdit>(dialog, "ledlngDMXChNbr")->setFocus();
    QTest::keyClicks(child<QLineEdit>(dialog, "ledlngDMXChNbr"), QStringLiteral("3a0b"));
    EXPECT_EQ(child<QLineEdit>(dialog, "ledlngDMXChNbr")->text(), "30");
    QTest::keyClick(child<QLineEdit>(dialog, "ledlngDMXChNbr"), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.channelNumber, 30);
    EXPECT_FALSE(dialog.isVisible());

    // An empty range: only Cancel closes.
    dialog.lowestChannel = 510;
    dialog.highestChannel = 508;
    dialog.show();
    for (const char* text : {"508", "509", "510"}) {
        child<QLineEdit>(dialog, "ledlngDMXChNbr")->setText(QString::fromLatin1(text));
        dialog.acceptChannelNumber();
    }
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(boxes.size(), 7);
    child<QPushButton>(dialog, "btnlngCancel")->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST(Calculator, ConvertsBetweenValueAndBytes)
{
    CalculatorDialog calc;
    calc.show();
    child<QLineEdit>(calc, "ledlngLowByte")->setText(QStringLiteral("52"));
    child<QLineEdit>(calc, "ledlngHighByte")->setText(QStringLiteral("18"));
    child<QPushButton>(calc, "btnToValue")->click();
    EXPECT_EQ(child<QLineEdit>(calc, "ledlngValue")->text(), "4660");
    EXPECT_TRUE(child<QLabel>(calc, "lblWarning")->text().isEmpty());

    child<QLineEdit>(calc, "ledlngValue")->setText(QStringLiteral("65535"));
    child<QPushButton>(calc, "btnToBytes")->click();
    EXPECT_EQ(child<QLineEdit>(calc, "ledlngLowByte")->text() + " " + child<QLineEdit>(calc, "ledlngHighByte")->text(),
              "255 255");

    // Too high: the warning shows while typing and nothing is converted.
    child<QLineEdit>(calc, "ledlngValue")->setText(QStringLiteral("70000"));
    EXPECT_EQ(child<QLabel>(calc, "lblWarning")->text(), "Value too high!");
    child<QPushButton>(calc, "btnToBytes")->click();
    EXPECT_EQ(child<QLineEdit>(calc, "ledlngLowByte")->text(), "255");
    EXPECT_EQ(child<QLineEdit>(calc, "ledlngValue")->selectedText(), "70000");

    child<QLineEdit>(calc, "ledlngHighByte")->setText(QStringLiteral("300"));
    child<QLineEdit>(calc, "ledlngValue")->setText(QStringLiteral("1"));
    child<QPushButton>(calc, "btnToValue")->click();
    EXPECT_EQ(child<QLineEdit>(calc, "ledlngValue")->text(), "1");
    EXPECT_EQ(child<QLabel>(calc, "lblWarning")->text(), "Value too high!");

    child<QLineEdit>(calc, "ledlngLowByte")->clear();
    EXPECT_EQ(child<QLabel>(calc, "lblWarning")->text(), "No value entered!");
    EXPECT_EQ(CalculatorDialog::checkText(QStringLiteral("1 2"), 255), "Illegal chars in input!");

    // Only digits can be typed.
    child<QLineEdit>(calc, "ledlngLowByte")->setFocus();
    QTest::keyClicks(child<QLineEdit>(calc, "ledlngLowByte"), QStringLiteral("1-2.x3"));
    EXPECT_EQ(child<QLineEdit>(calc, "ledlngLowByte")->text(), "123");
}

TEST(Calculator, OpensWithoutBlockingAndKeepsItsFields)
{
    ChannelsRig rig;
    rig.page->showCalculator();
    CalculatorDialog* calc = child<CalculatorDialog>(*rig.page, "CalcForm");
    EXPECT_TRUE(calc->isVisible());
    EXPECT_FALSE(calc->isModal());
    EXPECT_TRUE(calc->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(calc->objectName(), "CalcForm");
    EXPECT_EQ(calc->windowTitle(), "16 bit calculator");
    child<QLineEdit>(*calc, "ledlngValue")->setText(QStringLiteral("513"));
    calc->close();
    rig.page->showCalculator();
    EXPECT_EQ(child<QLineEdit>(*calc, "ledlngValue")->text(), "513");
}

TEST(ColourSettings, OkRepaintsCancelKeepsTheColour)
{
    ChannelsRig rig;
    RowColoursDialog& colours = *child<RowColoursDialog>(*rig.page, "DMXUserSetForm");
    EXPECT_EQ(colours.windowTitle(), "DMXUser Settings");

    // A cancelled chooser changes nothing; a confirmed one is in effect at once.
    colours.chooseColor = [](const QColor&) { return std::optional<QColor>(); };
    colours.pickControlChangeColour();
    EXPECT_EQ(colours.color(RowColorRole::CCLine), 0x80FFFFu);
    QColor offered;
    colours.chooseColor = [&offered](const QColor& initial) {
        offered = initial;
        return std::optional<QColor>(QColor(0x11, 0x22, 0x33));
    };
    colours.pickControlChangeColour();
    EXPECT_EQ(offered, QColor(0xFF, 0xFF, 0x80)); // kept as 0x00BBGGRR
    EXPECT_EQ(colours.color(RowColorRole::CCLine), 0x332211u);

    // "Cancel" closes with 3 and keeps the colour; the close box gives 2.
    const std::pair<QAbstractButton*, int> closings[]
        = {{child<QPushButton>(colours, "Cancel"), RowColoursDialog::ResultAbort},
           {child<QPushButton>(colours, "btnOk"), RowColoursDialog::ResultOk},
           {nullptr, RowColoursDialog::ResultCancel}};
    for (const auto& [button, result] : closings) {
        QTimer::singleShot(0, &colours,
                           [&colours, button = button] { button ? button->click() : void(colours.close()); });
        EXPECT_EQ(rig.page->runColorSettings(colours), result);
    }
    EXPECT_EQ(colours.color(RowColorRole::CCLine), 0x332211u);

    // The settings file sees the dialog's colours.
    EXPECT_EQ(rig.form->channelsPage().rowColours().ccLine, 0x332211u);
    RowColours loaded;
    loaded.dmxValueLine = 0x0000FF;
    rig.form->channelsPage().setRowColours(loaded);
    EXPECT_EQ(colours.qcolor(RowColorRole::DMXValueLine), QColor(255, 0, 0));
}

TEST(ChannelsDialogs, RealInputBoxAndQuestionRunModally)
{
    // The default hooks: the input box and the Yes/No question as modal boxes.
    ChannelsRig rig({}, false);
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle() + " | " + box->labelText() + " | " + box->textValue(),
                  "DMX Channel | New DMX channel | 1");
        box->setTextValue(QStringLiteral("42"));
        box->accept();
    });
    rig.page->addChannelFromMenu();
    EXPECT_EQ(rig.numbers(), QStringList{"042"});

    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), "Deleting DMX channel(s)");
        EXPECT_EQ(box->icon(), QMessageBox::Warning);
        EXPECT_EQ(box->buttons().size(), 2);
        EXPECT_EQ(box->escapeButton()->text(), "No");
        ASSERT_EQ(box->defaultButton()->text(), "Yes");
        box->defaultButton()->click();
    });
    rig.select({0});
    rig.page->deleteSelectedChannels();
    EXPECT_EQ(rig.model().size(), 0);
}

TEST(ChannelsKeyboard, EscClosesEveryDialog)
{
    ChannelsRig rig;
    ChannelsPage& p = *rig.page;
    FixtureDefinition fixture;
    PatchFixtureDialog patch(fixture, 1, &p);
    struct Case {
        QDialog* dialog;
        const char* focused; // where the Esc is typed
    };
    const Case cases[] = {
        {child<CalculatorDialog>(p, "CalcForm"), "ledlngLowByte"},
        {child<ChannelInputDialog>(p, "DMXChannelInputForm"), "ledlngDMXChNbr"},
        {child<DescriptionDialog>(p, "DescrForm"), "memDescr"},
        {child<RowColoursDialog>(p, "DMXUserSetForm"), "pnlNOColor"},
        {&patch, "ledlngFixtureName"},
    };
    for (const Case& c : cases) {
        c.dialog->show();
        QTest::keyClick(child<QWidget>(*c.dialog, c.focused), Qt::Key_Escape);
        EXPECT_FALSE(c.dialog->isVisible()) << c.dialog->objectName().toStdString();
    }
}

TEST(ChannelsKeyboard, TabFollowsTheEditRowThenTheListThenTheButtons)
{
    ChannelsRig rig;
    const QStringList expected = {"sedDmxCh",      "cbxActCtrVal", "sedCHVal",    "cbxMIDICh",         "cbxActOn",
                                  "cbxFromNotes",  "cbxToNotes",   "cbxVelVal",   "sedVelVal",         "ledlngDescr",
                                  "lvDMXChannels", "cbxLearnPort", "btnlngLearn", "btnlngTestChannel", "btnSetDMXCh"};
    QStringList chain;
    QWidget* start = child<QWidget>(*rig.page, "sedDmxCh");
    QWidget* w = start;
    do {
        if (expected.contains(w->objectName()) && !chain.contains(w->objectName()))
            chain << w->objectName();
        w = w->nextInFocusChain();
    } while (w != start);
    EXPECT_EQ(chain, expected);
}

TEST(ChannelsKeyboard, ShiftF10AndTheMenuKeyOpenTheListsPopup)
{
    ChannelsRig rig;
    rig.addRows({row("001")});
    rig.select({0});
    auto* popup = child<QMenu>(*rig.page, "pupDMXChannels");
    QTest::keyClick(&rig.list(), Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(popup->isVisible());
    popup->hide();
    // The Menu key arrives as a context menu event of the keyboard.
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(5, 5), rig.list().mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&rig.list(), &menuKey);
    EXPECT_TRUE(popup->isVisible());
    popup->hide();
}

namespace {

// Marks every text of the program as a translation would change it.
class BracketingTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        return QByteArray(context).startsWith("vantorel::") ? QStringLiteral("[%1]").arg(QString::fromUtf8(source))
                                                            : QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

TEST(ChannelsLanguage, SwitchingRetranslatesThePageAndKeepsItsTable)
{
    ChannelsRig rig;
    rig.addRows({row("007", "Active", "0", "2", "Control Change")});
    auto* pages = rig.form->findChild<QTabWidget*>();
    ASSERT_NE(pages, nullptr);
    pages->setCurrentWidget(rig.page);
    BracketingTranslator bracketing;
    QCoreApplication::installTranslator(&bracketing);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    auto texts = [&rig] {
        ChannelsPage& p = *rig.page;
        return QStringList{child<QLabel>(p, "lblFROM_NO_CC")->text(),
                           child<QComboBox>(p, "cbxMIDICh")->accessibleName(),
                           child<QAction>(p, "milngAdd512DMXchannels")->text(),
                           child<QAction>(p, "milngUndo")->text(),
                           rig.model().headerData(ColMidiChannel, Qt::Horizontal).toString(),
                           child<CalculatorDialog>(p, "CalcForm")->windowTitle(),
                           child<QPushButton>(p, "btnlngLearn")->text()};
    };
    EXPECT_EQ(texts(),
              (QStringList{"[From\r\nNote On/CC]", "[MIDI channel]", "[Add 512 DMX channels]", "[Undo]", "[MIDI ch.]",
                           "[16 bit calculator]", "[Learn]"}));
    EXPECT_EQ(pages->currentWidget(), rig.page);
    EXPECT_EQ(rig.rowTexts(0),
              (QStringList{"007", "Active", "0", "2", "Control Change", "C-1/0", "C-1/0", "Velocity", "0", ""}));
    EXPECT_EQ(child<QComboBox>(*rig.page, "cbxActOn")->itemText(1), "Control Change"); // data, not text
    QCoreApplication::removeTranslator(&bracketing);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    EXPECT_EQ(texts(),
              (QStringList{"From\r\nNote On/CC", "MIDI channel", "Add 512 DMX channels", "Undo", "MIDI ch.",
                           "16 bit calculator", "Learn"}));
}
