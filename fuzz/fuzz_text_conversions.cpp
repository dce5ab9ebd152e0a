// The text-to-number conversions that read device replies and user input,
// each checked against a straightforward model of what it should compute and
// against its inverse where there is one.

#include "FuzzCheck.h"

#include "channels/domain/ChannelTable.h"
#include "protocol/Sysex.h"
#include "util/Utils.h"

#include <climits>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

using namespace vantorel;

namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Hex digits up to the first other character; the low 32 bits.
uint32_t ModelHexTextToInt(const std::string& text)
{
    uint64_t value = 0;
    for (const char c : text) {
        const int digit = HexDigit(c);
        if (digit < 0)
            break;
        value = (value * 16 + uint64_t(digit)) & 0xFFFFFFFFu;
    }
    return uint32_t(value);
}

// Character pairs "30".."39" and "41".."46" are the digits 0-9 and A-F.
uint32_t ModelAsciiHexToInt(const std::string& text)
{
    uint64_t value = 0;
    for (size_t i = 0; i + 1 < text.size(); i += 2) {
        int digit = -1;
        if (text[i] == '3' && text[i + 1] >= '0' && text[i + 1] <= '9')
            digit = text[i + 1] - '0';
        else if (text[i] == '4' && text[i + 1] >= '1' && text[i + 1] <= '6')
            digit = 10 + text[i + 1] - '1';
        if (digit >= 0)
            value = (value * 16 + uint64_t(digit)) & 0xFFFFFFFFu;
    }
    return uint32_t(value);
}

void CheckHexText(const std::string& text)
{
    FUZZ_CHECK(hexTextToInt(text) == ModelHexTextToInt(text));
}

void CheckAsciiHex(const std::string& text)
{
    FUZZ_CHECK(asciiHexToInt(text) == ModelAsciiHexToInt(text));
    // The reply decoder's path: bytes -> hex text -> value.
    const std::string hex = bytesToHexText(reinterpret_cast<const uint8_t*>(text.data()), text.size(), "");
    FUZZ_CHECK(hex.size() == 2 * text.size());
    uint64_t value = 0;
    for (const char c : text) {
        const int digit = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') ? HexDigit(c) : -1;
        if (digit >= 0)
            value = (value * 16 + uint64_t(digit)) & 0xFFFFFFFFu;
    }
    FUZZ_CHECK(asciiHexToInt(hex) == uint32_t(value));
}

void CheckTriplets(const std::string& text, uint32_t number)
{
    // Every 32-bit value survives the round trip.
    const std::string triplets = intToDecimalTriplets(number);
    FUZZ_CHECK(triplets.size() == 12);
    FUZZ_CHECK(decimalTripletsToInt(triplets) == number);

    // Arbitrary text: 0 unless twelve digits; then each group's low byte.
    const uint32_t value = decimalTripletsToInt(text);
    bool digits = text.size() == 12;
    for (const char c : text)
        digits = digits && c >= '0' && c <= '9';
    if (!digits) {
        FUZZ_CHECK(value == 0);
        return;
    }
    uint32_t expected = 0;
    bool canonical = true;
    for (int group = 0; group < 4; ++group) {
        const int n = std::stoi(text.substr(size_t(group) * 3, 3));
        canonical = canonical && n <= 255;
        expected |= uint32_t(n & 0xFF) << (8 * group);
    }
    FUZZ_CHECK(value == expected);
    if (canonical)
        FUZZ_CHECK(intToDecimalTriplets(value) == text);
}

void CheckInteger(const std::string& text)
{
    // parseInteger: blanks, sign, digits, nothing else, within int.
    size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    std::optional<int> expected;
    if (i < text.size()) {
        bool ok = true;
        long long value = 0;
        for (size_t k = i; k < text.size() && ok; ++k) {
            ok = text[k] >= '0' && text[k] <= '9';
            if (ok)
                value = value * 10 + (text[k] - '0');
            ok = ok && value <= 1LL + INT_MAX;
        }
        if (ok) {
            value = negative ? -value : value;
            if (value >= INT_MIN && value <= INT_MAX)
                expected = int(value);
        }
    }
    FUZZ_CHECK(parseInteger(text) == expected);
}

void CheckDeviceNumber(const std::string& text)
{
    const auto payload = deviceNumberPayload(text);
    if (!payload)
        return;
    // At least six digits, nothing but digits, the value within 32 bits.
    FUZZ_CHECK(payload->size() >= 6 && payload->size() <= 10);
    uint64_t value = 0;
    for (const uint8_t c : *payload) {
        FUZZ_CHECK(c >= '0' && c <= '9');
        value = value * 10 + (c - '0');
    }
    FUZZ_CHECK(value <= 0xFFFFFFFFu);
    // The command that carries it is framed whole.
    const Bytes command = buildCommand('E', *payload);
    FUZZ_CHECK(command.front() == 0xF0 && command.back() == 0xF7);
    for (size_t k = 1; k + 1 < command.size(); ++k)
        FUZZ_CHECK(command[k] < 0x80);
}

void CheckUpperCase(const std::string& text)
{
    const std::string upper = upperCasePolish(text);
    FUZZ_CHECK(upper.size() == text.size());
    FUZZ_CHECK(upperCasePolish(upper) == upper);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The first byte chooses the conversion, the next four are a number, the
    // rest is the text.
    if (size < 5)
        return 0;
    const uint8_t selector = data[0];
    const uint32_t number
        = uint32_t(data[1]) | uint32_t(data[2]) << 8 | uint32_t(data[3]) << 16 | uint32_t(data[4]) << 24;
    const std::string text(reinterpret_cast<const char*>(data + 5), size - 5);
    switch (selector % 4) {
    case 0:
        CheckHexText(text);
        CheckAsciiHex(text);
        break;
    case 1: CheckTriplets(text, number); break;
    case 2:
        CheckInteger(text);
        CheckDeviceNumber(text);
        break;
    default:
        CheckUpperCase(text);
        CheckHexText(text);
        CheckTriplets(text, number);
        break;
    }
    return 0;
}
