// Device ID and version information: the bootloader's information messages
// and writing a new device ID.

#include "firmware/DeviceIdentity.h"

#include <QCoreApplication>

#include "link/DeviceLink.h"
#include "firmware/FirmwareService.h"
#include "protocol/DeviceType.h"

#include <exception>

namespace vantorel {

namespace {

constexpr int kRestartWaitMs = 1200;
constexpr int kDeviceNumberPauseMs = 100;

} // namespace

std::optional<InfoPiece> decodeInfoMessage(uint32_t code)
{
    const auto status = uint8_t(code >> 16);
    const auto data1 = uint8_t(code >> 8);
    const auto data2 = uint8_t(code);
    if (status != kInfoBootloaderDate && status != kInfoFirmwareDate && status != kInfoDeviceId)
        return std::nullopt;
    const int position = data1 / 16;
    if (position < 1 || position > 4)
        return std::nullopt;
    const uint32_t high = data1 % 16;
    const uint32_t low = data2 % 16;
    const int shift = 8 * (position - 1);
    return InfoPiece{status, position, (high << (shift + 4)) + (low << shift)};
}

QString firmwareComparisonText(PackedDateTime deviceDate, PackedDateTime fileDate)
{
    if (deviceDate == 0)
        return QCoreApplication::translate("vantorel::DeviceIdentity", "No valid FW in device.");
    if (fileDate < deviceDate)
        return QCoreApplication::translate("vantorel::DeviceIdentity", "!!! Device has newer FW version !!!");
    if (fileDate == deviceDate)
        return QCoreApplication::translate("vantorel::DeviceIdentity", "Device has the same FW version.");
    return QCoreApplication::translate("vantorel::DeviceIdentity", "Device has older FW version.");
}

void FirmwareService::processBootloaderInfo()
{
    // A copy: nothing that arrives meanwhile may change what is being read.
    const std::vector<uint32_t> codes = m_link.bootloaderInfo();
    for (const uint32_t code : codes) {
        const auto piece = decodeInfoMessage(code);
        if (!piece)
            continue;
        uint32_t* value = nullptr;
        switch (piece->status) {
        case kInfoDeviceId:
            value = &m_deviceId;
            if (piece->position == 1)
                status(tr("Reading Device ID..."));
            break;
        case kInfoBootloaderDate:
            value = &m_bootloaderDate;
            if (piece->position == 1)
                status(tr("Reading BL date..."));
            break;
        default:
            value = &m_deviceFirmwareDate;
            if (piece->position == 1)
                status(tr("Reading FW date..."));
            break;
        }
        if (piece->position == 1)
            *value = 0;
        *value += piece->contribution;
        if (piece->position != 4)
            continue;

        switch (piece->status) {
        case kInfoDeviceId: emit m_link.deviceIdShown(deviceIdText(m_deviceId)); break;
        case kInfoBootloaderDate:
            emit m_link.bootloaderDateShown(QString::fromStdString(formatPackedDateTime(m_bootloaderDate)));
            break;
        default:
            // A comparison needs a file to compare with, and means nothing
            // to an interface test.
            if (m_uploadMode == InterfaceTestMode || (fileFirmwareDate() == 0 && m_deviceFirmwareDate != 0))
                emit m_link.firmwareDateShown(QString::fromStdString(formatPackedDateTime(m_deviceFirmwareDate)));
            else
                emit m_link.firmwareDateShown(
                    QStringLiteral("%1 -> %2")
                        .arg(QString::fromStdString(formatPackedDateTime(m_deviceFirmwareDate)),
                             firmwareComparisonText(m_deviceFirmwareDate, fileFirmwareDate())));
            break;
        }
        status(tr("Idle"));
        m_link.setRestartPending(false);
    }
}

OpResult FirmwareService::setDeviceId(int64_t number)
{
    if (number < 0 || number > int64_t(UINT32_MAX)) {
        emit m_link.errorRaised(tr("The device ID must be a number from 0 to 4294967295."));
        return OpResult::Failed;
    }
    DeviceOperation operation(m_link);
    if (!operation)
        return OpResult::Busy;

    if (!m_link.succeeded(m_link.reopenPorts()))
        return OpResult::Failed;
    m_link.setRestartPending(true);
    status(tr("Writing device number..."));
    m_link.processPendingEvents();
    m_link.pumpingDelay(kDeviceNumberPauseMs);
    if (!m_link.succeeded(m_link.sendDeviceNumber(QString::number(number), 'E'))) {
        m_link.setRestartPending(false);
        return OpResult::Failed;
    }
    m_link.pumpingDelay(kDeviceNumberPauseMs);
    status(tr("Waiting for device..."));
    restartTimer(kRestartWaitMs);
    // The bootloader's start notice, its Idle report or its final report
    // clears the flag once the device has restarted.
    waitFor([this] { return !m_link.restartPending() || m_link.tickCount() > 1; });
    m_link.stopWaitTimer();
    if (!m_link.restartPending())
        return OpResult::Done;

    const char type = m_link.deviceType();
    const QString text = noResponseText(type == 'U' ? deviceTypeLetter(DeviceType::Basic) : type);
    if (!text.isEmpty())
        emit m_link.messageBox(text);
    else
        emit m_link.statusBarNoConnection();
    m_passes = 0;
    emit passesChanged(0);
    emit deviceInfoCleared();
    return OpResult::NoAnswer;
}

bool isNoDate(const QString& shownDate)
{
    return shownDate == QString::fromStdString(formatPackedDateTime(0));
}

} // namespace vantorel
