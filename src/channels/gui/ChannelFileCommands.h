#pragma once

#include <QObject>
#include <QString>

#include <functional>

class ChannelsPage;
class QAction;
class MainWindow;

// "Open channels settings", "Save channels settings", "Read from device" and
// "Write to device" in the menu "File and device operations". While a device
// operation waits, these and the channel editing commands are disabled, so
// the table cannot change under a transfer.
class ChannelFileCommands : public QObject {
    Q_OBJECT
public:
    ChannelFileCommands(MainWindow& form, ChannelsPage& page);

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
    void installDefaultDialogs();
    void showUserModePage();
    QString programDirectory() const;

    MainWindow& m_form;
    ChannelsPage& m_page;
};
