#include "app/MainWindow.h"

#include "channels/gui/ChannelDocument.h"
#include "channels/gui/ChannelsPage.h"
#include "firmware/gui/FirmwarePage.h"
#include "link/DeviceLink.h"
#include "link/DeviceOperations.h"
#include "link/DeviceScan.h"
#include "modes/gui/ModesPage.h"
#include "options/gui/DeviceOptionsPage.h"
#include "protocol/DeviceType.h"
#include "settings/gui/FormPosition.h"
#include "app/MessagePanel.h"
#include "app/OperationProgress.h"
#include "util/gui/PortListBox.h"
#include "util/gui/StatusLine.h"
#include "util/gui/Widgets.h"
#include "util/qt/TextConversions.h"
#include "util/qt/Translations.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QInputDialog>
#include <QKeySequence>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QMessageBox>
#include <QRegularExpression>
#include <QShortcut>
#include <QShowEvent>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <exception>
#include <utility>

namespace vantorel {

namespace {

// How often the port lists are looked at while nothing waits for the device.
constexpr int kPortListPollMs = 1000;

const char* const kCaption = "VANTOREL Control Center";
const char* const kBuildStamp = "2018.04.24 10:24:25";

// The hourglass while the ports are reopened, the default cursor afterwards
// (also when reopening fails).
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

int indexOf(PageId page)
{
    return static_cast<int>(page);
}

// "Interface language": each language named in itself, never translated.
struct InterfaceLanguage {
    const char* code;
    const char* name;
    const char* objectName;
};
constexpr InterfaceLanguage kInterfaceLanguages[] = {
    {"en", "English", "miInterfaceLanguageEn"},
    {"pl", "Polski", "miInterfaceLanguagePl"},
    {"de", "Deutsch", "miInterfaceLanguageDe"},
};

// A language the menu offers; anything else counts as the system's.
QString knownLanguage(const QString& code)
{
    for (const InterfaceLanguage& language : kInterfaceLanguages)
        if (code == QLatin1String(language.code))
            return code;
    return {};
}

} // namespace

MainWindow::MainWindow(DeviceLink& link, bool developerRun, QWidget* parent)
    : MainWindow(link, developerRun, SettingsFiles{}, parent)
{ }

MainWindow::MainWindow(DeviceLink& link, bool developerRun, SettingsFiles settings, QWidget* parent)
    : QMainWindow(parent)
    , m_link(link)
    , m_developerRun(developerRun)
    , m_settingsFiles(std::move(settings))
{
    messageBox = [this](const QString& text) {
        QMessageBox box(QMessageBox::Information, QString::fromLatin1(kCaption), displayText(text), QMessageBox::Ok,
                        this);
        box.exec();
    };
    errorBox = [this](const QString& text) {
        QMessageBox box(QMessageBox::Critical, QString::fromLatin1(kCaption), displayText(text), QMessageBox::Ok, this);
        box.exec();
    };
    chooseDevice = [this](const QStringList& devices) {
        bool ok = false;
        // The entry marked "(connected)" in the language shown is preselected.
        const QStringList marker = tr("%1 (connected)").split(QStringLiteral("%1"));
        const QString pattern = QLatin1Char('^') + QRegularExpression::escape(marker.value(0)) + QStringLiteral(".*")
            + QRegularExpression::escape(marker.value(1)) + QLatin1Char('$');
        const int current = int(std::max<qsizetype>(0, devices.indexOf(QRegularExpression(pattern))));
        const QString item
            = QInputDialog::getItem(this, tr("Find device"), tr("Devices found:"), devices, current, false, &ok);
        return ok ? int(devices.indexOf(item)) : -1;
    };
    askYesNo = [this](const QString& caption, const QString& question) {
        QMessageBox box(QMessageBox::Question, caption, displayText(question), QMessageBox::Yes | QMessageBox::No,
                        this);
        box.setDefaultButton(std::exchange(m_yesByDefault, false) ? QMessageBox::Yes : QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    };
    askStopAndClose = [this] {
        QMessageBox box(QMessageBox::Question, QString::fromLatin1(kCaption),
                        tr("A transfer is running. Stop it and close?"), QMessageBox::NoButton, this);
        box.setObjectName(QStringLiteral("StopAndCloseBox"));
        QPushButton* stop = box.addButton(tr("Stop"), QMessageBox::AcceptRole);
        QPushButton* keepOn = box.addButton(tr("Continue"), QMessageBox::RejectRole);
        box.setDefaultButton(keepOn);
        box.setEscapeButton(keepOn);
        box.exec();
        return box.clickedButton() == stop;
    };
    installBackupDialogs();
    installLanguage = installTranslations;

    setObjectName(QStringLiteral("DmxUserMainForm"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setMinimumWidth(800);
    setMaximumWidth(800);
    setMinimumHeight(475);
    resize(800, 533);

    buildMenus();
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    auto* centralLayout = new QVBoxLayout(central);
    centralLayout->setContentsMargins(0, 0, 0, 0);
    centralLayout->setSpacing(0);
    buildConnectionsPanel(central);
    buildPages(central);
    setCentralWidget(central);
    // Created after the pages and before the status bar, so that Tab reaches
    // the panel where it is shown: below the pages, above the status bar.
    m_messages = new MessagePanel(this);
    addDockWidget(Qt::BottomDockWidgetArea, m_messages);
    buildStatusBar();
    placePageActions();
    retranslateUi();

    connectLink();
    connect(m_pages, &QTabWidget::currentChanged, this, &MainWindow::onCurrentPageChanged);

    // Creation: the window's and the calculator's saved positions, the ports,
    // the caption and the developer controls.
    restoreFormPosition(calculatorWindow(), m_settingsFiles.positionIni);
    restoreFormPosition(*this, m_settingsFiles.positionIni);
    listPorts();
    const ProgramSettings stored = readProgramSettings(readIniFile(m_settingsFiles.programIni), std::string());
    m_developerControls = m_developerRun || stored.debugOn != 0;
    m_interfaceLanguage = knownLanguage(fromIniText(stored.language));
    for (QAction* action : m_interfaceLanguages->actions())
        action->setChecked(action->data().toString() == m_interfaceLanguage);
    m_firmwarePage->setServicePanelVisible(m_developerControls);
    m_language->setVisible(m_developerControls);
}

// ---------------------------------------------------------------- layout

void MainWindow::buildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    m_fileMenu = named(bar->addMenu(QString()), "milngFile");
    m_fileMenu->menuAction()->setObjectName(QStringLiteral("milngFile"));
    m_findDeviceAction = named(m_fileMenu->addAction(QString()), "milngFindDevice");
    connect(m_findDeviceAction, &QAction::triggered, this, &MainWindow::findDevice);
    lockWhileBusy(m_findDeviceAction);
    m_backupDevice = named(m_fileMenu->addAction(QString()), "milngBackupDevice");
    connect(m_backupDevice, &QAction::triggered, this, &MainWindow::backUpDevice);
    m_restoreDevice = named(m_fileMenu->addAction(QString()), "milngRestoreDevice");
    connect(m_restoreDevice, &QAction::triggered, this, &MainWindow::restoreDevice);
    m_fileMenu->addSeparator();
    m_clearDataInDevice = named(m_fileMenu->addAction(QString()), "milngClearDataInDevice");
    connect(m_clearDataInDevice, &QAction::triggered, this, &MainWindow::clearDeviceData);
    m_fileMenu->addSeparator();
    m_messagesAction = named(m_fileMenu->addAction(QString()), "milngMessages");
    m_messagesAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    connect(m_messagesAction, &QAction::triggered, this, [this] { m_messages->open(); });
    m_fileMenu->addSeparator();
    m_exit = named(m_fileMenu->addAction(QString()), "milngExit");
    m_exit->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    connect(m_exit, &QAction::triggered, this, &MainWindow::exitProgram);

    m_toolsMenu = named(bar->addMenu(QString()), "milngUserTools");
    m_toolsMenu->menuAction()->setObjectName(QStringLiteral("milngUserTools"));

    m_settingsMenu = named(bar->addMenu(QString()), "milngSettings");
    m_settingsMenu->menuAction()->setObjectName(QStringLiteral("milngSettings"));
    m_language = named(m_settingsMenu->addAction(QString()), "milngLanguage");
    m_language->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    m_language->setVisible(m_developerRun);
    connect(m_language, &QAction::triggered, this, &MainWindow::showLanguageWindow);
    buildLanguageMenu();

    // F10 opens the menu bar, as Alt does.
    auto* menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, bar, [bar] {
        if (QAction* first = bar->actions().value(0))
            bar->setActiveAction(first);
    });

    lockWhileBusy(m_clearDataInDevice);
    lockWhileBusy(m_backupDevice);
    lockWhileBusy(m_restoreDevice);
    addChannelAction(m_toolsMenu->menuAction());
    addChannelAction(m_settingsMenu->menuAction());
}

void MainWindow::buildLanguageMenu()
{
    m_interfaceLanguageMenu = named(m_settingsMenu->addMenu(QString()), "milngInterfaceLanguage");
    m_interfaceLanguageMenu->menuAction()->setObjectName(QStringLiteral("milngInterfaceLanguage"));
    m_interfaceLanguages = new QActionGroup(this);
    m_interfaceLanguages->setExclusive(true);
    m_systemLanguage = named(m_interfaceLanguageMenu->addAction(QString()), "milngInterfaceLanguageSystem");
    m_systemLanguage->setData(QString());
    m_interfaceLanguages->addAction(m_systemLanguage);
    for (const InterfaceLanguage& language : kInterfaceLanguages) {
        QAction* action = m_interfaceLanguageMenu->addAction(QString::fromUtf8(language.name));
        action->setObjectName(QString::fromLatin1(language.objectName));
        action->setData(QString::fromLatin1(language.code));
        m_interfaceLanguages->addAction(action);
    }
    for (QAction* action : m_interfaceLanguages->actions())
        action->setCheckable(true);
    m_systemLanguage->setChecked(true);
    connect(m_interfaceLanguages, &QActionGroup::triggered, this,
            [this](QAction* action) { chooseInterfaceLanguage(action->data().toString()); });
}

QString MainWindow::languageToSpeak(const QString& chosen)
{
    const QString known = knownLanguage(chosen);
    return known.isEmpty() ? languageForUiLanguages(QLocale::system().uiLanguages()) : known;
}

void MainWindow::chooseInterfaceLanguage(const QString& language)
{
    // Kept in the settings file when the window closes.
    m_interfaceLanguage = language;
    if (installLanguage)
        installLanguage(languageToSpeak(language));
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QMainWindow::changeEvent(event);
}

void MainWindow::retranslateUi()
{
    setWindowTitle(tr("%1; Ver: %2").arg(QString::fromLatin1(kCaption), QString::fromLatin1(kBuildStamp)));
    showTableModified(m_channelsPage->document().isModified());

    m_fileMenu->setTitle(tr("File and device operations"));
    m_findDeviceAction->setText(tr("Find device"));
    m_backupDevice->setText(tr("Back up device..."));
    m_restoreDevice->setText(tr("Restore device..."));
    m_clearDataInDevice->setText(tr("Clear data in device"));
    m_messagesAction->setText(tr("Messages"));
    m_exit->setText(tr("Exit"));
    m_toolsMenu->setTitle(tr("User Mode Tools"));
    m_settingsMenu->setTitle(tr("Settings"));
    m_language->setText(tr("Language"));
    m_interfaceLanguageMenu->setTitle(tr("Interface language"));
    m_systemLanguage->setText(tr("System default"));

    m_inputCaption->setText(tr("MIDI Input"));
    m_inputPorts->setAccessibleName(tr("MIDI Input"));
    m_outputCaption->setText(tr("MIDI Output"));
    m_outputPorts->setAccessibleName(tr("MIDI Output"));
    m_statusCaption->setText(tr("Status:"));
    m_findDevice->setText(tr("Find device"));
    m_findDevice->setAccessibleDescription(tr("Asks every pair of MIDI ports for a device."));

    m_pages->setAccessibleName(tr("Pages"));
    m_pages->setTabText(indexOf(PageId::Channels), tr("User Mode channels settings"));
    m_pages->setTabText(indexOf(PageId::DeviceOptions), tr("Additional Settings"));
    m_pages->setTabText(indexOf(PageId::Modes), tr("Basic/Eco modes configuration"));
    m_pages->setTabText(indexOf(PageId::Firmware), tr("Firmware Upload"));

    if (m_noConnectionShown)
        m_statusBarText->setText(tr("No connection with device"));
}

void MainWindow::buildConnectionsPanel(QWidget* central)
{
    QFrame* panel = namedPanel("pnlConnections", central);
    panel->setFixedHeight(57);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(2);

    m_inputCaption = namedLabel("Label1", QString(), panel);
    m_inputPorts = named(new PortListBox(panel), "cbxInPorts");
    m_inputPorts->setFixedWidth(196);
    m_inputCaption->setBuddy(m_inputPorts);
    m_outputCaption = namedLabel("LabelMo", QString(), panel);
    m_outputPorts = named(new PortListBox(panel), "cbxOutPorts");
    m_outputPorts->setFixedWidth(196);
    m_outputCaption->setBuddy(m_outputPorts);
    m_statusCaption = namedLabel("lbllngStat", QString(), panel);
    setBold(m_statusCaption);
    // Long texts are cut to the line (the whole text is in Messages): the
    // window's width stays. A click opens Messages. The line has no accessible
    // name of its own: its text is the name, and a new text is announced.
    m_status = named(new StatusLine(QStringLiteral("-"), panel), "lbllngStatMsg");
    setBold(m_status, &kMaroon);
    connect(m_status, &StatusLine::detailsRequested, this, [this] { m_messages->open(); });
    m_deviceBadge = namedLabel("lblDeviceBadge", QString(), panel);

    grid->addWidget(m_inputCaption, 0, 0);
    grid->addWidget(m_inputPorts, 1, 0);
    grid->addWidget(m_outputCaption, 0, 1);
    grid->addWidget(m_outputPorts, 1, 1);
    m_findDevice = named(new QPushButton(panel), "btnlngFindDevice");
    grid->addWidget(m_findDevice, 1, 2);
    // The status line above the button and the badge: the widest room the panel has.
    grid->addWidget(m_statusCaption, 0, 2);
    grid->addWidget(m_status, 0, 3, 1, 2);
    grid->addWidget(m_deviceBadge, 1, 3, 1, 2);
    grid->setColumnStretch(4, 1);
    central->layout()->addWidget(panel);

    lockWhileBusy(m_inputPorts);
    lockWhileBusy(m_outputPorts);
    connect(m_inputPorts, &QComboBox::activated, this, &MainWindow::onInputPortChosen);
    connect(m_outputPorts, &QComboBox::activated, this, &MainWindow::onOutputPortChosen);
    lockWhileBusy(m_findDevice);
    connect(m_findDevice, &QPushButton::clicked, this, &MainWindow::findDevice);
    // Opening a list shows the ports as they are now.
    for (PortListBox* box : {m_inputPorts, m_outputPorts})
        connect(box, &PortListBox::opening, this, [this] { m_link.refreshPorts(); });
}

void MainWindow::buildPages(QWidget* central)
{
    m_pages = named(new QTabWidget(central), "pgcMain");
    m_channelsPage = new ChannelsPage(m_link, *this, m_settingsFiles.executableDir);
    m_deviceOptionsPage = new DeviceOptionsPage(m_link, *this);
    m_modesPage = new ModesPage(m_link, *this);
    m_firmwarePage = new FirmwarePage(m_link, *this);
    m_pages->addTab(m_channelsPage, QString());
    m_pages->addTab(m_deviceOptionsPage, QString());
    m_pages->addTab(m_modesPage, QString());
    m_pages->addTab(m_firmwarePage, QString());
    // A developer run opens on the firmware page; others on the channel page.
    m_pages->setCurrentIndex(indexOf(m_developerRun ? PageId::Firmware : PageId::Channels));
    static_cast<QVBoxLayout*>(central->layout())->addWidget(m_pages, 1);
    // The tab widget itself switches with Ctrl+Tab only while it holds the
    // focus and the focused control does not take the key: the window does.
    const std::pair<QKeyCombination, int> pageKeys[] = {
        {Qt::CTRL | Qt::Key_Tab, 1},
        {Qt::CTRL | Qt::Key_PageDown, 1},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, -1}, // arrives as Backtab; the shortcut map matches it
        {Qt::CTRL | Qt::Key_PageUp, -1},
    };
    for (const auto& pageKey : pageKeys) {
        const int step = pageKey.second;
        connect(new QShortcut(QKeySequence(pageKey.first), this), &QShortcut::activated, this,
                [this, step] { stepPage(step); });
    }
}

void MainWindow::stepPage(int step)
{
    const int count = m_pages->count();
    for (int index = m_pages->currentIndex(), pass = 0; pass < count; ++pass) {
        index = (index + step + count) % count;
        if (m_pages->isTabVisible(index) && m_pages->isTabEnabled(index)) {
            m_pages->setCurrentIndex(index);
            return;
        }
    }
}

// The channel page's commands go into the window's menus.
void MainWindow::placePageActions()
{
    const QList<QAction*> fileActions = m_channelsPage->fileMenuActions();
    m_fileMenu->insertActions(m_backupDevice, fileActions);
    const QList<QAction*> toolsActions = m_channelsPage->toolsMenuActions();
    m_toolsMenu->addActions(toolsActions);
    const QList<QAction*> settingsActions = m_channelsPage->settingsMenuActions();
    m_settingsMenu->insertActions(m_language, settingsActions);
    const QList<QAction*> pageEnabled = m_channelsPage->selfEnabledActions();
    for (const QList<QAction*>* list : {&toolsActions, &settingsActions, &fileActions}) {
        for (QAction* action : *list) {
            if (!action->isSeparator() && !pageEnabled.contains(action))
                addChannelAction(action);
        }
    }
    connect(&m_channelsPage->document(), &ChannelDocument::modifiedChanged, this, &MainWindow::showTableModified);
}

void MainWindow::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("stbConn"));
    bar->setFixedHeight(30);
    m_statusBarText = namedLabel("stbConnPanel0", QString(), bar);
    m_statusBarText->setFixedWidth(300);
    m_statusBarText->setFrameShape(QFrame::StyledPanel);
    m_statusBarText->setFrameShadow(QFrame::Sunken);
    bar->addWidget(m_statusBarText);
    // The free panel: the running operation's progress and "Cancel" (Esc).
    m_progress = new OperationProgress(m_link, bar);
    m_progress->cancelWithEscapeIn(this);
    bar->addWidget(m_progress, 1);
}

