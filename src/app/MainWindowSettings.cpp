// The main window's settings: loading at the first show, saving on close.

#include "app/MainWindow.h"

#include "channels/gui/CalculatorDialog.h"
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

QStringList ItemsOf(const QComboBox& box)
{
    QStringList items;
    for (int i = 0; i < box.count(); ++i)
        items << box.itemText(i);
    return items;
}

// Selects the entry matching `name`; a name no entry matches changes nothing.
void SelectPort(QComboBox& box, const std::string& name)
{
    const int index = FindPortName(ItemsOf(box), FromIniText(name));
    if (index >= 0)
        box.setCurrentIndex(index);
}

} // namespace

void MainWindow::loadSettings()
{
    const ProgramSettings s
        = ReadProgramSettings(ReadIniFile(m_settingsFiles.programIni), ToIniText(m_settingsFiles.executableDir));

    SelectPort(*m_inputPorts, s.midiInput);
    SelectPort(*m_outputPorts, s.midiOutput);

    RecentFiles& recentFiles = m_channelsPage->recentFiles();
    recentFiles.readDir = FromIniText(s.readDir);
    recentFiles.saveDir = FromIniText(s.saveDir);
    recentFiles.channelFileFilter = ChannelFileFilter();
    recentFiles.lastOpened = FromIniText(s.lastOpened);
    recentFiles.lastSaved = FromIniText(s.lastSaved);

    m_channelsPage->setRowColours(s.colours);
    m_channelsPage->setVerifyAfterWrite(s.verifyAfterWrite);
    m_channelsPage->setLearnPort(FromIniText(s.learnFrom));
    m_firmwarePage->restoreLastFile(FromIniText(s.lastFirmwareFile), FromIniText(s.lastFirmwareFileDate));

    // The restored selection; a port that cannot be opened ends the start.
    m_link.setSelectedPorts(m_inputPorts->currentText(), m_outputPorts->currentText());
    m_link.ReopenPorts();
}

Result<void> MainWindow::saveSettings()
{
    if (Result<void> saved = SaveFormPosition(*this, m_settingsFiles.positionIni); !saved)
        return saved;
    if (Result<void> saved = SaveFormPosition(*m_channelsPage->calculator(), m_settingsFiles.positionIni); !saved)
        return saved;
    if (m_settingsFiles.programIni.isEmpty())
        return {};

    Result<IniFile> read = ReadIniFileForUpdate(m_settingsFiles.programIni);
    if (!read)
        return read.error();
    IniFile& ini = *read;
    ProgramSettings s;
    s.midiInput = ToIniText(m_inputPorts->currentText());
    s.midiOutput = ToIniText(m_outputPorts->currentText());
    s.lastOpened = ToIniText(m_channelsPage->recentFiles().lastOpened);
    s.lastSaved = ToIniText(m_channelsPage->recentFiles().lastSaved);
    s.colours = m_channelsPage->rowColours();
    s.verifyAfterWrite = m_channelsPage->verifyAfterWrite();
    s.learnFrom = ToIniText(m_channelsPage->learnPort());
    s.lastFirmwareFile = ToIniText(m_firmwarePage->currentPath());
    s.lastFirmwareFileDate = ToIniText(m_firmwarePage->fileDateText());
    WriteProgramSettings(ini, s);
    return WriteIniFile(ini, m_settingsFiles.programIni);
}

} // namespace vantorel
