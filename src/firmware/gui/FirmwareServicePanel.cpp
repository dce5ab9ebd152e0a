#include "firmware/gui/FirmwareServicePanel.h"

#include "app/gui/TDmxUserMainForm.h"
#include "app/link/DeviceLink.h"
#include "firmware/FirmwareUpload.h"
#include "firmware/gui/FirmwareFilePanel.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QDoubleSpinBox>

FirmwareServicePanel::FirmwareServicePanel(TDmxUserMainForm& form)
    : QObject(&form)
    , m_form(form)
    , m_service(form.link())
{
    setObjectName(QStringLiteral("firmwareServicePanel"));
    m_service.setFileSource({
        [this]() -> PackedDateTime { return m_form.firmwareFile ? m_form.firmwareFile->firmwareDate() : 0; },
        [this]() -> std::optional<FirmwareImage> {
            if (!m_form.firmwareFile)
                return std::nullopt;
            return m_form.firmwareFile->LoadFirmwareImage();
        },
    });

    // rglngMode and the service's upload mode follow each other.
    m_service.setUploadMode(m_form.uploadMode());
    connect(m_form.rglngModeItems, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            m_service.setUploadMode(id);
    });
    // A click on the mode already chosen asks for another upload.
    connect(m_form.rglngModeItems, &QButtonGroup::idClicked, &m_service, &FirmwareService::setUploadMode);
    connect(&m_service, &FirmwareService::uploadModeChanged, this, [this](int mode) {
        if (m_form.uploadMode() != mode)
            m_form.setUploadMode(mode);
    });

    connect(&m_service, &FirmwareService::passesChanged, this,
            [this](int passes) { m_form.lbllngPasses->setText(QString::number(passes)); });
    connect(&m_service, &FirmwareService::deviceInfoCleared, this, &FirmwareServicePanel::clearDeviceInfo);
    connect(m_form.btnlngEnterProgrammingMode, &QPushButton::clicked, this,
            &FirmwareServicePanel::btnlngEnterProgrammingModeClick);
    connect(m_form.btnSetDevNbr, &QPushButton::clicked, this, &FirmwareServicePanel::btnSetDevNbrClick);
}

FirmwareServicePanel::~FirmwareServicePanel() = default;

void FirmwareServicePanel::btnlngEnterProgrammingModeClick()
{
    m_service.allowNextUpload();
    EnterProgrammingMode(m_form.link());
}

void FirmwareServicePanel::btnSetDevNbrClick()
{
    m_service.SetDeviceId(qRound64(m_form.sedDevNbr->value()));
}

void FirmwareServicePanel::clearDeviceInfo()
{
    for (QLabel* label : {m_form.lblBLDate, m_form.lblSWDate, m_form.lblFWDate, m_form.lblDevID, m_form.lblDevType,
                          m_form.lblFWType})
        label->clear();
    // The file's type and date come back; no file choice is offered here.
    if (m_form.firmwareFile)
        m_form.firmwareFile->ParseFirmwareVersion(false);
    m_form.btnResetDev->setEnabled(true);
}
