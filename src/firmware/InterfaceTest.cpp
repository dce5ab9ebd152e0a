// Interface test: one test block to the bootloader, compared with its echo.

#include "firmware/InterfaceTest.h"

#include "link/DeviceLink.h"
#include "firmware/FirmwareService.h"
#include "protocol/EventCodes.h"

#include <QCoreApplication>
#include <QTime>

#include <exception>

namespace vantorel {

namespace {

constexpr int kPauseMs = 1000;
constexpr int kTestSteps = 4; // start, handshake, block request, block sent

} // namespace

std::vector<uint8_t> interfaceTestBlock()
{
    std::vector<uint8_t> block(128);
    for (size_t k = 0; k < block.size(); ++k)
        block[k] = uint8_t(k + 1);
    return block;
}

QString interfaceTestFailedText(size_t sentLength, size_t receivedLength)
{
    return QCoreApplication::translate("vantorel::InterfaceTest", "Test Failed - length diff out/in: len: %1/%2 ")
        .arg(int(sentLength))
        .arg(int(receivedLength));
}

void FirmwareService::runInterfaceTest()
{
    DeviceOperation operation(m_link);
    if (!operation)
        return;
    m_sentMessageText.clear();
    m_receivedTestText.clear();
    // Only this test's echo is compared, whether or not the device announced
    // itself since the last test.
    m_link.testData().clear();
    emit m_link.listsChanged();

    // One step: send, wait for the answer, report a failure. True on the answer.
    const auto step = [this](uint32_t answer, const char* mismatch, const char* timeout, TestResult failure) {
        restartTimer();
        const int result = m_link.waitForShortMessage(answer);
        if (result == 0)
            return true;
        if (result == -1) {
            status(tr(mismatch));
            endTest(TestResult::QueueError);
        } else {
            status(tr(timeout));
            endTest(failure);
        }
        return false;
    };

    // Between two steps a cancel ends the test; the bootloader waits for the next.
    const auto cancelled = [this](int stepsDone) {
        if (!m_link.cancelRequested()) {
            m_link.reportProgress(stepsDone, kTestSteps, QStringLiteral("steps"));
            return false;
        }
        reportCancelled(tr("Cancelled: the interface test was stopped before its test block was sent; "
                           "the device waits in its bootloader."));
        endTest(TestResult::Cancelled);
        return true;
    };

    // A send the output refuses ends the test (reported through the link).
    const auto sent = [this](const Result<void>& message) {
        if (m_link.succeeded(message))
            return true;
        endTest(TestResult::SendFailed);
        return false;
    };

    if (cancelled(0))
        return;
    m_link.clearInputSeen();
    m_link.clearShortMessageQueue();
    if (!sent(m_link.sendShortMessage(0x9F, 0x00, 0x7F)))
        return;
    restartTimer();
    waitFor([this] { return m_link.inputSeen() || m_link.tickSeen(); });
    if (!m_link.inputSeen()) {
        status(tr("Iface test init failed..."));
        endTest(TestResult::InitFailed);
        return;
    }
    if (!step(kEventTestStartAnswer, QT_TR_NOOP("Queue error 0"), QT_TR_NOOP("Iface test init failed..."),
              TestResult::InitFailed))
        return;

    const qint64 pauseStart = m_link.clock().now();
    m_link.pumpingDelay(kPauseMs);
    emit m_link.testTimeShown(
        QTime(0, 0).addMSecs(int(m_link.clock().now() - pauseStart)).toString(QStringLiteral("ss:zzz")));
    if (cancelled(1))
        return;

    m_link.clearInputSeen();
    if (!sent(m_link.sendShortMessage(0x9F, 0x10, 0x7F)))
        return;
    if (!step(kEventTestHandshakeAnswer, QT_TR_NOOP("Queue error 1"), QT_TR_NOOP("Iface test HS failed..."),
              TestResult::HandshakeFailed))
        return;
    m_link.appendResult(QStringLiteral("Iface test Init End"));
    if (cancelled(2))
        return;

    if (!step(kEventBlockRequest, QT_TR_NOOP("Queue error 2"), QT_TR_NOOP("No data request from device..."),
              TestResult::NoDataRequest))
        return;
    if (cancelled(3))
        return;
    if (!sendFwBlockData(interfaceTestBlock(), kInterfaceTestCounter)) {
        endTest(TestResult::SendFailed);
        return;
    }
    m_link.reportProgress(kTestSteps, kTestSteps, QStringLiteral("steps"));
    m_link.appendResult(QStringLiteral("Block sent - Iface test"));
    // The echo is checked when the bootloader reports its end.
}

void FirmwareService::checkInterfaceTestData()
{
    for (const std::string& byte : m_link.testData())
        m_receivedTestText += byte;
    // An echo end without a test block sent is no pass either.
    if (m_sentMessageText.empty() || m_receivedTestText != m_sentMessageText) {
        status(interfaceTestFailedText(m_sentMessageText.size(), m_receivedTestText.size()));
        endTest(TestResult::Failed);
        return;
    }
    status(tr("Transfer test passed..."));
    ++m_passes;
    emit passesChanged(m_passes);

    m_link.clearShortMessageQueue();
    if (!m_link.succeeded(m_link.sendShortMessage(0x9F, 0x14, 0x7F))) {
        endTest(TestResult::PassedUnconfirmed);
        return;
    }
    restartTimer();
    const int result = m_link.waitForShortMessage(kEventTestConfirmAnswer);
    if (result == 0) {
        endTest(TestResult::Passed);
        return;
    }
    status(result == -1 ? tr("Queue error 4") : tr("No response - iface chk client confirm."));
    endTest(TestResult::PassedUnconfirmed);
}

} // namespace vantorel
