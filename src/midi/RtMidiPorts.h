#pragma once

// RtMidi behind a small interface of its own. RtMidi.h declares a global class
// named MidiApi, which clashes with the enum in MidiBackend.h, so no file
// includes both: RtMidiPorts.cpp talks to RtMidi, RtMidiBackend.cpp adapts
// this interface to MidiBackend.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vantorel {

namespace rtmidiports {

enum class System { Alsa, Jack, WindowsMM, CoreMidi };

using Receive = std::function<void(const uint8_t* data, size_t size, uint32_t timestampMs)>;

class Input {
public:
    virtual ~Input() = default;
    virtual bool start(std::string& error) = 0;
    virtual void stop() = 0;
};

class Output {
public:
    virtual ~Output() = default;
    virtual bool send(const uint8_t* data, size_t size, std::string& error) = 0;
};

// One connection to a MIDI system. Port lists leave out this program's own
// ports; a port index refers to the list as it is at the time of the call.
class Client {
public:
    virtual ~Client() = default;
    virtual std::string systemName() const = 0;
    virtual std::vector<std::string> inputNames() = 0;
    virtual std::vector<std::string> outputNames() = 0;
    virtual std::unique_ptr<Input> openInput(int index, Receive receive, std::string& error) = 0;
    virtual std::unique_ptr<Output> openOutput(int index, std::string& error) = 0;
};

bool isCompiled(System system);
std::string displayName(System system);
// nullptr with RtMidi's text in `error` when the system does not answer
// (no ALSA sequencer, no JACK server).
std::unique_ptr<Client> connect(System system, std::string& error);

} // namespace rtmidiports

} // namespace vantorel
