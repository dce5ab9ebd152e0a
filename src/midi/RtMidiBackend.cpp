// The RtMidi backend: ALSA and JACK on Linux, Windows MM, CoreMIDI.

#include "midi/MidiBackend.h"

#if __has_include(<RtMidi.h>)
#include <RtMidi.h>
#else
#include <rtmidi/RtMidi.h>
#endif

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdarg>
#include <iostream>
#include <mutex>
#include <thread>

#if defined(__linux__)
#include <dlfcn.h>
#endif

namespace vantorel {
namespace {

// Client name the system's MIDI service shows for this program.
const char* const kClientName = "VANTOREL Control Center";
const char* const kInputPortName = "MIDI In";
const char* const kOutputPortName = "MIDI Out";

// RtMidi's JACK output queue holds 16384 bytes, a 4-byte length included;
// a longer message would be dropped without a word.
constexpr size_t kJackMaxMessage = 16379;
// JACK takes a new connection into its graph only from a later process cycle,
// and RtMidi's JACK output frees its queue while its process callback may still
// read from it. Both need a few cycles of quiet; this covers periods up to 2048
// frames at 44.1 kHz.
constexpr auto kJackSettleTime = std::chrono::milliseconds(100);

// Keeps the console clean while RtMidi objects are created or connect: RtMidi
// prints to std::cerr before an error callback can be installed, and the ALSA
// and JACK libraries print their own diagnostics. The ALSA handler is
// per-thread; the std::cerr buffer and the JACK handlers are process-wide and
// are restored when the guard ends. Use it on the GUI thread only.
class QuietMidiLibraries {
public:
    QuietMidiLibraries()
        : m_cerr(std::cerr.rdbuf(nullptr))
    {
#if defined(__linux__)
        m_jackError = static_cast<JackMessageFn*>(dlsym(RTLD_DEFAULT, "jack_error_callback"));
        m_jackInfo = static_cast<JackMessageFn*>(dlsym(RTLD_DEFAULT, "jack_info_callback"));
        if (m_jackError) {
            m_savedJackError = *m_jackError;
            *m_jackError = &ignoreJackMessage;
        }
        if (m_jackInfo) {
            m_savedJackInfo = *m_jackInfo;
            *m_jackInfo = &ignoreJackMessage;
        }
        m_alsaSetLocal = reinterpret_cast<AlsaSetLocalFn>(dlsym(RTLD_DEFAULT, "snd_lib_error_set_local"));
        if (m_alsaSetLocal)
            m_savedAlsa = m_alsaSetLocal(&ignoreAlsaMessage);
#endif
    }

    ~QuietMidiLibraries()
    {
#if defined(__linux__)
        if (m_alsaSetLocal)
            m_alsaSetLocal(m_savedAlsa);
        if (m_jackInfo)
            *m_jackInfo = m_savedJackInfo;
        if (m_jackError)
            *m_jackError = m_savedJackError;
#endif
        std::cerr.rdbuf(m_cerr); // also clears the failure state of std::cerr
    }

    QuietMidiLibraries(const QuietMidiLibraries&) = delete;
    QuietMidiLibraries& operator=(const QuietMidiLibraries&) = delete;

private:
    std::streambuf* m_cerr;
#if defined(__linux__)
    using JackMessageFn = void (*)(const char*);
    using AlsaLocalFn = void (*)(const char*, int, const char*, int, const char*, va_list);
    using AlsaSetLocalFn = AlsaLocalFn (*)(AlsaLocalFn);

    static void ignoreJackMessage(const char*)
    { }
    static void ignoreAlsaMessage(const char*, int, const char*, int, const char*, va_list)
    { }

