#pragma once

#include "firmware/FirmwareService.h"
#include "firmware/domain/FirmwareFile.h"
#include "link/DeviceLink.h"
#include "util/gui/Page.h"

#include <QString>

#include <functional>
#include <optional>

class QButtonGroup;
class QLabel;
class QPushButton;
class QComboBox;
class QFrame;
class QDoubleSpinBox;

namespace vantorel {

class PageHost;

// The "Firmware Upload" page (tslngFWUpload): the firmware file ("Load
// firmware file" and the labels of the loaded file), what the device and its
// bootloader report, the upload mode (rglngMode), the interface test's pass
// counter and, in developer runs, the service panel pnlService.
//
// The flows are the FirmwareService's. While the page is shown it subscribes
// to the link's bootloader messages, so that what the bootloader reports
// drives the upload. The file's image is not kept: every user decrypts the
// file anew from disk.
class FirmwarePage : public Page {
    Q_OBJECT
public:
    FirmwarePage(DeviceLink& link, PageHost& host, QWidget* parent = nullptr);
    ~FirmwarePage() override;

    FirmwareService& service() { return m_service; }

    // The open-file dialog; receives the file or directory to start in and
    // returns the chosen path, empty when cancelled. Tests replace it.
    std::function<QString(const QString& start)> chooseFile;

    const QString& currentPath() const { return m_path; }
    // 'B', 'P', 'E', 'U', or 'X' while no file with a version marker is loaded
    // (the letter is kept in the device link, where the upload's type check reads it).
    char firmwareType() const;
    // Build date of the loaded file; 0 until a file with a date has been parsed.
    PackedDateTime firmwareDate() const { return m_date; }

    // Item of the radio group rglngMode (0..3).
    int uploadMode() const;
    void setUploadMode(int item);

    // pnlService: developer runs and a non-zero "DebugOn" only.
    void setServicePanelVisible(bool visible);
    // The state of the window's first show: the upload mode `item`, no device
    // or file values shown, and "Waiting for device...".
    void showWaitingForDevice(int item);

    // Start-up with the file and the date text saved last time: lblCurFile
    // shows "-", and when the file exists it is parsed and its path shown.
    void restoreLastFile(const QString& path, const QString& dateText);
    // The text of lblCurFileDate, as the settings keep it.
    QString fileDateText() const;

    // The image of the current file, read and decrypted from disk. When the
    // current path names no existing file, the file choice runs first (unless
    // `chooseIfMissing` is false) and the chosen path becomes current. nullopt
    // when the choice was cancelled or the file failed; failures are shown in
    // the host's error box ("Invalid data", or the file system's reason).
    std::optional<FirmwareImage> loadFirmwareImage(bool chooseIfMissing = true);
    // Loads the image and takes its version marker: type letter, lblFWType,
    // lblFWDate and the kept date. Returns the date (0 without a marker), or
    // nullopt when no image could be loaded (nothing changed then).
    std::optional<PackedDateTime> parseFirmwareVersion(bool chooseIfMissing = true);

    // Handlers of the page's buttons.
    void loadFirmwareFile();
    void readDeviceType();
    void enterProgrammingMode();
    void restartDevice();
    void setDeviceId();
    void sendCommonMessage();
    void reopenPorts();

signals:
    // The path, type letter or date of the firmware file changed.
    void firmwareFileChanged();

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Every caption, hint and accessible name, in the language installed now.
    void retranslateUi();
    // The Tab chain in the order the controls stand on the page.
    void setTabChain();
    void buildInformationPanel();
    void buildFilePanel();
    void buildServicePanel();
    void connectService();
    void onDeviceTypeApplied(char letter);
    void clearDeviceInfo();
    QString defaultChooseFile(const QString& start);

    DeviceLink& m_link;
    PageHost& m_host;
    FirmwareService m_service;
    DeviceLink::BootloaderSubscription m_bootloader;
    QString m_path;
    PackedDateTime m_date = 0;
    bool m_quietErrors = false; // a file already reported at an earlier start

    QLabel* m_status = nullptr; // lbllngFWStatMsg
    bool m_waiting = false; // m_status says "Waiting for device..." (re-said in another language)
    QLabel* m_fileDate = nullptr; // lblFWDate
    QLabel* m_fileType = nullptr; // lblFWType
    QLabel* m_bootloaderDate = nullptr; // lblBLDate
    QLabel* m_deviceFirmwareDate = nullptr; // lblSWDate
    QLabel* m_deviceId = nullptr; // lblDevID
    QLabel* m_deviceType = nullptr; // lblDevType
    QButtonGroup* m_uploadModes = nullptr; // rglngModeItems
    QLabel* m_passes = nullptr; // lbllngPasses
    QPushButton* m_programmingMode = nullptr; // btnlngEnterProgrammingMode
    QLabel* m_currentFile = nullptr; // lblCurFile
    QLabel* m_currentFileDate = nullptr; // lblCurFileDate
    QFrame* m_servicePanel = nullptr; // pnlService
    QDoubleSpinBox* m_deviceNumber = nullptr; // sedDevNbr
    QPushButton* m_restartFromService = nullptr; // btnResetDev
    QComboBox* m_commonMessages = nullptr; // cbxCommonMsg
};

} // namespace vantorel
