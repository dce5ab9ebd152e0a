#include "emulator/device/EmulatedBootloader.h"
#include "util/Utils.h"

#include "emulator/device/EmulatedDevice.h"
#include "firmware/domain/FirmwareFile.h"
#include "protocol/Crc32.h"
#include "protocol/DeviceType.h"
#include "protocol/Sysex.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <utility>

namespace vantorel {

namespace {

constexpr uint8_t kIdle[3] = {0x9F, 0x7F, 0x7F};
constexpr uint8_t kBlockRequest[3] = {0xB0, 0x55, 0x7F};
constexpr uint8_t kChecksumError[3] = {0xB0, 0x03, 0x7F};
constexpr uint8_t kUpgradeReady[3] = {0xB0, 0x7F, 0x55};
constexpr uint32_t kFirstTag = 0x7F000001;
constexpr uint32_t kFinalTag = 0x7F7F7F7F;
constexpr size_t kBlockSize = 128;
constexpr uint8_t kFiller = 'X';
// Time the bootloader takes before it asks for data (erasing, in a real one).
constexpr int kRequestDelayMs = 5;
// Byte of the echo that the wrong-byte fault changes.
constexpr size_t kWrongEchoByte = 100;

std::vector<uint8_t> shortMessage(const uint8_t (&bytes)[3])
{
    return {bytes[0], bytes[1], bytes[2]};
}

std::vector<uint8_t> shortMessage(uint8_t status, uint8_t data1, uint8_t data2)
{
    return {status, data1, data2};
}

bool sameHexText(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return hexDigitValue(uint8_t(x)) == hexDigitValue(uint8_t(y)) && hexDigitValue(uint8_t(x)) >= 0;
           });
}

// A firmware block message with a good checksum: its bytes (XOR 0xAA undone)
// and its tag.
struct Block {
    std::vector<uint8_t> data;
    uint32_t tag = 0;
};

std::optional<Block> parseBlock(const std::vector<uint8_t>& message)
{
    constexpr size_t kFrame = sizeof(kCommandHeader) + 1 + 8 + 8 + 1;
    if (message.size() < kFrame || (message.size() - kFrame) % 2 != 0
        || !std::equal(std::begin(kCommandHeader), std::end(kCommandHeader), message.begin())
        || message[sizeof(kCommandHeader)] != 'h' || message.back() != 0xF7)
        return std::nullopt;
    const std::string_view body(reinterpret_cast<const char*>(message.data()) + sizeof(kCommandHeader) + 1,
                                message.size() - kFrame + 16);
    const std::string_view text = body.substr(0, body.size() - 16);
    const std::string_view checksum = body.substr(text.size(), 8);
    const std::string_view tag = body.substr(text.size() + 8, 8);
    if (!sameHexText(checksum, checksumText(crc32OfText(text))))
        return std::nullopt;

    Block block;
    for (size_t i = 0; i < text.size(); i += 2) {
        const int high = hexDigitValue(uint8_t(text[i]));
        const int low = hexDigitValue(uint8_t(text[i + 1]));
        if (high < 0 || low < 0)
            return std::nullopt;
        block.data.push_back(uint8_t((high * 16 + low) ^ 0xAA));
    }
    for (const char c : tag) {
        const int digit = hexDigitValue(uint8_t(c));
        if (digit < 0)
            return std::nullopt;
        block.tag = block.tag * 16 + uint32_t(digit);
    }
    return block;
}

} // namespace

std::vector<std::vector<uint8_t>> EmulatedBootloader::informationMessages(uint8_t status, uint32_t value)
{
    std::vector<std::vector<uint8_t>> messages;
    for (int position = 1; position <= 4; ++position) {
        const auto byte = uint8_t(value >> (8 * (position - 1)));
        messages.push_back(shortMessage(status, uint8_t(position * 16 + (byte >> 4)), uint8_t(byte & 0x0F)));
    }
    return messages;
}

std::vector<EmulatorOutput> EmulatedBootloader::greeting(const EmulatorConfig& config, int afterMs)
{
    std::vector<EmulatorOutput> outputs;
    int at = std::max(0, afterMs);
    const std::vector<uint8_t> identification = EmulatedDevice::identificationMessage(config.type);
    if (!identification.empty())
        outputs.push_back({at, identification});
    // Every message a little later than the one before, so that they arrive
    // in order whatever schedules them.
    at += 10;
    outputs.push_back(
        {at, std::vector<uint8_t>(std::begin(EmulatedDevice::kStartNotice), std::end(EmulatedDevice::kStartNotice))});
    const std::pair<uint8_t, uint32_t> values[]
        = {{0x83, config.deviceId}, {0x81, config.bootloaderDate}, {0x82, config.firmwareDate}};
    for (const auto& [status, value] : values) {
        for (std::vector<uint8_t>& message : informationMessages(status, value))
            outputs.push_back({++at, std::move(message)});
    }
    outputs.push_back({++at, shortMessage(kIdle)});
    return outputs;
}

void EmulatedBootloader::reset()
{
    m_state = State::Idle;
    m_buffer.clear();
}

bool EmulatedBootloader::takeFinishedUpgrade()
{
    return std::exchange(m_finished, false);
}

void EmulatedBootloader::requestBlock(const EmulatorConfig& config, int afterMs, std::vector<EmulatorOutput>& outputs)
{
    if (++m_requests == config.dropBlockRequest)
        return;
    outputs.push_back({afterMs, shortMessage(kBlockRequest)});
}

