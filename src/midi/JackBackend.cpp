// The JACK backend: one client for all ports, one process callback serving them.
//
// Threads: ports are opened, used and closed on the caller's thread; JACK's
// process thread reads the list of open ports, delivers incoming events and
// writes queued outgoing messages. The list is replaced, never changed in
// place, and an old list (and a closed port) is freed only once the process
// thread has left the cycle it may have read it in.

#include "midi/JackBackend.h"
#include "midi/MidiClientName.h"
#include "util/Translate.h"

#if defined(__linux__) && __has_include(<jack/jack.h>) && __has_include(<linux/futex.h>)
#define VANTOREL_JACK_BACKEND 1
#include <dlfcn.h>
#include <jack/jack.h>
#include <jack/midiport.h>
#include <jack/ringbuffer.h>
#include <linux/futex.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <condition_variable>
#include <ctime>
#include <deque>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>
#endif

namespace vantorel {

namespace {
// The context the texts of this file are marked with.
constexpr const char* kContext = "vantorel::MidiPorts";
} // namespace

#ifdef VANTOREL_JACK_BACKEND

namespace {

constexpr const char* kJackLibrary = "libjack.so.0";
const char* const kInputPortName = "MIDI In";
const char* const kOutputPortName = "MIDI Out";

// The longest message a port sends: 16 KiB less a 4-byte length and the
// queue's spare byte, the limit the program has always had over JACK.
constexpr size_t kMaxMessage = 16379;
// An output port's queue: a few of the longest messages.
constexpr size_t kQueueBytes = size_t(1) << 16;
// A first send waits this long at most for its connection to be part of the
// graph (two cycles: longer than two periods of 2048 frames at 44.1 kHz).
constexpr auto kConnectWait = std::chrono::milliseconds(250);
// A closing output port lets the process thread take what is queued for this long at most.
constexpr auto kDrainWait = std::chrono::milliseconds(100);
// A port change waits this long at most for the process thread to leave its
// cycle; after that the old list and port are left allocated, never freed under it.
constexpr auto kCycleExitWait = std::chrono::seconds(1);

using SteadyClock = std::chrono::steady_clock;

// The libjack functions in use, looked up at run time.
struct JackApi {
#define VANTOREL_JACK_FUNCTIONS(X)                                                                                     \
    X(jack_client_open)                                                                                                \
    X(jack_client_close)                                                                                               \
    X(jack_activate)                                                                                                   \
    X(jack_deactivate)                                                                                                 \
    X(jack_set_process_callback)                                                                                       \
    X(jack_on_shutdown)                                                                                                \
    X(jack_set_error_function)                                                                                         \
    X(jack_set_info_function)                                                                                          \
    X(jack_port_register)                                                                                              \
    X(jack_port_unregister)                                                                                            \
    X(jack_port_name)                                                                                                  \
    X(jack_connect)                                                                                                    \
    X(jack_get_ports)                                                                                                  \
    X(jack_free)                                                                                                       \
    X(jack_port_get_buffer)                                                                                            \
    X(jack_midi_get_event_count)                                                                                       \
    X(jack_midi_event_get)                                                                                             \
    X(jack_midi_clear_buffer)                                                                                          \
    X(jack_midi_event_reserve)                                                                                         \
    X(jack_ringbuffer_create)                                                                                          \
    X(jack_ringbuffer_free)                                                                                            \
    X(jack_ringbuffer_read_space)                                                                                      \
    X(jack_ringbuffer_write_space)                                                                                     \
    X(jack_ringbuffer_peek)                                                                                            \
    X(jack_ringbuffer_read)                                                                                            \
    X(jack_ringbuffer_write)
#define VANTOREL_JACK_POINTER(name) decltype(&::name) name = nullptr;
    VANTOREL_JACK_FUNCTIONS(VANTOREL_JACK_POINTER)
#undef VANTOREL_JACK_POINTER

