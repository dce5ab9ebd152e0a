#pragma once

#include "util/gui/Page.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

class QComboBox;
class QEvent;
class QFrame;
class QLabel;
class QPushButton;
class QSpinBox;

namespace vantorel {

class DeviceLink;
class PageHost;

// The "Basic/Eco modes configuration" page (tslngBasicMode): five mode slots
// side by side, the modes count and the buttons that move the modes between
// the page and the device. The slots' combo boxes are the only store of the
// modes on the program's side.
//
// The page's panels are built at construction; the thirty slot controls
// follow with createModeSlots at the window's first show.
class ModesPage : public Page {
    Q_OBJECT
public:
    ModesPage(DeviceLink& link, PageHost& host, QWidget* parent = nullptr);

    static constexpr uint8_t kSlotNotShown = 0xFF;

    // Builds LBL_MODE_n, CBX_MODE_n, LBL_MCH_n, CBX_MCH_n, LBL_NOTES_n and
    // CBX_NOTES_n for n = 1..5; only slot 1 is shown.
    void createModeSlots();
    // Change handler of every CBX_MODE_n: enables the channel and note boxes
    // the selected mode type uses and resets the others to channel 1 / note 0.
    void onModeTypeChanged(QObject* sender);
    // Slot n to its defaults; shown only for n = 1.
    void resetModeSlot(int n);
    // Shows slot n with the given mode type, channel index (0..15) and note.
    void showModeSlot(int n, int modeType, int channelIndex, int note);
    // The four bytes of slot n (slot, mode type, MIDI channel, note), or the
    // single byte kSlotNotShown when the slot is hidden.
    std::vector<uint8_t> packModeRecord(int n);
    // Reply "f": shows the slot and sets the modes count to its number.
    void onModeReceived(const std::array<uint8_t, 4>& values);

    // Handlers of the page's buttons.
    void readModesFromDevice();
    void storeModesToDevice();
    void storeModesCount();
    void resetModesToDefault();
    void restartDevice();

    // Shown by the user: the device's information is read.
    void pageShown() override;

protected:
    void changeEvent(QEvent* event) override;

private:
    void buildPanels();
    // Every caption, hint and accessible name, in the language installed now.
    void retranslateUi();
    // The Tab chain: the slots left to right, the count, then the buttons.
    void setTabChain();
    // The information line is for Basic and Eco only: it goes once a device
    // has named its edition.
    void onDeviceTypeApplied(char letter);

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
    void resetAllSlots();
    void componentNotFound();
    // A box about a reply; held back while an operation waits.
    void showAfterWait(const QString& message);
    void showPendingMessages();

    DeviceLink& m_link;
    PageHost& m_host;
    QLabel* m_info = nullptr; // lblBasicModesInfo
    QSpinBox* m_modesCount = nullptr; // sedMaxModes
    QLabel* m_countLabel = nullptr; // lbllng3
    QPushButton* m_storeCount = nullptr; // btnStoreModesCount
    QPushButton* m_read = nullptr; // btnReadModesFromDevice
    QPushButton* m_store = nullptr; // btnStoreModesToDevice
    QPushButton* m_reset = nullptr; // btnForceDefaultModes
    QPushButton* m_restart = nullptr; // btnReset
    QStringList m_pendingMessages;
};

} // namespace vantorel
