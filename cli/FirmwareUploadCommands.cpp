// firmware upload, iface-test and set-id: the bootloader's services.
//
// The firmware page's flows run as in the program: the page counts as shown,
// the device is put into its bootloader, and the decision at the
// bootloader's Idle report starts the upload or the interface test.

#include "link/DeviceLink.h"
#include "cli/Cli.h"
#include "firmware/DeviceIdentity.h"
#include "firmware/FirmwareService.h"
#include "firmware/FirmwareUpload.h"
#include "firmware/domain/FirmwareFile.h"
#include "protocol/DeviceType.h"
#include "util/qt/TextConversions.h"

#include <QEventLoop>
#include <QFile>
#include <QRegularExpression>
#include <QTimer>

#include <filesystem>
#include <optional>

namespace vantorel {

namespace {

// A block line other than every 64th ("Transfering data block #002"), in any
// language: the line is the block text of the number it shows.
bool isSkippedBlockLine(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("\\d+"));
    QRegularExpressionMatchIterator it = number.globalMatch(text);
    QRegularExpressionMatch last;
    while (it.hasNext())
        last = it.next();
    if (!last.hasMatch())
        return false;
    const uint32_t counter = last.captured().toUInt();
    return text == blockStatusText(counter) && counter % 64 != 1;
}

// How long the bootloader may take to report Idle once asked to start.
constexpr int kIdleWaitMs = 15000;
// How long the test's echo, or the verdict on an upload's final block, may take.
constexpr int kVerdictWaitMs = 5000;
// A started flow ends by its own waits; this only guards against one that
// stops making progress.
constexpr int kStallMs = 15000;

// The image of a firmware file, or the exit status of its failure (reported).
struct LoadedFile {
    std::optional<FirmwareImage> image;
    int status = kOk;
};

LoadedFile loadFirmwareFile(const QString& path)
{
    const Result<std::string> text = readFirmwareFileText(toFileSystemPath(path));
    if (!text) {
        err(QCoreApplication::translate("vantorelctl", "Cannot open file \"%1\". %2")
                .arg(path, errorText(text.error())));
        return {std::nullopt, kDataError};
    }
    std::optional<FirmwareImage> image = decryptFirmwareText(*text, builtInFirmwarePassword());
    if (!image) {
        err(QString::fromLatin1(kInvalidFirmwareData));
        return {std::nullopt, kDataError};
    }
    return {std::move(image), kOk};
}

// The outcome of a flow that ends in a signal: the event loop runs until
// finish() or until the deadline passes.
class Outcome {
public:
    Outcome()
    {
        m_deadline.setSingleShot(true);
        m_deadline.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_deadline, &QTimer::timeout, &m_loop, [this] {
            err(m_timeoutText);
            finish(kNoAnswer);
        });
    }

    void finish(int status)
    {
        if (m_status)
            return;
        m_status = status;
        m_deadline.stop();
        m_loop.quit();
    }
    bool finished() const { return m_status.has_value(); }
    // Progress: a running deadline starts again.
    void touch()
    {
        if (m_deadline.isActive())
            m_deadline.start();
    }

    // A deadline for the next stage; 0 leaves the stage to its own bounds.
    void expectWithin(int ms, const QString& timeoutText)
    {
        m_timeoutText = timeoutText;
        if (ms > 0)
            m_deadline.start(ms);
        else
            m_deadline.stop();
    }

    int wait()
    {
        if (!m_status)
            m_loop.exec();
        return *m_status;
    }

private:
    QEventLoop m_loop;
    QTimer m_deadline;
    QString m_timeoutText;
    std::optional<int> m_status;
};