// ------------------------------------------------------------- life cycle

void MainWindow::connectLink()
{
    DeviceLink* link = &m_link;
    connect(link, &DeviceLink::statusText, this, &MainWindow::showStatus);
    // The device answers again: the red bar goes.
    connect(link, &DeviceLink::eventReceived, this, [this] {
        if (m_noConnectionShown)
            resetStatusBar();
    });
    connect(link, &DeviceLink::deviceIdShown, this, [this](const QString& id) {
        m_badgeId = id;
        showDeviceBadge();
    });
    connect(link, &DeviceLink::chosenPortMissing, this, &MainWindow::onChosenPortMissing);
    connect(link, &DeviceLink::statusBarReset, this, &MainWindow::resetStatusBar);
    connect(link, &DeviceLink::statusBarNoConnection, this, &MainWindow::showNoConnection);
    connect(link, &DeviceLink::messageBox, this, &MainWindow::showMessage);
    connect(link, &DeviceLink::errorRaised, this, &MainWindow::showError);
    connect(link, &DeviceLink::deviceTypeApplied, this, &MainWindow::onDeviceTypeApplied);
    connect(link, &DeviceLink::busyChanged, this, &MainWindow::onBusyChanged);
    connect(link, &DeviceLink::timerTicked, this, &MainWindow::restoreCursor);
    connect(link, &DeviceLink::portListsChanged, this, &MainWindow::showPortLists);
}

