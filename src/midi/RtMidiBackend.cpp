#include "midi/MidiBackend.h"

#include "midi/RtMidiPorts.h"

#include <utility>

namespace vantorel {

namespace {

class RtMidiBackendInput : public MidiBackendInput {
public:
    explicit RtMidiBackendInput(std::unique_ptr<rtmidiports::Input> port) : m_port(std::move(port)) {}
    bool start(std::string& error) override { return m_port->start(error); }
    void stop() override { m_port->stop(); }

private:
    std::unique_ptr<rtmidiports::Input> m_port;
};

class RtMidiBackendOutput : public MidiBackendOutput {
public:
    explicit RtMidiBackendOutput(std::unique_ptr<rtmidiports::Output> port) : m_port(std::move(port)) {}
    bool send(const uint8_t* data, size_t size, std::string& error) override { return m_port->send(data, size, error); }

private:
    std::unique_ptr<rtmidiports::Output> m_port;
};

class RtMidiBackend : public MidiBackend {
public:
    explicit RtMidiBackend(std::unique_ptr<rtmidiports::Client> client) : m_client(std::move(client)) {}

    std::string name() const override { return m_client->systemName(); }
    std::vector<std::string> inputPortNames() override { return m_client->inputNames(); }
    std::vector<std::string> outputPortNames() override { return m_client->outputNames(); }

    std::unique_ptr<MidiBackendInput> openInput(int index, MidiReceiveCallback callback, std::string& error) override
    {
        auto port = m_client->openInput(index, std::move(callback), error);
        if (!port)
            return nullptr;
        return std::make_unique<RtMidiBackendInput>(std::move(port));
    }

    std::unique_ptr<MidiBackendOutput> openOutput(int index, std::string& error) override
    {
        auto port = m_client->openOutput(index, error);
        if (!port)
            return nullptr;
        return std::make_unique<RtMidiBackendOutput>(std::move(port));
    }

private:
    std::unique_ptr<rtmidiports::Client> m_client;
};

} // namespace

std::shared_ptr<MidiBackend> CreateRtMidiBackend(MidiApi api, std::string& error)
{
    using rtmidiports::System;
    std::vector<System> candidates;
#if defined(_WIN32)
    if (api == MidiApi::Auto)
        candidates = {System::WindowsMM};
#elif defined(__APPLE__)
    if (api == MidiApi::Auto)
        candidates = {System::CoreMidi};
#else
    // ALSA where the sequencer can be opened, otherwise a running JACK server.
    if (api == MidiApi::Auto || api == MidiApi::Alsa)
        candidates.push_back(System::Alsa);
    if (api == MidiApi::Auto || api == MidiApi::Jack)
        candidates.push_back(System::Jack);
#endif

    std::string errors;
    for (System candidate : candidates) {
        std::string failure;
        if (!rtmidiports::isCompiled(candidate)) {
            failure = "RtMidi was built without " + rtmidiports::displayName(candidate) + ".";
        } else if (auto client = rtmidiports::connect(candidate, failure)) {
            error.clear();
            return std::make_shared<RtMidiBackend>(std::move(client));
        }
        if (!errors.empty())
            errors += "\n";
        errors += failure;
    }
    error = errors.empty() ? std::string("This MIDI system is not available on this platform.") : errors;
    return nullptr;
}

} // namespace vantorel
