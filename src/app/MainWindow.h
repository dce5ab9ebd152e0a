#pragma once

#include "settings/SettingsFiles.h"
#include "util/gui/PageHost.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <functional>
#include <vector>

class QAction;
class QActionGroup;
class QComboBox;
class QPushButton;
class QLabel;
class QMenu;
class QTabWidget;

namespace vantorel {

class ChannelsPage;
class DeviceLink;
class DeviceOptionsPage;
class FirmwarePage;
class MessagePanel;
class ModesPage;
class OperationProgress;
class PortListBox;
class StatusLine;

// The program's main window: port selection, the status line, the four pages
// and the menus in which the pages' commands are placed. The conversation with
// the device is the DeviceLink's; each page shows what the link reports for
// it, the window shows the rest (status line, status bar, which pages exist).
class MainWindow : public QMainWindow, public PageHost {
    Q_OBJECT
public:
    // Lists the ports of `link` and opens the first pair. Raises the port
    // layer's errors when the selected ports cannot be selected.
    MainWindow(DeviceLink& link, bool developerRun, QWidget* parent = nullptr);
    // The same with the settings files of this run: the geometry is restored
    // and "DebugOn" read at creation, the program settings loaded at the first
    // show and both files written when the window is closed (not on "Exit").
    MainWindow(DeviceLink& link, bool developerRun, SettingsFiles settings, QWidget* parent = nullptr);

    // Modal boxes for the link's and the pages' messages and for errors;
    // tests replace them.
    std::function<void(const QString&)> messageBox;
    std::function<void(const QString&)> errorBox;
    // Picks one of several devices found (their descriptions); -1 for none.
    std::function<int(const QStringList&)> chooseDevice;
    // A question answered Yes (true) or No; tests replace it.
    std::function<bool(const QString& caption, const QString& question)> askYesNo;
    // "A transfer is running. Stop it and close?": true for "Stop"; tests replace it.
    std::function<bool()> askStopAndClose;
    // The file dialogs of "Back up device..." and "Restore device..." (empty on Cancel).
    std::function<QString(const QString& startDir)> backupFileName;
    std::function<QString(const QString& startDir)> restoreFileName;
    // Puts a language ("en", "pl", "de") in force for the whole program; tests replace it.
    std::function<bool(const QString& language)> installLanguage;

    // The language to speak for a choice of "Interface language" ("" for the
    // system's: the first display language there is a translation for).
    static QString languageToSpeak(const QString& chosen);
    // The language chosen in "Interface language", "" for "System default".
    const QString& interfaceLanguage() const { return m_interfaceLanguage; }

    DeviceLink& link() { return m_link; }
    bool developerRun() const { return m_developerRun; }

    ChannelsPage& channelsPage() { return *m_channelsPage; }
    DeviceOptionsPage& deviceOptionsPage() { return *m_deviceOptionsPage; }
    ModesPage& modesPage() { return *m_modesPage; }
    FirmwarePage& firmwarePage() { return *m_firmwarePage; }

    // The debug window, shown at the first show of a developer run (not owned).
    void setDebugWindow(QWidget* window) { m_debugWindow = window; }
    // The translation listing window, shown by "Language" (not owned).
    void setLanguageWindow(QWidget* window) { m_languageWindow = window; }
    // Text of the error that ended the first show; empty when it went well.
    const QString& startupError() const { return m_startupError; }

    const SettingsFiles& settingsFiles() const { return m_settingsFiles; }
    // pnlService and "Language": a developer run or a non-zero "DebugOn".
    bool developerControlsShown() const { return m_developerControls; }
    // The program settings (MainWindowSettings.cpp). Keys after a failed
    // write are not written.
    Result<void> loadSettings();
    Result<void> saveSettings();

    // Where unsaved changes of the channel table are kept (MainWindowBackup.cpp):
    // the configuration folder of the window positions; empty without settings files.
    QString recoveryFilePath() const;
    // At start: offers the table a run that did not end cleanly left behind.
    void offerRecovery();
    // "Back up device..." and "Restore device..." (MainWindowBackup.cpp).
    void backUpDevice();
    void restoreDevice();

    // PageHost.
    void showMessage(const QString& text) override;
    void showError(const QString& text) override;
    void showPage(PageId page) override;
    void lockWhileBusy(QObject* controlOrAction) override;
    bool reopenPorts() override;
    void holdOperation(bool held) override;
    void keepMessage(const QString& text) override;