void MainWindow::listPorts()
{
    m_inputPorts->clear();
    m_inputPorts->addItems(m_link.inputPortNames());
    if (m_inputPorts->count() > 0)
        m_inputPorts->setCurrentIndex(0);
    m_outputPorts->clear();
    m_outputPorts->addItems(m_link.outputPortNames());
    if (m_outputPorts->count() > 0)
        m_outputPorts->setCurrentIndex(0);

    m_link.setSelectedPorts(m_inputPorts->currentText(), m_outputPorts->currentText());
    // A port that cannot be opened ends the start (program entry reads it back).
    if (Result<void> opened = m_link.openPorts(); !opened)
        m_startupError = errorText(opened.error());
    // Ports plugged in or out while the program runs show up within two looks.
    m_link.watchPorts(kPortListPollMs);
}

void MainWindow::showPortLists()
{
    m_inputPorts->setPorts(m_link.inputPortNames(), m_link.selectedInput(), m_link.inputMissing());
    m_outputPorts->setPorts(m_link.outputPortNames(), m_link.selectedOutput(), m_link.outputMissing());
}

void MainWindow::takeChosenPorts()
{
    // A port picked while the other list's port is gone: that list takes the
    // picked device's other port when it has one, so the choice works at once.
    if (!m_inputPorts->goneChosen() && m_outputPorts->goneChosen())
        m_outputPorts->chooseSameDevice(m_inputPorts->chosenPort());
    else if (!m_outputPorts->goneChosen() && m_inputPorts->goneChosen())
        m_inputPorts->chooseSameDevice(m_outputPorts->chosenPort());
    m_link.setSelectedPorts(m_inputPorts->chosenPort(), m_outputPorts->chosenPort());
}

