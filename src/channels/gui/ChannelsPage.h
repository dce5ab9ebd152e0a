#pragma once

#include "channels/domain/ChannelCodec.h"
#include "channels/domain/ChannelTable.h"
#include "channels/gui/ChannelDocument.h"

#include "settings/RecentFiles.h"
#include "settings/domain/ProgramSettings.h"
#include "util/gui/Page.h"
#include "util/qt/Clock.h"

#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSpinBox;

namespace vantorel {

class DeviceLink;
class PageHost;
class ChannelListView;
class ChannelRowDelegate;
class ChannelTableModel;
class CalculatorDialog;
class ChannelInputDialog;
class RowColoursDialog;
class DescriptionDialog;
class PatchFixtureDialog;
class ChannelFieldTools;
class LearnSession;

// The "User Mode channels settings" page (tslngUserMode): the edit row
// pnlSettings above the channel list lvDMXChannels, the list's popup menu and
// the channel dialogs. The table lives in the list's model.
//
// The page's menu commands are actions the window places in its menus: the
// channel file and transfer commands ("File and device operations"), the
// "User Mode Tools" and "Colors" ("Settings").
class ChannelsPage : public Page {
    Q_OBJECT
public:
    // `programDirectory` is where the file dialogs start before any file was
    // used (the program's folder when empty).
    ChannelsPage(DeviceLink& link, PageHost& host, const QString& programDirectory = QString(),
                 QWidget* parent = nullptr);

    // The file dialogs (dlgOpen, dlgSave); tests replace them. They get the
    // starting directory and the proposed file and give the chosen full name,
    // empty on Cancel.
    std::function<QString(const QString& startDir, const QString& proposed)> openFileName;
    std::function<QString(const QString& startDir, const QString& proposedName)> saveFileName;

    // Actions for the window's menus, separators included.
    QList<QAction*> fileMenuActions() const;
    QList<QAction*> toolsMenuActions() const;
    QList<QAction*> settingsMenuActions() const;
    // Undo and Redo: enabled by what there is to undo.
    QList<QAction*> selfEnabledActions() const override;

    // The channel file folders and files remembered between runs.
    RecentFiles& recentFiles() { return m_recentFiles; }
    // The row colours of the colour dialog, as the settings keep them.
    RowColours rowColours() const;
    void setRowColours(const RowColours& colours);

    ChannelTableModel& model() { return *m_model; }
    const ChannelTableModel& model() const { return *m_model; }
    // The table's undo stack, modified state and recovery file.
    ChannelDocument& document() { return *m_document; }

    // "Save the changes to the channel table?" with Save, Discard and Cancel;
    // tests replace it.
    std::function<UnsavedChoice()> askUnsavedChanges;
    // Before a command replaces or drops the table: true when nothing is
    // unsaved, or the user saved (and the save succeeded) or discarded.
    bool mayDropTable();
    // While another reader takes the device's channels (a verify, a backup),
    // the dump replies do not go into the table.
    // Once they are taken again, the rest of a stream the other reader
    // stopped waiting for (a cancel) is still ignored until it ends.
    void setChannelDumpsIgnored(bool ignored);
    // "Verify after writing".
    bool verifyAfterWrite() const;
    void setVerifyAfterWrite(bool on);

    // Interaction hooks; tests replace them. askWithButtons gives 1 for the
    // first button, 2 for the second. inputBox gives nullopt on Cancel.
    std::function<int(const QString& caption, const QString& message, const QString& first, const QString& second)>
        askWithButtons;
    std::function<std::optional<QString>(const QString& caption, const QString& prompt, const QString& text)> inputBox;
    // Modal runs of the dialogs: the channel input dialog (true on Ok), the
    // description editor and the colour settings (their result).
    std::function<bool(ChannelInputDialog& dialog)> runChannelInput;
    std::function<void(DescriptionDialog& dialog)> runDescrForm;
    std::function<int(RowColoursDialog& dialog)> runColorSettings;

    // File and transfer commands (ChannelsPageFiles.cpp).
    void openChannelFile();
    // True when the file was written (or the table is empty and the user chose a name).
    bool saveChannelFile();
    void readFromDevice();
    void writeToDevice();
    // "Write changes to device" (ChannelsPageChanges.cpp): only the rows
    // that differ from the device's, then a verify.
    void writeChangesToDevice();
    // Whether to clear the device and write the whole table when the device
    // holds channels the table lacks (`message` names them); tests replace it.
    std::function<bool(const QString& message)> confirmFullClear;

