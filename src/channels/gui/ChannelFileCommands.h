#pragma once

#include "channels/domain/ChannelTable.h"

#include <QObject>
#include <QTimer>
#include <QString>

#include <functional>

class ChannelsPage;
class QAction;
class TDmxUserMainForm;

// "Open channels settings", "Save channels settings", "Read from device" and
// "Write to device" in the menu "File and device operations". While a device
// operation waits, these and the channel editing commands are disabled, so
// the table cannot change under a transfer.
class ChannelFileCommands : public QObject {
    Q_OBJECT
public:
    ChannelFileCommands(TDmxUserMainForm& form, ChannelsPage& page);

    // The file dialogs (dlgOpen, dlgSave); tests replace them. They get the
    // starting directory and the proposed file and give the chosen full name,
    // empty on Cancel.
    std::function<QString(const QString& startDir, const QString& proposed)> openFileName;
    std::function<QString(const QString& startDir, const QString& proposedName)> saveFileName;

    void milngOpenSettingsClick();
    void milngSaveSettingsClick();
    void milngGetFromDeviceClick();
    void milngSendToDeviceClick();

    QAction* milngOpenSettings = nullptr;
    QAction* milngSaveSettings = nullptr;
    QAction* milngGetFromDevice = nullptr;
    QAction* milngSendToDevice = nullptr;

private:
    void buildMenu();
    void blockEditingWhileBusy();
    void watchDumpForLostPort();
    void installDefaultDialogs();
    void showUserModePage();
    QString programDirectory() const;

    TDmxUserMainForm& m_form;
    ChannelsPage& m_page;
    // The table before the latest read, while its dump may still arrive: a
    // port that vanishes meanwhile brings it back instead of a partial one.
    ChannelTable m_beforeRead;
    QTimer m_dumpArriving;
};
