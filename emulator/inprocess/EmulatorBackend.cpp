#include "emulator/inprocess/EmulatorBackend.h"

#include "util/qt/Clock.h"

#include <QObject>

#include <algorithm>

namespace vantorel {

namespace emulator_backend_detail {

// One opened input port.
struct InputState {
    MidiReceiveCallback callback;
    qint64 startedAt = 0;
    bool running = false;
};

// The cable between the program's ports and the device. Everything happens on
// the thread that created it: answers are delivered by timers of `context`,
// which go away with it, on the clock current when it was made.
class DeviceWire : public std::enable_shared_from_this<DeviceWire> {
public:
    explicit DeviceWire(EmulatorConfig config)
        : device(std::move(config))
    { }

    void fromProgram(const std::vector<uint8_t>& message)
    {
        if (unplugged)
            return;
        for (EmulatorOutput& output : device.receive(message))
            toProgram(output.afterMs, std::move(output.bytes));
    }

    // Arrives at whatever input is running once the delay has passed; nothing
    // is delivered synchronously. Precise: a coarse timer may shift a reply
    // of a long dump by 5 % of its delay, a pause the device never makes.
    void toProgram(int afterMs, std::vector<uint8_t> bytes)
    {
        // Answers leave in the order they were made, as on the device's
        // cable, even when an earlier one is late.
        const qint64 now = clock.now();
        lastDue = std::max(lastDue, now + std::max(0, afterMs));
        ClockTimer::singleShot(clock, int(lastDue - now), &context,
                               [weak = weak_from_this(), bytes = std::move(bytes)] {
                                   if (const auto self = weak.lock())
                                       self->deliver(bytes);
                               });
    }

    void addInput(const std::shared_ptr<InputState>& input) { inputs.push_back(input); }

    Clock& clock = Clock::current();
    qint64 lastDue = 0;

    void removeInput(const InputState* input)
    {
        std::erase_if(inputs, [input](const std::weak_ptr<InputState>& weak) {
            const auto locked = weak.lock();
            return !locked || locked.get() == input;
        });
    }

    EmulatedDevice device;
    bool unplugged = false;

private:
    void deliver(const std::vector<uint8_t>& bytes)
    {
        if (unplugged)
            return;
        // A callback may open or close ports; work on a snapshot.
        std::vector<std::shared_ptr<InputState>> receivers;
        for (const auto& weak : inputs) {
            if (auto input = weak.lock(); input && input->running)
                receivers.push_back(std::move(input));
        }
        for (const auto& input : receivers) {
            if (input->running)
                input->callback(bytes.data(), bytes.size(), static_cast<uint32_t>(clock.now() - input->startedAt));
        }
    }

    QObject context;
    std::vector<std::weak_ptr<InputState>> inputs;
};

class EmulatedInputPort : public MidiBackendInput {
public:
    EmulatedInputPort(std::shared_ptr<DeviceWire> wire, MidiReceiveCallback callback)
        : m_wire(std::move(wire))
        , m_state(std::make_shared<InputState>())
    {
        m_state->callback = std::move(callback);
        m_wire->addInput(m_state);
    }

    ~EmulatedInputPort() override
    {
        stop();
        m_wire->removeInput(m_state.get());
    }

    Result<void> start() override
    {
        if (!m_state->running) {
            m_state->startedAt = m_wire->clock.now();
            m_state->running = true;
        }
        return {};
    }

    void stop() override { m_state->running = false; }

private:
    std::shared_ptr<DeviceWire> m_wire;
    std::shared_ptr<InputState> m_state;
};

class EmulatedOutputPort : public MidiBackendOutput {
public:
    explicit EmulatedOutputPort(std::shared_ptr<DeviceWire> wire)
        : m_wire(std::move(wire))
    { }

    Result<void> send(const uint8_t* data, size_t size) override
    {
        if (data == nullptr || size == 0)
            return Error{"Empty MIDI message"};
        m_wire->fromProgram(std::vector<uint8_t>(data, data + size));
        return {};
    }

private:
    std::shared_ptr<DeviceWire> m_wire;
};

} // namespace emulator_backend_detail

using namespace emulator_backend_detail;

struct EmulatorBackend::Impl : DeviceWire {
    using DeviceWire::DeviceWire;
};

EmulatorBackend::EmulatorBackend(EmulatorConfig config)
    : m_impl(std::make_shared<Impl>(std::move(config)))
{ }

EmulatorBackend::~EmulatorBackend() = default;

EmulatedDevice& EmulatorBackend::device()
{
    return m_impl->device;
}

void EmulatorBackend::inject(const std::vector<uint8_t>& message)
{
    m_impl->toProgram(0, message);
}

std::string EmulatorBackend::name() const
{
    return "Emulator";
}

void EmulatorBackend::setUnplugged(bool unplugged)
{
    m_impl->unplugged = unplugged;
}

std::vector<std::string> EmulatorBackend::inputPortNames()
{
    if (m_impl->unplugged)
        return {};
    return {kEmulatorPortName};
}

std::vector<std::string> EmulatorBackend::outputPortNames()
{
    if (m_impl->unplugged)
        return {};
    return {kEmulatorPortName};
}

Result<std::unique_ptr<MidiBackendInput>> EmulatorBackend::openInput(int index, MidiReceiveCallback callback)
{
    if (index != 0)
        return Error{"No MIDI input port number " + std::to_string(index)};
    return std::make_unique<EmulatedInputPort>(m_impl, std::move(callback));
}

Result<std::unique_ptr<MidiBackendOutput>> EmulatorBackend::openOutput(int index)
{
    if (index != 0)
        return Error{"No MIDI output port number " + std::to_string(index)};
    return std::make_unique<EmulatedOutputPort>(m_impl);
}

} // namespace vantorel