    // Editing commands (ChannelsPageCommands.cpp).
    void setChannelFromEditRow();
    void addChannelFromMenu();
    void deleteSelectedChannels();
    void clearSelectedChannelData();
    void clearAllChannelData();
    void deleteAllChannels();
    void addAllChannels();
    void copySelectedChannels();
    void editDescription();
    void showCalculator();
    void editRowColours();

    // Edit row and list events.
    void onDmxChannelEntered();
    void onDmxChannelChanged();
    void onFromNoteChanged();
    void onControlModeChanged();
    void onDataTypeChanged();
    void onListDoubleClicked();
    void onListEnterReleased();
    void onPopupAboutToShow();

    // Shared steps.
    // Copies the current row into the edit row; false (after the message)
    // when a number cell is not an integer: the boxes set before it keep
    // their new values.
    bool loadRowIntoPanel();
    // Selects row `row`, copies it into the edit row and encodes what the edit
    // row then shows; nullopt when a selection box is left without an entry.
    std::optional<QString> encodeRowForDevice(int row);
    // Appends the row a dump reply describes; false when it describes none
    // (number 0, or a note number without a label).
    bool addChannelFromDump(const ChannelDump& dump);
    // Handling of one channel dump reply as it arrives: the debug log line,
    // the row, or "No user data in device." for number 0; the row count.
    void onChannelDump(const QString& payload);
    // A read from the device begins: its first row replaces the whole table,
    // whether it comes in time or after the wait has given up.
    void expectDeviceTable() { m_deviceTableExpected = true; }
    // Appends a row with the default channel data; returns its index.
    int addDefaultChannelRow(int number);
    void resetEditPanel();
    int askUser(const QString& caption, const QString& message, const QString& first, const QString& second);

    // The edit row's numbers as the device would get them; nullopt when a
    // selection box has no entry selected.
    std::optional<ChannelValues> panelValues() const;
    // The first entry of the To list (the default To cell of new rows).
    std::string defaultToLabel() const;
    // Index of the current row: the focused row when selected, else the first
    // selected row; -1 when no row is selected.
    int currentRow() const;

    // Steps of the main window's first show: the count and the edit row's
    // consistent state (before the settings are loaded), then the edit row's
    // selections back to their first entries (after).
    void prepareEditRow();
    void resetEditRowSelections();

    // Shows the row count in lblChannelsNbr.
    void showChannelCount();

    // Field tools (ChannelsPageTools.cpp): MIDI learn into the edit row
    // (btnlngLearn, milngLearn), a test of the selected row on the rig
    // (btnlngTestChannel) and a fixture patched from its definition file
    // (milngPatchFixture). Dialog hooks; tests replace them.
    std::function<QString(const QString& startDir)> openFixtureFileName;
    std::function<bool(PatchFixtureDialog& dialog)> runPatchFixture;
    void patchFixture();
    // Starts listening to the "Learn from" port, or stops a learning in progress.
    void learnIntoEditRow();
    void cancelLearning();
    // The "Learn from" port (cbxLearnPort), kept in the INI file.
    QString learnPort() const;
    void setLearnPort(const QString& name);
    LearnSession& learnSession();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Components, named as in the window layout.
    QFrame* pnlSettings = nullptr;
    QLabel* lblDmxCh = nullptr;
    QLabel* lblActLbl = nullptr;
    QLabel* lblVal1 = nullptr;
    QLabel* lblMidiCh = nullptr;
    QLabel* lblActOn = nullptr;
    QLabel* lblFromNoCc = nullptr;
    QLabel* lblToNoCc = nullptr;
    QLabel* lblValVel = nullptr;
    QLabel* lblVal2 = nullptr;
    QLabel* ledlngDescrLabel = nullptr;
    QSpinBox* sedDmxCh = nullptr;
    QComboBox* cbxActCtrVal = nullptr;
    QSpinBox* sedCHVal = nullptr;
    QComboBox* cbxMIDICh = nullptr;
    QComboBox* cbxActOn = nullptr;
    QComboBox* cbxFromNotes = nullptr;
    QComboBox* cbxToNotes = nullptr;
    QComboBox* cbxVelVal = nullptr;
    QSpinBox* sedVelVal = nullptr;
    QLineEdit* ledlngDescr = nullptr;
    QPushButton* btnSetDMXCh = nullptr;
    QLabel* lbllngDMXChannelsCnt = nullptr;
    QLabel* lblChannelsNbr = nullptr;
    ChannelListView* lvDMXChannels = nullptr;