// Puts the device into its bootloader: "J" tells the edition; Basic and Eco
// get "N". A Pro's bootloader is started with its mode switch. When "J" is not
// answered the device may sit in its bootloader already, which "N" starts
// anew, unless it has reported Idle meanwhile. `worthEntering`, given the
// answered "J", says whether the bootloader is needed at all (an upload that
// would not happen leaves the device running). Returns kOk to go on and wait
// for Idle.
int startBootloader(DeviceLink& link, char fileType, const bool& idleReported, bool& asked,
                    const std::function<int()>& worthEntering = {})
{
    const OpResult info = readDeviceInformation(link);
    if (info == OpResult::Failed)
        return kNoAnswer;
    if (idleReported)
        return kOk;
    const char type = link.deviceType();
    if (info == OpResult::Done && fileType != 0 && type != fileType) {
        err(QString::fromLatin1(kFirmwareTypeMismatchText));
        return kDataError;
    }
    if (info == OpResult::Done && worthEntering) {
        if (const int status = worthEntering(); status != kOk)
            return status;
    }
    if (info == OpResult::Done && isPro(type)) {
        err(QCoreApplication::translate("vantorelctl",
                                        "Start the device's bootloader with its mode switch; waiting for it..."));
        return kOk;
    }
    const OpResult entered = enterProgrammingMode(link);
    asked = entered != OpResult::Busy && entered != OpResult::Failed; // "N" went out
    if (entered == OpResult::Failed)
        return kNoAnswer;
    if (entered == OpResult::NoAnswer && info == OpResult::Done)
        return kNoAnswer;
    return kOk;
}

// Runs a bootloader service on the link: the page's reports are printed and
// the bootloader's Idle decides what happens.
struct Session {
    explicit Session(CliContext& c)
        : link(*c.link)
        , service(link)
    {
        bootloader = link.subscribeToBootloader();
        // An interrupt cancels a running operation, which then ends the flow;
        // between operations it ends the flow at once.
        if (c.interrupts) {
            QObject::connect(c.interrupts, &Interrupts::interrupted, &service, [this] {
                if (!this->link.busy())
                    outcome.finish(kInterrupted);
            });
        }
        // A text given to both status lines (a cancel) is said once.
        QObject::connect(&link, &DeviceLink::statusText, &service, [this](const QString& t) { lastStatus = t; });
        QObject::connect(&link, &DeviceLink::firmwareStatusText, &service, [this](const QString& t) {
            // One line per 64 blocks is enough on a terminal.
            if (isSkippedBlockLine(t) || t == lastStatus)
                return;
            err(t);
        });
        QObject::connect(&link, &DeviceLink::deviceIdShown, [](const QString& t) {
            err(QCoreApplication::translate("vantorelctl", "Device ID: %1").arg(t));
        });
        QObject::connect(&service, &FirmwareService::decisionTaken, [this] { idleReported = true; });
        QObject::connect(&link, &DeviceLink::bootloaderDateShown, [](const QString& t) {
            err(QCoreApplication::translate("vantorelctl", "Bootloader date: %1").arg(t));
        });
        QObject::connect(&link, &DeviceLink::firmwareDateShown, [](const QString& t) {
            err(QCoreApplication::translate("vantorelctl", "Device firmware date: %1").arg(t));
        });
    }
    // A signal after "N" leaves the device in its bootloader: that is said.
    int ended(int status) const
    {
        if (interrupted() && bootloaderAsked && !serviceStarted && !idleReported)
            err(QCoreApplication::translate(
                "vantorelctl",
                "Cancelled: the device now waits in its bootloader; nothing was changed in it. "
                "Run the command again, or switch the device off and on."));
        return status;
    }

    ~Session()
    {
        // Nothing more is started by a later Idle.
        service.setUploadMode(FirmwareService::ReadVersions);
        bootloader = {};
    }

    DeviceLink& link;
    DeviceLink::BootloaderSubscription bootloader;
    FirmwareService service;
    Outcome outcome;
    bool idleReported = false;
    QString lastStatus; // the last text of the status line
    bool bootloaderAsked = false; // "N" was sent
    bool serviceStarted = false; // the upload or the test began
};

// ------------------------------------------------------------ firmware upload

int checkUpload(CliContext& c)
{
    if (c.args.size() != 3)
        return usage(QCoreApplication::translate("vantorelctl",
                                                 "'firmware upload' takes one argument: the firmware file (*.bix)."));
    const QString mode = c.parser.value(options().uploadMode);
    if (mode != QLatin1String("newer") && mode != QLatin1String("same-or-older"))
        return usage(
            QCoreApplication::translate("vantorelctl", "--mode takes 'newer' or 'same-or-older', not '%1'.").arg(mode));
    const LoadedFile file = loadFirmwareFile(c.args.at(2));
    if (!file.image)
        return file.status;
    if (findFirmwareVersion(*file.image).typeLetter == 'X') {
        err(QString::fromLatin1(kFirmwareTypeMismatchText));
        return kDataError;
    }
    return kOk;
}

