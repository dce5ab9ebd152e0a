#pragma once

#include <QObject>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

class DeviceLink;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QSpinBox;
class TDmxUserMainForm;

// The content of the main window's "Basic/Eco modes configuration" page
// (tslngBasicMode): five mode slots side by side, the modes count and the
// buttons that move the modes between the page and the device. The slots'
// combo boxes are the only store of the modes on the program's side.
//
// Built into the window's page at construction (Panel4 and the buttons of
// pnlModesControl); the thirty slot controls follow with CreateModeSlots at
// the window's first show.
class ModesPage : public QObject {
    Q_OBJECT
public:
    explicit ModesPage(TDmxUserMainForm& form);

    static constexpr uint8_t kSlotNotShown = 0xFF;

    // Builds LBL_MODE_n, CBX_MODE_n, LBL_MCH_n, CBX_MCH_n, LBL_NOTES_n and
    // CBX_NOTES_n for n = 1..5; only slot 1 is shown.
    void CreateModeSlots();
    // Change handler of every CBX_MODE_n: enables the channel and note boxes
    // the selected mode type uses and resets the others to channel 1 / note 0.
    void BmodeOnChange(QObject* sender);
    // Slot n to its defaults; shown only for n = 1.
    void ResetModeSlot(int n);
    // Shows slot n with the given mode type, channel index (0..15) and note.
    void ShowModeSlot(int n, int modeType, int channelIndex, int note);
    // The four bytes of slot n (slot, mode type, MIDI channel, note), or the
    // single byte kSlotNotShown when the slot is hidden.
    std::vector<uint8_t> PackModeRecord(int n);
    // Reply "f": shows the slot and sets the modes count to its number.
    void ModeReplyReceived(const std::array<uint8_t, 4>& values);

    void btnReadModesFromDeviceClick();
    void btnStoreModesToDeviceClick();
    void btnStoreModesCountClick();
    void btnForceDefaultModesClick();

    // Components, named as in the window layout.
    QFrame* Panel4 = nullptr;
    QLabel* lbllng3 = nullptr;
    QSpinBox* sedMaxModes = nullptr;
    QPushButton* btnStoreModesCount = nullptr;
    QPushButton* btnReadModesFromDevice = nullptr;
    QPushButton* btnStoreModesToDevice = nullptr;
    QPushButton* btnForceDefaultModes = nullptr;

private:
    struct SlotControls {
        QLabel* modeLabel = nullptr;
        QComboBox* mode = nullptr;
        QLabel* channelLabel = nullptr;
        QComboBox* channel = nullptr;
        QLabel* notesLabel = nullptr;
        QComboBox* notes = nullptr;
        bool complete() const { return modeLabel && mode && channelLabel && channel && notesLabel && notes; }
    };
    // The six controls of slot n, looked up by name.
    SlotControls findSlot(int n) const;
    QStringList noteLabels() const;
    void resetAllSlots();
    void componentNotFound();
    // A box about a reply; held back while an operation waits.
    void showAfterWait(const QString& message);
    void showPendingMessages();

    TDmxUserMainForm& m_form;
    DeviceLink& m_link;
    QWidget* m_page = nullptr;
    QStringList m_pendingMessages;
};
