// The device's Basic/Eco modes: read ("F"), store one ("G"), reset to the
// defaults ("H") and store their number ("I").

#include "emulator/device/EmulatedDevice.h"

#include <algorithm>

namespace vantorel {

EmulatedDevice::Modes EmulatedDevice::defaultModes()
{
    // What a device fresh from the factory holds: three modes in use, the
    // other two slots prepared.
    return {{
        {1, 0, 1, 0}, // DMX128 NO, MIDI channel 1
        {2, 5, 1, 0}, // DMX256 NO/CC
        {3, 8, 1, 60}, // User Mode, note C4/60
        {4, 13, 1, 0}, // DMX512 - 100%
        {5, 9, 1, 0}, // DMX512 - 0%
    }};
}

void EmulatedDevice::setModes(const Modes& modes, int count)
{
    m_modes = modes;
    for (size_t i = 0; i < m_modes.size(); ++i)
        m_modes[i].slot = int(i) + 1;
    m_modeCount = std::clamp(count, 1, kModeSlotCount);
}

void EmulatedDevice::onReadModes(const Command& command)
{
    if (!payloadOf(command).empty())
        return;
    for (int i = 0; i < m_modeCount; ++i)
        reply('f', modeReplyPayload(m_modes[size_t(i)]));
}

void EmulatedDevice::onStoreMode(const Command& command)
{
    const auto record = decodeModeRecord(payloadOf(command));
    if (!record)
        return;
    m_modes[size_t(record->slot - 1)] = *record;
    reply('g');
}

void EmulatedDevice::onResetModes(const Command& command)
{
    if (!payloadOf(command).empty())
        return;
    m_modes = defaultModes();
    m_modeCount = kDefaultModeCount;
    reply('h');
}

void EmulatedDevice::onStoreModeCount(const Command& command)
{
    const std::vector<uint8_t>& payload = payloadOf(command);
    if (payload.size() != 4 || payload[0] < 1 || payload[0] > kModeSlotCount || payload[1] != 0 || payload[2] != 0
        || payload[3] != 0)
        return;
    m_modeCount = payload[0];
    reply('i');
}

} // namespace vantorel
