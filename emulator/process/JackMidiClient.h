#pragma once

#include "util/Result.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vantorel {

// One JACK client with a MIDI input port "in" and a MIDI output port "out",
// so that other clients see NAME:in and NAME:out. (RtMidi opens one JACK
// client per port object, which would put the two ports under two client
// names.) libjack is loaded at run time, so the program links without it.
class JackMidiClient {
public:
    // Called on JACK's process thread with each complete received message
    // (real-time messages F8..FF are left out). Must return quickly.
    using MessageHandler = std::function<void(const uint8_t* data, size_t size)>;
    // Called on a JACK thread when the server goes away.
    using ShutdownHandler = std::function<void()>;
    // Called on JACK's process thread with the number of queued messages
    // that went out in this cycle, oldest first. Must return quickly.
    using SentHandler = std::function<void(size_t count)>;

    // An error when the client or its ports cannot be created (no server,
    // name already taken, no libjack).
    static Result<std::unique_ptr<JackMidiClient>> open(const std::string& clientName, MessageHandler onMessage,
                                                        ShutdownHandler onShutdown, SentHandler onSent = {});
    ~JackMidiClient();

    JackMidiClient(const JackMidiClient&) = delete;
    JackMidiClient& operator=(const JackMidiClient&) = delete;

    // Microseconds on JACK's clock.
    uint64_t now() const;
    // Queues one complete message to leave in the process cycle that holds
    // `dueUs` (JACK's clock; a time past leaves in the next cycle). The
    // process thread keeps the time, as a device's own clock does, however
    // late the thread that queued it runs. Messages leave in the order they
    // were queued: `dueUs` must not decrease. Call from one thread only.
    // False when the queue is full or the message is empty.
    bool send(const std::vector<uint8_t>& message, uint64_t dueUs = 0);

    struct Impl;

private:
    explicit JackMidiClient(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> m_impl;
};

} // namespace vantorel
