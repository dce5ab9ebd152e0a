#pragma once

#include "emulator/device/EmulatedDevice.h"
#include "midi/MidiBackend.h"

#include <memory>

namespace vantorel {

// Name of the emulated port pair in the port lists.
inline constexpr const char* kEmulatorPortName = "VANTOREL Emulator";

// A backend with one input and one output port, both named kEmulatorPortName,
// connected to an in-process EmulatedDevice. Answers are delivered from the Qt
// event loop of the calling thread, after the delay the device asks for.
class EmulatorBackend : public MidiBackend {
public:
    explicit EmulatorBackend(EmulatorConfig config = {});
    ~EmulatorBackend() override;

    EmulatedDevice& device();
    // Sends a message from the device to the program, as if the device had sent it.
    void inject(const std::vector<uint8_t>& message);
    // Pulls the cable (true) or plugs it in again: while unplugged the ports
    // are missing from the port lists, nothing reaches the device and
    // nothing more arrives from it.
    void setUnplugged(bool unplugged);

    std::string name() const override;
    std::vector<std::string> inputPortNames() override;
    std::vector<std::string> outputPortNames() override;
    Result<std::unique_ptr<MidiBackendInput>> openInput(int index, MidiReceiveCallback callback) override;
    Result<std::unique_ptr<MidiBackendOutput>> openOutput(int index) override;

private:
    struct Impl;
    std::shared_ptr<Impl> m_impl;
};

} // namespace vantorel
