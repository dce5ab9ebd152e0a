#pragma once

#include <functional>
#include <memory>

class QObject;

namespace vantorel {

// Wakes the thread that created it (the GUI thread) from any other thread.
// wake() neither allocates nor blocks; it only writes to a kernel object
// (eventfd, a non-blocking pipe or a Windows event). Wakes that arrive before
// the GUI thread gets round to them are coalesced into one call of onWake.
class WakeNotifier {
public:
    explicit WakeNotifier(std::function<void()> onWake);
    ~WakeNotifier();
    WakeNotifier(const WakeNotifier&) = delete;
    WakeNotifier& operator=(const WakeNotifier&) = delete;

    // Thread-safe; may be called from a MIDI backend thread.
    void wake() noexcept;

private:
    void activated();

    std::function<void()> m_onWake;
#ifdef _WIN32
    void* m_event = nullptr; // HANDLE of an auto-reset event
#else
    int m_readFd = -1;
    int m_writeFd = -1; // the same descriptor as m_readFd for an eventfd
#endif
    std::unique_ptr<QObject> m_notifier;
};

} // namespace vantorel
