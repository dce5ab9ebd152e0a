#include "app/gui/TDmxUserMainForm.h"

#include "app/link/DeviceLink.h"
#include "app/link/DeviceOperations.h"
#include "channels/gui/ChannelsPage.h"
#include "settings/gui/FormPosition.h"
#include "modes/gui/ModesPage.h"
#include "firmware/gui/FirmwareFilePanel.h"
#include "firmware/gui/FirmwareServicePanel.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QDoubleSpinBox>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <climits>
#include <cstdint>
#include <exception>

namespace {

const char* const kCaption = "VANTOREL Control Center";
const char* const kBuildStamp = "2018.04.24 10:24:25";
const QColor kMaroon(0x80, 0x00, 0x00);
const QColor kPurple(0x80, 0x00, 0x80);

template <typename W>
W* named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel* label(const char* name, const QString& text, QWidget* parent)
{
    return named(new QLabel(text, parent), name);
}

QPushButton* button(const char* name, const QString& text, QWidget* parent)
{
    return named(new QPushButton(text, parent), name);
}

QFrame* panel(const char* name, QWidget* parent)
{
    auto* frame = named(new QFrame(parent), name);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Raised);
    return frame;
}

void setBold(QLabel* lbl, const QColor* colour = nullptr, int pointSizeDelta = 0)
{
    QFont font = lbl->font();
    font.setBold(true);
    if (pointSizeDelta != 0)
        font.setPointSize(font.pointSize() + pointSizeDelta);
    lbl->setFont(font);
    if (colour) {
        QPalette pal = lbl->palette();
        pal.setColor(QPalette::WindowText, *colour);
        lbl->setPalette(pal);
    }
}

// Message texts carry CR LF line breaks; boxes show them as plain breaks.
QString displayText(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// The hourglass while the ports are reopened, the default cursor afterwards
// (also when reopening fails).
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

TDmxUserMainForm::TDmxUserMainForm(DeviceLink& link, bool developerRun, QWidget* parent)
    : TDmxUserMainForm(link, developerRun, SettingsFiles{}, parent)
{
}

TDmxUserMainForm::TDmxUserMainForm(DeviceLink& link, bool developerRun, SettingsFiles settings, QWidget* parent)
    : QMainWindow(parent)
    , m_link(link)
    , m_developerRun(developerRun)
    , m_settingsFiles(std::move(settings))
{
    showMessage = [this](const QString& text) { defaultShowMessage(text); };
    showError = [this](const QString& text) { defaultShowError(text); };

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
    centralLayout->addWidget(pnlConnections);

    pgcMain = named(new QTabWidget(central), "pgcMain");
    pgcMain->addTab(buildUserModePage(), QStringLiteral("User Mode channels settings"));
    pgcMain->addTab(buildSpecialsPage(), QStringLiteral("Additional Settings"));
    pgcMain->addTab(buildBasicModePage(), QStringLiteral("Basic/Eco modes configuration"));
    pgcMain->addTab(buildFirmwarePage(), QStringLiteral("Firmware Upload"));
    // A developer run opens on the firmware page; others on the channel page.
    pgcMain->setCurrentIndex(m_developerRun ? PageFWUpload : PageUserMode);
    m_link.setFirmwarePageShown(pgcMain->currentIndex() == PageFWUpload);
    centralLayout->addWidget(pgcMain, 1);
    setCentralWidget(central);
    buildStatusBar();
    channels = new ChannelsPage(*this);
    modesPage = new ModesPage(*this);
    firmwareFile = new FirmwareFilePanel(*this);
    firmwareService = new FirmwareServicePanel(*this);

    for (QWidget* w : {static_cast<QWidget*>(btnReset), static_cast<QWidget*>(Button1),
                       static_cast<QWidget*>(btnResetDev), static_cast<QWidget*>(btnlngSetNoteOffAction),
                       static_cast<QWidget*>(btnlngSetZeroValueOffset), static_cast<QWidget*>(btnGetDeviceType),
                       static_cast<QWidget*>(btnlngEnterProgrammingMode), static_cast<QWidget*>(btnSetDevNbr),
                       static_cast<QWidget*>(btnSendCommonMsg), static_cast<QWidget*>(Button2),
                       static_cast<QWidget*>(cbxInPorts), static_cast<QWidget*>(cbxOutPorts)})
        addDeviceControl(w);
    addDeviceAction(milngClearDataInDevice);
    addChannelAction(milngUserTools->menuAction());
    addChannelAction(milngSettings->menuAction());

    connectLink();
    connect(pgcMain, &QTabWidget::currentChanged, this, &TDmxUserMainForm::onCurrentPageChanged);

    FormCreate();
}

TDmxUserMainForm::~TDmxUserMainForm()
{
    // The child widgets outlive this part of the object: stop their notices.
    for (auto it = m_roles.cbegin(); it != m_roles.cend(); ++it)
        disconnect(it.key(), &QObject::destroyed, this, nullptr);
}

// ---------------------------------------------------------------- layout

void TDmxUserMainForm::buildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    milngFile = named(bar->addMenu(QStringLiteral("File and device operations")), "milngFile");
    milngFile->menuAction()->setObjectName(QStringLiteral("milngFile"));
    milngClearDataInDevice = named(milngFile->addAction(QStringLiteral("Clear data in device")), "milngClearDataInDevice");
    connect(milngClearDataInDevice, &QAction::triggered, this, &TDmxUserMainForm::milngClearDataInDeviceClick);
    milngFile->addSeparator();
    milngExit = named(milngFile->addAction(QStringLiteral("Exit")), "milngExit");
    milngExit->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    connect(milngExit, &QAction::triggered, this, &TDmxUserMainForm::milngExitClick);

    milngUserTools = named(bar->addMenu(QStringLiteral("User Mode Tools")), "milngUserTools");
    milngUserTools->menuAction()->setObjectName(QStringLiteral("milngUserTools"));

    milngSettings = named(bar->addMenu(QStringLiteral("Settings")), "milngSettings");
    milngSettings->menuAction()->setObjectName(QStringLiteral("milngSettings"));
    milngLanguage = named(milngSettings->addAction(QStringLiteral("Language")), "milngLanguage");
    milngLanguage->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    milngLanguage->setVisible(m_developerRun);
    connect(milngLanguage, &QAction::triggered, this, &TDmxUserMainForm::milngLanguageClick);
}

