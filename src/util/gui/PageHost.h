#pragma once

#include <QString>

class QObject;

namespace vantorel {

// The pages of the main window, in the order of its tabs.
enum class PageId { Channels = 0, DeviceOptions = 1, Modes = 2, Firmware = 3 };

// What a page asks of the window that shows it. A page knows the device link
// and this interface, never the window itself; tests give a page a fake host.
class PageHost {
public:
    virtual ~PageHost() = default;

    // Modal boxes: a message, and an error (a failure the user must see).
    virtual void showMessage(const QString& text) = 0;
    virtual void showError(const QString& text) = 0;
    // Brings a page to the front.
    virtual void showPage(PageId page) = 0;
    // A control or action that starts a device operation or changes what one
    // uses: disabled while an operation waits for the device.
    virtual void lockWhileBusy(QObject* controlOrAction) = 0;
    // Closes and reopens the MIDI ports selected in the window; a failure is
    // shown in the error box. False when the ports could not be opened or an
    // operation is waiting.
    virtual bool reopenPorts() = 0;

protected:
    PageHost() = default;
    PageHost(const PageHost&) = default;
    PageHost& operator=(const PageHost&) = default;
};

} // namespace vantorel
