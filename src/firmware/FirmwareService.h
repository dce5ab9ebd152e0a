#pragma once

#include "util/qt/Clock.h"
#include "link/DeviceOperations.h"
#include "firmware/domain/FirmwareFile.h"
#include "firmware/domain/PackedDateTime.h"
#include "firmware/domain/UploadDecision.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vantorel {

class DeviceLink;
struct MidiEvent;

// The firmware status after an interface test: the bootloader waits on.
inline constexpr const char* kLeftInBootloaderText
    = QT_TRANSLATE_NOOP("vantorel::FirmwareService",
                        "The device stays in its bootloader until it is restarted (\"Restart device\") or "
                        "power-cycled.");
// When a restart from the bootloader is not answered.
inline constexpr const char* kPowerCycleText = QT_TRANSLATE_NOOP(
    "vantorel::FirmwareService", "The device did not restart: switch its power off and on to leave the bootloader.");

// Where the upload finds the current firmware file.
struct FirmwareFileSource {
    // Date of the current file; 0 while no file has been parsed.
    std::function<PackedDateTime()> firmwareDate;
    // Reads and decrypts the current file again (loadFirmwareImage). The
    // source reports its own failures ("Invalid data", a cancelled choice);
    // nullopt ends the transfer.
    std::function<std::optional<FirmwareImage>()> loadImage;
};

// The firmware page's side of the device: what the bootloader reports while
// the page is shown, the version information, the upload, the interface test
// and writing the device ID. Used by the main window and by vantorelctl; it
// talks to the device only through the DeviceLink and reports through the
// link's status signals and its own signals below.
//
// Implemented in FirmwareService.cpp (state, bootloader messages, upload
// decision), DeviceIdentity.cpp, FirmwareUpload.cpp and InterfaceTest.cpp.
class FirmwareService : public QObject {
    Q_OBJECT
public:
    using enum UploadMode;
    using Decision = UploadDecision;

    // How the program's side of an upload ended.
    enum class UploadResult {
        FinalBlockSent, // every block went out; the device's verdict follows
        NoHandshake, // "No response from device, HS 1" / "HS 2"
        QueueError, // "Queue error 001"
        InitTimeout, // no first block request
        BlockTimeout, // no block request after a block
        ChecksumError, // the device reported a checksum error during the transfer
        NoImage, // the current file could not be read or decrypted
        SendFailed, // the MIDI output refused a message
        Cancelled, // cancelled by the user between two blocks
    };
    Q_ENUM(UploadResult)

    enum class TestResult {
        Passed, // echo equal to the sent block, confirmation answered
        PassedUnconfirmed, // echo equal, no or a wrong confirmation answer
        Failed, // echo differs ("Test Failed - ...")
        InitFailed, // no start answer
        HandshakeFailed, // no handshake answer
        NoDataRequest, // no block request
        QueueError, // an unexpected message where an answer was due
        SendFailed,
        Cancelled, // cancelled by the user before the test block was sent
    };
    Q_ENUM(TestResult)

    explicit FirmwareService(DeviceLink& link, QObject* parent = nullptr);
    ~FirmwareService() override;

    DeviceLink& link() { return m_link; }

    void setFileSource(FirmwareFileSource source) { m_file = std::move(source); }
    PackedDateTime fileFirmwareDate() const;

    int uploadMode() const { return m_uploadMode; }
    // Choosing a mode, even the one already chosen, asks for one upload.
    void setUploadMode(int mode);
    // One request uploads at most once: after an upload has ended, the
    // bootloader's next Idle only shows the versions until the user asks
    // again (a mode chosen, programming mode entered).
    void allowNextUpload() { m_uploadSpent = false; }

    // How long the device may take to confirm the final block.
    static constexpr int kVerdictWaitMs = 5000;

    // Values the device reported (bootloader information, replies "j" and "k").
    uint32_t deviceId() const { return m_deviceId; }
    PackedDateTime bootloaderDate() const { return m_bootloaderDate; }
    PackedDateTime deviceFirmwareDate() const { return m_deviceFirmwareDate; }

    // Interface test.
    int passes() const { return m_passes; }
    const std::string& sentMessageText() const { return m_sentMessageText; }
    const std::string& receivedTestText() const { return m_receivedTestText; }

    // Flags written by the bootloader messages.
    bool blockRequest = false;
    bool checksumError = false;

    // Milliseconds of each wait for the bootloader (one period of the wait timer).
    static constexpr int kWaitMs = 2000;

    // DeviceIdentity.cpp
    void processBootloaderInfo();
    // Writes the device ID and waits for the device to restart. Numbers that do
    // not fit the 32-bit ID are refused (Failed) before anything is sent.
    OpResult setDeviceId(int64_t number);

    // FirmwareUpload.cpp
    void uploadHandshake();
    void transferFirmwareBlocks();
    // Builds and sends one block message; keeps its hex text for the interface
    // test. Raises the output's error.
    // False when the output refused the block (reported through the link).
    bool sendFwBlockData(const std::vector<uint8_t>& data, uint32_t counter);

    // InterfaceTest.cpp
    void runInterfaceTest();
    void checkInterfaceTestData();

    // "D" to a device left in its bootloader (after an interface test, or
    // when nothing was uploaded), waiting 1.5 s for its answer or its
    // identification. True when it restarted; otherwise the firmware status
    // says it must be power-cycled.
    bool restartFromBootloader();
    static constexpr int kRestartFromBootloaderMs = 1500;

    // The reaction to one bootloader report (see DeviceLink::bootloaderReport).
    void onBootloaderReport(uint32_t code);

signals:
    void uploadModeChanged(int mode); // set from code (upgrade ready in a developer run)
    void passesChanged(int passes); // lbllngPasses
    void decisionTaken(FirmwareService::Decision decision);
    void uploadEnded(FirmwareService::UploadResult result);
    void upgradeReady();
    // Neither upgrade ready nor a checksum error came after the final block.
    void upgradeUnconfirmed();
    void checksumErrorReported();
    void interfaceTestEnded(FirmwareService::TestResult result);
    // A device ID write without a restart report: the device labels, the file
    // labels and the pass counter are to be cleared and the file parsed again.
    void deviceInfoCleared();

private:
    void onEventReceived(const MidiEvent& event);
    void takeUploadDecision();
    // Runs `step` on the GUI thread once the link's current operation ends.
    void post(void (FirmwareService::*step)());
    // Runs the event loop until `done` holds; re-checked after every input and tick.
    void waitFor(const std::function<bool()>& done);
    // Starts a full new period of the wait timer for one wait.
    void restartTimer(int ms = kWaitMs);
    void firmwareStatus(const QString& text);
    void status(const QString& text);
    void logWithTime();
    void endUpload(UploadResult result);
    // Ends a cancelled upload or test with `text` on both status lines.
    void reportCancelled(const QString& text);
    void endTest(TestResult result);

    DeviceLink& m_link;
    FirmwareFileSource m_file;
    int m_uploadMode = ReadVersions;
    uint32_t m_deviceId = 0;
    PackedDateTime m_bootloaderDate = 0;
    PackedDateTime m_deviceFirmwareDate = 0;
    int m_passes = 0;
    std::string m_sentMessageText;
    std::string m_receivedTestText;
    QString m_lastStatus;
    bool m_uploadSpent = false;
    // An upload began and its final block has not gone out (yet).
    bool m_finalBlockPending = false;
    ClockTimer m_verdictGuard;
};

} // namespace vantorel
