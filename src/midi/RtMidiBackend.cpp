// The RtMidi backend: ALSA on Linux, Windows MM, CoreMIDI. JACK has a backend
// of its own (midi/JackBackend.cpp).

#include "midi/JackBackend.h"
#include "midi/MidiBackend.h"
#include "midi/MidiClientName.h"
#include "util/Translate.h"

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
#include <optional>

#if defined(__linux__)
#include <dlfcn.h>
#endif

namespace vantorel {
namespace {

// The context the texts below are marked with.
constexpr const char* kContext = "vantorel::MidiPorts";

const char* const kInputPortName = "MIDI In";
const char* const kOutputPortName = "MIDI Out";

// Keeps the console clean while RtMidi objects are created or connect: RtMidi
// prints to std::cerr before an error callback can be installed, and the ALSA
// library prints its own diagnostics. The ALSA handler is per-thread; the
// std::cerr buffer is process-wide and is restored when the guard ends. Use it
// on the GUI thread only.
class QuietMidiLibraries {
public:
    QuietMidiLibraries()
        : m_cerr(std::cerr.rdbuf(nullptr))
    {
#if defined(__linux__)
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
#endif
        std::cerr.rdbuf(m_cerr); // also clears the failure state of std::cerr
    }

    QuietMidiLibraries(const QuietMidiLibraries&) = delete;
    QuietMidiLibraries& operator=(const QuietMidiLibraries&) = delete;

private:
    std::streambuf* m_cerr;
#if defined(__linux__)
    using AlsaLocalFn = void (*)(const char*, int, const char*, int, const char*, va_list);
    using AlsaSetLocalFn = AlsaLocalFn (*)(AlsaLocalFn);

    static void ignoreAlsaMessage(const char*, int, const char*, int, const char*, va_list)
    { }

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

