#pragma once

#include "midi/MidiBackend.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vantorel {

// An in-process MIDI backend whose input is driven by the fuzz target: the
// device's messages are handed to the program's receive callback at once, on
// the calling thread, exactly as a platform callback would hand them over.
// What the program sends is counted and handed to the peer, if one is set
// (a scripted device that answers from inside the send, as fast as a device
// that answers at once).
class FuzzBackend : public MidiBackend {
public:
    FuzzBackend();
    ~FuzzBackend() override;

    // Delivers one message to the open, started input; false when there is none.
    bool deliver(const uint8_t* data, size_t size, uint32_t timestampMs);
    int sent() const;
    void setPeer(std::function<void(const uint8_t* data, size_t size)> peer);

    std::string name() const override { return "Fuzz"; }
    std::vector<std::string> inputPortNames() override { return {"Fuzz In"}; }
    std::vector<std::string> outputPortNames() override { return {"Fuzz Out"}; }
    Result<std::unique_ptr<MidiBackendInput>> openInput(int index, MidiReceiveCallback callback) override;
    Result<std::unique_ptr<MidiBackendOutput>> openOutput(int index) override;

    struct Wire;

private:
    std::shared_ptr<Wire> m_wire;
};

} // namespace vantorel
