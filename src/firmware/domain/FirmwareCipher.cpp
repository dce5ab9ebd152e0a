#include "firmware/domain/FirmwareCipher.h"

#include "firmware/domain/Whirlpool0.h"

namespace vantorel {

namespace {

void feedBigEndian(Whirlpool0& hash, uint32_t value)
{
    const uint8_t bytes[4] = {static_cast<uint8_t>(value >> 24), static_cast<uint8_t>(value >> 16),
                              static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value)};
    hash.update(bytes);
}

} // namespace

std::vector<uint8_t> deriveFirmwareKey(std::span<const uint8_t> password, std::span<const uint8_t> salt, size_t length,
                                       uint32_t index)
{
    std::vector<uint8_t> key;
    key.reserve(length);
    Whirlpool0 hash;
    for (size_t i = 0; i < length; ++i) {
        feedBigEndian(hash, static_cast<uint32_t>(i));
        hash.update(key);
        feedBigEndian(hash, index);
        feedBigEndian(hash, static_cast<uint32_t>(salt.size()));
        hash.update(salt);
        feedBigEndian(hash, static_cast<uint32_t>(password.size()));
        hash.update(password);
        uint8_t folded = 0;
        for (const uint8_t b : hash.finish())
            folded ^= b;
        key.push_back(folded);
    }
    return key;
}

Aes256::Block firmwareInitialVector(const Aes256& aes)
{
    Aes256::Block ones;
    ones.fill(0xFF);
    return aes.encrypt(ones);
}

} // namespace vantorel
