#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QString>

#include "settings/RecentFiles.h"
#include "settings/SettingsFiles.h"
#include "settings/domain/ProgramSettings.h"

#include <functional>

class DeviceLink;
class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QDoubleSpinBox;
class QSpinBox;
class QTabWidget;
class ModesPage;
class ChannelsPage;
class FirmwareFilePanel;
class FirmwareServicePanel;

// The program's main window: port selection, the four pages and the menus
// through which every device operation is started. The conversation with the
// device is the DeviceLink's; the window shows what the link reports.
class TDmxUserMainForm : public QMainWindow {
    Q_OBJECT
public:
    // Page indexes of pgcMain (stable: a hidden page keeps its index).
    enum Page { PageUserMode = 0, PageSpecials = 1, PageBasicMode = 2, PageFWUpload = 3 };

    // Lists the ports of `link` and opens the first pair. Raises the port
    // layer's errors when the selected ports cannot be selected.
    TDmxUserMainForm(DeviceLink& link, bool developerRun, QWidget* parent = nullptr);
    // The same with the settings files of this run: the geometry is restored
    // and "DebugOn" read at creation, the program settings loaded at the first
    // show and both files written when the window is closed (not on "Exit").
    TDmxUserMainForm(DeviceLink& link, bool developerRun, SettingsFiles settings, QWidget* parent = nullptr);
    ~TDmxUserMainForm() override;

    // Modal boxes for the link's messages and for errors; tests replace them.
    std::function<void(const QString&)> showMessage;
    std::function<void(const QString&)> showError;

    DeviceLink& link() { return m_link; }
    bool developerRun() const { return m_developerRun; }

    // The debug window, shown at the first show of a developer run (not owned).
    void setDebugWindow(QWidget* window) { m_debugWindow = window; }
    // Text of the error that ended the first show; empty when it went well.
    const QString& startupError() const { return m_startupError; }

    // Settings kept in the INI files (see RecentFiles) and the hooks of the
    // windows whose state they hold. Without the colour hooks the window keeps
    // the colours it read, so they are written back unchanged.
    const SettingsFiles& settingsFiles() const { return m_settingsFiles; }
    RecentFiles recentFiles;
    std::function<RowColours()> rowColours;
    std::function<void(const RowColours&)> setRowColours;
    // The translation listing window, shown by "Language" (not owned).
    void setLanguageWindow(QWidget* window) { m_languageWindow = window; }
    // The calculator window (objectName "CalcForm", not owned): its position
    // is restored now and saved with the main window's.
    void setCalculatorWindow(QWidget* window);
    // pnlService and "Language": a developer run or a non-zero "DebugOn".
    bool developerControlsShown() const { return m_developerControls; }
    void LoadIniSettings();
    // Throws IniWriteError; keys after a failed write are not written.
    void SaveIniSettings();

    // Item of the radio group rglngMode (0..3).
    int uploadMode() const;
    void setUploadMode(int item);

    // A control or menu item that starts a device operation: disabled while
    // an operation waits for the device.
    void addDeviceControl(QWidget* widget);
    void addDeviceAction(QAction* action);
    // A menu item of the channel pages: disabled on the firmware and modes pages.
    void addChannelAction(QAction* action);

    // Closes and reopens the ports named by the two port lists; a failure is
    // shown in the error box. False when the ports could not be opened.
    bool reopenSelectedPorts();

    // Handlers.
    void btnResetDeviceClick();
    void btnlngSetNoteOffActionClick();
    void btnlngSetZeroValueOffsetClick();
    void btnSendCommonMsgClick();
    void btnGetDeviceTypeClick();
    void Button2Click();
    void cbxInPortsChange();
    void cbxOutPortsChange();
    void milngClearDataInDeviceClick();
    void milngExitClick();
    void milngLanguageClick();
    void pgcMainChange(int index);
    // What the page asks the device when shown; while another operation
    // waits, the request follows that operation.
    void readPageFromDevice(int index);
    // Selects a page from code: pgcMainChange does not run.
    void selectPage(int index);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildConnectionsPanel(QWidget* central);
    QWidget* buildUserModePage();
    QWidget* buildSpecialsPage();
    QWidget* buildBasicModePage();
    QWidget* buildFirmwarePage();
    void buildStatusBar();
    void connectLink();

    void FormCreate();
    void FormShow();

