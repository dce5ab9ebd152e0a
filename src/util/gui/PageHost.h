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
    // A page's operation made of several device operations (a write and the
    // read-back that checks it) counts as one from the first to the last:
    // the controls stay locked, the progress panel shown and closing the
    // window asks first. Holds nest; use OperationHold.
    virtual void holdOperation(bool held) { (void)held; }
    // Keeps a text in the window's message list (kept with its time, shown
    // in full there), without a box.
    virtual void keepMessage(const QString& text) { (void)text; }

protected:
    PageHost() = default;
    PageHost(const PageHost&) = default;
    PageHost& operator=(const PageHost&) = default;
};

// Holds the host's operation while it lives.
class OperationHold {
public:
    explicit OperationHold(PageHost& host)
        : m_host(host)
    {
        m_host.holdOperation(true);
    }
    ~OperationHold() { m_host.holdOperation(false); }
    OperationHold(const OperationHold&) = delete;
    OperationHold& operator=(const OperationHold&) = delete;

private:
    PageHost& m_host;
};

} // namespace vantorel