void MainWindow::findDevice()
{
    // What the scan meets on the way (ports that vanished, ports it cannot
    // open) goes to Messages; its outcome is the choice and the status line.
    const QString connectedInput = m_link.inputMissing() ? QString() : m_link.selectedInput();
    const QString connectedOutput = m_link.outputMissing() ? QString() : m_link.selectedOutput();
    bool refused = false;
    bool cancelled = false;
    std::vector<FoundDevice> found;
    {
        const QMetaObject::Connection onCancel
            = connect(&m_link, &DeviceLink::cancelRequestedChanged, this, [&cancelled] { cancelled = true; });
        ++m_scanning;
        found = scanFromLink(m_link, &refused);
        --m_scanning;
        disconnect(onCancel);
    }
    if (refused || cancelled || found.empty())
        return; // the status line has said why
    QStringList descriptions;
    QStringList choices; // the device on the ports in use is marked
    for (const FoundDevice& d : found) {
        descriptions << tr("%1, ID %2: %3 / %4")
                            .arg(deviceTypeName(d.type), deviceIdText(d.deviceId), d.input,
                                 d.output.isEmpty() ? QStringLiteral("?") : d.output);
        const bool connected = d.input == connectedInput && d.output == connectedOutput;
        choices << (connected ? tr("%1 (connected)").arg(descriptions.last()) : descriptions.last());
    }
    int chosen = 0;
    if (found.size() > 1) {
        chosen = chooseDevice ? chooseDevice(choices) : -1;
        if (chosen < 0 || chosen >= int(found.size()))
            return;
    }
    const FoundDevice& device = found[size_t(chosen)];
    if (device.output.isEmpty()) {
        showError(tr("The device on %1 answered, but the output that reaches it is not known.").arg(device.input));
        return;
    }
    // Like the scan, the confirmation reopens the ports in use: what that
    // meets goes to Messages; its outcome is said once.
    ++m_scanning;
    const Result<void> confirmed = confirmFromLink(m_link, device);
    --m_scanning;
    if (!confirmed) {
        showError(errorText(confirmed.error())); // the scan's pairing is used only once the device confirmed it
        return;
    }
    m_link.refreshPorts();
    m_link.setSelectedPorts(device.input, device.output);
    if (reported(m_link.reopenPorts())) {
        showStatus(tr("Device chosen: %1").arg(descriptions.at(chosen)));
        m_badgeId = deviceIdText(device.deviceId);
        m_deviceBadge->setText(tr("%1, ID %2").arg(deviceTypeName(device.type), m_badgeId));
    }
    showPortLists();
}