void TDmxUserMainForm::buildConnectionsPanel(QWidget* central)
{
    pnlConnections = panel("pnlConnections", central);
    pnlConnections->setFixedHeight(57);
    auto* grid = new QGridLayout(pnlConnections);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(2);

    Label1 = label("Label1", QStringLiteral("MIDI Input"), pnlConnections);
    cbxInPorts = named(new QComboBox(pnlConnections), "cbxInPorts");
    cbxInPorts->setFixedWidth(220);
    LabelMo = label("LabelMo", QStringLiteral("MIDI Output"), pnlConnections);
    cbxOutPorts = named(new QComboBox(pnlConnections), "cbxOutPorts");
    cbxOutPorts->setFixedWidth(220);
    lbllngStat = label("lbllngStat", QStringLiteral("Status:"), pnlConnections);
    setBold(lbllngStat);
    lbllngStatMsg = label("lbllngStatMsg", QStringLiteral("-"), pnlConnections);
    setBold(lbllngStatMsg, &kMaroon);

    grid->addWidget(Label1, 0, 0);
    grid->addWidget(cbxInPorts, 1, 0);
    grid->addWidget(LabelMo, 0, 1);
    grid->addWidget(cbxOutPorts, 1, 1);
    grid->addWidget(lbllngStat, 1, 2);
    grid->addWidget(lbllngStatMsg, 1, 3);
    grid->setColumnStretch(3, 1);

    connect(cbxInPorts, &QComboBox::activated, this, &TDmxUserMainForm::cbxInPortsChange);
    connect(cbxOutPorts, &QComboBox::activated, this, &TDmxUserMainForm::cbxOutPortsChange);
}

