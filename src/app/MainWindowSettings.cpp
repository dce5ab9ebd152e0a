// The main window's settings: loading at the first show, saving on close.

#include "app/MainWindow.h"

#include "channels/gui/ChannelsPage.h"
#include "firmware/gui/FirmwarePage.h"
#include "link/DeviceLink.h"
#include "settings/PortNames.h"
#include "settings/SettingsFiles.h"
#include "settings/domain/IniFile.h"
#include "settings/gui/FormPosition.h"
#include "util/gui/PortListBox.h"

#include <QComboBox>
#include <QLabel>

namespace vantorel {

namespace {

QStringList itemsOf(const QComboBox& box)
{
    QStringList items;
    for (int i = 0; i < box.count(); ++i)
        items << box.itemText(i);
    return items;
}

// Selects the entry matching `name`; a name no entry matches changes nothing.
void selectPort(QComboBox& box, const std::string& name)
{
    const int index = findPortName(itemsOf(box), fromIniText(name));
    if (index >= 0)
        box.setCurrentIndex(index);
}

} // namespace

Result<void> MainWindow::loadSettings()
{
    const ProgramSettings s
        = readProgramSettings(readIniFile(m_settingsFiles.programIni), toIniText(m_settingsFiles.executableDir));

    selectPort(*m_inputPorts, s.midiInput);
    selectPort(*m_outputPorts, s.midiOutput);

    RecentFiles& recentFiles = m_channelsPage->recentFiles();
    recentFiles.readDir = fromIniText(s.readDir);
    recentFiles.saveDir = fromIniText(s.saveDir);
    recentFiles.channelFileFilter = channelFileFilter();
    recentFiles.lastOpened = fromIniText(s.lastOpened);
    recentFiles.lastSaved = fromIniText(s.lastSaved);

    m_channelsPage->setRowColours(s.colours);
    m_channelsPage->setVerifyAfterWrite(s.verifyAfterWrite);
    m_channelsPage->setLearnPort(fromIniText(s.learnFrom));
    m_firmwarePage->restoreLastFile(fromIniText(s.lastFirmwareFile), fromIniText(s.lastFirmwareFileDate));

    // The restored selection; a port that cannot be opened ends the start.
    m_link.setSelectedPorts(m_inputPorts->currentText(), m_outputPorts->currentText());
    return m_link.reopenPorts();
}

Result<void> MainWindow::saveSettings()
{
    if (Result<void> saved = saveFormPosition(*this, m_settingsFiles.positionIni); !saved)
        return saved;
    if (Result<void> saved = saveFormPosition(calculatorWindow(), m_settingsFiles.positionIni); !saved)
        return saved;
    if (m_settingsFiles.programIni.isEmpty())
        return {};

    Result<IniFile> read = readIniFileForUpdate(m_settingsFiles.programIni);
    if (!read)
        return read.error();
    IniFile& ini = *read;
    ProgramSettings s;
    s.midiInput = toIniText(m_inputPorts->currentText());
    s.midiOutput = toIniText(m_outputPorts->currentText());
    s.lastOpened = toIniText(m_channelsPage->recentFiles().lastOpened);
    s.lastSaved = toIniText(m_channelsPage->recentFiles().lastSaved);
    s.colours = m_channelsPage->rowColours();
    s.verifyAfterWrite = m_channelsPage->verifyAfterWrite();
    s.learnFrom = toIniText(m_channelsPage->learnPort());
    s.lastFirmwareFile = toIniText(m_firmwarePage->currentPath());
    s.lastFirmwareFileDate = toIniText(m_firmwarePage->fileDateText());
    s.language = toIniText(m_interfaceLanguage);
    writeProgramSettings(ini, s);
    return writeIniFile(ini, m_settingsFiles.programIni);
}

} // namespace vantorel
