// The device's User Mode channel table: clear ("A"), dump ("B") and store one
// channel ("C").

#include "emulator/device/EmulatedDevice.h"
#include "util/Utils.h"

#include <algorithm>
#include <string>

namespace vantorel {

namespace {

constexpr size_t kChannelPayloadSize = 14;
// The dump reply that says "no channels stored".
constexpr const char* kNoChannelsDump = "00000100000000";

} // namespace

bool EmulatedDevice::storeChannel(std::string_view payload)
{
    if (payload.size() != kChannelPayloadSize)
        return false;
    std::string upper(payload);
    int number = 0;
    for (size_t i = 0; i < upper.size(); ++i) {
        const int digit = hexDigitValue(upper[i]);
        if (digit < 0)
            return false;
        if (upper[i] >= 'a')
            upper[i] = static_cast<char>(upper[i] - 'a' + 'A');
        if (i < 4)
            number = number * 16 + digit;
    }
    if (number < 1 || number > 512)
        return false;
    m_channels[number] = std::move(upper);
    return true;
}

void EmulatedDevice::onClearUserData(const Command& command)
{
    if (!payloadOf(command).empty())
        return;
    ++m_clears;
    m_channels.clear();
    reply('a');
}

void EmulatedDevice::onReadChannels(const Command& command)
{
    if (!payloadOf(command).empty())
        return;
    if (m_channels.empty()) {
        reply('b', kNoChannelsDump);
        return;
    }
    // One reply after the other, as fast as a MIDI cable carries them: the
    // program's input takes a burst of a few messages, not of 512.
    int afterMs = 0;
    for (const auto& [number, payload] : m_channels) {
        const size_t queued = m_outputs.size();
        reply('b', payload);
        if (m_outputs.size() > queued)
            m_outputs.back().afterMs = afterMs;
        afterMs += std::max(0, m_config.dumpSpacingMs);
    }
}

void EmulatedDevice::onWriteChannel(const Command& command)
{
    // The channel payload travels as text: one character per payload byte.
    const std::vector<uint8_t>& bytes = payloadOf(command);
    const std::string payload(bytes.begin(), bytes.end());
    if (!storeChannel(payload))
        return;
    // storeChannel has checked the four hex digits of the number.
    if (m_config.alterChannel > 0 && std::stoi(payload.substr(0, 4), nullptr, 16) == m_config.alterChannel) {
        // The fault: the lowest bit of the MIDI status (the MIDI channel) flips.
        char& digit = m_channels[m_config.alterChannel][9];
        digit = "0123456789ABCDEF"[hexDigitValue(digit) ^ 1];
    }
    reply('c');
}

} // namespace vantorel
