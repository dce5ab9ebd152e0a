// "Write changes to device" in the menu "File and device operations": the
// device's table is read, only the rows that differ from it are written and
// the whole table is verified. Channels the device holds that the table lacks
// stay unless the user agrees to clear the device and write everything.

#include "channels/gui/ChannelsPage.h"

#include "link/DeviceLink.h"
#include "channels/ChannelChanges.h"
#include "channels/gui/ChannelTableModel.h"
#include "util/gui/PageHost.h"
#include "util/gui/Widgets.h"

#include <QAction>
#include <QMessageBox>
#include <QPushButton>

#include <set>

namespace vantorel {

void ChannelsPage::buildWriteChangesItem()
{
    m_sendChangesAction = new QAction(this);
    m_sendChangesAction->setObjectName(QStringLiteral("milngSendChangesToDevice"));
    m_fileActions << m_sendChangesAction;
    connect(m_sendChangesAction, &QAction::triggered, this, &ChannelsPage::writeChangesToDevice);
    m_host.lockWhileBusy(m_sendChangesAction);
    // Both Enter and Esc leave the device's channels alone.
    confirmFullClear = [this](const QString& message) {
        QMessageBox box(QMessageBox::Question, tr("Write changes to device"), displayText(message),
                        QMessageBox::NoButton, this);
        QPushButton* clear = box.addButton(tr("Clear device and write all"), QMessageBox::DestructiveRole);
        QPushButton* leave = box.addButton(tr("Leave them"), QMessageBox::RejectRole);
        box.setDefaultButton(leave);
        box.setEscapeButton(leave);
        box.exec();
        return box.clickedButton() == clear;
    };
}

void ChannelsPage::writeChangesToDevice()
{
    showUserModePage();
    const ChannelTable rows = model().rows();
    // The device's table and the read-back are compared, not put into the list.
    setChannelDumpsIgnored(true);
    const ChangesOutcome outcome = writeChangedChannels(m_link, rows, [this](const std::vector<int>& deviceOnly) {
        const QString found = deviceOnlyText(deviceOnly, tr("table", "the channel table, as a sentence names it"));
        if (confirmFullClear
            && confirmFullClear(tr("%1\r\n\r\nClear the device and write the whole table? The channels "
                                   "named are then gone from the device.")
                                    .arg(found)))
            return true;
        emit m_link.statusText(tr("%1 They are left alone.").arg(found));
        return false;
    });
    setChannelDumpsIgnored(false);
    std::set<int> differing;
    for (const ChannelDifference& difference : outcome.check.comparison.differences)
        differing.insert(difference.channel);
    m_model->markChannels(differing);
    if (outcome.result == ChannelWriteResult::Done || outcome.result == ChannelWriteResult::NoAnswer
        || outcome.result == ChannelWriteResult::Cancelled)
        resetEditPanel();
}

} // namespace vantorel
