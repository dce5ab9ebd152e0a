#include "JackMidiClient.h"

#include "util/Translate.h"

#include <algorithm>

#if __has_include(<jack/jack.h>) && __has_include(<dlfcn.h>)
#define VANTOREL_HAVE_JACK 1
#include <dlfcn.h>
#include <jack/jack.h>
#include <jack/midiport.h>
#include <jack/ringbuffer.h>
#endif

namespace vantorel {

namespace {
// The context the texts of this file are marked with.
constexpr const char* kContext = "vantorel-emulator";
} // namespace

#ifdef VANTOREL_HAVE_JACK

namespace {

#ifdef __APPLE__
constexpr const char* kJackLibrary = "libjack.0.dylib";
#else
constexpr const char* kJackLibrary = "libjack.so.0";
#endif

// Room for a few hundred firmware-block-sized messages.
constexpr size_t kOutputQueueBytes = 1 << 17;

// The libjack functions in use, looked up at run time.
struct JackApi {
#define VANTOREL_JACK_FUNCTIONS(X)                                                                                     \
    X(jack_client_open)                                                                                                \
    X(jack_client_close)                                                                                               \
    X(jack_port_register)                                                                                              \
    X(jack_set_process_callback)                                                                                       \
    X(jack_on_shutdown)                                                                                                \
    X(jack_activate)                                                                                                   \
    X(jack_deactivate)                                                                                                 \
    X(jack_port_get_buffer)                                                                                            \
    X(jack_midi_get_event_count)                                                                                       \
    X(jack_midi_event_get)                                                                                             \
    X(jack_midi_clear_buffer)                                                                                          \
    X(jack_midi_event_reserve)                                                                                         \
    X(jack_get_time)                                                                                                   \
    X(jack_get_sample_rate)                                                                                            \
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
                               VANTOREL_TRANSLATE_NOOP("vantorel-emulator", "Cannot load the JACK library: %1"),
                               reason ? reason : kJackLibrary);
        }
        // The library stays loaded for the life of the process.
#define VANTOREL_JACK_LOOKUP(name)                                                                                     \
    name = reinterpret_cast<decltype(name)>(dlsym(library, #name));                                                    \
    if (name == nullptr)                                                                                               \
        return Error{"The JACK library lacks " #name};
        VANTOREL_JACK_FUNCTIONS(VANTOREL_JACK_LOOKUP)
#undef VANTOREL_JACK_LOOKUP
        return {};
    }
#undef VANTOREL_JACK_FUNCTIONS
};

} // namespace

struct JackMidiClient::Impl {
    JackApi jack;
    jack_client_t* client = nullptr;
    jack_port_t* input = nullptr;
    jack_port_t* output = nullptr;
    // Messages for the output port: a Header, then the bytes.
    struct Header {
        uint32_t size;
        uint64_t dueUs;
    };
    jack_ringbuffer_t* outgoing = nullptr;
    MessageHandler onMessage;
    ShutdownHandler onShutdown;
    SentHandler onSent;
    jack_nframes_t sampleRate = 48000;
    bool active = false;

    ~Impl()
    {
        if (client != nullptr) {
            if (active)
                jack.jack_deactivate(client);
            jack.jack_client_close(client);
        }
        if (outgoing != nullptr)
            jack.jack_ringbuffer_free(outgoing);
    }

    static int process(jack_nframes_t frames, void* arg)
    {
        static_cast<Impl*>(arg)->processCycle(frames);
        return 0;
    }

    static void shutdown(void* arg)
    {
        const auto* self = static_cast<Impl*>(arg);
        if (self->onShutdown)
            self->onShutdown();
    }