    Result<void> load()
    {
        void* library = dlopen(kJackLibrary, RTLD_NOW | RTLD_GLOBAL);
        if (library == nullptr) {
            const char* reason = dlerror();
            return markedError(kContext,
                               VANTOREL_TRANSLATE_NOOP("vantorel::MidiPorts", "Cannot load the JACK library: %1"),
                               reason ? reason : kJackLibrary);
        }
        // The library stays loaded for the life of the process.
#define VANTOREL_JACK_LOOKUP(name)                                                                                     \
    name = reinterpret_cast<decltype(name)>(dlsym(library, #name));                                                    \
    if (name == nullptr)                                                                                               \
        return Error{"The JACK library lacks " #name};
        VANTOREL_JACK_FUNCTIONS(VANTOREL_JACK_LOOKUP)
#undef VANTOREL_JACK_LOOKUP
        // libjack's own diagnostics would reach the console; the backend
        // reports failures through its results.
        jack_set_error_function(&ignoreMessage);
        jack_set_info_function(&ignoreMessage);
        return {};
    }
#undef VANTOREL_JACK_FUNCTIONS

    static void ignoreMessage(const char*)
    { }
};

// libjack, loaded on first use.
Result<const JackApi*> jackApi()
{
    static JackApi api;
    static const Result<void> loaded = api.load();
    if (!loaded)
        return loaded.error();
    return &api;
}

// A counter the process thread bumps as it enters (odd) and leaves (even) a
// cycle; other threads wait for it to reach a value, without spinning.
class CycleCounter {
public:
    static_assert(sizeof(std::atomic<uint32_t>) == sizeof(uint32_t) && std::atomic<uint32_t>::is_always_lock_free);

    uint32_t now() const { return m_value.load(); }

    // Process thread: never blocks; a wake-up is a system call only when someone waits.
    void bump(uint32_t by = 1)
    {
        m_value.fetch_add(by);
        if (m_waiters.load() > 0)
            syscall(SYS_futex, word(), FUTEX_WAKE_PRIVATE, INT_MAX, nullptr, nullptr, 0);
    }

    // The value at which a cycle begun after `seen` has begun (cycles = 1),
    // or the second such cycle (cycles = 2), ...
    static uint32_t cyclesAfter(uint32_t seen, uint32_t cycles)
    {
        return seen + ((seen & 1u) ? 2u : 1u) + 2u * (cycles - 1u);
    }

    // The value at which the process thread has left the cycle it was in at `seen`.
    static uint32_t cycleLeft(uint32_t seen) { return seen + (seen & 1u); }

    // Waits until the counter has reached `target`, or until `done` says so;
    // false when `timeout` passed first.
    template <typename Done> bool waitFor(uint32_t target, SteadyClock::duration timeout, Done done)
    {
        const auto deadline = SteadyClock::now() + timeout;
        m_waiters.fetch_add(1);
        bool reached = false;
        for (;;) {
            const uint32_t value = m_value.load();
            if (int32_t(value - target) >= 0 || done()) {
                reached = true;
                break;
            }
            const auto left = deadline - SteadyClock::now();
            if (left <= SteadyClock::duration::zero())
                break;
            const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
            const timespec wait{time_t(ns / 1000000000), long(ns % 1000000000)};
            // Returns at once when the value has changed meanwhile.
            syscall(SYS_futex, word(), FUTEX_WAIT_PRIVATE, value, &wait, nullptr, 0);
        }
        m_waiters.fetch_sub(1);
        return reached;
    }
    bool waitFor(uint32_t target, SteadyClock::duration timeout)
    {
        return waitFor(target, timeout, [] { return false; });
    }

private:
    uint32_t* word() { return reinterpret_cast<uint32_t*>(&m_value); }

    std::atomic<uint32_t> m_value{0};
    std::atomic<int> m_waiters{0};
};

// One port of the shared client.
struct JackPort {
    jack_port_t* handle = nullptr;
    std::string name; // our short name, "MIDI In 2"
    bool input = true;
    // Input: delivery, switched on by start().
    MidiReceiveCallback callback;
    std::atomic<bool> delivering{false};
    std::atomic<int64_t> startNs{0};
    // Output: a uint32_t size, then the bytes, per message.
    jack_ringbuffer_t* queue = nullptr;
};

struct PortList {
    std::vector<JackPort*> ports;
};

int64_t steadyNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(SteadyClock::now().time_since_epoch()).count();
}

// The client every port of the backend lives on; each open port holds it.
class JackClient {
public:
    static Result<std::shared_ptr<JackClient>> open()
    {
        Result<const JackApi*> api = jackApi();
        if (!api)
            return api.error();
        auto client = std::shared_ptr<JackClient>(new JackClient(**api));
        const JackApi& jack = client->m_jack;
        // With many clients coming and going an open can fail once; a server
        // that does not run fails at once.
        jack_status_t status{};
        for (int attempt = 0; attempt < 3 && client->m_client == nullptr && !(status & JackServerFailed); ++attempt)
            client->m_client = jack.jack_client_open(kMidiClientName, JackNoStartServer, &status);
        if (client->m_client == nullptr) {
            if (status & JackServerFailed)
                return markedError(kContext,
                                   VANTOREL_TRANSLATE_NOOP("vantorel::MidiPorts",
                                                           "Cannot connect to the JACK server: is it running?"));
            return markedError(kContext,
                               VANTOREL_TRANSLATE_NOOP("vantorel::MidiPorts", "Cannot open the JACK client %1."),
                               std::string(kMidiClientName));
        }
        jack.jack_set_process_callback(client->m_client, &JackClient::process, client.get());
        jack.jack_on_shutdown(client->m_client, &JackClient::shutdown, client.get());
        if (jack.jack_activate(client->m_client) != 0)
            return markedError(kContext,
                               VANTOREL_TRANSLATE_NOOP("vantorel::MidiPorts", "Cannot activate the JACK client %1."),
                               std::string(kMidiClientName));
        client->m_active = true;
        return client;
    }

    ~JackClient()
    {
        {
            std::lock_guard lock(m_edit);
            m_closing = true;
        }
        m_retiredAdded.notify_one();
        if (m_closer.joinable())
            m_closer.join();
        if (m_client != nullptr) {
            // Deactivating returns once the process callback has stopped.
            if (m_active && !m_shutdown.load())
                m_jack.jack_deactivate(m_client);
            m_jack.jack_client_close(m_client); // with the ports not unregistered yet
        }
        for (const auto& port : m_retired) {
            if (port->queue != nullptr)
                m_jack.jack_ringbuffer_free(port->queue);
        }
        delete m_list.load();
    }

    JackClient(const JackClient&) = delete;
    JackClient& operator=(const JackClient&) = delete;

    const JackApi& jack() const { return m_jack; }
    bool stopped() const { return m_shutdown.load(); }
    CycleCounter& cycles() { return m_cycles; }

    // The MIDI ports of other clients with `flags` (JackPortIsOutput: what
    // this program takes input from), by their full names "client:port".
    std::vector<std::string> peerPorts(unsigned long flags)
    {
        std::vector<std::string> names;
        std::lock_guard lock(m_edit);
        if (stopped())
            return names;
        const char** ports = m_jack.jack_get_ports(m_client, nullptr, JACK_DEFAULT_MIDI_TYPE, flags);
        for (const char** p = ports; p != nullptr && *p != nullptr; ++p) {
            if (!isOwnPort(*p))
                names.emplace_back(*p);
        }
        if (ports != nullptr)
            m_jack.jack_free(static_cast<void*>(ports));
        return names;
    }

    // Registers `port` under a name of its own, hands it to the process
    // thread and connects it to `peer`. The port is detached (below) even
    // when this fails.
    Result<void> attach(JackPort& port, const std::string& peer)
    {
        std::lock_guard lock(m_edit);
        if (stopped())
            return serverStopped();
        const std::string base = port.input ? kInputPortName : kOutputPortName;
        port.name = base;
        for (int n = 2; m_names.count(port.name) != 0; ++n)
            port.name = base + " " + std::to_string(n);
        port.handle = m_jack.jack_port_register(m_client, port.name.c_str(), JACK_DEFAULT_MIDI_TYPE,
                                                port.input ? JackPortIsInput : JackPortIsOutput, 0);
        if (port.handle == nullptr)
            return notOpened(port, peer);
        if (!port.input && (port.queue = m_jack.jack_ringbuffer_create(kQueueBytes)) == nullptr) {
            m_jack.jack_port_unregister(m_client, port.handle);
            port.handle = nullptr;
            return notOpened(port, peer);
        }
        m_names.insert(port.name);
        auto list = std::make_unique<PortList>(*m_list.load());
        list->ports.push_back(&port);
        publish(std::move(list));

        const char* own = m_jack.jack_port_name(port.handle);
        const int connected = port.input ? m_jack.jack_connect(m_client, peer.c_str(), own)
                                         : m_jack.jack_connect(m_client, own, peer.c_str());
        // The peer may have gone away meanwhile; the port is detached as
        // any other when its owner goes.
        if (connected != 0 && connected != EEXIST)
            return notOpened(port, peer);
        return {};
    }

    // Takes `port` from the process thread (the callback has left the cycle
    // that may have used it when this returns). A thread of the client then
    // unregisters it: that is a round trip to the server each, and closing
    // many ports at once (the end of a scan) need not wait for them. What is
    // left when the client closes goes with it.
    void detach(std::unique_ptr<JackPort> port)
    {
        std::lock_guard lock(m_edit);
        if (!port || port->handle == nullptr)
            return;
        if (!unpublish(*port)) {
            (void)port.release(); // still in the process thread's hands: never freed
            return;
        }
        m_retired.push_back(std::move(port));
        if (!m_closer.joinable())
            m_closer = std::thread(&JackClient::unregisterRetired, this);
        m_retiredAdded.notify_one();
    }

    static Error serverStopped()
    {
        return markedError(kContext, VANTOREL_TRANSLATE_NOOP("vantorel::MidiPorts", "The JACK server has stopped."));
    }

private:
    static Error notOpened(const JackPort& port, const std::string& peer)
    {
        if (port.input)
            return markedError(
                kContext, VANTOREL_TRANSLATE_NOOP("vantorel::MidiPorts", "The MIDI input port %1 could not be opened."),
                peer);
        return markedError(
            kContext, VANTOREL_TRANSLATE_NOOP("vantorel::MidiPorts", "The MIDI output port %1 could not be opened."),
            peer);
    }

    explicit JackClient(const JackApi& jack)
        : m_jack(jack)
        , m_list(new PortList)
    { }

    // The list without `port`; false when the process thread did not let go of it in time.
    bool unpublish(JackPort& port)
    {
        auto list = std::make_unique<PortList>(*m_list.load());
        std::erase(list->ports, &port);
        return publish(std::move(list));
    }

    // The closing thread: unregisters detached ports until the client closes.
    void unregisterRetired()
    {
        std::unique_lock lock(m_edit);
        for (;;) {
            m_retiredAdded.wait(lock, [this] { return m_closing || !m_retired.empty(); });
            if (m_closing)
                return;
            // Under the lock: libjack's requests to the server must not overlap.
            std::unique_ptr<JackPort> port = std::move(m_retired.front());
            m_retired.pop_front();
            if (!stopped())
                m_jack.jack_port_unregister(m_client, port->handle);
            if (port->queue != nullptr)
                m_jack.jack_ringbuffer_free(port->queue);
            m_names.erase(port->name);
        }
    }

    // Puts `list` in place of the current list and frees the old one once
    // the process thread is done with it. False when it did not leave its
    // cycle in time (the old list is then left allocated).
    bool publish(std::unique_ptr<PortList> list)
    {
        PortList* old = m_list.exchange(list.release());
        const uint32_t seen = m_cycles.now();
        if (!m_cycles.waitFor(CycleCounter::cycleLeft(seen), kCycleExitWait, [this] { return stopped(); }))
            return false;
        delete old;
        return true;
    }

    static int process(jack_nframes_t frames, void* arg)
    {
        static_cast<JackClient*>(arg)->processCycle(frames);
        return 0;
    }

    static void shutdown(void* arg)
    {
        auto* self = static_cast<JackClient*>(arg);
        self->m_shutdown.store(true);
        self->m_cycles.bump(2); // wakes every wait, leaves the parity
    }

    void processCycle(jack_nframes_t frames)
    {
        m_cycles.bump(); // in the cycle: the list read below stays allocated
        const PortList* list = m_list.load();
        const int64_t now = steadyNanoseconds();
        for (JackPort* port : list->ports) {
            void* buffer = m_jack.jack_port_get_buffer(port->handle, frames);
            if (port->input)
                deliver(*port, buffer, now);
            else
                transmit(*port, buffer);
        }
        m_cycles.bump();
    }

    void deliver(JackPort& port, void* buffer, int64_t now)
    {
        if (buffer == nullptr || !port.delivering.load(std::memory_order_acquire))
            return;
        const int64_t elapsedNs = std::max<int64_t>(0, now - port.startNs.load(std::memory_order_relaxed));
        const auto ms = static_cast<uint32_t>(static_cast<uint64_t>(elapsedNs) / 1000000u);
        const uint32_t count = m_jack.jack_midi_get_event_count(buffer);
        for (uint32_t i = 0; i < count; ++i) {
            jack_midi_event_t event;
            // A SysEx message comes whole in one event.
            if (m_jack.jack_midi_event_get(&event, buffer, i) == 0 && event.size > 0)
                port.callback(event.buffer, event.size, ms);
        }
    }

    void transmit(JackPort& port, void* buffer)
    {
        if (buffer == nullptr)
            return;
        m_jack.jack_midi_clear_buffer(buffer);
        while (m_jack.jack_ringbuffer_read_space(port.queue) >= sizeof(uint32_t)) {
            uint32_t size = 0;
            m_jack.jack_ringbuffer_peek(port.queue, reinterpret_cast<char*>(&size), sizeof size);
            if (m_jack.jack_ringbuffer_read_space(port.queue) < sizeof size + size)
                break; // the writer is not done with it yet
            jack_midi_data_t* slot = m_jack.jack_midi_event_reserve(buffer, 0, size);
            if (slot == nullptr)
                break; // this cycle's buffer is full: next cycle
            m_jack.jack_ringbuffer_read(port.queue, reinterpret_cast<char*>(&size), sizeof size);
            m_jack.jack_ringbuffer_read(port.queue, reinterpret_cast<char*>(slot), size);
        }
    }

    const JackApi& m_jack;
    jack_client_t* m_client = nullptr;
    bool m_active = false;
    std::atomic<bool> m_shutdown{false};
    CycleCounter m_cycles;
    // One request to the server at a time (libjack's channel to the server
    // takes no overlapping requests) and one port change; guards the members below.
    std::mutex m_edit;
    std::set<std::string> m_names; // of the registered ports
    std::deque<std::unique_ptr<JackPort>> m_retired; // detached, not unregistered yet
    std::condition_variable m_retiredAdded;
    bool m_closing = false;
    std::thread m_closer;
    std::atomic<PortList*> m_list;
};

class JackInput : public MidiBackendInput {
public:
    JackInput(std::shared_ptr<JackClient> client, MidiReceiveCallback callback)
        : m_client(std::move(client))
        , m_port(std::make_unique<JackPort>())
    {
        m_port->input = true;
        m_port->callback = std::move(callback);
    }
    ~JackInput() override { stop(); }

    Result<void> open(const std::string& peer) { return m_client->attach(*m_port, peer); }

    Result<void> start() override
    {
        if (!m_port || m_port->handle == nullptr)
            return markedError(kContext,
                               VANTOREL_TRANSLATE_NOOP("vantorel::MidiPorts", "The MIDI input port is closed."));
        m_port->startNs.store(steadyNanoseconds(), std::memory_order_relaxed);
        m_port->delivering.store(true, std::memory_order_release);
        return {};
    }

    // Closes the port: once detached, the process thread has left the cycle
    // that may have called the callback.
    void stop() override
    {
        if (!m_port)
            return;
        m_port->delivering.store(false, std::memory_order_release);
        m_client->detach(std::move(m_port));
    }

private:
    std::shared_ptr<JackClient> m_client;
    std::unique_ptr<JackPort> m_port;
};

class JackOutput : public MidiBackendOutput {
public:
    explicit JackOutput(std::shared_ptr<JackClient> client)
        : m_client(std::move(client))
        , m_port(std::make_unique<JackPort>())
    {
        m_port->input = false;
    }

    // What is queued goes out first: the queue empties, then the cycle that
    // took the last message ends, before the port is detached.
    ~JackOutput() override
    {
        if (m_port->handle != nullptr && m_sent && !m_client->stopped()) {
            const JackApi& jack = m_client->jack();
            CycleCounter& cycles = m_client->cycles();
            const auto deadline = SteadyClock::now() + kDrainWait;
            // The last message is taken by the first cycle after it was queued
            // (when the buffer has room), so it is out once the second begins.
            uint32_t outAt = CycleCounter::cyclesAfter(m_lastSend, 2);
            while (jack.jack_ringbuffer_read_space(m_port->queue) > 0 && SteadyClock::now() < deadline) {
                (void)cycles.waitFor(CycleCounter::cyclesAfter(cycles.now(), 1), deadline - SteadyClock::now());
                outAt = CycleCounter::cyclesAfter(cycles.now(), 1);
            }
            (void)cycles.waitFor(outAt, std::max(deadline - SteadyClock::now(), SteadyClock::duration::zero()));
        }
        m_client->detach(std::move(m_port));
    }

    Result<void> open(const std::string& peer)
    {
        if (Result<void> attached = m_client->attach(*m_port, peer); !attached)
            return attached;
        // The connection is part of the graph from the second cycle that
        // begins after it was made: the first send waits for that cycle.
        m_liveAt = CycleCounter::cyclesAfter(m_client->cycles().now(), 2);
        return {};
    }

    Result<void> send(const uint8_t* data, size_t size) override
    {
        if (size == 0)
            return markedError(kContext,
                               VANTOREL_TRANSLATE_NOOP("vantorel::MidiPorts", "There are no MIDI bytes to send."));
        if (size > kMaxMessage)
            return markedError(
                kContext,
                VANTOREL_TRANSLATE_NOOP("vantorel::MidiPorts",
                                        "The MIDI message of %1 bytes is longer than the JACK port takes (%2 bytes)."),
                std::to_string(size), std::to_string(kMaxMessage));
        if (m_port->handle == nullptr)
            return markedError(kContext,
                               VANTOREL_TRANSLATE_NOOP("vantorel::MidiPorts", "The MIDI output port is not open."));
        const JackApi& jack = m_client->jack();
        CycleCounter& cycles = m_client->cycles();
        const auto stopped = [this] { return m_client->stopped(); };
        if (!m_live) {
            // Late is better than lost: after the wait the message is queued anyway.
            (void)cycles.waitFor(m_liveAt, kConnectWait, stopped);
            m_live = true;
        }
        // A full queue empties by a cycle's worth at a time.
        const size_t needed = sizeof(uint32_t) + size;
        const auto deadline = SteadyClock::now() + kConnectWait;
        while (jack.jack_ringbuffer_write_space(m_port->queue) < needed && !stopped() && SteadyClock::now() < deadline)
            (void)cycles.waitFor(CycleCounter::cyclesAfter(cycles.now(), 1), deadline - SteadyClock::now(), stopped);
        if (stopped())
            return JackClient::serverStopped();
        if (jack.jack_ringbuffer_write_space(m_port->queue) < needed)
            return markedError(
                kContext,
                VANTOREL_TRANSLATE_NOOP("vantorel::MidiPorts", "The JACK server takes no more MIDI messages."));
        const auto length = static_cast<uint32_t>(size);
        jack.jack_ringbuffer_write(m_port->queue, reinterpret_cast<const char*>(&length), sizeof length);
        jack.jack_ringbuffer_write(m_port->queue, reinterpret_cast<const char*>(data), size);
        m_lastSend = cycles.now();
        m_sent = true;
        return {};
    }

private:
    std::shared_ptr<JackClient> m_client;
    std::unique_ptr<JackPort> m_port;
    uint32_t m_liveAt = 0;
    uint32_t m_lastSend = 0; // the cycle counter when the last message was queued
    bool m_live = false;
    bool m_sent = false;
};

class JackMidiBackend : public MidiBackend {
public:
    explicit JackMidiBackend(std::shared_ptr<JackClient> client)
        : m_client(std::move(client))
    { }

    std::string name() const override { return "JACK"; }
    // Other clients' outputs are the program's inputs, and their inputs its outputs.
    std::vector<std::string> inputPortNames() override { return m_client->peerPorts(JackPortIsOutput); }
    std::vector<std::string> outputPortNames() override { return m_client->peerPorts(JackPortIsInput); }

    Result<std::unique_ptr<MidiBackendInput>> openInput(int index, MidiReceiveCallback callback) override
    {
        const std::vector<std::string> names = inputPortNames();
        if (index < 0 || size_t(index) >= names.size())
            return markedError(kContext,
                               VANTOREL_TRANSLATE_NOOP("vantorel::MidiPorts", "There is no MIDI input port %1."),
                               std::to_string(index));
        auto input = std::make_unique<JackInput>(m_client, std::move(callback));
        if (Result<void> opened = input->open(names[size_t(index)]); !opened)
            return opened.error();
        return input;
    }

    Result<std::unique_ptr<MidiBackendOutput>> openOutput(int index) override
    {
        const std::vector<std::string> names = outputPortNames();
        if (index < 0 || size_t(index) >= names.size())
            return markedError(kContext,
                               VANTOREL_TRANSLATE_NOOP("vantorel::MidiPorts", "There is no MIDI output port %1."),
                               std::to_string(index));
        auto output = std::make_unique<JackOutput>(m_client);
        if (Result<void> opened = output->open(names[size_t(index)]); !opened)
            return opened.error();
        return output;
    }

private:
    std::shared_ptr<JackClient> m_client;
};

} // namespace

Result<std::shared_ptr<MidiBackend>> createJackBackend()
{
    Result<std::shared_ptr<JackClient>> client = JackClient::open();
    if (!client)
        return client.error();
    return std::shared_ptr<MidiBackend>(std::make_shared<JackMidiBackend>(std::move(client).value()));
}

#else // no JACK here

Result<std::shared_ptr<MidiBackend>> createJackBackend()
{
    return markedError(
        kContext,
        VANTOREL_TRANSLATE_NOOP("vantorel::MidiPorts", "This MIDI system is not available on this platform."));
}

#endif

} // namespace vantorel