QWidget* TDmxUserMainForm::buildUserModePage()
{
    tslngUserMode = named(new QWidget, "tslngUserMode");
    auto* layout = new QVBoxLayout(tslngUserMode);
    layout->setContentsMargins(4, 4, 4, 4);
    return tslngUserMode;
}

QWidget* TDmxUserMainForm::buildSpecialsPage()
{
    tslngSpecials = named(new QWidget, "tslngSpecials");
    auto* grid = new QGridLayout(tslngSpecials);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(12);

    cblngNoteOffActions = named(new QCheckBox(QStringLiteral("Use Note Off"), tslngSpecials), "cblngNoteOffActions");
    btnlngSetNoteOffAction = button("btnlngSetNoteOffAction", QStringLiteral("Set Note Off action in predefined Modes"), tslngSpecials);
    sedZeroValueOffset = named(new QSpinBox(tslngSpecials), "sedZeroValueOffset");
    sedZeroValueOffset->setRange(0, 10);
    sedZeroValueOffset->setFixedWidth(60);
    btnlngSetZeroValueOffset = button("btnlngSetZeroValueOffset", QStringLiteral("Set CC Zero Value Offset"), tslngSpecials);

    grid->addWidget(cblngNoteOffActions, 0, 0);
    grid->addWidget(btnlngSetNoteOffAction, 0, 1);
    grid->addWidget(sedZeroValueOffset, 1, 0);
    grid->addWidget(btnlngSetZeroValueOffset, 1, 1);
    grid->setColumnMinimumWidth(0, 120);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(2, 1);

    connect(btnlngSetNoteOffAction, &QPushButton::clicked, this, &TDmxUserMainForm::btnlngSetNoteOffActionClick);
    connect(btnlngSetZeroValueOffset, &QPushButton::clicked, this, &TDmxUserMainForm::btnlngSetZeroValueOffsetClick);
    return tslngSpecials;
}

QWidget* TDmxUserMainForm::buildBasicModePage()
{
    tslngBasicMode = named(new QWidget, "tslngBasicMode");
    auto* layout = new QVBoxLayout(tslngBasicMode);
    layout->setContentsMargins(4, 4, 4, 4);

    lblBasicModesInfo = label("lblBasicModesInfo",
        QStringLiteral("This page is for VANTOREL Basic/Eco device only and will be not visible when VANTOREL Pro will be indentified."),
        tslngBasicMode);
    lblBasicModesInfo->setWordWrap(true);
    setBold(lblBasicModesInfo, &kPurple);
    layout->addWidget(lblBasicModesInfo);
    layout->addStretch(1);

    pnlModesControl = panel("pnlModesControl", tslngBasicMode);
    auto* controls = new QHBoxLayout(pnlModesControl);
    controls->setContentsMargins(8, 6, 8, 6);
    controls->addStretch(1);
    btnReset = button("btnReset", QStringLiteral("Restart device"), pnlModesControl);
    controls->addWidget(btnReset);
    layout->addWidget(pnlModesControl);

    connect(btnReset, &QPushButton::clicked, this, &TDmxUserMainForm::btnResetDeviceClick);
    return tslngBasicMode;
}

