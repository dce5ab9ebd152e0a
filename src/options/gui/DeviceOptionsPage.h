#pragma once

#include "util/gui/Page.h"

class QCheckBox;
class QEvent;
class QPushButton;
class QSpinBox;

namespace vantorel {

class DeviceLink;
class PageHost;

// The "Additional Settings" page (tslngSpecials): the two device options,
// the Note Off action of the predefined modes and the CC zero value offset.
// The values the device reports ("m") are shown as they arrive.
class DeviceOptionsPage : public Page {
    Q_OBJECT
public:
    DeviceOptionsPage(DeviceLink& link, PageHost& host, QWidget* parent = nullptr);

    // Handlers of the two buttons.
    void storeNoteOffAction();
    void storeZeroValueOffset();

    // Shown by the user: the options are read (and a Pro's information).
    void pageShown() override;

protected:
    void changeEvent(QEvent* event) override;

private:
    // Every caption, hint and accessible name, in the language installed now.
    void retranslateUi();
    void showOptions(bool noteOff, int zeroValueOffset);

    DeviceLink& m_link;
    QCheckBox* m_noteOffActions = nullptr; // cblngNoteOffActions
    QSpinBox* m_zeroValueOffset = nullptr; // sedZeroValueOffset
    QPushButton* m_setNoteOff = nullptr; // btnlngSetNoteOffAction
    QPushButton* m_setOffset = nullptr; // btnlngSetZeroValueOffset
};

} // namespace vantorel
