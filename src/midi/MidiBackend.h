#pragma once

#include "util/Result.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vantorel {

// A source of MIDI ports: RtMidi (ALSA, JACK, WinMM, CoreMIDI) or the emulated
// device. Failures are returned as Result errors, never thrown.

// Called for every complete incoming message (a short message or a whole SysEx
// message), possibly on a backend thread. `timestampMs` counts from start().
// The callee must not block, allocate or touch Qt objects.
using MidiReceiveCallback = std::function<void(const uint8_t* data, size_t size, uint32_t timestampMs)>;

class MidiBackendInput {
public:
    virtual ~MidiBackendInput() = default;
    // Begins delivering messages to the callback given at open time.
    virtual Result<void> start() = 0;
    // Stops delivery; after it returns the callback is no longer called.
    virtual void stop() = 0;
};

class MidiBackendOutput {
public:
    virtual ~MidiBackendOutput() = default;
    virtual Result<void> send(const uint8_t* data, size_t size) = 0;
};

class MidiBackend {
public:
    virtual ~MidiBackend() = default;
    virtual std::string name() const = 0;
    virtual std::vector<std::string> inputPortNames() = 0;
    virtual std::vector<std::string> outputPortNames() = 0;
    // index into inputPortNames(); never a null port.
    virtual Result<std::unique_ptr<MidiBackendInput>> openInput(int index, MidiReceiveCallback callback) = 0;
    virtual Result<std::unique_ptr<MidiBackendOutput>> openOutput(int index) = 0;
};

// The ports of several backends as one list, in the order the backends were added.
class MidiPortDirectory : public MidiBackend {
public:
    void add(std::shared_ptr<MidiBackend> backend) { m_backends.push_back(std::move(backend)); }
    bool empty() const { return m_backends.empty(); }

    std::string name() const override;
    std::vector<std::string> inputPortNames() override;
    std::vector<std::string> outputPortNames() override;
    Result<std::unique_ptr<MidiBackendInput>> openInput(int index, MidiReceiveCallback callback) override;
    Result<std::unique_ptr<MidiBackendOutput>> openOutput(int index) override;

private:
    std::vector<std::shared_ptr<MidiBackend>> m_backends;
};

enum class MidiApi { Auto, Alsa, Jack };

// Creates the RtMidi backend for `api`. Auto takes ALSA where the sequencer can
// be opened, otherwise JACK when a server runs (WinMM / CoreMIDI elsewhere).
// The error says why no backend can start.
Result<std::shared_ptr<MidiBackend>> createRtMidiBackend(MidiApi api);

} // namespace vantorel