QWidget* TDmxUserMainForm::buildFirmwarePage()
{
    tslngFWUpload = named(new QWidget, "tslngFWUpload");
    auto* page = new QVBoxLayout(tslngFWUpload);
    page->setContentsMargins(4, 4, 4, 4);
    page->setSpacing(4);

    // Panel1: status, the loaded file, the device, the upload mode.
    Panel1 = panel("Panel1", tslngFWUpload);
    auto* p1 = new QVBoxLayout(Panel1);
    p1->setContentsMargins(10, 6, 10, 8);
    p1->setSpacing(6);

    lbllngFWStatMsg = label("lbllngFWStatMsg", QStringLiteral("-"), Panel1);
    setBold(lbllngFWStatMsg, &kMaroon, 3);
    p1->addWidget(lbllngFWStatMsg);

    lbllngUploader = label("lbllngUploader", QStringLiteral("Uploader:"), Panel1);
    setBold(lbllngUploader);
    lbllng7 = label("lbllng7", QStringLiteral("Firmware date:"), Panel1);
    lblFWDate = label("lblFWDate", QString(), Panel1);
    lbllng2 = label("lbllng2", QStringLiteral("Firmware type:"), Panel1);
    lblFWType = label("lblFWType", QString(), Panel1);

    lbllngInChip = label("lbllngInChip", QStringLiteral("Device:"), Panel1);
    setBold(lbllngInChip);
    lbllng5 = label("lbllng5", QStringLiteral("Bootloader date:"), Panel1);
    lblBLDate = label("lblBLDate", QString(), Panel1);
    lbllng6 = label("lbllng6", QStringLiteral("Firmware date:"), Panel1);
    lblSWDate = label("lblSWDate", QString(), Panel1);
    lbllng8 = label("lbllng8", QStringLiteral("Device ID:"), Panel1);
    lblDevID = label("lblDevID", QString(), Panel1);
    lbllng4 = label("lbllng4", QStringLiteral("Device type:"), Panel1);
    lblDevType = label("lblDevType", QString(), Panel1);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(16);
    auto* info = new QGridLayout;
    info->setHorizontalSpacing(10);
    info->setVerticalSpacing(4);
    int row = 0;
    info->addWidget(lbllngUploader, row++, 0, 1, 2);
    for (auto [caption, value] : {std::pair{lbllng7, lblFWDate}, std::pair{lbllng2, lblFWType}}) {
        info->addWidget(caption, row, 0, Qt::AlignRight);
        info->addWidget(value, row++, 1);
    }
    info->setRowMinimumHeight(row++, 6);
    info->addWidget(lbllngInChip, row++, 0, 1, 2);
    for (auto [caption, value] : {std::pair{lbllng5, lblBLDate}, std::pair{lbllng6, lblSWDate},
                                  std::pair{lbllng8, lblDevID}, std::pair{lbllng4, lblDevType}}) {
        info->addWidget(caption, row, 0, Qt::AlignRight);
        info->addWidget(value, row++, 1);
    }
    info->setColumnMinimumWidth(0, 120);
    info->setColumnStretch(1, 1);
    info->setRowStretch(row, 1);
    columns->addLayout(info, 1);

    auto* right = new QVBoxLayout;
    rglngMode = named(new QGroupBox(QStringLiteral("Firmware upload mode"), Panel1), "rglngMode");
    auto* modes = new QVBoxLayout(rglngMode);
    modes->setSpacing(2);
    rglngModeItems = new QButtonGroup(rglngMode);
    rglngModeItems->setObjectName(QStringLiteral("rglngModeItems"));
    const char* const modeItems[] = {"Read BL && FW version", "Upload FW if newer", "Upload FW if same or older", "Interface test"};
    for (int i = 0; i < 4; ++i) {
        auto* item = new QRadioButton(QString::fromLatin1(modeItems[i]), rglngMode);
        item->setObjectName(QStringLiteral("rglngModeItem%1").arg(i));
        rglngModeItems->addButton(item, i);
        modes->addWidget(item);
    }
    right->addWidget(rglngMode);

    lbllng14 = label("lbllng14", QStringLiteral("Interface test passes OK:"), Panel1);
    lbllngPasses = label("lbllngPasses", QStringLiteral("0"), Panel1);
    setBold(lbllngPasses);
    auto* passes = new QHBoxLayout;
    passes->addWidget(lbllng14);
    passes->addWidget(lbllngPasses, 1);
    right->addLayout(passes);
    right->addStretch(1);
    Button1 = button("Button1", QStringLiteral("Restart device"), Panel1);
    right->addWidget(Button1, 0, Qt::AlignRight);
    columns->addLayout(right, 1);
    p1->addLayout(columns);
    page->addWidget(Panel1);

    // Panel3: the firmware file and the device requests.
    Panel3 = panel("Panel3", tslngFWUpload);
    auto* p3 = new QGridLayout(Panel3);
    p3->setContentsMargins(10, 6, 10, 6);
    p3->setVerticalSpacing(4);
    btnLoadFirmware = button("btnLoadFirmware", QStringLiteral("Load firmware file"), Panel3);
    btnGetDeviceType = button("btnGetDeviceType", QStringLiteral("Read device type"), Panel3);
    btnlngEnterProgrammingMode = button("btnlngEnterProgrammingMode", QStringLiteral("Enter Programming Mode for VANTOREL Basic/Eco"), Panel3);
    p3->addWidget(btnLoadFirmware, 0, 0);
    p3->addWidget(btnGetDeviceType, 0, 1);
    p3->addWidget(btnlngEnterProgrammingMode, 0, 2);
    p3->setColumnStretch(3, 1);
    auto* lastLoaded = new QHBoxLayout;
    lbllng16 = label("lbllng16", QStringLiteral("Last loaded: "), Panel3);
    lblCurFile = label("lblCurFile", QString(), Panel3);
    lblCurFileDate = label("lblCurFileDate", QString(), Panel3);
    lblCurFile->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lastLoaded->addWidget(lbllng16);
    lastLoaded->addWidget(lblCurFile, 1);
    lastLoaded->addWidget(lblCurFileDate);
    p3->addLayout(lastLoaded, 1, 0, 1, 4);
    page->addWidget(Panel3);
    page->addStretch(1);

    // pnlService: developer runs only.
    pnlService = panel("pnlService", tslngFWUpload);
    auto* service = new QHBoxLayout(pnlService);
    service->setContentsMargins(8, 4, 8, 4);
    btnSetDevNbr = button("btnSetDevNbr", QStringLiteral("Set Device ID"), pnlService);
    // Device IDs are 32-bit unsigned; a double holds every one of them exactly.
    sedDevNbr = named(new QDoubleSpinBox(pnlService), "sedDevNbr");
    sedDevNbr->setDecimals(0);
    sedDevNbr->setRange(0, double(UINT32_MAX));
    sedDevNbr->setMinimumWidth(90);
    btnResetDev = button("btnResetDev", QStringLiteral("Restart device"), pnlService);
    btnSendCommonMsg = button("btnSendCommonMsg", QStringLiteral("Send Common Msg ->>"), pnlService);
    cbxCommonMsg = named(new QComboBox(pnlService), "cbxCommonMsg");
    cbxCommonMsg->addItems(CommonMessageNames());
    cbxCommonMsg->setCurrentIndex(0);
    Button2 = button("Button2", QStringLiteral("Button2"), pnlService);
    service->addWidget(btnSetDevNbr);
    service->addWidget(sedDevNbr);
    service->addSpacing(12);
    service->addWidget(btnResetDev);
    service->addSpacing(12);
    service->addWidget(btnSendCommonMsg);
    service->addWidget(cbxCommonMsg);
    service->addStretch(1);
    service->addWidget(Button2);
    pnlService->setVisible(m_developerRun);
    page->addWidget(pnlService);

    connect(Button1, &QPushButton::clicked, this, &TDmxUserMainForm::btnResetDeviceClick);
    connect(btnResetDev, &QPushButton::clicked, this, &TDmxUserMainForm::btnResetDeviceClick);
    connect(btnGetDeviceType, &QPushButton::clicked, this, &TDmxUserMainForm::btnGetDeviceTypeClick);
    connect(btnSendCommonMsg, &QPushButton::clicked, this, &TDmxUserMainForm::btnSendCommonMsgClick);
    connect(Button2, &QPushButton::clicked, this, &TDmxUserMainForm::Button2Click);
    return tslngFWUpload;
}