    JackMessageFn* m_jackError = nullptr;
    JackMessageFn* m_jackInfo = nullptr;
    JackMessageFn m_savedJackError = nullptr;
    JackMessageFn m_savedJackInfo = nullptr;
    AlsaSetLocalFn m_alsaSetLocal = nullptr;
    AlsaLocalFn m_savedAlsa = nullptr;
#endif
};

// Collects what RtMidi reports through its error callback, so that its texts
// become the texts of our errors and nothing reaches the console.
class ErrorSink {
public:
    static void callback(RtMidiError::Type type, const std::string& text, void* self)
    {
        if (type == RtMidiError::DEBUG_WARNING)
            return;
        auto* sink = static_cast<ErrorSink*>(self);
        std::lock_guard lock(sink->m_mutex);
        if (sink->m_text.empty())
            sink->m_text = text.empty() ? std::string("MIDI system error") : text;
    }

    void clear()
    {
        std::lock_guard lock(m_mutex);
        m_text.clear();
    }

    // Moves a reported error into `error`; false when nothing was reported.
    bool take(std::string& error)
    {
        std::lock_guard lock(m_mutex);
        if (m_text.empty())
            return false;
        error = std::move(m_text);
        m_text.clear();
        return true;
    }

private:
    std::mutex m_mutex;
    std::string m_text;
};

template <typename Port> std::unique_ptr<Port> createPort(RtMidi::Api api, ErrorSink& sink, std::string& error)
{
    std::unique_ptr<Port> port;
    {
        QuietMidiLibraries quiet;
        try {
            port = std::make_unique<Port>(api, kClientName);
        } catch (const RtMidiError& e) {
            error = e.getMessage();
            return nullptr;
        } catch (const std::exception& e) {
            error = e.what();
            return nullptr;
        }
    }
    port->setErrorCallback(&ErrorSink::callback, &sink);
    return port;
}

// Whether a port belongs to a client of this program ("client:port ..." on
// ALSA and JACK; JACK appends "-NN" to a client name already in use).
bool isOwnPort(const std::string& portName)
{
    const std::string client = portName.substr(0, portName.find(':'));
    const std::string own = kClientName;
    if (client == own)
        return true;
    if (client.size() <= own.size() + 1 || client.compare(0, own.size(), own) != 0 || client[own.size()] != '-')
        return false;
    return std::all_of(client.begin() + long(own.size()) + 1, client.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
}

// The ports `lister` sees, without this program's own ports; `numbers` gets
// RtMidi's port number of each listed name.
template <typename Port>
std::vector<std::string> listPorts(Port& lister, ErrorSink& sink, std::vector<unsigned>* numbers = nullptr)
{
    std::vector<std::string> names;
    QuietMidiLibraries quiet;
    const unsigned count = lister.getPortCount();
    for (unsigned i = 0; i < count; ++i) {
        std::string name = lister.getPortName(i);
        if (name.empty() || isOwnPort(name))
            continue; // vanished meanwhile, or ours
        names.push_back(std::move(name));
        if (numbers)
            numbers->push_back(i);
    }
    sink.clear(); // a port that vanished while listing is no error
    return names;
}

int64_t steadyNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

class RtMidiPortInput : public MidiBackendInput {
public:
    explicit RtMidiPortInput(MidiReceiveCallback callback)
        : m_callback(std::move(callback))
    { }
    ~RtMidiPortInput() override { stop(); }

    bool open(RtMidi::Api api, int index, std::string& error)
    {
        m_in = createPort<RtMidiIn>(api, m_errors, error);
        if (!m_in)
            return false;
        std::vector<unsigned> numbers;
        const std::vector<std::string> names = listPorts(*m_in, m_errors, &numbers);
        if (index < 0 || size_t(index) >= names.size()) {
            error = "There is no MIDI input port " + std::to_string(index) + ".";
            m_in.reset();
            return false;
        }
        // Let everything through: RtMidi's timing filter would also drop MTC
        // quarter frames (0xF1) and 0xF9. The input drops only active
        // sensing and timing clock itself.
        m_in->ignoreTypes(false, false, false);
        m_in->setBufferSize(4096, 16);
        m_in->setCallback(&RtMidiPortInput::onMessage, this);
        {
            QuietMidiLibraries quiet;
            m_in->openPort(numbers[size_t(index)], kInputPortName);
        }
        if (m_errors.take(error) || !m_in->isPortOpen()) {
            if (error.empty())
                error = "The MIDI input port " + names[size_t(index)] + " could not be opened.";
            m_in.reset();
            return false;
        }
        return true;
    }

    bool start(std::string& error) override
    {
        if (!m_in) {
            error = "The MIDI input port is closed.";
            return false;
        }
        m_startNs.store(steadyNanoseconds(), std::memory_order_relaxed);
        m_started.store(true, std::memory_order_release);
        return true;
    }

    void stop() override
    {
        m_started.store(false, std::memory_order_release);
        // Destroying the RtMidi object joins the ALSA input thread or closes
        // the JACK client; no callback runs after that.
        m_in.reset();
    }

private:
    // RtMidi's thread (ALSA: its input thread; JACK: the process callback).
    static void onMessage(double /*deltaSeconds*/, std::vector<unsigned char>* message, void* user)
    {
        auto* self = static_cast<RtMidiPortInput*>(user);
        if (!message || message->empty() || !self->m_started.load(std::memory_order_acquire))
            return;
        // RtMidi's delta times are not summed up: a message it filters out
        // (timing clock, active sensing) takes the elapsed time with it.
        const int64_t elapsedNs = steadyNanoseconds() - self->m_startNs.load(std::memory_order_relaxed);
        const auto ms = static_cast<uint32_t>(static_cast<uint64_t>(std::max<int64_t>(0, elapsedNs)) / 1000000u);
        self->m_callback(message->data(), message->size(), ms);
    }

    MidiReceiveCallback m_callback;
    ErrorSink m_errors; // outlives m_in, which reports into it
    std::unique_ptr<RtMidiIn> m_in;
    std::atomic<bool> m_started{false};
    std::atomic<int64_t> m_startNs{0};
};

class RtMidiPortOutput : public MidiBackendOutput {
public:
    bool open(RtMidi::Api api, int index, std::string& error)
    {
        m_api = api;
        m_out = createPort<RtMidiOut>(api, m_errors, error);
        if (!m_out)
            return false;
        std::vector<unsigned> numbers;
        const std::vector<std::string> names = listPorts(*m_out, m_errors, &numbers);
        if (index < 0 || size_t(index) >= names.size()) {
            error = "There is no MIDI output port " + std::to_string(index) + ".";
            m_out.reset();
            return false;
        }
        {
            QuietMidiLibraries quiet;
            m_out->openPort(numbers[size_t(index)], kOutputPortName);
        }
        if (m_errors.take(error) || !m_out->isPortOpen()) {
            if (error.empty())
                error = "The MIDI output port " + names[size_t(index)] + " could not be opened.";
            m_out.reset();
            return false;
        }
        // A message sent before the connection is part of JACK's graph is
        // lost: the first send waits for it (so that opening many ports at
        // once, as a device scan does, costs one settle time, not one each).
        m_openedAt = std::chrono::steady_clock::now();
        return true;
    }

    ~RtMidiPortOutput() override
    {
        // Let JACK's process cycle take what is still queued before RtMidi frees the queue.
        if (m_api == RtMidi::UNIX_JACK && m_out) {
            const auto sinceSend = std::chrono::steady_clock::now() - m_lastSend;
            if (sinceSend < kJackSettleTime)
                std::this_thread::sleep_for(kJackSettleTime - sinceSend);
        }
    }

    bool send(const uint8_t* data, size_t size, std::string& error) override
    {
        if (size == 0) {
            error = "There are no MIDI bytes to send.";
            return false;
        }
        if (m_api == RtMidi::UNIX_JACK && size > kJackMaxMessage) {
            error = "The MIDI message of " + std::to_string(size) + " bytes is longer than the JACK port takes ("
                + std::to_string(kJackMaxMessage) + " bytes).";
            return false;
        }
        m_errors.clear();
        if (m_api == RtMidi::UNIX_JACK) {
            const auto sinceOpen = std::chrono::steady_clock::now() - m_openedAt;
            if (sinceOpen < kJackSettleTime)
                std::this_thread::sleep_for(kJackSettleTime - sinceOpen);
        }
        m_lastSend = std::chrono::steady_clock::now();
        try {
            m_out->sendMessage(data, size);
        } catch (const RtMidiError& e) {
            error = e.getMessage();
            return false;
        }
        return !m_errors.take(error);
    }

private:
    RtMidi::Api m_api = RtMidi::UNSPECIFIED;
    ErrorSink m_errors;
    std::unique_ptr<RtMidiOut> m_out;
    std::chrono::steady_clock::time_point m_lastSend;
    std::chrono::steady_clock::time_point m_openedAt;
};

class RtMidiClient : public MidiBackend {
public:
    // A backend whose MIDI system answers, or nullptr with RtMidi's text.
    static std::unique_ptr<RtMidiClient> create(RtMidi::Api api, std::string& error)
    {
        auto backend = std::unique_ptr<RtMidiClient>(new RtMidiClient(api));
        backend->m_inLister = createPort<RtMidiIn>(api, backend->m_inErrors, error);
        if (!backend->m_inLister)
            return nullptr;
        backend->m_outLister = createPort<RtMidiOut>(api, backend->m_outErrors, error);
        if (!backend->m_outLister)
            return nullptr;
        // JACK only connects here; without a server it warns instead of throwing.
        {
            QuietMidiLibraries quiet;
            backend->m_inLister->getPortCount();
            backend->m_outLister->getPortCount();
        }
        if (backend->m_inErrors.take(error) || backend->m_outErrors.take(error))
            return nullptr;
        return backend;
    }

    std::string name() const override { return RtMidi::getApiDisplayName(m_api); }

    std::vector<std::string> inputPortNames() override { return listPorts(*m_inLister, m_inErrors); }
    std::vector<std::string> outputPortNames() override { return listPorts(*m_outLister, m_outErrors); }

    std::unique_ptr<MidiBackendInput> openInput(int index, MidiReceiveCallback callback, std::string& error) override
    {
        auto input = std::make_unique<RtMidiPortInput>(std::move(callback));
        if (!input->open(m_api, index, error))
            return nullptr;
        return input;
    }

    std::unique_ptr<MidiBackendOutput> openOutput(int index, std::string& error) override
    {
        auto output = std::make_unique<RtMidiPortOutput>();
        if (!output->open(m_api, index, error))
            return nullptr;
        return output;
    }

private:
    explicit RtMidiClient(RtMidi::Api api)
        : m_api(api)
    { }

    RtMidi::Api m_api;
    ErrorSink m_inErrors;
    ErrorSink m_outErrors;
    std::unique_ptr<RtMidiIn> m_inLister;
    std::unique_ptr<RtMidiOut> m_outLister;
};

bool isCompiled(RtMidi::Api api)
{
    std::vector<RtMidi::Api> compiled;
    RtMidi::getCompiledApi(compiled);
    return std::find(compiled.begin(), compiled.end(), api) != compiled.end();
}

} // namespace

std::shared_ptr<MidiBackend> CreateRtMidiBackend(MidiApi api, std::string& error)
{
    std::vector<RtMidi::Api> candidates;
#if defined(_WIN32)
    if (api == MidiApi::Auto)
        candidates = {RtMidi::WINDOWS_MM};
#elif defined(__APPLE__)
    if (api == MidiApi::Auto)
        candidates = {RtMidi::MACOSX_CORE};
#else
    // ALSA where the sequencer can be opened, otherwise a running JACK server.
    if (api == MidiApi::Auto || api == MidiApi::Alsa)
        candidates.push_back(RtMidi::LINUX_ALSA);
    if (api == MidiApi::Auto || api == MidiApi::Jack)
        candidates.push_back(RtMidi::UNIX_JACK);
#endif

    std::string errors;
    for (RtMidi::Api candidate : candidates) {
        std::string failure;
        if (!isCompiled(candidate)) {
            failure = "RtMidi was built without " + RtMidi::getApiDisplayName(candidate) + ".";
        } else if (auto client = RtMidiClient::create(candidate, failure)) {
            error.clear();
            return client;
        }
        if (!errors.empty())
            errors += "\n";
        errors += failure;
    }
    error = errors.empty() ? std::string("This MIDI system is not available on this platform.") : errors;
    return nullptr;
}

} // namespace vantorel
