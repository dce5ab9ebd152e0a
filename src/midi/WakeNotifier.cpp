#include "midi/WakeNotifier.h"

#include <QObject>

#include <stdexcept>
#include <utility>

#ifdef _WIN32
#include <QWinEventNotifier>
#include <windows.h>
#else
#include <QSocketNotifier>
#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <unistd.h>
#if defined(__linux__)
#include <sys/eventfd.h>
#endif
#endif

namespace vantorel {

#ifdef _WIN32

WakeNotifier::WakeNotifier(std::function<void()> onWake)
    : m_onWake(std::move(onWake))
{
    m_event = CreateEventW(nullptr, FALSE, FALSE, nullptr); // auto-reset: coalesces wakes
    if (!m_event)
        throw std::runtime_error("Cannot create the MIDI wake-up event");
    auto notifier = std::make_unique<QWinEventNotifier>(static_cast<HANDLE>(m_event));
    QObject::connect(notifier.get(), &QWinEventNotifier::activated, [this] { activated(); });
    notifier->setEnabled(true);
    m_notifier = std::move(notifier);
}

WakeNotifier::~WakeNotifier()
{
    m_notifier.reset();
    CloseHandle(static_cast<HANDLE>(m_event));
}

void WakeNotifier::wake() noexcept
{
    SetEvent(static_cast<HANDLE>(m_event));
}

void WakeNotifier::activated()
{
    // The auto-reset event is already reset; a wake from now on fires again.
    if (m_onWake)
        m_onWake();
}

#else

namespace {

bool makeNonBlockingPipe(int& readFd, int& writeFd)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return false;
    for (int fd : fds) {
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
    readFd = fds[0];
    writeFd = fds[1];
    return true;
}

} // namespace

WakeNotifier::WakeNotifier(std::function<void()> onWake)
    : m_onWake(std::move(onWake))
{
#if defined(__linux__)
    m_readFd = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    m_writeFd = m_readFd;
#endif
    if (m_readFd < 0 && !makeNonBlockingPipe(m_readFd, m_writeFd))
        throw std::runtime_error("Cannot create the MIDI wake-up channel");
    auto notifier = std::make_unique<QSocketNotifier>(m_readFd, QSocketNotifier::Read);
    QObject::connect(notifier.get(), &QSocketNotifier::activated, [this] { activated(); });
    m_notifier = std::move(notifier);
}

WakeNotifier::~WakeNotifier()
{
    m_notifier.reset();
    if (m_writeFd != m_readFd)
        ::close(m_writeFd);
    ::close(m_readFd);
}

void WakeNotifier::wake() noexcept
{
    // A full pipe or a saturated counter means a wake is pending already.
    if (m_writeFd == m_readFd) {
        const uint64_t one = 1;
        [[maybe_unused]] ssize_t n = ::write(m_writeFd, &one, sizeof one);
    } else {
        const char one = 1;
        [[maybe_unused]] ssize_t n = ::write(m_writeFd, &one, sizeof one);
    }
}

void WakeNotifier::activated()
{
    // Drain first: a wake that arrives while onWake runs fires the notifier again.
    if (m_writeFd == m_readFd) {
        uint64_t count;
        [[maybe_unused]] ssize_t n = ::read(m_readFd, &count, sizeof count);
    } else {
        char buffer[256];
        while (::read(m_readFd, buffer, sizeof buffer) > 0) { }
    }
    if (m_onWake)
        m_onWake();
}

#endif

} // namespace vantorel