    void applyDeviceType(char letter);
    void statusBarReset();
    void statusBarNoConnection();
    void restoreCursor();
    void onBusyChanged(bool busy);
    void onCurrentPageChanged(int index);
    void setModesPageVisible(bool visible);
    void updateEnabledStates();
    void defaultShowMessage(const QString& text);
    void defaultShowError(const QString& text);
    template <typename Step>
    bool reported(Step&& step);

    DeviceLink& m_link;
    const bool m_developerRun;
    const SettingsFiles m_settingsFiles;
    bool m_developerControls = false;
    RowColours m_rowColours;
    QPointer<QWidget> m_languageWindow;
    QPointer<QWidget> m_calculatorWindow;
    QPointer<QWidget> m_debugWindow;
    QString m_startupError;
    bool m_firstShowDone = false;
    bool m_pageChangeFromCode = false;
    bool m_pageReadPending = false;
    bool m_busy = false;
    bool m_channelMenusEnabled = true;

    enum ControlRole { DeviceRole = 1, ChannelRole = 2 };
    void addRole(QObject* object, int role);
    QHash<QObject*, int> m_roles;   // entries leave when their object is destroyed

public:
    // Components, named as in the window layout.
    QMenu* milngFile = nullptr;
    QAction* milngClearDataInDevice = nullptr;
    QAction* milngExit = nullptr;
    QMenu* milngUserTools = nullptr;
    QMenu* milngSettings = nullptr;
    QAction* milngLanguage = nullptr;

    QFrame* pnlConnections = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* cbxInPorts = nullptr;
    QLabel* LabelMo = nullptr;
    QComboBox* cbxOutPorts = nullptr;
    QLabel* lbllngStat = nullptr;
    QLabel* lbllngStatMsg = nullptr;

    QTabWidget* pgcMain = nullptr;
    QWidget* tslngUserMode = nullptr;
    QWidget* tslngSpecials = nullptr;
    QWidget* tslngBasicMode = nullptr;
    QWidget* tslngFWUpload = nullptr;
    ChannelsPage* channels = nullptr;   // the User Mode page: edit row, channel list, dialogs (a child object)

    QCheckBox* cblngNoteOffActions = nullptr;
    QPushButton* btnlngSetNoteOffAction = nullptr;
    QSpinBox* sedZeroValueOffset = nullptr;
    QPushButton* btnlngSetZeroValueOffset = nullptr;

    QLabel* lblBasicModesInfo = nullptr;
    QFrame* pnlModesControl = nullptr;
    QPushButton* btnReset = nullptr;
    ModesPage* modesPage = nullptr;   // the rest of the modes page (a child object)

    QFrame* Panel1 = nullptr;
    QLabel* lbllngFWStatMsg = nullptr;
    QLabel* lbllngUploader = nullptr;
    QLabel* lbllng7 = nullptr;
    QLabel* lblFWDate = nullptr;
    QLabel* lbllng2 = nullptr;
    QLabel* lblFWType = nullptr;
    QLabel* lbllngInChip = nullptr;
    QLabel* lbllng5 = nullptr;
    QLabel* lblBLDate = nullptr;
    QLabel* lbllng6 = nullptr;
    QLabel* lblSWDate = nullptr;
    QLabel* lbllng8 = nullptr;
    QLabel* lblDevID = nullptr;
    QLabel* lbllng4 = nullptr;
    QLabel* lblDevType = nullptr;
    QGroupBox* rglngMode = nullptr;
    QButtonGroup* rglngModeItems = nullptr;
    QLabel* lbllng14 = nullptr;
    QLabel* lbllngPasses = nullptr;
    QPushButton* Button1 = nullptr;

    QFrame* Panel3 = nullptr;
    QPushButton* btnLoadFirmware = nullptr;
    QPushButton* btnGetDeviceType = nullptr;
    QPushButton* btnlngEnterProgrammingMode = nullptr;
    QLabel* lbllng16 = nullptr;
    QLabel* lblCurFile = nullptr;
    QLabel* lblCurFileDate = nullptr;
    FirmwareFilePanel* firmwareFile = nullptr;   // the loaded firmware file (a child object)
    FirmwareServicePanel* firmwareService = nullptr; // bootloader, upload, interface test, device ID (a child object)

    QFrame* pnlService = nullptr;
    QPushButton* btnSetDevNbr = nullptr;
    QDoubleSpinBox* sedDevNbr = nullptr;
    QPushButton* btnResetDev = nullptr;
    QPushButton* btnSendCommonMsg = nullptr;
    QComboBox* cbxCommonMsg = nullptr;
    QPushButton* Button2 = nullptr;

    QLabel* stbConnPanel0 = nullptr;
};