void MainWindow::prepareFirstShow()
{
    if (m_developerRun) {
        if (m_debugWindow)
            m_debugWindow->show();
    } else {
        showPage(PageId::Channels);
    }
    m_firmwarePage->showWaitingForDevice(m_developerRun ? UploadIfSameOrOlder : ReadVersions);
    m_link.setDeviceType('X');
    showStatus(tr("Waiting for device..."));
    m_channelsPage->prepareEditRow();
    if (Result<void> loaded = loadSettings(); !loaded) {
        m_startupError = errorText(loaded.error());
        return;
    }
    m_channelsPage->resetEditRowSelections();
    m_modesPage->createModeSlots();
    offerRecovery();
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_firstShowDone)
        return;
    m_firstShowDone = true;
    if (!m_startupError.isEmpty())
        return;
    // Errors must not leave an event handler; program entry reads them back.
    try {
        prepareFirstShow();
    } catch (const std::exception& e) {
        m_startupError = QString::fromStdString(e.what());
        if (m_startupError.isEmpty())
            m_startupError = tr("Unknown error.");
    } catch (...) {
        m_startupError = tr("Unknown error.");
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!stopOperationFirst(&MainWindow::closeWindow)) {
        event->ignore();
        return;
    }
    if (!m_channelsPage->mayDropTable()) {
        event->ignore();
        return;
    }
    // A settings file that cannot be written is reported once; the program
    // ends all the same (a window that cannot be closed would trap the user).
    if (const Result<void> saved = saveSettings(); !saved)
        showError(errorText(saved.error()));
    event->accept();
    m_channelsPage->document().discardRecovery(); // a clean exit
    // Closing the main window ends the program, whatever other window is open.
    QCoreApplication::quit();
}

