// The main window's settings: loading at the first show, saving on close.

#include "app/MainWindow.h"

#include "link/DeviceLink.h"
#include "firmware/gui/FirmwareFilePanel.h"
#include "settings/PortNames.h"
#include "settings/SettingsFiles.h"
#include "settings/domain/IniFile.h"
#include "settings/gui/FormPosition.h"

#include <QComboBox>
#include <QLabel>

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

void MainWindow::setCalculatorWindow(QWidget* window)
{
    m_calculatorWindow = window;
    if (window)
        RestoreFormPosition(*window, m_settingsFiles.positionIni);
}

void MainWindow::LoadIniSettings()
{
    const ProgramSettings s =
        ReadProgramSettings(ReadIniFile(m_settingsFiles.programIni), ToIniText(m_settingsFiles.executableDir));

    SelectPort(*cbxInPorts, s.midiInput);
    SelectPort(*cbxOutPorts, s.midiOutput);

    recentFiles.readDir = FromIniText(s.readDir);
    recentFiles.saveDir = FromIniText(s.saveDir);
    recentFiles.channelFileFilter = ChannelFileFilter();
    recentFiles.lastOpened = FromIniText(s.lastOpened);
    recentFiles.lastSaved = FromIniText(s.lastSaved);

    m_rowColours = s.colours;
    if (setRowColours)
        setRowColours(s.colours);

    lblCurFileDate->setText(FromIniText(s.lastFirmwareFileDate));
    if (firmwareFile) {
        firmwareFile->restoreLastFile(FromIniText(s.lastFirmwareFile));
    } else {
        lblCurFile->setText(QStringLiteral("-"));
    }

    // The restored selection; a port that cannot be opened ends the start.
    m_link.setSelectedPorts(cbxInPorts->currentText(), cbxOutPorts->currentText());
    m_link.ReopenPorts();
}

void MainWindow::SaveIniSettings()
{
    SaveFormPosition(*this, m_settingsFiles.positionIni);
    if (m_calculatorWindow)
        SaveFormPosition(*m_calculatorWindow, m_settingsFiles.positionIni);
    if (m_settingsFiles.programIni.isEmpty())
        return;

    IniFile ini = ReadIniFileForUpdate(m_settingsFiles.programIni);
    ProgramSettings s;
    s.midiInput = ToIniText(cbxInPorts->currentText());
    s.midiOutput = ToIniText(cbxOutPorts->currentText());
    s.lastOpened = ToIniText(recentFiles.lastOpened);
    s.lastSaved = ToIniText(recentFiles.lastSaved);
    s.colours = rowColours ? rowColours() : m_rowColours;
    s.lastFirmwareFile = firmwareFile ? ToIniText(firmwareFile->currentPath()) : std::string();
    s.lastFirmwareFileDate = ToIniText(lblCurFileDate->text());
    WriteProgramSettings(ini, s);
    WriteIniFile(ini, m_settingsFiles.programIni);
}
