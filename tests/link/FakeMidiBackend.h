#pragma once

// A MIDI system with fixed port lists whose input delivers from a thread of
// its own, like ALSA's input thread or a JACK process callback.

#include "midi/MidiBackend.h"

#include <atomic>
#include <functional>
#include <thread>

namespace vantorel {

class FakeBackend : public MidiBackend {
public:
    using Bytes = std::vector<uint8_t>;

    std::string backendName = "Fake";
    std::vector<std::string> inputs{"Port A", "Port B"};
    std::vector<std::string> outputs{"Out A", "Out B"};
    bool refuseOpen = false;
    std::string startError;
    std::string sendError;

    int openedInput = -1;
    int openedOutput = -1;
    std::vector<Bytes> sent;

    // Delivers message(0) .. message(count - 1), timestamped with their index,
    // from another thread; stops when the input is stopped.
    std::thread produce(std::function<Bytes(int)> message, int count)
    {
        return std::thread([this, message = std::move(message), count] {
            for (int i = 0; i < count && m_running; ++i) {
                const Bytes bytes = message(i);
                m_callback(bytes.data(), bytes.size(), uint32_t(i));
            }
        });
    }
    void deliver(const std::vector<Bytes>& messages)
    {
        produce([&](int i) { return messages[size_t(i)]; }, int(messages.size())).join();
    }

    std::string name() const override { return backendName; }
    std::vector<std::string> inputPortNames() override { return inputs; }
    std::vector<std::string> outputPortNames() override { return outputs; }

    Result<std::unique_ptr<MidiBackendInput>> openInput(int index, MidiReceiveCallback callback) override
    {
        if (refuseOpen)
            return Error{"port busy"};
        openedInput = index;
        m_callback = std::move(callback);
        return std::make_unique<Input>(*this);
    }

    Result<std::unique_ptr<MidiBackendOutput>> openOutput(int index) override
    {
        if (refuseOpen)
            return Error{"port busy"};
        openedOutput = index;
        return std::make_unique<Output>(*this);
    }

private:
    struct Input : MidiBackendInput {
        explicit Input(FakeBackend& b)
            : backend(b)
        { }
        ~Input() override { stop(); }
        Result<void> start() override
        {
            backend.m_running = backend.startError.empty();
            if (!backend.m_running)
                return Error{backend.startError};
            return {};
        }
        void stop() override { backend.m_running = false; }
        FakeBackend& backend;
    };
    struct Output : MidiBackendOutput {
        explicit Output(FakeBackend& b)
            : backend(b)
        { }
        Result<void> send(const uint8_t* data, size_t size) override
        {
            if (!backend.sendError.empty())
                return Error{backend.sendError};
            backend.sent.emplace_back(data, data + size);
            return {};
        }
        FakeBackend& backend;
    };

    MidiReceiveCallback m_callback;
    std::atomic<bool> m_running{false};
};

} // namespace vantorel