// ------------------------------------------------------------- PageHost

void MainWindow::showMessage(const QString& text)
{
    keepMessage(text);
    if (messageBox)
        messageBox(text);
}

void MainWindow::showError(const QString& text)
{
    keepMessage(text);
    // A scan's problems, and the errors that follow the first one while a
    // chosen port is gone (until the device action ends), are kept in
    // Messages only: one box says what happened.
    if (m_scanning > 0)
        return;
    if ((m_link.inputMissing() || m_link.outputMissing() || m_link.portLost()) && m_portErrorBoxes++ > 0)
        return;
    if (errorBox)
        errorBox(text);
}

void MainWindow::keepMessage(const QString& text)
{
    if (m_messages) // not yet while the pages are built
        m_messages->add(text);
}

void MainWindow::holdOperation(bool held)
{
    const bool before = operationRunning();
    m_holds = std::max(0, m_holds + (held ? 1 : -1));
    m_progress->setHeld(m_holds > 0);
    updateEnabledStates();
    if (before && !operationRunning())
        onOperationEnded();
}

// Selects a page from code: the page's values are not read.
void MainWindow::showPage(PageId page)
{
    const bool previous = m_pageChangeFromCode;
    m_pageChangeFromCode = true;
    m_pages->setCurrentIndex(indexOf(page));
    m_pageChangeFromCode = previous;
}

