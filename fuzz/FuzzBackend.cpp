#include "FuzzBackend.h"

namespace vantorel {

struct FuzzBackend::Wire {
    MidiReceiveCallback callback;
    bool running = false;
    int sent = 0;
    std::function<void(const uint8_t*, size_t)> peer;
};

namespace {

class FuzzInput : public MidiBackendInput {
public:
    explicit FuzzInput(std::shared_ptr<FuzzBackend::Wire> wire)
        : m_wire(std::move(wire))
    { }
    ~FuzzInput() override
    {
        m_wire->running = false;
        m_wire->callback = nullptr;
    }
    Result<void> start() override
    {
        m_wire->running = true;
        return {};
    }
    void stop() override { m_wire->running = false; }

private:
    std::shared_ptr<FuzzBackend::Wire> m_wire;
};

class FuzzOutput : public MidiBackendOutput {
public:
    explicit FuzzOutput(std::shared_ptr<FuzzBackend::Wire> wire)
        : m_wire(std::move(wire))
    { }
    Result<void> send(const uint8_t* data, size_t size) override
    {
        if (!data || size == 0)
            return Error{"Empty MIDI message"};
        ++m_wire->sent;
        if (m_wire->peer)
            m_wire->peer(data, size);
        return {};
    }

private:
    std::shared_ptr<FuzzBackend::Wire> m_wire;
};

} // namespace

FuzzBackend::FuzzBackend()
    : m_wire(std::make_shared<Wire>())
{ }

FuzzBackend::~FuzzBackend() = default;

bool FuzzBackend::deliver(const uint8_t* data, size_t size, uint32_t timestampMs)
{
    if (!m_wire->running || !m_wire->callback)
        return false;
    m_wire->callback(data, size, timestampMs);
    return true;
}

int FuzzBackend::sent() const
{
    return m_wire->sent;
}

void FuzzBackend::setPeer(std::function<void(const uint8_t*, size_t)> peer)
{
    m_wire->peer = std::move(peer);
}

Result<std::unique_ptr<MidiBackendInput>> FuzzBackend::openInput(int index, MidiReceiveCallback callback)
{
    if (index != 0)
        return Error{"No such port"};
    m_wire->callback = std::move(callback);
    m_wire->running = false;
    return std::make_unique<FuzzInput>(m_wire);
}

Result<std::unique_ptr<MidiBackendOutput>> FuzzBackend::openOutput(int index)
{
    if (index != 0)
        return Error{"No such port"};
    return std::make_unique<FuzzOutput>(m_wire);
}

} // namespace vantorel