void TDmxUserMainForm::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("stbConn"));
    bar->setFixedHeight(30);
    stbConnPanel0 = label("stbConnPanel0", QString(), bar);
    stbConnPanel0->setFixedWidth(300);
    stbConnPanel0->setFrameShape(QFrame::StyledPanel);
    stbConnPanel0->setFrameShadow(QFrame::Sunken);
    bar->addWidget(stbConnPanel0);
}

// ------------------------------------------------------------- life cycle

void TDmxUserMainForm::connectLink()
{
    DeviceLink* link = &m_link;
    connect(link, &DeviceLink::statusText, lbllngStatMsg, &QLabel::setText);
    connect(link, &DeviceLink::firmwareStatusText, lbllngFWStatMsg, &QLabel::setText);
    connect(link, &DeviceLink::statusBarReset, this, &TDmxUserMainForm::statusBarReset);
    connect(link, &DeviceLink::statusBarNoConnection, this, &TDmxUserMainForm::statusBarNoConnection);
    connect(link, &DeviceLink::messageBox, this, [this](const QString& text) { showMessage(text); });
    connect(link, &DeviceLink::errorRaised, this, [this](const QString& text) { showError(text); });
    connect(link, &DeviceLink::deviceTypeApplied, this, &TDmxUserMainForm::applyDeviceType);
    connect(link, &DeviceLink::deviceIdShown, lblDevID, &QLabel::setText);
    connect(link, &DeviceLink::bootloaderDateShown, lblBLDate, &QLabel::setText);
    connect(link, &DeviceLink::firmwareDateShown, lblSWDate, &QLabel::setText);
    connect(link, &DeviceLink::deviceOptionsRead, this, [this](bool noteOff, int zeroValueOffset) {
        cblngNoteOffActions->setChecked(noteOff);
        sedZeroValueOffset->setValue(zeroValueOffset);
    });
    connect(link, &DeviceLink::busyChanged, this, &TDmxUserMainForm::onBusyChanged);
    connect(link, &DeviceLink::timerTicked, this, &TDmxUserMainForm::restoreCursor);
}

