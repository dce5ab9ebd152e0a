#include "firmware/domain/FirmwareFile.h"
#include "util/BoundedFile.h"

#include "firmware/domain/Aes256.h"
#include "firmware/domain/Base64.h"
#include "firmware/domain/CryptoPrimitives.h"
#include "firmware/domain/FirmwareCipher.h"
#include "protocol/DeviceType.h"

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

#ifndef VANTOREL_FIRMWARE_PASSWORD
#error "VANTOREL_FIRMWARE_PASSWORD (eight hex digits) must be defined by the build"
#endif

namespace vantorel {

namespace {

constexpr int hexDigit(char c)
{
    return c >= '0' && c <= '9' ? c - '0'
        : c >= 'A' && c <= 'F'  ? c - 'A' + 10
        : c >= 'a' && c <= 'f'  ? c - 'a' + 10
                                : -1;
}

// The build setting's eight hex digits, first pair first.
constexpr std::string_view kPasswordText = VANTOREL_FIRMWARE_PASSWORD;

constexpr bool isPasswordText(std::string_view text)
{
    if (text.size() != 8)
        return false;
    for (const char c : text)
        if (hexDigit(c) < 0)
            return false;
    return true;
}
static_assert(isPasswordText(kPasswordText), "VANTOREL_FIRMWARE_PASSWORD must be eight hex digits");

constexpr FirmwarePassword parsePassword(std::string_view text)
{
    FirmwarePassword password{};
    for (size_t i = 0; i < password.size(); ++i)
        password[i] = static_cast<uint8_t>(hexDigit(text[2 * i]) * 16 + hexDigit(text[2 * i + 1]));
    return password;
}

struct Marker {
    std::string_view text;
    char letter;
    const char* name;
};
// The search order decides when an image holds several markers.
constexpr Marker kMarkers[] = {
    {"FBversion:", deviceTypeLetter(DeviceType::Basic), "Basic"},
    {"FWversion:", deviceTypeLetter(DeviceType::Pro), "Pro"},
    {"FEversion:", deviceTypeLetter(DeviceType::Eco), "Eco"},
    {"FUversion:", 'U', "USB"},
};
constexpr size_t kVersionTextLength = 20;
constexpr size_t kDateLength = 16;

bool isBlankOrControl(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

// A field of the date text: blanks, then digits to the field's end. Anything
// else, or a field cut off by the end of the text, counts as 0.
int dateField(std::string_view text, size_t position, size_t length)
{
    if (position >= text.size())
        return 0;
    std::string_view field = text.substr(position, length);
    while (!field.empty() && field.front() == ' ')
        field.remove_prefix(1);
    if (field.empty())
        return 0;
    int value = 0;
    for (const char c : field) {
        if (c < '0' || c > '9')
            return 0;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

FirmwarePassword builtInFirmwarePassword()
{
    return parsePassword(kPasswordText);
}

std::optional<FirmwareImage> decryptFirmwareText(std::string_view fileText, const FirmwarePassword& password)
{
    const std::vector<uint8_t> data = decodeBase64(fileText);
    if (data.size() < kFirmwareSaltSize + kFirmwareCheckSize)
        return std::nullopt;
    const std::span<const uint8_t> salt(data.data(), kFirmwareSaltSize);
    const size_t imageSize = data.size() - kFirmwareSaltSize - kFirmwareCheckSize;
    const uint8_t* cipher = data.data() + kFirmwareSaltSize;
    const uint8_t* check = cipher + imageSize;

    const std::vector<uint8_t> key = deriveFirmwareKey(password, salt, kFirmwareKeySize, kFirmwareKeyIndex);
    const Aes256 aes(std::span<const uint8_t, Aes256::kKeySize>(key.data(), Aes256::kKeySize));
    Aes256::Block feedback = firmwareInitialVector(aes);

    // CBC over the whole blocks: decrypt them all at once, then chain.
    FirmwareImage image(imageSize);
    constexpr size_t kBlock = Aes256::kBlockSize;
    const size_t wholeBlocks = imageSize / kBlock;
    aes.decryptBlocks(cipher, image.data(), wholeBlocks);
    for (size_t b = 0; b < wholeBlocks; ++b) {
        const uint8_t* previous = b == 0 ? feedback.data() : cipher + (b - 1) * kBlock;
        for (size_t i = 0; i < kBlock; ++i)
            image[b * kBlock + i] ^= previous[i];
    }
    if (wholeBlocks > 0)
        std::copy_n(cipher + (wholeBlocks - 1) * kBlock, kBlock, feedback.begin());

    // The tail in 8-bit CFB: one cipher call per byte, the ciphertext byte
    // shifted into the register.
    for (size_t i = wholeBlocks * kBlock; i < imageSize; ++i) {
        const Aes256::Block stream = aes.encrypt(feedback);
        image[i] = cipher[i] ^ stream[0];
        std::copy(feedback.begin() + 1, feedback.end(), feedback.begin());
        feedback[kBlock - 1] = cipher[i];
    }

    const Aes256::Block mac = aes.encrypt(feedback);
    if (!equalInConstantTime(mac.data(), check, kFirmwareCheckSize))
        return std::nullopt;
    return image;
}

Result<std::string> readFirmwareFileText(const std::filesystem::path& path)
{
    BoundedFileRead file = readBoundedFile(path, kFirmwareFileLimit);
    if (!file.ok())
        return file.problem(kFirmwareFileLimit);
    return std::move(file.bytes);
}

std::string firmwareImageSha256(const FirmwareImage& image)
{
    Sha256Digest digest;
    try {
        digest = computeSha256(image.data(), image.size());
    } catch (const std::runtime_error&) {
        return {};
    }
    static constexpr char kHex[] = "0123456789abcdef";
    std::string text;
    for (const uint8_t byte : digest) {
        text += kHex[byte >> 4];
        text += kHex[byte & 0x0F];
    }
    return text;
}

FirmwareVersion findFirmwareVersion(const FirmwareImage& image)
{
    const std::string_view bytes(reinterpret_cast<const char*>(image.data()), image.size());
    for (const Marker& marker : kMarkers) {
        const size_t at = bytes.find(marker.text);
        if (at == std::string_view::npos)
            continue;
        std::string_view text = bytes.substr(at + marker.text.size(), kVersionTextLength);
        while (!text.empty() && isBlankOrControl(text.front()))
            text.remove_prefix(1);
        while (!text.empty() && isBlankOrControl(text.back()))
            text.remove_suffix(1);
        FirmwareVersion version;
        version.typeLetter = marker.letter;
        version.typeName = marker.name;
        version.date = parseVersionDate(text.substr(0, kDateLength));
        return version;
    }
    return {};
}

PackedDateTime parseVersionDate(std::string_view text)
{
    const int month = dateField(text, 0, 2);
    const int day = dateField(text, 3, 2);
    const int year = dateField(text, 6, 4);
    const int hour = dateField(text, 11, 2);
    const int minute = dateField(text, 14, 2);
    if (year < 2000 || year > 2255 || month > 15 || day > 31 || hour > 31 || minute > 63)
        return 0;
    return static_cast<PackedDateTime>(minute + hour * 64 + day * 2048 + month * 65536 + (year - 2000) * 1048576);
}

} // namespace vantorel