void MainWindow::lockWhileBusy(QObject* controlOrAction)
{
    addRole(controlOrAction, DeviceRole);
}

bool MainWindow::reopenPorts()
{
    // Reopening would cut off the reply another operation is waiting for.
    if (m_link.busy())
        return false;
    takeChosenPorts();
    return reported(m_link.reopenPorts());
}

// ------------------------------------------------------------- handlers

QWidget& MainWindow::calculatorWindow() const
{
    QWidget* calculator = m_channelsPage->findChild<QWidget*>(QStringLiteral("CalcForm"));
    Q_ASSERT(calculator);
    return *calculator;
}

bool MainWindow::reported(const Result<void>& step)
{
    if (step)
        return true;
    showError(errorText(step.error()));
    return false;
}

void MainWindow::onInputPortChosen()
{
    if (m_inputPorts->goneChosen())
        return; // nothing to open until it is back
    WaitCursor hourglass;
    if (reopenPorts())
        clearDeviceBadge();
    showPortLists();
}

void MainWindow::onOutputPortChosen()
{
    if (m_outputPorts->goneChosen())
        return; // nothing to open until it is back
    WaitCursor hourglass;
    if (reopenPorts())
        clearDeviceBadge();
    showPortLists();
}

void MainWindow::clearDeviceData()
{
    showPage(PageId::Channels);
    vantorel::clearDeviceData(m_link);
}

void MainWindow::showLanguageWindow()
{
    if (!m_languageWindow)
        return;
    m_languageWindow->show();
    m_languageWindow->raise();
    m_languageWindow->activateWindow();
}

void MainWindow::exitProgram()
{
    if (!stopOperationFirst(&MainWindow::exitProgram))
        return;
    if (!m_channelsPage->mayDropTable())
        return;
    m_channelsPage->document().discardRecovery();
    // Ends the program at once: no window is closed, so the settings are not saved.
    QCoreApplication::exit(0);
}

void MainWindow::showTableModified(bool modified)
{
    // Qt's own marker needs "[*]" in the title, which would change the text
    // the title reports; the window shows the marker after the unchanged text.
    setAttribute(Qt::WA_WindowModified, modified);
    if (QWindow* window = windowHandle())
        window->setTitle(windowTitle() + (modified ? QStringLiteral("*") : QString()));
}

void MainWindow::onCurrentPageChanged(int index)
{
    if (m_pageChangeFromCode) {
        // The channel menus follow the page shown, whoever switched it.
        m_channelMenusEnabled = index != indexOf(PageId::Firmware) && index != indexOf(PageId::Modes);
        updateEnabledStates();
        return;
    }
    onPageChosen(index);
}

void MainWindow::onPageChosen(int index)
{
    showStatus(QStringLiteral("-"));
    m_channelMenusEnabled = index != indexOf(PageId::Firmware) && index != indexOf(PageId::Modes);
    updateEnabledStates();

    tellPageShown(index);
}

void MainWindow::tellPageShown(int index)
{
    if (m_link.busy()) {
        if (!m_pageReadPending) {
            m_pageReadPending = true;
            connect(
                &m_link, &DeviceLink::busyChanged, this,
                [this] {
                    m_pageReadPending = false;
                    // The page shown by then is read, after the ending operation has returned.
                    QMetaObject::invokeMethod(
                        this, [this] { tellPageShown(m_pages->currentIndex()); }, Qt::QueuedConnection);
                },
                Qt::SingleShotConnection);
        }
        return;
    }
    if (auto* page = qobject_cast<Page*>(m_pages->widget(index)))
        page->pageShown();
}

void MainWindow::setModesPageVisible(bool visible)
{
    const bool previous = m_pageChangeFromCode;
    m_pageChangeFromCode = true;
    m_pages->setTabVisible(indexOf(PageId::Modes), visible);
    m_pageChangeFromCode = previous;
}

// ------------------------------------------------------- link reports