void TDmxUserMainForm::FormCreate()
{
    RestoreFormPosition(*this, m_settingsFiles.positionIni);

    cbxInPorts->clear();
    cbxInPorts->addItems(m_link.inputPortNames());
    if (cbxInPorts->count() > 0)
        cbxInPorts->setCurrentIndex(0);
    cbxOutPorts->clear();
    cbxOutPorts->addItems(m_link.outputPortNames());
    if (cbxOutPorts->count() > 0)
        cbxOutPorts->setCurrentIndex(0);

    m_link.setSelectedPorts(cbxInPorts->currentText(), cbxOutPorts->currentText());
    m_link.OpenPorts();

    setWindowTitle(QString::fromLatin1(kCaption) + QStringLiteral("; Ver: ") + QString::fromLatin1(kBuildStamp));

    // Developer-only controls: a developer run, or "DebugOn" in the settings.
    const int debugOn = ReadProgramSettings(ReadIniFile(m_settingsFiles.programIni), std::string()).debugOn;
    m_developerControls = m_developerRun || debugOn != 0;
    pnlService->setVisible(m_developerControls);
    milngLanguage->setVisible(m_developerControls);
}

void TDmxUserMainForm::FormShow()
{
    setUploadMode(0);
    if (m_developerRun) {
        if (m_debugWindow)
            m_debugWindow->show();
        setUploadMode(2);
    } else {
        selectPage(PageUserMode);
    }
    for (QLabel* lbl : {lblBLDate, lblSWDate, lblFWDate, lblFWType, lblDevID, lblDevType})
        lbl->clear();
    m_link.setDeviceType('X');
    m_link.setFirmwareType('X');
    lbllngStatMsg->setText(QStringLiteral("Waiting for device..."));
    lbllngFWStatMsg->setText(QStringLiteral("Waiting for device..."));
    channels->FormShowEditRow();
    LoadIniSettings();
    channels->FormShowResetSelections();
    modesPage->CreateModeSlots();
}

void TDmxUserMainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_firstShowDone)
        return;
    m_firstShowDone = true;
    // Errors must not leave an event handler; program entry reads them back.
    try {
        FormShow();
    } catch (const std::exception& e) {
        m_startupError = QString::fromStdString(e.what());
        if (m_startupError.isEmpty())
            m_startupError = QStringLiteral("Unknown error.");
    } catch (...) {
        m_startupError = QStringLiteral("Unknown error.");
    }
}

void TDmxUserMainForm::closeEvent(QCloseEvent* event)
{
    // A settings file that cannot be written is reported once; the program
    // ends all the same (a window that cannot be closed would trap the user).
    try {
        SaveIniSettings();
    } catch (const std::exception& e) {
        showError(QString::fromStdString(e.what()));
    }
    event->accept();
    // Closing the main window ends the program, whatever other window is open.
    QCoreApplication::quit();
}