    // A device operation runs, or a page holds one across several.
    bool operationRunning() const { return m_busy || m_holds > 0; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildMenus();
    void buildLanguageMenu();
    // Every text of the window, its menus and its status bar in the language
    // now installed (at creation and on QEvent::LanguageChange).
    void retranslateUi();
    void chooseInterfaceLanguage(const QString& language);
    void buildConnectionsPanel(QWidget* central);
    void buildPages(QWidget* central);
    void placePageActions();
    void buildStatusBar();
    void connectLink();
    void listPorts();
    void prepareFirstShow();

    // Handlers.
    void onInputPortChosen();
    // The live port lists: the link's lists with its chosen ports.
    void showPortLists();
    // The ports to open: the lists' choice, or a chosen port that has gone
    // (it stays chosen until it is back).
    void takeChosenPorts();
    // "Find device": every port pair is asked; the pair found is chosen.
    void findDevice();
    void onOutputPortChosen();
    void clearDeviceData();
    void exitProgram();
    // The window title's modified marker; the title text stays as it is.
    void showTableModified(bool modified);
    void installBackupDialogs();
    void showLanguageWindow();
    void onCurrentPageChanged(int index);
    // Ctrl+Tab / Ctrl+PgDn (+1) and Ctrl+Shift+Tab / Ctrl+PgUp (-1): the next
    // shown page, as if its tab had been clicked.
    void stepPage(int step);
    // A page chosen by the user: the status line is cleared and the page is
    // told it is shown.
    void onPageChosen(int index);
    // The page decides what it reads from the device when shown; while
    // another operation waits, the notice follows that operation.
    void tellPageShown(int index);

    // The status line (its first line, cut to fit); the whole text goes to Messages.
    void showStatus(const QString& text);
    // While an operation runs: asks whether to stop it; on "Stop" cancels it
    // and runs `then` once it has ended. False when the caller must wait.
    bool stopOperationFirst(void (MainWindow::*then)());
    void onOperationEnded();
    void closeWindow() { close(); }
    // The device badge: edition and ID of the device on the chosen ports.
    void showDeviceBadge();
    void clearDeviceBadge();
    // A port the link reports gone (or back).
    void onChosenPortMissing(bool input, bool missing, const QString& name);

    void onDeviceTypeApplied(char letter);
    void resetStatusBar();
    void showNoConnection();
    void restoreCursor();
    void onBusyChanged(bool busy);
    void setModesPageVisible(bool visible);
    void updateEnabledStates();
    // Channel actions: disabled on the firmware and modes pages.
    void addChannelAction(QAction* action);
    // Shows a failed step in a message box; true when it succeeded.
    bool reported(const Result<void>& step);
    // The channel page's calculator window, found as a user's script finds it;
    // the window keeps its position with its own.
    QWidget& calculatorWindow() const;

    DeviceLink& m_link;
    const bool m_developerRun;
    const SettingsFiles m_settingsFiles;
    bool m_developerControls = false;
    QPointer<QWidget> m_languageWindow;
    QPointer<QWidget> m_debugWindow;
    QString m_startupError;
    bool m_firstShowDone = false;
    bool m_pageChangeFromCode = false;
    bool m_pageReadPending = false;
    bool m_busy = false;
    bool m_channelMenusEnabled = true;
    int m_holds = 0;
    bool m_yesByDefault = false; // the next askYesNo box has "Yes" as its default
    void (MainWindow::*m_afterOperation)() = nullptr; // close or exit once the operation has ended
    bool m_noConnectionShown = false;
    int m_scanning = 0; // "Find device" runs: its errors go to Messages only
    int m_portErrorBoxes = 0; // error boxes while a chosen port is gone
    QString m_badgeId;
    QString m_interfaceLanguage; // "" for the system's

    enum ControlRole { DeviceRole = 1, ChannelRole = 2 };
    void addRole(QObject* object, int role);
    struct RoleEntry {
        QPointer<QObject> object; // null once destroyed: skipped, then dropped
        int roles = 0;
    };
    std::vector<RoleEntry> m_roles;

    QMenu* m_fileMenu = nullptr; // milngFile
    QAction* m_clearDataInDevice = nullptr; // milngClearDataInDevice
    QAction* m_backupDevice = nullptr; // milngBackupDevice
    QAction* m_restoreDevice = nullptr; // milngRestoreDevice
    QMenu* m_toolsMenu = nullptr; // milngUserTools
    QMenu* m_settingsMenu = nullptr; // milngSettings
    QAction* m_language = nullptr; // milngLanguage
    QAction* m_exit = nullptr; // milngExit
    QMenu* m_interfaceLanguageMenu = nullptr; // milngInterfaceLanguage
    QActionGroup* m_interfaceLanguages = nullptr; // data: the language code, "" for the system's
    QAction* m_systemLanguage = nullptr; // milngInterfaceLanguageSystem
    QLabel* m_inputCaption = nullptr; // Label1
    QLabel* m_outputCaption = nullptr; // LabelMo
    QLabel* m_statusCaption = nullptr; // lbllngStat
    PortListBox* m_inputPorts = nullptr; // cbxInPorts
    PortListBox* m_outputPorts = nullptr; // cbxOutPorts
    QPushButton* m_findDevice = nullptr; // btnlngFindDevice
    QAction* m_findDeviceAction = nullptr; // milngFindDevice
    StatusLine* m_status = nullptr; // lbllngStatMsg
    QTabWidget* m_pages = nullptr; // pgcMain
    QLabel* m_statusBarText = nullptr; // stbConnPanel0
    QLabel* m_deviceBadge = nullptr; // lblDeviceBadge
    MessagePanel* m_messages = nullptr; // dcklngMessages
    QAction* m_messagesAction = nullptr; // milngMessages
    OperationProgress* m_progress = nullptr;
    ChannelsPage* m_channelsPage = nullptr;
    DeviceOptionsPage* m_deviceOptionsPage = nullptr;
    ModesPage* m_modesPage = nullptr;
    FirmwarePage* m_firmwarePage = nullptr;
};

} // namespace vantorel
