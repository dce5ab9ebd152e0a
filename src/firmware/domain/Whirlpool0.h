#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace vantorel {

// The first (2000) version of the Whirlpool hash: 512-bit digest, its own
// S-box and diffusion matrix circ(1, 1, 3, 1, 5, 8, 9, 5), ten rounds, and
// padding with a 256-bit big-endian bit length.
class Whirlpool0 {
public:
    static constexpr size_t kDigestSize = 64;
    static constexpr size_t kBlockSize = 64;
    using Digest = std::array<uint8_t, kDigestSize>;

    void update(std::span<const uint8_t> data);
    // Pads, returns the digest and starts a fresh hash.
    Digest finish();

    static Digest hash(std::span<const uint8_t> data);

private:
    void processBlock(const uint8_t* block);

    std::array<uint64_t, 8> m_hash{}; // chaining value, one row per word (byte 0 most significant)
    std::array<uint8_t, kBlockSize> m_buffer{};
    size_t m_buffered = 0;
    uint64_t m_byteCount = 0; // message length in bytes (the bit length is 8 times it)
};

} // namespace vantorel
