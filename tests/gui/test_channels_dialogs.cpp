// The channel dialogs and the colour settings dialog.

#include "channels_rig.h"

#include "channels/gui/TCalcForm.h"
#include "channels/gui/TDMXChannelInputForm.h"
#include "settings/gui/TDMXUserSetForm.h"

#include <QApplication>
#include <QColorDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

TEST(ChannelInputDialog, AcceptsOnlyNumbersInItsRange)
{
    TDMXChannelInputForm dialog;
    QStringList boxes;
    dialog.showMessage = [&boxes](const QString& text) { boxes << text; };
    dialog.LowestChannel = 21;
    dialog.HighestChannel = 511;
    dialog.show();

    auto tryNumber = [&dialog](const QString& text) {
        dialog.ledlngDMXChNbr->setText(text);
        dialog.btnlngOkClick();
        return dialog.ledlngDMXChNbr->text();
    };
    EXPECT_EQ(tryNumber(QStringLiteral("20")), QStringLiteral("21"));
    EXPECT_EQ(tryNumber(QStringLiteral("600")), QStringLiteral("511"));
    EXPECT_EQ(tryNumber(QStringLiteral("  ")), QStringLiteral("21"));
    EXPECT_EQ(tryNumber(QStringLiteral("1x")), QStringLiteral("21"));
    EXPECT_EQ(boxes, (QStringList{"Too low channel number.", "Too high channel number.", "No valid number entered.",
                                  "Invalid number entered - please enter digits only."}));
    EXPECT_TRUE(dialog.isVisible());

    // Letters never reach the field; Enter runs the check and closes on a good number.
    dialog.ledlngDMXChNbr->clear();
    dialog.ledlngDMXChNbr->setFocus();
    QTest::keyClicks(dialog.ledlngDMXChNbr, QStringLiteral("3a0b"));
    EXPECT_EQ(dialog.ledlngDMXChNbr->text(), QStringLiteral("30"));
    QTest::keyClick(dialog.ledlngDMXChNbr, Qt::Key_Backspace);
    QTest::keyClicks(dialog.ledlngDMXChNbr, QStringLiteral("5"));
    QTest::keyClick(dialog.ledlngDMXChNbr, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.ChannelNumber, 35);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(ChannelInputDialog, EmptyRangeLetsOnlyCancelClose)
{
    TDMXChannelInputForm dialog;
    QStringList boxes;
    dialog.showMessage = [&boxes](const QString& text) { boxes << text; };
    dialog.LowestChannel = 510;
    dialog.HighestChannel = 508;
    dialog.show();
    for (const char* text : {"508", "509", "510"}) {
        dialog.ledlngDMXChNbr->setText(QString::fromLatin1(text));
        dialog.btnlngOkClick();
    }
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(boxes.size(), 3);
    dialog.btnlngCancel->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST(Calculator, ConvertsBetweenValueAndBytes)
{
    TCalcForm calc;
    calc.show();
    EXPECT_TRUE(calc.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(calc.isModal());
    calc.ledlngLowByte->setText(QStringLiteral("52"));
    calc.ledlngHighByte->setText(QStringLiteral("18"));
    calc.btnToValue->click();
    EXPECT_EQ(calc.ledlngValue->text(), QStringLiteral("4660"));
    EXPECT_TRUE(calc.lblWarning->text().isEmpty());

    calc.ledlngValue->setText(QStringLiteral("65535"));
    calc.btnToBytes->click();
    EXPECT_EQ(calc.ledlngLowByte->text(), QStringLiteral("255"));
    EXPECT_EQ(calc.ledlngHighByte->text(), QStringLiteral("255"));

    // Too high: the warning shows while typing and nothing is converted.
    calc.ledlngValue->setText(QStringLiteral("70000"));
    EXPECT_EQ(calc.lblWarning->text(), QStringLiteral("Value too high!"));
    calc.btnToBytes->click();
    EXPECT_EQ(calc.ledlngLowByte->text(), QStringLiteral("255"));
    EXPECT_EQ(calc.ledlngValue->selectedText(), QStringLiteral("70000"));

    calc.ledlngHighByte->setText(QStringLiteral("300"));
    EXPECT_EQ(calc.lblWarning->text(), QStringLiteral("Value too high!"));
    calc.ledlngValue->setText(QStringLiteral("1"));
    calc.btnToValue->click();
    EXPECT_EQ(calc.ledlngValue->text(), QStringLiteral("1"));
    EXPECT_EQ(calc.lblWarning->text(), QStringLiteral("Value too high!"));

    calc.ledlngLowByte->clear();
    EXPECT_EQ(calc.lblWarning->text(), QStringLiteral("No value entered!"));
    EXPECT_EQ(TCalcForm::CheckText(QStringLiteral("1 2"), 255), QStringLiteral("Illegal chars in input!"));

    // Only digits can be typed.
    calc.ledlngLowByte->setFocus();
    QTest::keyClicks(calc.ledlngLowByte, QStringLiteral("1-2.x3"));
    EXPECT_EQ(calc.ledlngLowByte->text(), QStringLiteral("123"));
}

TEST(Calculator, OpensWithoutBlockingAndKeepsItsFields)
{
    ChannelsRig rig;
    rig.page->milngCalculatorClick();
    TCalcForm* calc = rig.page->CalcForm;
    EXPECT_TRUE(calc->isVisible());
    EXPECT_EQ(calc->objectName(), QStringLiteral("CalcForm"));
    EXPECT_EQ(calc->windowTitle(), QStringLiteral("16 bit calculator"));
    calc->ledlngValue->setText(QStringLiteral("513"));
    calc->close();
    rig.page->milngCalculatorClick();
    EXPECT_EQ(calc->ledlngValue->text(), QStringLiteral("513"));
}

TEST(ColourSettings, OkRepaintsCancelKeepsTheColour)
{
    ChannelsRig rig;
    TDMXUserSetForm& colours = *rig.page->DMXUserSetForm;
    EXPECT_EQ(colours.windowTitle(), QStringLiteral("DMXUser Settings"));
    EXPECT_EQ(colours.color(RowColorRole::NOLine), 0x80FF80u);
    EXPECT_EQ(colours.pnlNOColor->color(), QColor(0x80, 0xFF, 0x80));

    // A cancelled chooser changes nothing; a confirmed one is in effect at once.
    colours.chooseColor = [](const QColor&) { return std::optional<QColor>(); };
    colours.pnlCCColorClick();
    EXPECT_EQ(colours.color(RowColorRole::CCLine), 0x80FFFFu);
    QColor offered;
    colours.chooseColor = [&offered](const QColor& initial) {
        offered = initial;
        return std::optional<QColor>(QColor(0x11, 0x22, 0x33));
    };
    colours.pnlCCColorClick();
    EXPECT_EQ(offered, QColor(0xFF, 0xFF, 0x80));
    EXPECT_EQ(colours.color(RowColorRole::CCLine), 0x332211u);

    int results = 0;
    rig.page->runColorSettings = [&results](TDMXUserSetForm& dialog) {
        QTimer::singleShot(0, &dialog, [&dialog, &results] {
            (results++ == 0 ? dialog.Cancel : dialog.btnOk)->click();
        });
        return dialog.exec();
    };
    // "Cancel" closes with 3 and keeps the colour.
    const auto& hooks = rig.page->runColorSettings;
    EXPECT_EQ(hooks(colours), TDMXUserSetForm::ResultAbort);
    EXPECT_EQ(colours.color(RowColorRole::CCLine), 0x332211u);
    EXPECT_EQ(hooks(colours), TDMXUserSetForm::ResultOk);

    // The settings file sees the dialog's colours.
    ASSERT_TRUE(rig.form->rowColours);
    EXPECT_EQ(rig.form->rowColours().ccLine, 0x332211u);
    RowColours loaded;
    loaded.dmxValueLine = 0x0000FF;
    rig.form->setRowColours(loaded);
    EXPECT_EQ(colours.qcolor(RowColorRole::DMXValueLine), QColor(255, 0, 0));
}

TEST(ColourSettings, CloseBoxGivesTheCancelResult)
{
    TDMXUserSetForm colours;
    QTimer::singleShot(0, &colours, [&colours] { colours.close(); });
    EXPECT_EQ(colours.exec(), TDMXUserSetForm::ResultCancel);
}

TEST(ChannelsDialogs, RealInputBoxAndQuestionRunModally)
{
    // The default hooks: the input box and the Yes/No question as modal boxes.
    ChannelsRig rig({}, false);
    ChannelsPage& p = *rig.page;

    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), QStringLiteral("DMX Channel"));
        EXPECT_EQ(box->labelText(), QStringLiteral("New DMX channel"));
        EXPECT_EQ(box->textValue(), QStringLiteral("1"));
        box->setTextValue(QStringLiteral("42"));
        box->accept();
    });
    p.milngAddChannel1Click();
    EXPECT_EQ(rig.numbers(), QStringList{QStringLiteral("042")});

    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Deleting DMX channel(s)"));
        EXPECT_EQ(box->icon(), QMessageBox::Warning);
        QStringList captions;
        for (QAbstractButton* button : box->buttons())
            captions << button->text();
        captions.sort();
        EXPECT_EQ(captions, (QStringList{"No", "Yes"}));
        for (QAbstractButton* button : box->buttons())
            if (button->text() == QStringLiteral("Yes"))
                button->click();
    });
    rig.select({0});
    p.milngDeleteChannelClick();
    EXPECT_EQ(rig.model().size(), 0);
}
