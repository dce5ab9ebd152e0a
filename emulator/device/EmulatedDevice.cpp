#include "emulator/device/EmulatedDevice.h"

#include "protocol/Crc32.h"
#include "protocol/DeviceType.h"
#include "protocol/Sysex.h"
#include "util/Utils.h"

#include <algorithm>
#include <cstdio>
#include <cstdint>
#include <optional>

namespace vantorel {

namespace {

constexpr size_t kHeaderSize = sizeof(kCommandHeader);
constexpr size_t kChecksumSize = 8;
constexpr size_t kBlockTagSize = 8;
constexpr uint8_t kSysexEnd = 0xF7;

bool isHexText(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return hexDigitValue(static_cast<uint8_t>(c)) >= 0; });
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto upper = [](char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; };
               return upper(x) == upper(y);
           });
}

std::string hex8(uint32_t value)
{
    char text[9];
    std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(value));
    return text;
}

} // namespace

// A command as the device read it off the wire.
struct EmulatedDevice::Command {
    char letter = 0;
    std::string payloadText; // as received, checksum verified
    std::vector<uint8_t> payload;
    std::string blockTag; // firmware blocks ("h") only

    // nullopt for anything that is not a well-formed command with a good checksum.
    static std::optional<Command> parse(const std::vector<uint8_t>& message)
    {
        if (message.size() < kHeaderSize + 1 + kChecksumSize + 1
            || !std::equal(std::begin(kCommandHeader), std::end(kCommandHeader), message.begin())
            || message.back() != kSysexEnd)
            return std::nullopt;

        Command command;
        command.letter = static_cast<char>(message[kHeaderSize]);
        if (message[kHeaderSize] < 0x20 || message[kHeaderSize] >= 0x7F)
            return std::nullopt;
        const size_t tagSize = command.letter == 'h' ? kBlockTagSize : 0;
        const std::string_view body(reinterpret_cast<const char*>(message.data()) + kHeaderSize + 1,
                                    message.size() - kHeaderSize - 2);
        if (body.size() < kChecksumSize + tagSize || (body.size() - kChecksumSize - tagSize) % 2 != 0)
            return std::nullopt;
        const size_t textSize = body.size() - kChecksumSize - tagSize;
        const std::string_view text = body.substr(0, textSize);
        const std::string_view checksum = body.substr(textSize, kChecksumSize);
        const std::string_view tag = body.substr(textSize + kChecksumSize);
        if (!isHexText(text) || !isHexText(tag) || !equalsIgnoringCase(checksum, checksumText(crc32OfText(text))))
            return std::nullopt;

        command.payloadText = std::string(text);
        command.blockTag = std::string(tag);
        command.payload.reserve(textSize / 2);
        for (size_t i = 0; i < textSize; i += 2)
            command.payload.push_back(static_cast<uint8_t>(hexDigitValue(text[i]) * 16 + hexDigitValue(text[i + 1])));
        return command;
    }

    // The four-byte option payloads: value, 0, 0, 0.
    bool isOptionPayload() const
    {
        return payload.size() == 4 && payload[1] == 0 && payload[2] == 0 && payload[3] == 0;
    }
};

const std::vector<uint8_t>& EmulatedDevice::payloadOf(const Command& command)
{
    return command.payload;
}

EmulatedDevice::EmulatedDevice(EmulatorConfig config)
    : m_config(std::move(config))
    , m_random(m_config.seed)
    , m_inBootloader(m_config.bootloader)
{ }

bool EmulatedDevice::lost()
{
    return m_config.loss > 0 && std::uniform_real_distribution<double>(0, 1)(m_random) < m_config.loss;
}

std::vector<uint8_t> EmulatedDevice::identificationMessage(char type)
{
    const std::optional<DeviceType> known = deviceTypeFromLetter(type);
    if (!known)
        return {};
    switch (*known) {
    case DeviceType::Pro: return {0x80, 0x00, 0x00};
    case DeviceType::Basic: return {0x80, 0x00, 0x01};
    case DeviceType::Eco: return {0x80, 0x00, 0x02};
    }
    return {};
}

EmulatedDevice::Handler EmulatedDevice::handlerFor(char letter)
{
    switch (letter) {
    case 'A': return &EmulatedDevice::onClearUserData;
    case 'B': return &EmulatedDevice::onReadChannels;
    case 'C': return &EmulatedDevice::onWriteChannel;
    case 'D': return &EmulatedDevice::onRestart;
    case 'E': return &EmulatedDevice::onWriteDeviceNumber;
    case 'F': return &EmulatedDevice::onReadModes;
    case 'G': return &EmulatedDevice::onStoreMode;
    case 'H': return &EmulatedDevice::onResetModes;
    case 'I': return &EmulatedDevice::onStoreModeCount;
    case 'J': return &EmulatedDevice::onReadInformation;
    case 'K': return &EmulatedDevice::onReadIdentity;
    case 'L': return &EmulatedDevice::onSetNoteOff;
    case 'M': return &EmulatedDevice::onReadOptions;
    case 'N': return &EmulatedDevice::onEnterProgrammingMode;
    case 'O': return &EmulatedDevice::onSetZeroValueOffset;
    default: return nullptr;
    }
}