int uploadStatus(FirmwareService::UploadResult result)
{
    using R = FirmwareService::UploadResult;
    switch (result) {
    case R::NoHandshake:
    case R::InitTimeout:
    case R::BlockTimeout:
    case R::SendFailed: return kNoAnswer;
    case R::NoImage: return kDataError;
    case R::Cancelled: return kInterrupted;
    default: return kNotDone;
    }
}

int runUpload(CliContext& c)
{
    const QString path = c.args.at(2);
    const LoadedFile file = loadFirmwareFile(path);
    if (!file.image)
        return file.status;
    const FirmwareVersion version = findFirmwareVersion(*file.image);

    Session session(c);
    DeviceLink& link = session.link;
    FirmwareService& service = session.service;
    Outcome& outcome = session.outcome;
    link.setFirmwareType(version.typeLetter);
    service.setFileSource({[date = version.date] { return date; }, [path] { return loadFirmwareFile(path).image; }});
    service.setUploadMode(c.parser.value(options().uploadMode) == QLatin1String("newer")
                              ? FirmwareService::UploadIfNewer
                              : FirmwareService::UploadIfSameOrOlder);
    const size_t blocks = firmwareBlocks(*file.image).size();
    QObject::connect(&link, &DeviceLink::firmwareStatusText, &service, [&] { outcome.touch(); });

    bool finalBlockSent = false;
    QObject::connect(&service, &FirmwareService::decisionTaken, [&](FirmwareService::Decision decision) {
        // An Idle after the last block (the device restarted into its
        // bootloader) uploads nothing; the verdict's deadline decides.
        if (finalBlockSent)
            return;
        switch (decision) {
        case FirmwareService::Decision::Upload:
            session.serviceStarted = true;
            outcome.expectWithin(kStallMs, QCoreApplication::translate("vantorelctl", "The upload stalled."));
            break;
        case FirmwareService::Decision::Refused: outcome.finish(kDataError); break;
        default:
            err(QCoreApplication::translate("vantorelctl", "Nothing uploaded: %1")
                    .arg(firmwareComparisonText(service.deviceFirmwareDate(), version.date)));
            outcome.finish(kNotDone);
            break;
        }
    });
    // The date the running firmware reported to "J" decides before "N" is sent.
    const auto worthEntering = [&] {
        const FirmwareService::Decision decision = decideUpload(service.uploadMode(), service.deviceFirmwareDate(),
                                                                version.date, version.typeLetter, link.deviceType());
        if (decision == FirmwareService::Decision::None) {
            err(QCoreApplication::translate("vantorelctl", "Nothing uploaded: %1")
                    .arg(firmwareComparisonText(service.deviceFirmwareDate(), version.date)));
            return int(kNotDone);
        }
        return int(kOk);
    };
    QObject::connect(&service, &FirmwareService::uploadEnded, [&](FirmwareService::UploadResult result) {
        finalBlockSent = result == FirmwareService::UploadResult::FinalBlockSent;
        if (finalBlockSent)
            outcome.expectWithin(
                kVerdictWaitMs,
                QCoreApplication::translate("vantorelctl", "The device did not report the end of the upload."));
        else
            outcome.finish(uploadStatus(result));
    });
    QObject::connect(&service, &FirmwareService::checksumErrorReported, [&] { outcome.finish(kNotDone); });
    QObject::connect(&service, &FirmwareService::upgradeReady, [&] {
        out(QStringLiteral("Upgrade ready: %1 bytes in %2 blocks.").arg(file.image->size()).arg(blocks));
        outcome.finish(kOk);
    });

    outcome.expectWithin(kIdleWaitMs,
                         QCoreApplication::translate("vantorelctl", "The bootloader did not report Idle."));
    if (const int status
        = startBootloader(link, version.typeLetter, session.idleReported, session.bootloaderAsked, worthEntering);
        status != kOk)
        outcome.finish(status);
    const int status = session.ended(outcome.wait());
    // A bootloader that decided against the upload waits on: restart it.
    if (session.idleReported && (status == kNotDone || status == kDataError) && !service.checksumError)
        service.restartFromBootloader();
    return status;
}

