#include "app/ScreenshotTour.h"

#include "app/MainWindow.h"
#include "channels/gui/ChannelsPage.h"
#include "link/DeviceLink.h"
#include "util/qt/TextConversions.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

namespace vantorel {

namespace {

// A few channels entered through the edit row, as a user would, so that the
// channel list shows its row colours.
void enterDemoChannels(MainWindow& form)
{
    auto* dmx = form.findChild<QSpinBox*>(QStringLiteral("sedDmxCh"));
    auto* actCtrVal = form.findChild<QComboBox*>(QStringLiteral("cbxActCtrVal"));
    auto* value1 = form.findChild<QSpinBox*>(QStringLiteral("sedCHVal"));
    auto* midiCh = form.findChild<QComboBox*>(QStringLiteral("cbxMIDICh"));
    auto* actOn = form.findChild<QComboBox*>(QStringLiteral("cbxActOn"));
    auto* from = form.findChild<QComboBox*>(QStringLiteral("cbxFromNotes"));
    auto* to = form.findChild<QComboBox*>(QStringLiteral("cbxToNotes"));
    auto* velVal = form.findChild<QComboBox*>(QStringLiteral("cbxVelVal"));
    auto* value2 = form.findChild<QSpinBox*>(QStringLiteral("sedVelVal"));
    auto* description = form.findChild<QLineEdit*>(QStringLiteral("ledlngDescr"));
    auto* set = form.findChild<QPushButton*>(QStringLiteral("btnSetDMXCh"));
    if (!dmx || !actCtrVal || !value1 || !midiCh || !actOn || !from || !to || !velVal || !value2 || !description
        || !set)
        return;

    struct Row {
        int dmx, actCtrVal, value1, midiCh, actOn, from, to, velVal, value2;
        const char* description;
    };
    const Row rows[] = {
        {1, 0, 0, 1, 0, 48, 48, 0, 0, "Front wash red"},    {2, 0, 0, 1, 0, 50, 50, 1, 255, "Front wash green"},
        {3, 0, 0, 1, 0, 52, 52, 1, 180, "Front wash blue"}, {4, 0, 0, 2, 1, 7, 7, 0, 0, "Dimmer master"},
        {5, 0, 0, 2, 1, 20, 22, 1, 200, "Strobe"},          {12, 1, 128, 1, 0, 0, 0, 0, 0, "Haze machine"},
    };
    // "Add channel?" is answered with the first button, "Yes".
    ChannelsPage& channels = form.channelsPage();
    auto ask = channels.askWithButtons;
    channels.askWithButtons = [](const QString&, const QString&, const QString&, const QString&) { return 1; };
    for (const Row& row : rows) {
        dmx->setValue(row.dmx);
        actCtrVal->setCurrentIndex(row.actCtrVal);
        value1->setValue(row.value1);
        midiCh->setCurrentIndex(row.midiCh - 1);
        actOn->setCurrentIndex(row.actOn);
        from->setCurrentIndex(row.from);
        to->setCurrentIndex(row.to - row.from); // the To list starts at the From entry
        velVal->setCurrentIndex(row.velVal);
        value2->setValue(row.value2);
        description->setText(QString::fromLatin1(row.description));
        set->click();
    }
    channels.askWithButtons = ask;
    if (auto* list = form.findChild<QAbstractItemView*>(QStringLiteral("lvDMXChannels")))
        list->clearSelection();
}

} // namespace

Result<void> saveScreenshots(MainWindow& form, const QString& folder)
{
    struct Shot {
        PageId page;
        const char* file;
    };
    const Shot shots[] = {
        {PageId::Channels, "1-user-mode.png"},
        {PageId::DeviceOptions, "2-additional-settings.png"},
        {PageId::Modes, "3-basic-eco-modes.png"},
        {PageId::Firmware, "4-firmware-upload.png"},
    };
    auto* pages = form.findChild<QTabWidget*>(QStringLiteral("pgcMain"));
    auto* readDeviceType = form.findChild<QPushButton*>(QStringLiteral("btnGetDeviceType"));
    if (!pages || !readDeviceType)
        return makeError(QCoreApplication::translate("vantorel::ScreenshotTour", "the window has no pages"));
    if (!QDir().mkpath(folder))
        return makeError(QCoreApplication::translate("vantorel::ScreenshotTour", "cannot create %1").arg(folder));
    form.raise();
    form.activateWindow();
    enterDemoChannels(form);
    // Lets the window repaint and late replies arrive.
    form.link().pumpingDelay(300);
    for (const Shot& shot : shots) {
        const int index = static_cast<int>(shot.page);
        if (!pages->isTabVisible(index))
            continue;
        pages->setCurrentIndex(index);
        if (shot.page == PageId::Firmware)
            readDeviceType->click();
        form.link().pumpingDelay(400);
        const QString path = QDir(folder).filePath(QString::fromLatin1(shot.file));
        if (!form.grab().save(path, "PNG"))
            return makeError(QCoreApplication::translate("vantorel::ScreenshotTour", "cannot write %1").arg(path));
    }
    return {};
}

} // namespace vantorel