std::vector<EmulatorOutput> EmulatedDevice::receive(const std::vector<uint8_t>& message)
{
    m_outputs.clear();
    if (lost())
        return {};
    // The letter of a command, for the faults of single commands.
    const char letter = message.size() > kHeaderSize && message.front() == 0xF0 ? char(message[kHeaderSize]) : 0;
    const int nth = letter ? ++m_commandCount[letter] : 0;
    const auto drop = std::find_if(m_config.drops.begin(), m_config.drops.end(),
                                   [&](const EmulatorConfig::Drop& d) { return d.letter == letter && d.nth == nth; });
    if (drop != m_config.drops.end() && !drop->afterActing)
        return {};
    m_received.push_back(message);

    if (!message.empty() && message.front() == 0xF0) {
        // The bootloader knows "N", the restart "D" and its own messages only.
        if (const auto command = Command::parse(message);
            command && (!m_inBootloader || command->letter == 'N' || command->letter == 'D')) {
            if (const Handler handler = handlerFor(command->letter))
                (this->*handler)(*command);
        } else if (m_inBootloader) {
            runBootloader(message);
        }
    } else if (m_inBootloader) {
        runBootloader(message);
    }
    // Short messages mean nothing to the running firmware.

    std::vector<EmulatorOutput> outputs = std::move(m_outputs);
    m_outputs.clear();
    if (m_config.neverAnswer || drop != m_config.drops.end())
        return {};
    const auto late = m_config.lateMs.find(letter);
    const int lateMs = late == m_config.lateMs.end() ? 0 : std::max(0, late->second);
    std::erase_if(outputs, [this](const EmulatorOutput&) { return lost(); });
    for (EmulatorOutput& output : outputs)
        output.afterMs += std::max(0, m_config.delayMs) + lateMs;
    return outputs;
}

void EmulatedDevice::queue(int afterMs, std::vector<uint8_t> bytes)
{
    if (!bytes.empty())
        m_outputs.push_back({afterMs, std::move(bytes)});
}

void EmulatedDevice::reply(char letter, std::string_view payload)
{
    const int count = ++m_replyCount[letter];
    const auto skip = m_config.skipNth.find(letter);
    if (skip != m_config.skipNth.end() && skip->second == count)
        return;
    queue(0, buildReply(letter, payload));
}

void EmulatedDevice::restart()
{
    ++m_restarts;
    const int after = std::max(0, m_config.restartMs);
    queue(after, identificationMessage(m_config.type));
    // A little later, so that both arrive in this order even when every
    // output is scheduled on its own timer.
    queue(after + 10, std::vector<uint8_t>(std::begin(kStartNotice), std::end(kStartNotice)));
}

void EmulatedDevice::onRestart(const Command& command)
{
    if (!command.payload.empty())
        return;
    reply('d');
    // From the bootloader too: the firmware starts again.
    m_inBootloader = false;
    m_bootloader.reset();
    restart();
}

void EmulatedDevice::onWriteDeviceNumber(const Command& command)
{
    // Decimal digits, one per byte; the program sends at least six.
    if (command.payload.empty())
        return;
    uint64_t number = 0;
    for (uint8_t digit : command.payload) {
        if (digit < '0' || digit > '9')
            return;
        number = number * 10 + (digit - '0');
        if (number > UINT32_MAX)
            return;
    }
    m_config.deviceId = static_cast<uint32_t>(number);
    reply('e');
    if (!m_config.noRestartAfterDeviceNumber)
        restart();
}

void EmulatedDevice::onReadInformation(const Command& command)
{
    if (!command.payload.empty())
        return;
    reply('j',
          hex8(m_config.deviceId) + hex8(m_config.bootloaderDate) + hex8(m_config.firmwareDate)
              + hexByteText(static_cast<uint8_t>(m_config.type)));
}

void EmulatedDevice::onReadIdentity(const Command& command)
{
    if (!command.payload.empty())
        return;
    reply('k', hex8(m_config.deviceId) + hexByteText(static_cast<uint8_t>(m_config.type)));
}

void EmulatedDevice::onSetNoteOff(const Command& command)
{
    if (!command.isOptionPayload() || command.payload[0] > 1)
        return;
    m_config.noteOff = command.payload[0] == 1;
    reply('l');
}

void EmulatedDevice::onReadOptions(const Command& command)
{
    if (!command.payload.empty())
        return;
    reply('m',
          hexByteText(m_config.noteOff ? 1 : 0)
              + hexByteText(static_cast<unsigned>(std::clamp(m_config.zeroValueOffset, 0, 10))) + "0000");
}

void EmulatedDevice::onSetZeroValueOffset(const Command& command)
{
    if (!command.isOptionPayload())
        return;
    // The device keeps the offset in range; larger values are stored as 10.
    m_config.zeroValueOffset = std::min<int>(command.payload[0], 10);
    reply('o');
}

} // namespace vantorel
