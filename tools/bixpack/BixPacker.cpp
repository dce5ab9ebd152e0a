#include "BixPacker.h"

#include "firmware/domain/Aes256.h"
#include "firmware/domain/CryptoPrimitives.h"
#include "firmware/domain/FirmwareCipher.h"

#include <algorithm>
#include <stdexcept>

namespace vantorel {

std::vector<uint8_t> encryptFirmwareImage(const FirmwareImage& image, const FirmwareSalt& salt,
                                          const FirmwarePassword& password)
{
    const std::vector<uint8_t> key = deriveFirmwareKey(password, salt, kFirmwareKeySize, kFirmwareKeyIndex);
    const Aes256 aes(std::span<const uint8_t, Aes256::kKeySize>(key.data(), Aes256::kKeySize));
    Aes256::Block feedback = firmwareInitialVector(aes);

    std::vector<uint8_t> out(salt.begin(), salt.end());
    out.resize(kFirmwareSaltSize + image.size());
    uint8_t* cipher = out.data() + kFirmwareSaltSize;

    constexpr size_t kBlock = Aes256::kBlockSize;
    const size_t wholeBlocks = image.size() / kBlock;
    for (size_t b = 0; b < wholeBlocks; ++b) {
        Aes256::Block block;
        for (size_t i = 0; i < kBlock; ++i)
            block[i] = image[b * kBlock + i] ^ feedback[i];
        feedback = aes.encrypt(block);
        std::copy(feedback.begin(), feedback.end(), cipher + b * kBlock);
    }
    for (size_t i = wholeBlocks * kBlock; i < image.size(); ++i) {
        const Aes256::Block stream = aes.encrypt(feedback);
        cipher[i] = image[i] ^ stream[0];
        std::copy(feedback.begin() + 1, feedback.end(), feedback.begin());
        feedback[kBlock - 1] = cipher[i];
    }
    const Aes256::Block mac = aes.encrypt(feedback);
    out.insert(out.end(), mac.begin(), mac.end());
    return out;
}

std::string encodeBase64(std::span<const uint8_t> data, size_t lineLength)
{
    static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string plain;
    plain.reserve((data.size() + 2) / 3 * 4);
    for (size_t i = 0; i < data.size(); i += 3) {
        const size_t n = std::min<size_t>(3, data.size() - i);
        uint32_t group = uint32_t(data[i]) << 16;
        if (n > 1)
            group |= uint32_t(data[i + 1]) << 8;
        if (n > 2)
            group |= data[i + 2];
        plain += kAlphabet[(group >> 18) & 0x3F];
        plain += kAlphabet[(group >> 12) & 0x3F];
        plain += n > 1 ? kAlphabet[(group >> 6) & 0x3F] : '=';
        plain += n > 2 ? kAlphabet[group & 0x3F] : '=';
    }
    if (lineLength == 0)
        return plain;
    std::string lines;
    for (size_t i = 0; i < plain.size(); i += lineLength) {
        lines.append(plain, i, lineLength);
        lines += "\r\n";
    }
    return lines;
}

std::string packFirmwareImage(const FirmwareImage& image, const FirmwareSalt& salt, const FirmwarePassword& password,
                              size_t lineLength)
{
    return encodeBase64(encryptFirmwareImage(image, salt, password), lineLength);
}

FirmwareSalt randomFirmwareSalt()
{
    FirmwareSalt salt;
    fillRandomBytes(salt.data(), salt.size());
    return salt;
}

FirmwareImage makeTestFirmwareImage(size_t size, char typeLetter, std::string_view dateText, uint32_t seed)
{
    FirmwareImage image(size);
    uint32_t state = seed == 0 ? 1 : seed;
    for (uint8_t& byte : image) {
        // xorshift32: filler that is neither zero nor a repeating pattern.
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        byte = static_cast<uint8_t>(state);
    }
    const char* marker = typeLetter == 'B' ? "FBversion:"
        : typeLetter == 'P'                ? "FWversion:"
        : typeLetter == 'E'                ? "FEversion:"
        : typeLetter == 'U'                ? "FUversion:"
                                           : nullptr;
    if (!marker)
        return image;
    // The date is followed by a NUL, as a C string in the firmware would be.
    const std::string text = std::string(marker) + std::string(dateText) + '\0';
    if (text.size() > size)
        return image;
    const size_t at = size >= 64 + text.size() ? 64 : 0;
    std::copy(text.begin(), text.end(), image.begin() + static_cast<std::ptrdiff_t>(at));
    return image;
}

} // namespace vantorel