    void processCycle(jack_nframes_t frames)
    {
        void* in = jack.jack_port_get_buffer(input, frames);
        const uint32_t count = jack.jack_midi_get_event_count(in);
        for (uint32_t i = 0; i < count; ++i) {
            jack_midi_event_t event;
            if (jack.jack_midi_event_get(&event, in, i) != 0 || event.size == 0)
                continue;
            if (event.size == 1 && event.buffer[0] >= 0xF8)
                continue; // clock, active sensing and the like
            onMessage(event.buffer, event.size);
        }

        void* out = jack.jack_port_get_buffer(output, frames);
        jack.jack_midi_clear_buffer(out);
        // This cycle's buffer spans the time from now to the next cycle
        // (only the system clock is read: nothing here waits for the server).
        const jack_time_t cycleUs = jack.jack_get_time();
        const jack_time_t nextUs = cycleUs + jack_time_t(frames) * 1000000 / sampleRate;
        size_t sent = 0;
        jack_nframes_t offset = 0;
        while (jack.jack_ringbuffer_read_space(outgoing) >= sizeof(Header)) {
            Header header{};
            jack.jack_ringbuffer_peek(outgoing, reinterpret_cast<char*>(&header), sizeof header);
            if (jack.jack_ringbuffer_read_space(outgoing) < sizeof header + header.size)
                break; // the writer is not done with it yet
            if (header.dueUs >= nextUs)
                break; // due in a later cycle
            // At its frame in this cycle; one already due at the cycle's start.
            if (header.dueUs > cycleUs)
                offset = std::max(offset, jack_nframes_t((header.dueUs - cycleUs) * frames / (nextUs - cycleUs)));
            jack_midi_data_t* slot = jack.jack_midi_event_reserve(out, std::min(offset, frames - 1), header.size);
            if (slot == nullptr)
                break; // this cycle's buffer is full: next cycle
            jack.jack_ringbuffer_read(outgoing, reinterpret_cast<char*>(&header), sizeof header);
            jack.jack_ringbuffer_read(outgoing, reinterpret_cast<char*>(slot), header.size);
            ++sent;
        }
        if (sent > 0 && onSent)
            onSent(sent);
    }
};

Result<std::unique_ptr<JackMidiClient>> JackMidiClient::open(const std::string& clientName, MessageHandler onMessage,
                                                             ShutdownHandler onShutdown, SentHandler onSent)
{
    auto impl = std::make_unique<Impl>();
    if (Result<void> loaded = impl->jack.load(); !loaded)
        return loaded.error();
    const JackApi& jack = impl->jack;
    impl->onMessage = std::move(onMessage);
    impl->onShutdown = std::move(onShutdown);
    impl->onSent = std::move(onSent);

    jack_status_t status{};
    impl->client = jack.jack_client_open(clientName.c_str(),
                                         static_cast<jack_options_t>(JackNoStartServer | JackUseExactName), &status);
    if (impl->client == nullptr) {
        if (status & JackNameNotUnique)
            return markedError(kContext,
                               VANTOREL_TRANSLATE_NOOP("vantorel-emulator", "The JACK client name %1 is already taken"),
                               clientName);
        if (status & JackServerFailed)
            return markedError(kContext,
                               VANTOREL_TRANSLATE_NOOP("vantorel-emulator", "Cannot connect to the JACK server"));
        return markedError(kContext, VANTOREL_TRANSLATE_NOOP("vantorel-emulator", "Cannot open the JACK client %1"),
                           clientName);
    }
    impl->input = jack.jack_port_register(impl->client, "in", JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0);
    impl->output = jack.jack_port_register(impl->client, "out", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0);
    impl->outgoing = jack.jack_ringbuffer_create(kOutputQueueBytes);
    impl->sampleRate = std::max<jack_nframes_t>(1, jack.jack_get_sample_rate(impl->client));
    if (impl->input == nullptr || impl->output == nullptr || impl->outgoing == nullptr)
        return markedError(kContext, VANTOREL_TRANSLATE_NOOP("vantorel-emulator", "Cannot create the MIDI ports of %1"),
                           clientName);
    jack.jack_set_process_callback(impl->client, &Impl::process, impl.get());
    jack.jack_on_shutdown(impl->client, &Impl::shutdown, impl.get());
    if (jack.jack_activate(impl->client) != 0)
        return markedError(kContext, VANTOREL_TRANSLATE_NOOP("vantorel-emulator", "Cannot activate the JACK client %1"),
                           clientName);
    impl->active = true;
    return std::unique_ptr<JackMidiClient>(new JackMidiClient(std::move(impl)));
}

uint64_t JackMidiClient::now() const
{
    return m_impl->jack.jack_get_time();
}

bool JackMidiClient::send(const std::vector<uint8_t>& message, uint64_t dueUs)
{
    const JackApi& jack = m_impl->jack;
    const Impl::Header header{static_cast<uint32_t>(message.size()), dueUs};
    if (header.size == 0 || jack.jack_ringbuffer_write_space(m_impl->outgoing) < sizeof header + header.size)
        return false;
    jack.jack_ringbuffer_write(m_impl->outgoing, reinterpret_cast<const char*>(&header), sizeof header);
    jack.jack_ringbuffer_write(m_impl->outgoing, reinterpret_cast<const char*>(message.data()), header.size);
    return true;
}

#else // no JACK on this platform

struct JackMidiClient::Impl { };

Result<std::unique_ptr<JackMidiClient>> JackMidiClient::open(const std::string&, MessageHandler, ShutdownHandler,
                                                             SentHandler)
{
    return markedError(kContext, VANTOREL_TRANSLATE_NOOP("vantorel-emulator", "JACK is not available on this system"));
}

uint64_t JackMidiClient::now() const
{
    return 0;
}

bool JackMidiClient::send(const std::vector<uint8_t>&, uint64_t)
{
    return false;
}

#endif

JackMidiClient::JackMidiClient(std::unique_ptr<Impl> impl)
    : m_impl(std::move(impl))
{ }

JackMidiClient::~JackMidiClient() = default;

} // namespace vantorel
