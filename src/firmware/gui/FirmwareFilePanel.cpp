#include "firmware/gui/FirmwareFilePanel.h"

#include "app/gui/TDmxUserMainForm.h"
#include "app/link/DeviceLink.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

namespace {

std::filesystem::path toFileSystemPath(const QString& path)
{
#ifdef _WIN32
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

bool isExistingFile(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

} // namespace

FirmwareFilePanel::FirmwareFilePanel(TDmxUserMainForm& form)
    : QObject(&form)
    , m_form(form)
{
    setObjectName(QStringLiteral("firmwareFilePanel"));
    chooseFile = [this](const QString& start) { return defaultChooseFile(start); };
    m_form.lblCurFile->setText(QStringLiteral("-"));
    m_form.lblCurFileDate->setText(QStringLiteral("-"));
    connect(m_form.btnLoadFirmware, &QPushButton::clicked, this, &FirmwareFilePanel::btnLoadFirmwareClick);
}

char FirmwareFilePanel::firmwareType() const
{
    return m_form.link().firmwareType();
}

QString FirmwareFilePanel::defaultChooseFile(const QString& start)
{
    return QFileDialog::getOpenFileName(&m_form, QString(), start,
                                        QStringLiteral("Firmware Files (*.bix);;All files (*.*)"));
}

void FirmwareFilePanel::btnLoadFirmwareClick()
{
    const QString start = isExistingFile(m_path) ? m_path : QCoreApplication::applicationDirPath();
    const QString chosen = chooseFile(start);
    if (chosen.isEmpty())
        return;
    m_path = chosen;
    emit firmwareFileChanged();
    if (!ParseFirmwareVersion())
        return;
    const QFileInfo info(m_path);
    m_form.lblCurFileDate->setText(info.lastModified().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
    m_form.lblCurFile->setText(QDir::toNativeSeparators(m_path));
}

std::optional<FirmwareImage> FirmwareFilePanel::LoadFirmwareImage(bool chooseIfMissing)
{
    if (!isExistingFile(m_path)) {
        if (!chooseIfMissing)
            return std::nullopt;
        const QString chosen = chooseFile(QCoreApplication::applicationDirPath());
        if (chosen.isEmpty())
            return std::nullopt;
        m_path = chosen;
        m_form.lblCurFile->setText(QDir::toNativeSeparators(m_path));
        emit firmwareFileChanged();
    }
    std::string error;
    const std::optional<std::string> text = ReadFirmwareFileText(toFileSystemPath(m_path), error);
    if (!text) {
        if (!m_quietErrors)
            m_form.showError(QStringLiteral("Cannot open file \"%1\". %2")
                                 .arg(QDir::toNativeSeparators(m_path), QString::fromLocal8Bit(error.c_str())));
        return std::nullopt;
    }
    std::optional<FirmwareImage> image = DecryptFirmwareText(*text, BuiltInFirmwarePassword());
    if (!image && !m_quietErrors)
        m_form.showError(QStringLiteral("%1 in the file \"%2\".")
                             .arg(QString::fromLatin1(kInvalidFirmwareData), QDir::toNativeSeparators(m_path)));
    return image;
}

std::optional<PackedDateTime> FirmwareFilePanel::ParseFirmwareVersion(bool chooseIfMissing)
{
    const std::optional<FirmwareImage> image = LoadFirmwareImage(chooseIfMissing);
    if (!image)
        return std::nullopt;
    const FirmwareVersion version = FindFirmwareVersion(*image);
    m_form.link().setFirmwareType(version.typeLetter);
    m_date = version.date;
    if (version.typeLetter == 'X') {
        // No marker: nothing of an earlier file may stay on show.
        m_form.lblFWType->clear();
        m_form.lblFWDate->clear();
    } else {
        m_form.lblFWType->setText(QString::fromStdString(version.typeName));
        m_form.lblFWDate->setText(QString::fromStdString(FormatPackedDateTime(version.date)));
    }
    emit firmwareFileChanged();
    return version.date;
}

void FirmwareFilePanel::restoreLastFile(const QString& path)
{
    m_path = path;
    m_form.lblCurFile->setText(QStringLiteral("-"));
    emit firmwareFileChanged();
    if (!isExistingFile(m_path))
        return;
    // A file that failed at an earlier start, unchanged since (its time is
    // the date kept with it), is not reported at every start again.
    const QString modified = QFileInfo(m_path).lastModified().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    m_quietErrors = m_form.lblCurFileDate->text() == modified;
    const bool parsed = ParseFirmwareVersion(false).has_value();
    m_quietErrors = false;
    if (parsed)
        m_form.lblCurFile->setText(QDir::toNativeSeparators(m_path));
    else
        m_form.lblCurFileDate->setText(modified);
}
