#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace vantorel {

// The raw AES block cipher with a 256-bit key (14 rounds), one or more
// independent 16-byte blocks at a time; chaining is up to the caller.
class Aes256 {
public:
    static constexpr size_t kBlockSize = 16;
    static constexpr size_t kKeySize = 32;
    using Block = std::array<uint8_t, kBlockSize>;

    // Throws std::runtime_error when the cipher library refuses the key.
    explicit Aes256(std::span<const uint8_t, kKeySize> key);
    ~Aes256();
    Aes256(const Aes256&) = delete;
    Aes256& operator=(const Aes256&) = delete;

    Block encrypt(const Block& block) const
    {
        Block out;
        encryptBlocks(block.data(), out.data(), 1);
        return out;
    }
    Block decrypt(const Block& block) const
    {
        Block out;
        decryptBlocks(block.data(), out.data(), 1);
        return out;
    }
    // `count` consecutive blocks; `in` and `out` may be the same buffer.
    void encryptBlocks(const uint8_t* in, uint8_t* out, size_t count) const;
    void decryptBlocks(const uint8_t* in, uint8_t* out, size_t count) const;

private:
    struct Contexts;
    std::unique_ptr<Contexts> m_contexts;
};

} // namespace vantorel
