// How the channel list paints its rows, and screenshots of the User Mode page.

#include "channels_rig.h"

#include "channels/gui/TCalcForm.h"
#include "channels/gui/TDMXChannelInputForm.h"
#include "channels/gui/TDescrForm.h"
#include "settings/gui/TDMXUserSetForm.h"

#include <QDir>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QScrollBar>

namespace {

// Writes PNGs of the page when VANTOREL_SCREENSHOT_DIR names a folder.
void Keep(QWidget& widget, const char* name)
{
    const QString dir = qEnvironmentVariable("VANTOREL_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    widget.grab().save(QDir(dir).filePath(QString::fromLatin1(name) + QStringLiteral(".png")));
}

void FillSample(ChannelsRig& rig)
{
    rig.addRows({
        Row("001"),
        Row("002", "Active", "0", "3", "Note On", "C4/60", "H4/71", "Value", "127", "Strobe"),
        Row("003", "Active", "0", "2", "Control Change", "C-1/0", "C-1/0", "Velocity", "0", "Dimmer"),
        Row("004", "Active", "0", "2", "Control Change", "C#-1/1", "D-1/2", "Value", "200", "Pan, fine"),
        Row("005", "Value", "255", "1", "Note On", "C-1/0", "C-1/0", "Velocity", "0", "Stage left, always on"),
        Row("010", "Value", "64", "16", "Control Change", "G9/127", "G9/127", "Value", "9"),
        Row("012", "Active", "0", "10", "Note On", "C-0/12      ", "C-0/12      ", "Velocity", "0"),
    });
}

// The colour just inside the left edge of a cell, at mid height (beside the text).
QColor CellEdge(const QImage& image, ChannelListView& list, int row, int column)
{
    const QRect rect = list.visualRect(list.model()->index(row, column));
    const QPoint probe(list.viewport()->mapTo(list.window(), QPoint(rect.left() + 2, rect.center().y())));
    return image.pixelColor(probe * image.devicePixelRatio());
}

} // namespace

TEST(ChannelsLook, RowsTakeTheirRoleColourAndBlankCellsStayWhite)
{
    ChannelsRig rig;
    FillSample(rig);
    rig.list().clearRowSelection();
    rig.list().setCurrentIndex({});
    Pause(20);
    const QImage image = rig.form->grab().toImage();
    Keep(*rig.form, "user_mode_page");

    TDMXUserSetForm& colours = *rig.page->DMXUserSetForm;
    const QColor noLine = colours.qcolor(RowColorRole::NOLine);
    const QColor noValue = colours.qcolor(RowColorRole::NOVelocityLine);
    const QColor ccLine = colours.qcolor(RowColorRole::CCLine);
    const QColor ccValue = colours.qcolor(RowColorRole::CCValueLine);
    const QColor always = colours.qcolor(RowColorRole::DMXValueLine);
    const QColor white(Qt::white);
    auto at = [&](int row, int column) { return CellEdge(image, rig.list(), row, column); };

    // "001": Note On, Velocity: the fixed value cell is blank, the description white.
    EXPECT_EQ(at(0, 0), noLine);
    EXPECT_EQ(at(0, 7), noLine);
    EXPECT_EQ(at(0, 8), white);
    EXPECT_EQ(at(0, 9), white);
    // "002": Note On, fixed value: all ten cells in the row colour.
    EXPECT_EQ(at(1, 0), noValue);
    EXPECT_EQ(at(1, 8), noValue);
    EXPECT_EQ(at(1, 9), noValue);
    EXPECT_EQ(at(2, 3), ccLine);
    EXPECT_EQ(at(2, 8), white);
    EXPECT_EQ(at(3, 9), ccValue);
    // "005": always on: number, mode and constant coloured, the rest white.
    EXPECT_EQ(at(4, 0), always);
    EXPECT_EQ(at(4, 2), always);
    for (int column = 3; column <= 9; ++column)
        EXPECT_EQ(at(4, column), white) << column;
}

TEST(ChannelsLook, SelectedAlwaysOnRowKeepsItsBlankCellsEmpty)
{
    ChannelsRig rig;
    FillSample(rig);
    rig.list().makeCurrent(4);
    rig.list().setFocus();
    Pause(20);
    const QImage image = rig.form->grab().toImage();
    Keep(*rig.form, "user_mode_selected");
    const QColor highlight = rig.list().palette().color(QPalette::Active, QPalette::Highlight);
    EXPECT_EQ(CellEdge(image, rig.list(), 4, 0), highlight);
    EXPECT_EQ(CellEdge(image, rig.list(), 4, 5), QColor(Qt::white));
}

TEST(ChannelsLook, ListKeepsTheColumnWidthsAndNeverScrollsSideways)
{
    ChannelsRig rig;
    rig.page->milngAdd512DMXchannelsClick();
    Pause(20);
    Keep(*rig.form, "user_mode_512");
    const int widths[] = {61, 86, 58, 54, 91, 81, 80, 85, 58};
    for (int column = 0; column < 9; ++column)
        EXPECT_EQ(rig.list().columnWidth(column), widths[column]) << column;
    EXPECT_EQ(rig.list().horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    // The description column takes the rest of the list's width.
    int total = 0;
    for (int column = 0; column < kChannelColumnCount; ++column)
        total += rig.list().columnWidth(column);
    EXPECT_EQ(total, rig.list().viewport()->width());
    EXPECT_TRUE(rig.list().verticalScrollBar()->isVisible());
    EXPECT_EQ(rig.list().model()->headerData(9, Qt::Horizontal).toString(), QStringLiteral("Description"));
    EXPECT_EQ(rig.page->lblChannelsNbr->text(), QStringLiteral("512"));
}

TEST(ChannelsLook, DialogsAreFixedSizeAndKeepTheirTexts)
{
    ChannelsRig rig;
    ChannelsPage& p = *rig.page;
    for (QDialog* dialog : std::initializer_list<QDialog*>{p.DMXUserSetForm, p.DescrForm, p.DMXChannelInputForm, p.CalcForm}) {
        dialog->show();
        Pause(10);
        EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize()) << dialog->objectName().toStdString();
        Keep(*dialog, dialog->objectName().toLatin1().constData());
        dialog->hide();
    }

    // The edit row showing a Control Change row with a fixed value.
    FillSample(rig);
    rig.list().makeCurrent(3);
    p.LoadRowIntoPanel();
    EXPECT_EQ(p.cbxActOn->currentText(), QStringLiteral("Control Change"));
    Pause(20);
    Keep(*rig.form, "user_mode_cc_row");
}
