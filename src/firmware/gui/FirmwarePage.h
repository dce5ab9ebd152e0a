#pragma once

#include "firmware/FirmwareService.h"

#include <QObject>

class MainWindow;

// The device side of the firmware page: programming mode, the upload mode
// (rglngMode), the pass counter of the interface test, the device labels
// filled from the bootloader's reports and "Set Device ID". The flows are the
// FirmwareService's; this object connects them to the window.
class FirmwarePage : public QObject {
    Q_OBJECT
public:
    // Child of `form`; takes the current file from form.firmwareFile.
    explicit FirmwarePage(MainWindow& form);
    ~FirmwarePage() override;

    FirmwareService& service() { return m_service; }

    void btnlngEnterProgrammingModeClick();
    void btnSetDevNbrClick();

private:
    void clearDeviceInfo();

    MainWindow& m_form;
    FirmwareService m_service;
};