// The modes page exists for Basic and Eco only.
void MainWindow::onDeviceTypeApplied(char letter)
{
    showDeviceBadge();
    if (const std::optional<DeviceType> type = deviceTypeFromLetter(letter))
        setModesPageVisible(*type != DeviceType::Pro);
}

void MainWindow::resetStatusBar()
{
    statusBar()->clearMessage();
    m_statusBarText->setText(QString()); // unlike clear(), tells a screen reader
    statusBar()->setAutoFillBackground(false);
    statusBar()->setPalette(QPalette());
    m_statusBarText->setPalette(QPalette());
    m_noConnectionShown = false;
}

void MainWindow::showNoConnection()
{
    QPalette bar = statusBar()->palette();
    bar.setColor(QPalette::Window, QColor(255, 0, 0));
    statusBar()->setPalette(bar);
    statusBar()->setAutoFillBackground(true);
    m_noConnectionShown = true;
    m_statusBarText->setText(tr("No connection with device"));
}

void MainWindow::restoreCursor()
{
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
    unsetCursor();
}

void MainWindow::onBusyChanged(bool busy)
{
    const bool before = operationRunning();
    m_busy = busy;
    updateEnabledStates();
    if (before && !operationRunning())
        onOperationEnded();
}

void MainWindow::onOperationEnded()
{
    m_portErrorBoxes = 0;
    // A device action while a chosen port is gone: the status says so
    // rather than what the action began with.
    if (m_link.inputMissing() || m_link.outputMissing()) {
        showStatus(m_link.inputMissing() ? tr("The MIDI input port \"%1\" is gone.").arg(m_link.selectedInput())
                                         : tr("The MIDI output port \"%1\" is gone.").arg(m_link.selectedOutput()));
    }
    if (auto then = std::exchange(m_afterOperation, nullptr)) {
        // What the device holds after the stop, then the close (once the
        // ending operation has returned).
        showMessage(m_status->text());
        QMetaObject::invokeMethod(this, then, Qt::QueuedConnection);
    }
}

bool MainWindow::stopOperationFirst(void (MainWindow::*then)())
{
    if (!operationRunning())
        return true;
    if (m_afterOperation) {
        m_link.requestCancel(); // asked already; the stop is under way
        return false;
    }
    if (!askStopAndClose || !askStopAndClose())
        return false;
    m_afterOperation = then;
    m_link.requestCancel();
    return false;
}

// ------------------------------------------------------- status line

void MainWindow::showStatus(const QString& text)
{
    m_status->setText(text);
    if (text == QLatin1String("-"))
        return;
    m_messages->add(text);
    // Something the line cannot show in full: Messages shows it.
    if (m_status->isCut() && !m_messages->isVisible())
        m_messages->show();
}

// ------------------------------------------------------- ports and device

void MainWindow::showDeviceBadge()
{
    if (m_badgeId.isEmpty() || m_link.inputMissing() || m_link.outputMissing()) {
        m_deviceBadge->clear();
        return;
    }
    m_deviceBadge->setText(tr("%1, ID %2").arg(deviceTypeName(m_link.deviceType()), m_badgeId));
}

void MainWindow::clearDeviceBadge()
{
    m_badgeId.clear();
    m_deviceBadge->clear();
}

void MainWindow::onChosenPortMissing(bool, bool missing, const QString&)
{
    m_portErrorBoxes = 0;
    if (missing)
        clearDeviceBadge();
    showPortLists();
}

// ------------------------------------------------------- enabled states

void MainWindow::addChannelAction(QAction* action)
{
    addRole(action, ChannelRole);
}

void MainWindow::addRole(QObject* object, int role)
{
    if (!object)
        return;
    std::erase_if(m_roles, [](const RoleEntry& entry) { return entry.object.isNull(); });
    const auto known = std::find_if(m_roles.begin(), m_roles.end(),
                                    [object](const RoleEntry& entry) { return entry.object == object; });
    if (known != m_roles.end())
        known->roles |= role;
    else
        m_roles.push_back({object, role});
    updateEnabledStates();
}

void MainWindow::updateEnabledStates()
{
    for (const RoleEntry& entry : m_roles) {
        const int role = entry.roles;
        const bool enabled
            = !((role & DeviceRole) && operationRunning()) && !((role & ChannelRole) && !m_channelMenusEnabled);
        if (auto* widget = qobject_cast<QWidget*>(entry.object))
            widget->setEnabled(enabled);
        else if (auto* action = qobject_cast<QAction*>(entry.object))
            action->setEnabled(enabled);
    }
}

} // namespace vantorel