    QAction* milngAddChannel = nullptr;
    QAction* milngDeleteChannel = nullptr;
    QAction* milngClearCurChannData = nullptr;
    QAction* milngclrTab = nullptr;
    QAction* milngDeleteAllChannels = nullptr;
    QAction* milngAdd512DMXchannels = nullptr;
    QAction* milngCalculator = nullptr;
    QAction* milngColors = nullptr;
    QAction* milngUndo = nullptr;
    QAction* milngRedo = nullptr;

    QMenu* pupDMXChannels = nullptr;
    QAction* milngAddChannel1 = nullptr;
    QAction* milngRemoveChannel1 = nullptr;
    QAction* milngClearchanneldata1 = nullptr;
    QAction* milngCopyPaste = nullptr;
    QAction* milngDescr = nullptr;

    QAction* milngOpenSettings = nullptr;
    QAction* milngSaveSettings = nullptr;
    QAction* milngGetFromDevice = nullptr;
    QAction* milngSendToDevice = nullptr;
    QAction* milngVerifyAfterWrite = nullptr;

    void buildEditRow();
    void buildList();
    void buildMenus();
    void buildDialogs();
    void installDefaultHooks();
    void buildFileCommands();
    void buildFileMenu();
    void buildWriteChangesItem();
    void blockEditingWhileBusy();
    void watchDumpForLostPort();
    void installDefaultFileDialogs();
    void buildFieldTools();
    // Every text of the page, its menus and its edit row's names and hints,
    // in the language in effect; the state-dependent ones from the state.
    void retranslateUi();
    void retranslateFieldTools();
    void refreshUndoActions();
    // Tab: the edit row left to right, the list, then the buttons.
    void orderTabChain();
    // The popup menu's "Learn" and "Test", after the other items' enabling.
    void enableFieldToolItems();
    // The row "Test" sends: the one selected row, when it has a test; else -1.
    int testableRow() const;
    QString programDirectory() const;

    // Add channel: from the DMX channel box (its text is the answer) or from
    // the menus (the input box asks).
    void addChannel(bool fromDmxBox);
    // Sets the From box and always rebuilds the To list.
    void setFromNote(int index);
    void showUserModePage();
    void showMessage(const QString& text);
    void writeDescriptionToCurrentRow(const QString& text);
    void scrollToRow(int row);
    // Records the change the caller makes next as one undo step.
    ChannelTableEdit recordEdit(const QString& caption);
    // After a write: reads the table back, compares and marks differing rows.
    void verifyWrittenTable(const ChannelTable& written);
    // The edit row as the user left it, for a transfer that shows its rows there.
    struct EditRowState {
        int dmx = 1, mode = 0, constant = 0, midi = 0, activeOn = 0, from = 0, to = 0, dataType = 0, fixed = 0;
        QString description;
    };
    EditRowState editRowState() const;
    // Sets the edit row back, with the enabled states its selections call for.
    void restoreEditRow(const EditRowState& state);
    // Channel dumps after a cancel (the device streams on): ignored and
    // logged until `kChannelDumpQuietMs` pass without one.
    void ignoreRestOfDump();

    DeviceLink& m_link;
    PageHost& m_host;
    const QString m_programDirectory;
    RecentFiles m_recentFiles;
    QList<QAction*> m_fileActions;
    QAction* m_sendChangesAction = nullptr; // milngSendChangesToDevice
    // The table before the latest read, while its dump may still arrive: a
    // port that vanishes meanwhile brings it back instead of a partial one.
    ChannelTable m_beforeRead;
    ClockTimer m_dumpArriving;
    QList<QAction*> m_toolsActions;
    QAction* m_colorsAction = nullptr;
    // The dialogs (children of the page, alive as long as it is).
    RowColoursDialog* m_rowColoursDialog = nullptr;
    DescriptionDialog* m_descriptionDialog = nullptr;
    ChannelInputDialog* m_channelInput = nullptr;
    CalculatorDialog* m_calculator = nullptr;
    ChannelTableModel* m_model = nullptr;
    bool m_dumpsIgnored = false;
    ClockTimer m_restOfDump; // runs while the rest of a cancelled dump is ignored
    bool m_transferRunning = false; // a read or a write with its read-back
    ChannelRowDelegate* m_delegate = nullptr;
    int m_previousDmxValue = 1;
    bool m_deviceTableExpected = false;
    int m_toListFrom = -2; // the From note the To list was built for
    ChannelFieldTools* m_fieldTools = nullptr; // a child of the page
    // Last, so gone first: its undo stack signals into this page as it
    // clears itself, while the page's members and actions are still there.
    std::unique_ptr<ChannelDocument> m_document;
};

} // namespace vantorel
