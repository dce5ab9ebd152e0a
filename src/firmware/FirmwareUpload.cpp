// Firmware upload: programming mode, the decision at Idle, the two
// handshakes and the block transfer.

#include "firmware/FirmwareUpload.h"

#include "firmware/FirmwareService.h"

#include "link/DeviceLink.h"
#include "protocol/Sysex.h"
#include "util/Utils.h"

#include <QCoreApplication>

#include <algorithm>
#include <exception>

namespace vantorel {

namespace {

constexpr uint32_t kHandshake1Answer = 0x9F017F;
constexpr uint32_t kHandshake2Answer = 0x9F257F;
constexpr int kProgrammingModeWaitMs = 2000;
constexpr int kHandshakePauseMs = 1000;

} // namespace

std::vector<FirmwareBlock> firmwareBlocks(const FirmwareImage& image)
{
    const size_t whole = image.size() / kFirmwareBlockSize;
    std::vector<FirmwareBlock> blocks;
    blocks.reserve(whole + 1);
    for (size_t i = 0; i < whole; ++i) {
        const auto begin = image.begin() + std::ptrdiff_t(i * kFirmwareBlockSize);
        blocks.push_back({std::vector<uint8_t>(begin, begin + std::ptrdiff_t(kFirmwareBlockSize)),
                          kFirstBlockCounter + uint32_t(i)});
    }
    std::vector<uint8_t> last(image.begin() + std::ptrdiff_t(whole * kFirmwareBlockSize), image.end());
    last.resize(kFirmwareBlockSize, kFinalBlockFiller);
    blocks.push_back({std::move(last), kFinalBlockCounter});
    return blocks;
}

QString blockStatusText(uint32_t counter)
{
    return QCoreApplication::translate("vantorel::FirmwareUpload", "Transfering data block #%1")
        .arg(int(counter & 0xFFFF), 3, 10, QLatin1Char('0'));
}

OpResult enterProgrammingMode(DeviceLink& link)
{
    DeviceOperation operation(link);
    if (!operation)
        return OpResult::Busy;
    if (!link.succeeded(link.reopenPorts()))
        return OpResult::Failed;
    link.processPendingEvents();
    emit link.statusText(QCoreApplication::translate("vantorel::FirmwareUpload", "Reading data..."));
    link.pauseBeforeSend();
    if (!link.succeeded(link.sendCommand('N', {0, 0, 0, 0})))
        return OpResult::Failed;
    if (!link.awaitReply(DeviceLink::Flag::ReplyReceived, kProgrammingModeWaitMs)) {
        emit link.statusText(QCoreApplication::translate("vantorel::FirmwareUpload", "No data received."));
        return OpResult::NoAnswer;
    }
    // The reply "n" has set both status lines; the wait timer keeps running.
    return OpResult::Done;
}

bool FirmwareService::sendFwBlockData(const std::vector<uint8_t>& data, uint32_t counter)
{
    const Bytes message = buildFirmwareBlock(data, counter);
    if (!m_link.succeeded(m_link.output().sendSysex(message.data(), uint16_t(message.size()))))
        return false;
    m_sentMessageText = bytesToHexText(message.data(), message.size() - 1, "");
    return true;
}

void FirmwareService::uploadHandshake()
{
    DeviceOperation operation(m_link);
    if (!operation)
        return;
    m_link.processPendingEvents();
    m_bootloaderDate = 0;
    m_deviceFirmwareDate = 0;

    const auto handshake = [this](uint8_t data1, uint32_t answer, const char* noResponse) {
        if (!m_link.succeeded(m_link.sendShortMessage(0x9F, data1, 0x7F))) {
            endUpload(UploadResult::SendFailed);
            return false;
        }
        restartTimer();
        const int result = m_link.waitForShortMessage(answer);
        if (result == -2) {
            status(tr(noResponse));
            endUpload(UploadResult::NoHandshake);
        } else if (result == -1) {
            status(tr("Queue error 001"));
            endUpload(UploadResult::QueueError);
        }
        return result == 0;
    };
    m_link.clearShortMessageQueue();
    if (!handshake(0x00, kHandshake1Answer, QT_TR_NOOP("No response from device, HS 1")))
        return;
    m_link.pumpingDelay(kHandshakePauseMs);
    if (m_link.cancelRequested()) {
        reportCancelled(tr("Cancelled: no firmware block was sent; the device waits in its bootloader."));
        endUpload(UploadResult::Cancelled);
        return;
    }
    // The first block request may come right behind the second answer,
    // in the same run of the input handler: from here on it counts.
    blockRequest = false;
    if (!handshake(0x24, kHandshake2Answer, QT_TR_NOOP("No response from device, HS 2")))
        return;
    transferFirmwareBlocks();
}

void FirmwareService::transferFirmwareBlocks()
{
    checksumError = false;
    m_finalBlockPending = true;
    const std::optional<FirmwareImage> image = m_file.loadImage ? m_file.loadImage() : std::nullopt;
    if (!image) {
        endUpload(UploadResult::NoImage);
        return;
    }

    // Waits for the next block request; false on a tick of the wait timer or a
    // checksum error. A request handled together with the tick still counts.
    const auto awaitRequest = [this] {
        restartTimer();
        waitFor([this] { return blockRequest || checksumError || m_link.tickSeen(); });
        m_link.stopWaitTimer();
        return blockRequest && !checksumError;
    };

    m_link.appendResult(QStringLiteral("Pętla ..."));
    if (!awaitRequest()) {
        if (checksumError) {
            endUpload(UploadResult::ChecksumError);
        } else {
            status(tr("Init timeout"));
            endUpload(UploadResult::InitTimeout);
        }
        return;
    }

    const std::vector<FirmwareBlock> blocks = firmwareBlocks(*image);
    const int total = int(blocks.size());
    m_link.reportProgress(0, total, QStringLiteral("blocks"));
    for (size_t i = 0; i + 1 < blocks.size(); ++i) {
        // Between two blocks: the bootloader has taken every block sent.
        if (m_link.cancelRequested()) {
            reportCancelled(tr("Cancelled: %1 of %n firmware blocks sent; the device waits in its bootloader "
                               "for a new upload.",
                               nullptr, total)
                                .arg(i));
            endUpload(UploadResult::Cancelled);
            return;
        }
        firmwareStatus(blockStatusText(blocks[i].counter));
        if (!sendFwBlockData(blocks[i].data, blocks[i].counter)) {
            endUpload(UploadResult::SendFailed);
            return;
        }
        blockRequest = false;
        if (!awaitRequest()) {
            if (checksumError) {
                // Shown by the message handler; nothing is resent.
                endUpload(UploadResult::ChecksumError);
            } else {
                firmwareStatus(tr("Block write timeout..."));
                // Whether the block or its request was lost cannot be
                // told apart: nothing is resent, and the bootloader waits on.
                status(tr(kLeftInBootloaderText));
                endUpload(UploadResult::BlockTimeout);
            }
            return;
        }
        m_link.reportProgress(int(i) + 1, total, QStringLiteral("blocks"));
    }
    // The bootloader answers the final block with upgrade ready or a
    // checksum error on its own.
    if (!sendFwBlockData(blocks.back().data, blocks.back().counter)) {
        endUpload(UploadResult::SendFailed);
        return;
    }
    m_link.reportProgress(total, total, QStringLiteral("blocks"));
    endUpload(UploadResult::FinalBlockSent);
}

} // namespace vantorel
