#include "firmware/gui/FirmwarePage.h"

#include "firmware/FirmwareUpload.h"
#include "link/DeviceOperations.h"
#include "protocol/DeviceType.h"
#include "util/gui/PageHost.h"
#include "util/gui/Widgets.h"
#include "util/qt/TextConversions.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdint>

namespace vantorel {

namespace {

bool isExistingFile(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

} // namespace

FirmwarePage::FirmwarePage(DeviceLink& link, PageHost& host, QWidget* parent)
    : Page(parent)
    , m_link(link)
    , m_host(host)
    , m_service(link)
{
    setObjectName(QStringLiteral("tslngFWUpload"));
    chooseFile = [this](const QString& start) { return defaultChooseFile(start); };

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(4, 4, 4, 4);
    page->setSpacing(4);
    buildInformationPanel();
    buildFilePanel();
    page->addStretch(1);
    buildServicePanel();
    setTabChain();
    retranslateUi();

    m_currentFile->setText(QStringLiteral("-"));
    m_currentFileDate->setText(QStringLiteral("-"));
    connectService();

    connect(&m_link, &DeviceLink::firmwareStatusText, this, [this](const QString& text) {
        m_waiting = false;
        m_status->setText(text);
    });
    connect(&m_link, &DeviceLink::deviceIdShown, m_deviceId, &QLabel::setText);
    connect(&m_link, &DeviceLink::bootloaderDateShown, m_bootloaderDate, &QLabel::setText);
    connect(&m_link, &DeviceLink::firmwareDateShown, m_deviceFirmwareDate, &QLabel::setText);
    connect(&m_link, &DeviceLink::deviceTypeApplied, this, &FirmwarePage::onDeviceTypeApplied);
}

FirmwarePage::~FirmwarePage() = default;

// ---------------------------------------------------------------- layout

// Panel1: status, the loaded file, the device, the upload mode.
void FirmwarePage::buildInformationPanel()
{
    auto* panel = namedPanel("Panel1", this);
    auto* p1 = new QVBoxLayout(panel);
    p1->setContentsMargins(10, 6, 10, 8);
    p1->setSpacing(6);

    m_status = namedLabel("lbllngFWStatMsg", QStringLiteral("-"), panel);
    setBold(m_status, &kMaroon, 3);
    p1->addWidget(m_status);

    auto* uploader = namedLabel("lbllngUploader", QString(), panel);
    setBold(uploader);
    auto* fileDateCaption = namedLabel("lbllng7", QString(), panel);
    m_fileDate = namedLabel("lblFWDate", QString(), panel);
    auto* fileTypeCaption = namedLabel("lbllng2", QString(), panel);
    m_fileType = namedLabel("lblFWType", QString(), panel);

    auto* inChip = namedLabel("lbllngInChip", QString(), panel);
    setBold(inChip);
    auto* bootloaderCaption = namedLabel("lbllng5", QString(), panel);
    m_bootloaderDate = namedLabel("lblBLDate", QString(), panel);
    auto* deviceFirmwareCaption = namedLabel("lbllng6", QString(), panel);
    m_deviceFirmwareDate = namedLabel("lblSWDate", QString(), panel);
    auto* deviceIdCaption = namedLabel("lbllng8", QString(), panel);
    m_deviceId = namedLabel("lblDevID", QString(), panel);
    auto* deviceTypeCaption = namedLabel("lbllng4", QString(), panel);
    m_deviceType = namedLabel("lblDevType", QString(), panel);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(16);
    auto* info = new QGridLayout;
    info->setHorizontalSpacing(10);
    info->setVerticalSpacing(4);
    int row = 0;
    info->addWidget(uploader, row++, 0, 1, 2);
    for (auto [caption, value] : {std::pair{fileDateCaption, m_fileDate}, std::pair{fileTypeCaption, m_fileType}}) {
        info->addWidget(caption, row, 0, Qt::AlignRight);
        info->addWidget(value, row++, 1);
    }
    info->setRowMinimumHeight(row++, 6);
    info->addWidget(inChip, row++, 0, 1, 2);
    for (auto [caption, value] :
         {std::pair{bootloaderCaption, m_bootloaderDate}, std::pair{deviceFirmwareCaption, m_deviceFirmwareDate},
          std::pair{deviceIdCaption, m_deviceId}, std::pair{deviceTypeCaption, m_deviceType}}) {
        info->addWidget(caption, row, 0, Qt::AlignRight);
        info->addWidget(value, row++, 1);
    }
    info->setColumnMinimumWidth(0, 120);
    info->setColumnStretch(1, 1);
    info->setRowStretch(row, 1);
    columns->addLayout(info, 1);

    auto* right = new QVBoxLayout;
    auto* modeGroup = named(new QGroupBox(panel), "rglngMode");
    auto* modes = new QVBoxLayout(modeGroup);
    modes->setSpacing(2);
    m_uploadModes = named(new QButtonGroup(modeGroup), "rglngModeItems");
    for (int i = 0; i < 4; ++i) {
        auto* item = new QRadioButton(modeGroup);
        item->setObjectName(QStringLiteral("rglngModeItem%1").arg(i));
        m_uploadModes->addButton(item, i);
        modes->addWidget(item);
    }
    right->addWidget(modeGroup);

    auto* passesCaption = namedLabel("lbllng14", QString(), panel);
    m_passes = namedLabel("lbllngPasses", QStringLiteral("0"), panel);
    setBold(m_passes);
    auto* passes = new QHBoxLayout;
    passes->addWidget(passesCaption);
    passes->addWidget(m_passes, 1);
    right->addLayout(passes);
    right->addStretch(1);
    auto* restart = namedButton("Button1", QString(), panel);
    right->addWidget(restart, 0, Qt::AlignRight);
    columns->addLayout(right, 1);
    p1->addLayout(columns);
    layout()->addWidget(panel);

    m_host.lockWhileBusy(restart);
    connect(restart, &QPushButton::clicked, this, &FirmwarePage::restartDevice);
}

// Panel3: the firmware file and the device requests.
void FirmwarePage::buildFilePanel()
{
    auto* panel = namedPanel("Panel3", this);
    auto* p3 = new QGridLayout(panel);
    p3->setContentsMargins(10, 6, 10, 6);
    p3->setVerticalSpacing(4);
    auto* load = namedButton("btnLoadFirmware", QString(), panel);
    auto* readType = namedButton("btnGetDeviceType", QString(), panel);
    m_programmingMode = namedButton("btnlngEnterProgrammingMode", QString(), panel);
    // The long caption of the programming mode gets a row of its own.
    p3->addWidget(load, 0, 0);
    p3->addWidget(readType, 0, 1);
    p3->addWidget(m_programmingMode, 1, 0, 1, 3, Qt::AlignLeft);
    p3->setColumnStretch(3, 1);
    auto* lastLoaded = new QHBoxLayout;
    auto* caption = namedLabel("lbllng16", QString(), panel);
    m_currentFile = namedLabel("lblCurFile", QString(), panel);
    m_currentFileDate = namedLabel("lblCurFileDate", QString(), panel);
    m_currentFile->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lastLoaded->addWidget(caption);
    lastLoaded->addWidget(m_currentFile, 1);
    lastLoaded->addWidget(m_currentFileDate);
    p3->addLayout(lastLoaded, 2, 0, 1, 4);
    layout()->addWidget(panel);

    m_host.lockWhileBusy(readType);
    m_host.lockWhileBusy(m_programmingMode);
    connect(load, &QPushButton::clicked, this, &FirmwarePage::loadFirmwareFile);
    connect(readType, &QPushButton::clicked, this, &FirmwarePage::readDeviceType);
    connect(m_programmingMode, &QPushButton::clicked, this, &FirmwarePage::enterProgrammingMode);
}

// pnlService: developer runs only.
void FirmwarePage::buildServicePanel()
{
    m_servicePanel = namedPanel("pnlService", this);
    auto* rows = new QVBoxLayout(m_servicePanel);
    rows->setContentsMargins(8, 4, 8, 4);
    auto* service = new QHBoxLayout;
    auto* messages = new QHBoxLayout;
    rows->addLayout(service);
    rows->addLayout(messages);
    auto* setId = namedButton("btnSetDevNbr", QString(), m_servicePanel);
    // Device IDs are 32-bit unsigned; a double holds every one of them exactly.
    m_deviceNumber = named(new QDoubleSpinBox(m_servicePanel), "sedDevNbr");
    m_deviceNumber->setDecimals(0);
    m_deviceNumber->setRange(0, double(UINT32_MAX));
    m_deviceNumber->setMinimumWidth(90);
    m_restartFromService = namedButton("btnResetDev", QString(), m_servicePanel);
    auto* sendCommon = namedButton("btnSendCommonMsg", QString(), m_servicePanel);
    m_commonMessages = named(new QComboBox(m_servicePanel), "cbxCommonMsg");
    auto* reopen = namedButton("Button2", QString(), m_servicePanel);
    service->addWidget(setId);
    service->addWidget(m_deviceNumber);
    service->addSpacing(12);
    service->addWidget(m_restartFromService);
    service->addStretch(1);
    messages->addWidget(sendCommon);
    messages->addWidget(m_commonMessages);
    messages->addStretch(1);
    messages->addWidget(reopen);
    m_servicePanel->setVisible(false);
    layout()->addWidget(m_servicePanel);

    for (QWidget* w : {static_cast<QWidget*>(m_restartFromService), static_cast<QWidget*>(setId),
                       static_cast<QWidget*>(sendCommon), static_cast<QWidget*>(reopen)})
        m_host.lockWhileBusy(w);
    connect(setId, &QPushButton::clicked, this, &FirmwarePage::setDeviceId);
    connect(m_restartFromService, &QPushButton::clicked, this, &FirmwarePage::restartDevice);
    connect(sendCommon, &QPushButton::clicked, this, &FirmwarePage::sendCommonMessage);
    connect(reopen, &QPushButton::clicked, this, &FirmwarePage::reopenPorts);
}

void FirmwarePage::connectService()
{
    m_service.setFileSource({
        [this]() -> PackedDateTime { return firmwareDate(); },
        [this]() -> std::optional<FirmwareImage> { return loadFirmwareImage(); },
    });

    // rglngMode and the service's upload mode follow each other.
    m_service.setUploadMode(uploadMode());
    connect(m_uploadModes, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            m_service.setUploadMode(id);
    });
    // A click on the mode already chosen asks for another upload.
    connect(m_uploadModes, &QButtonGroup::idClicked, &m_service, &FirmwareService::setUploadMode);
    connect(&m_service, &FirmwareService::uploadModeChanged, this, [this](int mode) {
        if (uploadMode() != mode)
            setUploadMode(mode);
    });
    connect(&m_service, &FirmwareService::passesChanged, this,
            [this](int passes) { m_passes->setText(QString::number(passes)); });
    connect(&m_service, &FirmwareService::deviceInfoCleared, this, &FirmwarePage::clearDeviceInfo);
}

void FirmwarePage::retranslateUi()
{
    if (m_waiting)
        m_status->setText(tr("Waiting for device..."));
    const auto caption = [this](const char* name, const QString& text) {
        if (auto* label = findChild<QLabel*>(QLatin1String(name)))
            label->setText(text);
        else if (auto* button = findChild<QAbstractButton*>(QLatin1String(name)))
            button->setText(text);
    };
    caption("lbllngUploader", tr("Uploader:"));
    caption("lbllng7", tr("Firmware date:"));
    caption("lbllng2", tr("Firmware type:"));
    caption("lbllngInChip", tr("Device:"));
    caption("lbllng5", tr("Bootloader date:"));
    caption("lbllng6", tr("Firmware date:"));
    caption("lbllng8", tr("Device ID:"));
    caption("lbllng4", tr("Device type:"));
    caption("lbllng14", tr("Interface test passes OK:"));
    caption("lbllng16", tr("Last loaded: "));
    findChild<QGroupBox*>(QStringLiteral("rglngMode"))->setTitle(tr("Firmware upload mode"));
    const char* const modeItems[] = {QT_TR_NOOP("Read BL && FW version"), QT_TR_NOOP("Upload FW if newer"),
                                     QT_TR_NOOP("Upload FW if same or older"), QT_TR_NOOP("Interface test")};
    for (int i = 0; i < 4; ++i)
        m_uploadModes->button(i)->setText(tr(modeItems[i]));
    caption("Button1", tr("Restart device"));
    caption("btnLoadFirmware", tr("Load firmware file"));
    caption("btnGetDeviceType", tr("Read device type"));
    m_programmingMode->setText(tr("Enter Programming Mode for VANTOREL Basic/Eco"));

    caption("btnSetDevNbr", tr("Set Device ID"));
    m_deviceNumber->setAccessibleName(tr("Device ID"));
    m_restartFromService->setText(tr("Restart device"));
    caption("btnSendCommonMsg", tr("Send Common Msg ->>"));
    const int common = std::max(0, m_commonMessages->currentIndex());
    m_commonMessages->clear();
    m_commonMessages->addItems(commonMessageNames());
    m_commonMessages->setCurrentIndex(common);
    m_commonMessages->setAccessibleName(tr("System common message"));
    // The button keeps its historical caption; its name says what it does.
    auto* reopen = findChild<QPushButton*>(QStringLiteral("Button2"));
    reopen->setText(tr("Button2"));
    reopen->setAccessibleName(tr("Reopen the MIDI ports"));
}

void FirmwarePage::setTabChain()
{
    QList<QWidget*> chain;
    for (QAbstractButton* item : m_uploadModes->buttons())
        chain << item;
    for (const char* name : {"Button1", "btnLoadFirmware", "btnGetDeviceType", "btnlngEnterProgrammingMode",
                             "btnSetDevNbr", "sedDevNbr", "btnResetDev", "btnSendCommonMsg", "cbxCommonMsg", "Button2"})
        chain << findChild<QWidget*>(QLatin1String(name));
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void FirmwarePage::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    Page::changeEvent(event);
}

// The bootloader's messages matter while the page is shown in its tab.
bool FirmwarePage::event(QEvent* event)
{
    if (event->type() == QEvent::ShowToParent)
        m_bootloader = m_link.subscribeToBootloader();
    else if (event->type() == QEvent::HideToParent)
        m_bootloader = {};
    return Page::event(event);
}

// ------------------------------------------------------------- state

char FirmwarePage::firmwareType() const
{
    return m_link.firmwareType();
}

int FirmwarePage::uploadMode() const
{
    return m_uploadModes->checkedId();
}

void FirmwarePage::setUploadMode(int item)
{
    if (QAbstractButton* b = m_uploadModes->button(item))
        b->setChecked(true);
}

void FirmwarePage::setServicePanelVisible(bool visible)
{
    m_servicePanel->setVisible(visible);
}

void FirmwarePage::showWaitingForDevice(int item)
{
    setUploadMode(item);
    for (QLabel* label : {m_bootloaderDate, m_deviceFirmwareDate, m_fileDate, m_fileType, m_deviceId, m_deviceType})
        label->clear();
    m_link.setFirmwareType('X');
    m_waiting = true;
    m_status->setText(tr("Waiting for device..."));
}

void FirmwarePage::onDeviceTypeApplied(char letter)
{
    const std::optional<DeviceType> type = deviceTypeFromLetter(letter);
    if (!type)
        return;
    m_deviceType->setText(QString::fromLatin1(productName(*type)));
    // A Pro's firmware has no programming mode: its bootloader is reached with the mode switch.
    m_programmingMode->setVisible(*type != DeviceType::Pro);
}

void FirmwarePage::clearDeviceInfo()
{
    for (QLabel* label : {m_bootloaderDate, m_deviceFirmwareDate, m_fileDate, m_deviceId, m_deviceType, m_fileType})
        label->clear();
    // The file's type and date come back; no file choice is offered here.
    parseFirmwareVersion(false);
    m_restartFromService->setEnabled(true);
}

// ------------------------------------------------------------- the file

QString FirmwarePage::defaultChooseFile(const QString& start)
{
    return QFileDialog::getOpenFileName(this, QString(), start, tr("Firmware Files (*.bix);;All files (*.*)"));
}

void FirmwarePage::loadFirmwareFile()
{
    const QString start = isExistingFile(m_path) ? m_path : QCoreApplication::applicationDirPath();
    const QString chosen = chooseFile(start);
    if (chosen.isEmpty())
        return;
    m_path = chosen;
    emit firmwareFileChanged();
    if (!parseFirmwareVersion())
        return;
    const QFileInfo info(m_path);
    m_currentFileDate->setText(info.lastModified().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
    m_currentFile->setText(QDir::toNativeSeparators(m_path));
}

std::optional<FirmwareImage> FirmwarePage::loadFirmwareImage(bool chooseIfMissing)
{
    if (!isExistingFile(m_path)) {
        if (!chooseIfMissing)
            return std::nullopt;
        const QString chosen = chooseFile(QCoreApplication::applicationDirPath());
        if (chosen.isEmpty())
            return std::nullopt;
        m_path = chosen;
        m_currentFile->setText(QDir::toNativeSeparators(m_path));
        emit firmwareFileChanged();
    }
    const Result<std::string> text = readFirmwareFileText(toFileSystemPath(m_path));
    if (!text) {
        if (!m_quietErrors)
            m_host.showError(
                tr("Cannot open file \"%1\". %2").arg(QDir::toNativeSeparators(m_path), errorText(text.error())));
        return std::nullopt;
    }
    std::optional<FirmwareImage> image = decryptFirmwareText(*text, builtInFirmwarePassword());
    if (!image && !m_quietErrors)
        m_host.showError(tr("%1 in the file \"%2\".")
                             .arg(QCoreApplication::translate("vantorel::FirmwareFile", kInvalidFirmwareData),
                                  QDir::toNativeSeparators(m_path)));
    return image;
}

std::optional<PackedDateTime> FirmwarePage::parseFirmwareVersion(bool chooseIfMissing)
{
    const std::optional<FirmwareImage> image = loadFirmwareImage(chooseIfMissing);
    if (!image)
        return std::nullopt;
    const FirmwareVersion version = findFirmwareVersion(*image);
    m_link.setFirmwareType(version.typeLetter);
    m_date = version.date;
    if (version.typeLetter == 'X') {
        // No marker: nothing of an earlier file may stay on show.
        m_fileType->clear();
        m_fileDate->clear();
    } else {
        m_fileType->setText(QString::fromStdString(version.typeName));
        m_fileDate->setText(QString::fromStdString(formatPackedDateTime(version.date)));
    }
    emit firmwareFileChanged();
    return version.date;
}

void FirmwarePage::restoreLastFile(const QString& path, const QString& dateText)
{
    m_currentFileDate->setText(dateText);
    m_path = path;
    m_currentFile->setText(QStringLiteral("-"));
    emit firmwareFileChanged();
    if (!isExistingFile(m_path))
        return;
    // A file that failed at an earlier start, unchanged since (its time is
    // the date kept with it), is not reported at every start again.
    const QString modified = QFileInfo(m_path).lastModified().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    m_quietErrors = m_currentFileDate->text() == modified;
    const bool parsed = parseFirmwareVersion(false).has_value();
    m_quietErrors = false;
    if (parsed)
        m_currentFile->setText(QDir::toNativeSeparators(m_path));
    else
        m_currentFileDate->setText(modified);
}

QString FirmwarePage::fileDateText() const
{
    return m_currentFileDate->text();
}

// ------------------------------------------------------------- device

void FirmwarePage::readDeviceType()
{
    if (m_host.reopenPorts())
        readDeviceInformation(m_link);
}

void FirmwarePage::enterProgrammingMode()
{
    m_service.allowNextUpload();
    vantorel::enterProgrammingMode(m_link);
}

void FirmwarePage::restartDevice()
{
    vantorel::restartDevice(m_link);
}

void FirmwarePage::setDeviceId()
{
    m_service.setDeviceId(qRound64(m_deviceNumber->value()));
}

void FirmwarePage::sendCommonMessage()
{
    vantorel::sendCommonMessage(m_link, m_commonMessages->currentIndex());
}

void FirmwarePage::reopenPorts()
{
    m_host.reopenPorts();
}

} // namespace vantorel