// ------------------------------------------------------------- handlers

template <typename Step>
bool TDmxUserMainForm::reported(Step&& step)
{
    try {
        step();
        return true;
    } catch (const std::exception& e) {
        showError(QString::fromStdString(e.what()));
    }
    return false;
}

bool TDmxUserMainForm::reopenSelectedPorts()
{
    // Reopening would cut off the reply another operation is waiting for.
    if (m_link.busy())
        return false;
    m_link.setSelectedPorts(cbxInPorts->currentText(), cbxOutPorts->currentText());
    return reported([this] { m_link.ReopenPorts(); });
}

void TDmxUserMainForm::btnResetDeviceClick()
{
    RestartDevice(m_link);
}

void TDmxUserMainForm::btnlngSetNoteOffActionClick()
{
    SetNoteOffAction(m_link, cblngNoteOffActions->isChecked());
}

void TDmxUserMainForm::btnlngSetZeroValueOffsetClick()
{
    SetZeroValueOffset(m_link, sedZeroValueOffset->value());
}

void TDmxUserMainForm::btnSendCommonMsgClick()
{
    SendCommonMessage(m_link, cbxCommonMsg->currentIndex());
}

void TDmxUserMainForm::btnGetDeviceTypeClick()
{
    if (reopenSelectedPorts())
        ReadDeviceInformation(m_link);
}

void TDmxUserMainForm::Button2Click()
{
    reopenSelectedPorts();
}

void TDmxUserMainForm::cbxInPortsChange()
{
    WaitCursor hourglass;
    reopenSelectedPorts();
}

void TDmxUserMainForm::cbxOutPortsChange()
{
    WaitCursor hourglass;
    reopenSelectedPorts();
}

void TDmxUserMainForm::milngClearDataInDeviceClick()
{
    selectPage(PageUserMode);
    ClearDeviceData(m_link);
}

void TDmxUserMainForm::milngLanguageClick()
{
    if (!m_languageWindow)
        return;
    m_languageWindow->show();
    m_languageWindow->raise();
    m_languageWindow->activateWindow();
}

void TDmxUserMainForm::milngExitClick()
{
    // Ends the program at once: no window is closed, so nothing is saved.
    QCoreApplication::exit(0);
}

void TDmxUserMainForm::onCurrentPageChanged(int index)
{
    m_link.setFirmwarePageShown(index == PageFWUpload);
    if (m_pageChangeFromCode) {
        // The channel menus follow the page shown, whoever switched it.
        m_channelMenusEnabled = index != PageFWUpload && index != PageBasicMode;
        updateEnabledStates();
        return;
    }
    pgcMainChange(index);
}

void TDmxUserMainForm::pgcMainChange(int index)
{
    lbllngStatMsg->setText(QStringLiteral("-"));
    m_channelMenusEnabled = index != PageFWUpload && index != PageBasicMode;
    updateEnabledStates();
    m_link.setFirmwarePageShown(index == PageFWUpload);

    if (m_link.MidiInput_1().DeviceCount() <= 0)
        return;
    readPageFromDevice(index);
}

void TDmxUserMainForm::readPageFromDevice(int index)
{
    if (m_link.busy()) {
        if (!m_pageReadPending) {
            m_pageReadPending = true;
            connect(&m_link, &DeviceLink::busyChanged, this, [this] {
                m_pageReadPending = false;
                // The page shown by then is read, after the ending operation has returned.
                QMetaObject::invokeMethod(this, [this] { readPageFromDevice(pgcMain->currentIndex()); },
                                          Qt::QueuedConnection);
            }, Qt::SingleShotConnection);
        }
        return;
    }
    if (index == PageBasicMode) {
        ReadDeviceInformation(m_link);
    } else if (index == PageSpecials) {
        const OpResult result = ReadDeviceOptions(m_link);
        if (result != OpResult::Busy && result != OpResult::Failed && m_link.deviceType() == 'P')
            ReadDeviceInformation(m_link);
    }
}