void EmulatedBootloader::receive(const std::vector<uint8_t>& message, const EmulatorConfig& config,
                                 std::vector<EmulatorOutput>& outputs)
{
    if (!message.empty() && message.front() == 0xF0) {
        // Only block messages ("h") mean something to the bootloader.
        if (message.size() <= sizeof(kCommandHeader) || message[sizeof(kCommandHeader)] != 'h')
            return;
        if (m_state == State::Upload)
            onBlock(message, config, outputs);
        else if (m_state == State::TestBlock)
            echo(message, config, outputs);
        return;
    }
    if (message.size() != 3 || message[0] != 0x9F || message[2] != 0x7F)
        return;
    switch (message[1]) {
    case 0x00:
        // A new session, whatever happened before.
        m_state = State::Started;
        m_buffer.clear();
        outputs.push_back({0, shortMessage(0x9F, 0x01, 0x7F)});
        break;
    case 0x24:
        if (m_state != State::Started)
            return;
        m_state = State::Upload;
        m_expectedTag = kFirstTag;
        m_buffer.clear();
        outputs.push_back({0, shortMessage(0x9F, 0x25, 0x7F)});
        requestBlock(config, kRequestDelayMs, outputs);
        break;
    case 0x10:
        if (m_state != State::Started)
            return;
        m_state = State::TestBlock;
        outputs.push_back({0, shortMessage(0x9F, 0x11, 0x7F)});
        requestBlock(config, kRequestDelayMs, outputs);
        break;
    case 0x14:
        if (m_state != State::TestConfirm)
            return;
        outputs.push_back({0, shortMessage(0x9F, 0x15, 0x7F)});
        // One test per start: the bootloader starts again and reports Idle.
        reset();
        for (EmulatorOutput& output : greeting(config, config.restartMs))
            outputs.push_back(std::move(output));
        break;
    default: break;
    }
}

void EmulatedBootloader::onBlock(const std::vector<uint8_t>& message, const EmulatorConfig& config,
                                 std::vector<EmulatorOutput>& outputs)
{
    ++m_blocks;
    const std::optional<Block> block = parseBlock(message);
    const bool good = block && m_blocks != config.corruptBlock && block->data.size() == kBlockSize
        && (block->tag == m_expectedTag || block->tag == kFinalTag);
    if (!good) {
        // The transfer is over; a new one starts with the handshakes.
        ++m_checksumErrors;
        outputs.push_back({0, shortMessage(kChecksumError)});
        reset();
        return;
    }
    if (block->tag != kFinalTag) {
        m_buffer.insert(m_buffer.end(), block->data.begin(), block->data.end());
        ++m_expectedTag;
        requestBlock(config, 0, outputs);
        return;
    }
    std::vector<uint8_t> last = block->data;
    while (!last.empty() && last.back() == kFiller)
        last.pop_back();
    m_buffer.insert(m_buffer.end(), last.begin(), last.end());
    m_image = std::move(m_buffer);
    m_buffer.clear();
    m_finished = true;
    m_state = State::Idle;
    if (!config.noUpgradeVerdict)
        outputs.push_back({0, shortMessage(kUpgradeReady)});
}

void EmulatedBootloader::echo(const std::vector<uint8_t>& message, const EmulatorConfig& config,
                              std::vector<EmulatorOutput>& outputs)
{
    ++m_echoes;
    std::vector<uint8_t> bytes(message.begin(), message.end() - 1); // all but the F7
    if (config.echoMissingByte && !bytes.empty())
        bytes.pop_back();
    if (config.echoWrongByte && bytes.size() > kWrongEchoByte)
        bytes[kWrongEchoByte] ^= 0x01;
    outputs.push_back({0, shortMessage(0x9F, 0x12, 0x7F)});
    for (const uint8_t byte : bytes)
        outputs.push_back({0, shortMessage(0x88, uint8_t(byte >> 4), uint8_t(byte & 0x0F))});
    outputs.push_back({0, shortMessage(0x9F, 0x13, 0x7F)});
    m_state = State::TestConfirm;
}

// ----------------------------------------------------- the device's side

std::vector<EmulatorOutput> EmulatedDevice::powerOn()
{
    if (!m_inBootloader)
        return {};
    m_bootloader.reset();
    return EmulatedBootloader::greeting(m_config, 0);
}

void EmulatedDevice::onEnterProgrammingMode(const Command& command)
{
    // The running firmware of a Pro has no programming mode; its bootloader
    // is reached with the mode switch. A bootloader starts again.
    const std::optional<DeviceType> type = deviceTypeFromLetter(m_config.type);
    if (!m_inBootloader && type != DeviceType::Basic && type != DeviceType::Eco)
        return;
    if (payloadOf(command) != std::vector<uint8_t>{0, 0, 0, 0})
        return;
    reply('n');
    m_inBootloader = true;
    m_bootloader.reset();
    for (EmulatorOutput& output : EmulatedBootloader::greeting(m_config, m_config.restartMs))
        m_outputs.push_back(std::move(output));
}

void EmulatedDevice::runBootloader(const std::vector<uint8_t>& message)
{
    m_bootloader.receive(message, m_config, m_outputs);
    if (m_bootloader.takeFinishedUpgrade()) {
        // The new firmware starts and carries the date of its version marker.
        m_config.firmwareDate = findFirmwareVersion(m_bootloader.image()).date;
        ++m_upgrades;
        if (m_config.bootloaderAfterUpgrade) {
            m_bootloader.reset();
            for (EmulatorOutput& output : EmulatedBootloader::greeting(m_config, m_config.restartMs))
                m_outputs.push_back(std::move(output));
            return;
        }
        m_inBootloader = false;
        restart();
    }
}

} // namespace vantorel