    // The error reported since the last clear() or take(), if any.
    std::optional<Error> take()
    {
        std::lock_guard lock(m_mutex);
        if (m_text.empty())
            return std::nullopt;
        Error error{std::move(m_text)};
        m_text.clear();
        return error;
    }

private:
    std::mutex m_mutex;
    std::string m_text;
};

template <typename Port> Result<std::unique_ptr<Port>> createPort(RtMidi::Api api, ErrorSink& sink)
{
    std::unique_ptr<Port> port;
    {
        QuietMidiLibraries quiet;
        try {
            port = std::make_unique<Port>(api, kMidiClientName);
        } catch (const RtMidiError& e) {
            return Error{e.getMessage()};
        } catch (const std::exception& e) {
            return Error{e.what()};
        }
    }
    port->setErrorCallback(&ErrorSink::callback, &sink);
    return port;
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

    Result<void> open(RtMidi::Api api, int index)
    {
        Result<std::unique_ptr<RtMidiIn>> created = createPort<RtMidiIn>(api, m_errors);
        if (!created)
            return created.error();
        m_in = std::move(created).value();
        std::vector<unsigned> numbers;
        const std::vector<std::string> names = listPorts(*m_in, m_errors, &numbers);
        if (index < 0 || size_t(index) >= names.size()) {
            m_in.reset();
            return markedError(kContext,
                               VANTOREL_TRANSLATE_NOOP("vantorel::MidiPorts", "There is no MIDI input port %1."),
                               std::to_string(index));
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
        if (std::optional<Error> reported = m_errors.take(); reported || !m_in->isPortOpen()) {
            m_in.reset();
            if (reported)
                return *reported;
            return markedError(
                kContext, VANTOREL_TRANSLATE_NOOP("vantorel::MidiPorts", "The MIDI input port %1 could not be opened."),
                names[size_t(index)]);
        }
        return {};
    }

    Result<void> start() override
    {
        if (!m_in)
            return markedError(kContext,
                               VANTOREL_TRANSLATE_NOOP("vantorel::MidiPorts", "The MIDI input port is closed."));
        m_startNs.store(steadyNanoseconds(), std::memory_order_relaxed);
        m_started.store(true, std::memory_order_release);
        return {};
    }

    void stop() override
    {
        m_started.store(false, std::memory_order_release);
        // Destroying the RtMidi object joins the input thread; no callback
        // runs after that.
        m_in.reset();
    }

private:
    // RtMidi's input thread.
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
    Result<void> open(RtMidi::Api api, int index)
    {
        Result<std::unique_ptr<RtMidiOut>> created = createPort<RtMidiOut>(api, m_errors);
        if (!created)
            return created.error();
        m_out = std::move(created).value();
        std::vector<unsigned> numbers;
        const std::vector<std::string> names = listPorts(*m_out, m_errors, &numbers);
        if (index < 0 || size_t(index) >= names.size()) {
            m_out.reset();
            return markedError(kContext,
                               VANTOREL_TRANSLATE_NOOP("vantorel::MidiPorts", "There is no MIDI output port %1."),
                               std::to_string(index));
        }
        {
            QuietMidiLibraries quiet;
            m_out->openPort(numbers[size_t(index)], kOutputPortName);
        }
        if (std::optional<Error> reported = m_errors.take(); reported || !m_out->isPortOpen()) {
            m_out.reset();
            if (reported)
                return *reported;
            return markedError(
                kContext,
                VANTOREL_TRANSLATE_NOOP("vantorel::MidiPorts", "The MIDI output port %1 could not be opened."),
                names[size_t(index)]);
        }
        return {};
    }

    Result<void> send(const uint8_t* data, size_t size) override
    {
        if (size == 0)
            return markedError(kContext,
                               VANTOREL_TRANSLATE_NOOP("vantorel::MidiPorts", "There are no MIDI bytes to send."));
        m_errors.clear();
        try {
            m_out->sendMessage(data, size);
        } catch (const RtMidiError& e) {
            return Error{e.getMessage()};
        }
        if (std::optional<Error> reported = m_errors.take())
            return *reported;
        return {};
    }

private:
    ErrorSink m_errors;
    std::unique_ptr<RtMidiOut> m_out;
};

class RtMidiClient : public MidiBackend {
public:
    // A backend whose MIDI system answers, or RtMidi's text.
    static Result<std::unique_ptr<RtMidiClient>> create(RtMidi::Api api)
    {
        auto backend = std::unique_ptr<RtMidiClient>(new RtMidiClient(api));
        Result<std::unique_ptr<RtMidiIn>> inLister = createPort<RtMidiIn>(api, backend->m_inErrors);
        if (!inLister)
            return inLister.error();
        backend->m_inLister = std::move(inLister).value();
        Result<std::unique_ptr<RtMidiOut>> outLister = createPort<RtMidiOut>(api, backend->m_outErrors);
        if (!outLister)
            return outLister.error();
        backend->m_outLister = std::move(outLister).value();
        // Some MIDI systems only connect here.
        {
            QuietMidiLibraries quiet;
            backend->m_inLister->getPortCount();
            backend->m_outLister->getPortCount();
        }
        if (std::optional<Error> reported = backend->m_inErrors.take())
            return *reported;
        if (std::optional<Error> reported = backend->m_outErrors.take())
            return *reported;
        return backend;
    }

    std::string name() const override { return RtMidi::getApiDisplayName(m_api); }

    std::vector<std::string> inputPortNames() override { return listPorts(*m_inLister, m_inErrors); }
    std::vector<std::string> outputPortNames() override { return listPorts(*m_outLister, m_outErrors); }

    Result<std::unique_ptr<MidiBackendInput>> openInput(int index, MidiReceiveCallback callback) override
    {
        auto input = std::make_unique<RtMidiPortInput>(std::move(callback));
        if (Result<void> opened = input->open(m_api, index); !opened)
            return opened.error();
        return input;
    }

    Result<std::unique_ptr<MidiBackendOutput>> openOutput(int index) override
    {
        auto output = std::make_unique<RtMidiPortOutput>();
        if (Result<void> opened = output->open(m_api, index); !opened)
            return opened.error();
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

Result<std::shared_ptr<MidiBackend>> createRtMidiBackend(MidiApi api)
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

    std::vector<Error> failures;
    for (RtMidi::Api candidate : candidates) {
        if (candidate == RtMidi::UNIX_JACK) {
            if (Result<std::shared_ptr<MidiBackend>> jack = createJackBackend())
                return jack;
            else
                failures.push_back(jack.error());
        } else if (!isCompiled(candidate)) {
            failures.push_back(Error{"RtMidi was built without " + RtMidi::getApiDisplayName(candidate) + "."});
        } else if (Result<std::unique_ptr<RtMidiClient>> client = RtMidiClient::create(candidate)) {
            return std::shared_ptr<MidiBackend>(std::move(client).value());
        } else {
            failures.push_back(client.error());
        }
    }
    if (failures.empty())
        return markedError(
            kContext,
            VANTOREL_TRANSLATE_NOOP("vantorel::MidiPorts", "This MIDI system is not available on this platform."));
    if (failures.size() == 1)
        return failures.front();
    std::string errors; // the libraries' own words, one line per MIDI system tried
    for (const Error& failure : failures)
        errors += (errors.empty() ? "" : "\n") + failure.text();
    return Error{errors};
}

} // namespace vantorel