void TDmxUserMainForm::selectPage(int index)
{
    const bool previous = m_pageChangeFromCode;
    m_pageChangeFromCode = true;
    pgcMain->setCurrentIndex(index);
    m_pageChangeFromCode = previous;
}

void TDmxUserMainForm::setModesPageVisible(bool visible)
{
    const bool previous = m_pageChangeFromCode;
    m_pageChangeFromCode = true;
    pgcMain->setTabVisible(PageBasicMode, visible);
    m_pageChangeFromCode = previous;
}

// ------------------------------------------------------- link reports

void TDmxUserMainForm::applyDeviceType(char letter)
{
    switch (letter) {
    case 'P':
        lblDevType->setText(QStringLiteral("VANTOREL Pro"));
        setModesPageVisible(false);
        btnlngEnterProgrammingMode->hide();
        lblBasicModesInfo->hide();
        break;
    case 'B':
    case 'E':
        lblDevType->setText(letter == 'B' ? QStringLiteral("VANTOREL Basic") : QStringLiteral("VANTOREL Eco"));
        setModesPageVisible(true);
        btnlngEnterProgrammingMode->show();
        lblBasicModesInfo->hide();
        break;
    default:
        break;
    }
}

void TDmxUserMainForm::statusBarReset()
{
    statusBar()->clearMessage();
    stbConnPanel0->clear();
    statusBar()->setAutoFillBackground(false);
    statusBar()->setPalette(QPalette());
    stbConnPanel0->setPalette(QPalette());
}

void TDmxUserMainForm::statusBarNoConnection()
{
    QPalette bar = statusBar()->palette();
    bar.setColor(QPalette::Window, QColor(255, 0, 0));
    statusBar()->setPalette(bar);
    statusBar()->setAutoFillBackground(true);
    stbConnPanel0->setText(QStringLiteral("No connection with device"));
}

void TDmxUserMainForm::restoreCursor()
{
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
    unsetCursor();
}

void TDmxUserMainForm::onBusyChanged(bool busy)
{
    m_busy = busy;
    updateEnabledStates();
}

// ------------------------------------------------------- enabled states

int TDmxUserMainForm::uploadMode() const
{
    return rglngModeItems->checkedId();
}

void TDmxUserMainForm::setUploadMode(int item)
{
    if (QAbstractButton* b = rglngModeItems->button(item))
        b->setChecked(true);
}

void TDmxUserMainForm::addDeviceControl(QWidget* widget)
{
    addRole(widget, DeviceRole);
}

void TDmxUserMainForm::addDeviceAction(QAction* action)
{
    addRole(action, DeviceRole);
}

void TDmxUserMainForm::addChannelAction(QAction* action)
{
    addRole(action, ChannelRole);
}

void TDmxUserMainForm::addRole(QObject* object, int role)
{
    if (!object)
        return;
    if (!m_roles.contains(object))
        connect(object, &QObject::destroyed, this, [this](QObject* gone) { m_roles.remove(gone); });
    m_roles[object] |= role;
    updateEnabledStates();
}

void TDmxUserMainForm::updateEnabledStates()
{
    for (auto it = m_roles.cbegin(); it != m_roles.cend(); ++it) {
        const int role = it.value();
        const bool enabled = !((role & DeviceRole) && m_busy) && !((role & ChannelRole) && !m_channelMenusEnabled);
        if (auto* widget = qobject_cast<QWidget*>(it.key()))
            widget->setEnabled(enabled);
        else if (auto* action = qobject_cast<QAction*>(it.key()))
            action->setEnabled(enabled);
    }
}

// ------------------------------------------------------------ boxes

void TDmxUserMainForm::defaultShowMessage(const QString& text)
{
    QMessageBox box(QMessageBox::Information, QString::fromLatin1(kCaption), displayText(text), QMessageBox::Ok, this);
    box.exec();
}

void TDmxUserMainForm::defaultShowError(const QString& text)
{
    QMessageBox box(QMessageBox::Critical, QString::fromLatin1(kCaption), displayText(text), QMessageBox::Ok, this);
    box.exec();
}