// ------------------------------------------------------------- iface-test

int checkNoArguments(CliContext& c)
{
    if (c.args.size() > 1)
        return usage(QCoreApplication::translate("vantorelctl", "'%1' takes no arguments.").arg(c.args.first()));
    return kOk;
}

int testStatus(FirmwareService::TestResult result)
{
    using R = FirmwareService::TestResult;
    switch (result) {
    case R::Passed: return kOk;
    case R::Failed:
    case R::QueueError: return kNotDone;
    case R::Cancelled: return kInterrupted;
    default: return kNoAnswer;
    }
}

int runInterfaceTest(CliContext& c)
{
    Session session(c);
    FirmwareService& service = session.service;
    Outcome& outcome = session.outcome;
    service.setUploadMode(FirmwareService::InterfaceTestMode);

    QObject::connect(&service, &FirmwareService::decisionTaken, [&](FirmwareService::Decision decision) {
        if (decision != FirmwareService::Decision::InterfaceTest)
            return;
        // One test: the bootloader's next Idle starts nothing.
        service.setUploadMode(FirmwareService::ReadVersions);
        outcome.expectWithin(kStallMs, QCoreApplication::translate("vantorelctl", "The interface test did not end."));
    });
    QObject::connect(&service, &FirmwareService::interfaceTestEnded, [&](FirmwareService::TestResult result) {
        if (result == FirmwareService::TestResult::Passed)
            out(QStringLiteral("Interface test passed."));
        outcome.finish(testStatus(result));
    });
    // After the test block: the echo must come.
    QObject::connect(&session.link, &DeviceLink::resultLogged, &service, [&](const QString& line) {
        if (line == QLatin1String("Block sent - Iface test"))
            outcome.expectWithin(kVerdictWaitMs,
                                 QCoreApplication::translate("vantorelctl", "The device did not echo the test block."));
    });

    outcome.expectWithin(kIdleWaitMs,
                         QCoreApplication::translate("vantorelctl", "The bootloader did not report Idle."));
    if (const int status = startBootloader(session.link, 0, session.idleReported, session.bootloaderAsked);
        status != kOk)
        outcome.finish(status);
    const int status = session.ended(outcome.wait());
    // The bootloader waits for another test: restart the device.
    if (session.idleReported && !session.link.portLost())
        service.restartFromBootloader();
    return status;
}

// ------------------------------------------------------------------ set-id

std::optional<int64_t> parseDeviceId(const QString& text)
{
    if (text.isEmpty() || text.size() > 10)
        return std::nullopt;
    for (const QChar ch : text) {
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            return std::nullopt;
    }
    const qint64 value = text.toLongLong();
    if (value > qint64(UINT32_MAX))
        return std::nullopt;
    return value;
}

int checkSetId(CliContext& c)
{
    if (c.args.size() != 2)
        return usage(QCoreApplication::translate("vantorelctl", "'set-id' takes one argument: the device ID."));
    if (!parseDeviceId(c.args.at(1)))
        return usage(
            QCoreApplication::translate("vantorelctl", "The device ID must be a number from 0 to 4294967295, not '%1'.")
                .arg(c.args.at(1)));
    return kOk;
}

int runSetId(CliContext& c)
{
    const int64_t id = *parseDeviceId(c.args.at(1));
    Session session(c);
    const OpResult result = session.service.setDeviceId(id);
    if (result == OpResult::Done)
        out(QStringLiteral("Device ID written: ") + deviceIdText(uint32_t(id)));
    return statusOf(result);
}

} // namespace

std::vector<CliCommand> firmwareUploadCommands()
{
    return {
        {QStringLiteral("firmware upload"), checkUpload, runUpload},
        {QStringLiteral("iface-test"), checkNoArguments, runInterfaceTest},
        {QStringLiteral("set-id"), checkSetId, runSetId},
    };
}

} // namespace vantorel
