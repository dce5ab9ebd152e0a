#pragma once

#include "firmware/domain/FirmwareFile.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class TDmxUserMainForm;

// The firmware file of the firmware page: "Load firmware file", the labels of
// the loaded file and what the upload needs from it (path, type letter, date).
// The image itself is not kept: every user decrypts the file anew from disk.
class FirmwareFilePanel : public QObject {
    Q_OBJECT
public:
    // Child of `form`; connects btnLoadFirmware and shows "-" in the file labels.
    explicit FirmwareFilePanel(TDmxUserMainForm& form);

    // The open-file dialog; receives the file or directory to start in and
    // returns the chosen path, empty when cancelled. Tests replace it.
    std::function<QString(const QString& start)> chooseFile;

    const QString& currentPath() const { return m_path; }
    // 'B', 'P', 'E', 'U', or 'X' while no file with a version marker is loaded
    // (the letter is kept in the device link, where the upload's type check reads it).
    char firmwareType() const;
    // Build date of the loaded file; 0 until a file with a date has been parsed.
    PackedDateTime firmwareDate() const { return m_date; }

    void btnLoadFirmwareClick();

    // The image of the current file, read and decrypted from disk. When the
    // current path names no existing file, the file choice runs first (unless
    // `chooseIfMissing` is false) and the chosen path becomes current. nullopt
    // when the choice was cancelled or the file failed; failures are shown in
    // the window's error box ("Invalid data", or the file system's reason).
    std::optional<FirmwareImage> LoadFirmwareImage(bool chooseIfMissing = true);

    // Loads the image and takes its version marker: type letter, lblFWType,
    // lblFWDate and the kept date. Returns the date (0 without a marker), or
    // nullopt when no image could be loaded (nothing changed then).
    std::optional<PackedDateTime> ParseFirmwareVersion(bool chooseIfMissing = true);

    // Start-up with the path saved last time: lblCurFile shows "-", and when
    // the file exists it is parsed and its path shown. lblCurFileDate is left
    // to the caller (it holds the saved date text).
    void restoreLastFile(const QString& path);

signals:
    // The path, type letter or date changed.
    void firmwareFileChanged();

private:
    QString defaultChooseFile(const QString& start);

    TDmxUserMainForm& m_form;
    QString m_path;
    PackedDateTime m_date = 0;
    bool m_quietErrors = false;   // a file already reported at an earlier start
};
