#include "firmware/FirmwareService.h"

#include "link/DeviceLink.h"
#include "protocol/EventCodes.h"
#include "protocol/Reply.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QTime>

#include <memory>

namespace vantorel {

FirmwareService::FirmwareService(DeviceLink& link, QObject* parent)
    : QObject(parent)
    , m_link(link)
    , m_verdictGuard(link.clock())
{
    connect(&m_link, &DeviceLink::bootloaderReport, this, &FirmwareService::onBootloaderReport);
    connect(&m_link, &DeviceLink::eventReceived, this, &FirmwareService::onEventReceived);
    connect(&m_link, &DeviceLink::statusText, this, [this](const QString& text) { m_lastStatus = text; });
    m_verdictGuard.setSingleShot(true);
    m_verdictGuard.setInterval(kVerdictWaitMs);
    connect(&m_verdictGuard, &ClockTimer::timeout, this, [this] {
        const QString text = tr("The device did not confirm the upload.");
        firmwareStatus(text);
        status(text);
        logWithTime();
        emit upgradeUnconfirmed();
    });
}

FirmwareService::~FirmwareService() = default;

PackedDateTime FirmwareService::fileFirmwareDate() const
{
    return m_file.firmwareDate ? m_file.firmwareDate() : 0;
}

void FirmwareService::setUploadMode(int mode)
{
    if (mode < ReadVersions || mode > InterfaceTestMode)
        return;
    allowNextUpload();
    if (mode == m_uploadMode)
        return;
    m_uploadMode = mode;
    emit uploadModeChanged(mode);
}

void FirmwareService::firmwareStatus(const QString& text)
{
    emit m_link.firmwareStatusText(text);
}

void FirmwareService::status(const QString& text)
{
    emit m_link.statusText(text);
}

// Debug log line: the time and the main status text.
void FirmwareService::logWithTime()
{
    m_link.appendResult(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")) + QLatin1Char(' ') + m_lastStatus);
}

void FirmwareService::restartTimer(int ms)
{
    m_link.restartWaitTimer(ms);
}

void FirmwareService::waitFor(const std::function<bool()>& done)
{
    // A vanished port ends every wait: its reply will not come.
    m_link.waitUntil(done);
}

void FirmwareService::post(void (FirmwareService::*step)())
{
    // The step runs after the input handler that decided it has returned. An
    // operation still waiting for the device (programming mode's "n") keeps
    // the ports until it ends; the step follows it. A queued step can also
    // come up while another operation lets pending events run: it waits for
    // that one too.
    const auto runWhenFree = [this, step] {
        if (m_link.busy())
            post(step);
        else
            (this->*step)();
    };
    if (!m_link.busy()) {
        QMetaObject::invokeMethod(this, runWhenFree, Qt::QueuedConnection);
        return;
    }
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = connect(&m_link, &DeviceLink::busyChanged, this, [this, runWhenFree, connection](bool busy) {
        if (busy)
            return;
        disconnect(*connection);
        QMetaObject::invokeMethod(this, runWhenFree, Qt::QueuedConnection);
    });
}

void FirmwareService::onEventReceived(const MidiEvent& event)
{
    // Keep the values of the device information replies.
    if (!event.isSysex())
        return;
    const auto reply = recognizeReply(event.sysex.data(), event.sysex.size());
    if (!reply || (reply->letter != 'j' && reply->letter != 'k'))
        return;
    m_deviceId = reply->deviceId;
    if (reply->letter == 'j') {
        m_bootloaderDate = reply->bootloaderDate;
        m_deviceFirmwareDate = reply->firmwareDate;
    }
}

void FirmwareService::onBootloaderReport(uint32_t code)
{
    switch (code) {
    case kEventBootloaderStart:
        // The link has cleared the device-restart flag.
        firmwareStatus(m_deviceFirmwareDate != 0 ? tr("Going to work...") : tr("Device reset..."));
        break;
    case kEventIdle:
        firmwareStatus(tr("Idle"));
        processBootloaderInfo();
        takeUploadDecision();
        break;
    case kEventBlockRequest:
        blockRequest = true;
        m_link.appendResult(QStringLiteral("Message: Get_next_block"));
        break;
    case kEventChecksumError:
        m_verdictGuard.stop();
        firmwareStatus(tr(" Cheksum Error!!!"));
        checksumError = true;
        m_link.setRestartPending(false);
        logWithTime();
        emit checksumErrorReported();
        break;
    case kEventUpgradeReady:
        // Only the final block can be answered with upgrade ready: before it
        // went out (the transfer running, or ended short of it) the image is
        // not complete, whatever the device says.
        if (m_finalBlockPending) {
            m_link.appendResult(QStringLiteral("Upgrade ready before the final block was sent: ignored."));
            break;
        }
        m_verdictGuard.stop();
        firmwareStatus(tr("        Upgrade ready..."));
        m_link.setRestartPending(false);
        logWithTime();
        if (m_link.developerRun())
            setUploadMode(ReadVersions);
        emit upgradeReady();
        break;
    case kEventTestHandshakeAnswer: status(tr("Sending test data...")); break;
    case kEventTestEchoStart: firmwareStatus(tr("Receiving test data...")); break;
    case kEventTestEchoEnd:
        firmwareStatus(tr("Test data received..."));
        checkInterfaceTestData();
        break;
    default: break;
    }
}

void FirmwareService::takeUploadDecision()
{
    Decision decision = decideUpload(m_uploadMode, m_deviceFirmwareDate, fileFirmwareDate(), m_link.firmwareType(),
                                     m_link.deviceType());
    // The device restarts after an upload; its next Idle uploads nothing.
    if (m_uploadSpent && (decision == Decision::Upload || decision == Decision::Refused))
        decision = Decision::None;
    switch (decision) {
    case Decision::None: break;
    case Decision::InterfaceTest: post(&FirmwareService::runInterfaceTest); break;
    case Decision::Upload:
        firmwareStatus(tr("Upload INIT..."));
        post(&FirmwareService::uploadHandshake);
        break;
    case Decision::Refused:
        firmwareStatus(tr("Upload check failed."));
        m_link.markReplyReceived();
        emit m_link.messageBox(QCoreApplication::translate("vantorel::UploadDecision", kFirmwareTypeMismatchText));
        break;
    }
    emit decisionTaken(decision);
}

void FirmwareService::endUpload(UploadResult result)
{
    m_uploadSpent = true;
    m_finalBlockPending = result != UploadResult::FinalBlockSent;
    if (result == UploadResult::FinalBlockSent)
        m_verdictGuard.start();
    emit uploadEnded(result);
}

void FirmwareService::reportCancelled(const QString& text)
{
    status(text);
    firmwareStatus(text);
}

void FirmwareService::endTest(TestResult result)
{
    // The bootloader waits for the next test or upload: say so, or the
    // device looks dead to every later command.
    firmwareStatus(tr(kLeftInBootloaderText));
    emit interfaceTestEnded(result);
}

bool FirmwareService::restartFromBootloader()
{
    DeviceOperation operation(m_link);
    if (!operation)
        return false;
    status(tr("Reseting device..."));
    m_link.clearReplyReceived();
    bool identified = false;
    const auto connection
        = connect(&m_link, &DeviceLink::deviceTypeApplied, this, [&identified] { identified = true; });
    if (m_link.trySendCommand('D', {})) {
        restartTimer(kRestartFromBootloaderMs);
        waitFor([&] { return m_link.replyReceived() || identified || m_link.tickCount() > 0; });
    }
    disconnect(connection);
    m_link.stopWaitTimer();
    m_link.resetTickCount();
    const bool restarted = m_link.replyReceived() || identified;
    firmwareStatus(restarted ? tr("Device restarted.") : tr(kPowerCycleText));
    return restarted;
}

} // namespace vantorel
