#pragma once

#include <QString>

namespace vantorel {

// The channel file directories and files the program remembers between runs
// (program INI file). The channel file commands keep them up to date;
// LoadIniSettings fills them and SaveIniSettings writes them. (The last
// firmware file is the firmware page's current file.)
struct RecentFiles {
    QString readDir; // initial folder of the open dialog for channel files
    QString saveDir; // initial folder of the save dialog for channel files
    QString lastOpened; // channel file last opened (full path)
    QString lastSaved; // channel file last saved (full path)
    // Filter of both channel file dialogs (set when the settings are loaded).
    QString channelFileFilter;
};

// The channel file dialogs' filter, in the file dialog's notation.
inline QString channelFileFilter()
{
    return QStringLiteral("DMX data files (*.csv);;All files (*.*)");
}

} // namespace vantorel
