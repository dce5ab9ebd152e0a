#pragma once

#include "channels/domain/ChannelCodec.h"
#include "channels/domain/ChannelTable.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class ChannelFileCommands;
class ChannelListView;
class ChannelRowDelegate;
class ChannelTableModel;
class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSpinBox;
class TCalcForm;
class TDMXChannelInputForm;
class TDMXUserSetForm;
class TDescrForm;
class TDmxUserMainForm;

// The "User Mode channels settings" page: the edit row pnlSettings above the
// channel list lvDMXChannels, the "User Mode Tools" menu, the list's popup
// menu, "Settings" > "Colors", and the channel dialogs. Builds its widgets
// into the main window's page and menus; the table lives in the list's model.
class ChannelsPage : public QObject {
    Q_OBJECT
public:
    explicit ChannelsPage(TDmxUserMainForm& form);
    ~ChannelsPage() override;

    ChannelTableModel& model() { return *m_model; }
    const ChannelTableModel& model() const { return *m_model; }

    // Interaction hooks; tests replace them. askWithButtons gives 1 for the
    // first button, 2 for the second. inputBox gives nullopt on Cancel.
    std::function<int(const QString& caption, const QString& message, const QString& first, const QString& second)>
        askWithButtons;
    std::function<std::optional<QString>(const QString& caption, const QString& prompt, const QString& text)> inputBox;
    // Modal runs of the dialogs: the channel input dialog (true on Ok), the
    // description editor and the colour settings (their result).
    std::function<bool(TDMXChannelInputForm& dialog)> runChannelInput;
    std::function<void(TDescrForm& dialog)> runDescrForm;
    std::function<int(TDMXUserSetForm& dialog)> runColorSettings;

    // Commands.
    void btnSetDMXChClick();
    void milngAddChannel1Click();
    void milngDeleteChannelClick();
    void milngClearCurChannDataClick();
    void milngclrTabClick();
    void milngDeleteAllChannelsClick();
    void milngAdd512DMXchannelsClick();
    void milngCopyPasteClick();
    void milngDescrClick();
    void milngCalculatorClick();
    void milngColorsClick();

    // Edit row and list events.
    void sedDmxChKeyUp();
    void sedDmxChChange();
    void cbxFromNotesChange();
    void cbxActCtrValChange();
    void cbxVelValChange();
    void lvDMXChannelsDblClick();
    void lvDMXChannelsKeyUp();
    void pupDMXChannelsPopup();

    // Shared steps.
    // Copies the current row into the edit row; false (after the message)
    // when a number cell is not an integer: the boxes set before it keep
    // their new values.
    bool LoadRowIntoPanel();
    // Selects row `row`, copies it into the edit row and encodes what the edit
    // row then shows; nullopt when a selection box is left without an entry.
    std::optional<QString> PrepDMXChannelsData(int row);
    // Appends the row a dump reply describes; false when it describes none
    // (number 0, or a note number without a label).
    bool AddChannelFromDump(const ChannelDump& dump);
    // Handling of one channel dump reply as it arrives: the debug log line,
    // the row, or "No user data in device." for number 0; the row count.
    void onChannelDump(const QString& payload);
    // A read from the device begins: its first row replaces the whole table,
    // whether it comes in time or after the wait has given up.
    void expectDeviceTable() { m_deviceTableExpected = true; }
    // Appends a row with the default channel data; returns its index.
    int AddDefaultChannelRow(int number);
    void ResetEditPanel();
    int AskWithButtons(const QString& caption, const QString& message, const QString& first, const QString& second);

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
    void FormShowEditRow();
    void FormShowResetSelections();

    // Shows the row count in lblChannelsNbr.
    void showChannelCount();

public:
    // Components, named as in the window layout.
    QFrame* pnlSettings = nullptr;
    QLabel* lblDMX_CH = nullptr;
    QLabel* lblACT_LBL = nullptr;
    QLabel* lblVAL_1 = nullptr;
    QLabel* lblMIDI_CH = nullptr;
    QLabel* lblACT_ON = nullptr;
    QLabel* lblFROM_NO_CC = nullptr;
    QLabel* lblTO_NO_CC = nullptr;
    QLabel* lblVAL_VEL = nullptr;
    QLabel* lblVAL_2 = nullptr;
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

    QMenu* pupDMXChannels = nullptr;
    QAction* milngAddChannel1 = nullptr;
    QAction* milngRemoveChannel1 = nullptr;
    QAction* milngClearchanneldata1 = nullptr;
    QAction* milngCopyPaste = nullptr;
    QAction* milngDescr = nullptr;

    // Open/Save channels settings, Read from/Write to device (a child object).
    ChannelFileCommands* fileCommands = nullptr;

    // The dialogs (owned by the main window, alive as long as it is).
    TDMXUserSetForm* DMXUserSetForm = nullptr;
    TDescrForm* DescrForm = nullptr;
    TDMXChannelInputForm* DMXChannelInputForm = nullptr;
    TCalcForm* CalcForm = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildEditRow();
    void buildList();
    void buildMenus();
    void buildDialogs();
    void installDefaultHooks();

    // Add channel: from the DMX channel box (its text is the answer) or from
    // the menus (the input box asks).
    void addChannel(bool fromDmxBox);
    // Sets the From box and always rebuilds the To list.
    void setFromNote(int index);
    void showUserModePage();
    void showMessage(const QString& text);
    void writeDescriptionToCurrentRow(const QString& text);
    // The highest DMX number in the table (0 when none reads as a number).
    int highestNumber() const;
    void scrollToRow(int row);

    TDmxUserMainForm& m_form;
    ChannelTableModel* m_model = nullptr;
    ChannelRowDelegate* m_delegate = nullptr;
    int m_previousDmxValue = 1;
    bool m_deviceTableExpected = false;
    int m_toListFrom = -2;      // the From note the To list was built for
};
