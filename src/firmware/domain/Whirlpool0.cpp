#include "firmware/domain/Whirlpool0.h"

#include <algorithm>
#include <cstring>

namespace vantorel {

namespace {

// S-box: entry 0xhl is the substitute of the input byte 0xhl.
constexpr uint8_t kSbox[256] = {
    0x68, 0xD0, 0xEB, 0x2B, 0x48, 0x9D, 0x6A, 0xE4, 0xE3, 0xA3, 0x56, 0x81, 0x7D, 0xF1, 0x85, 0x9E, 0x2C, 0x8E, 0x78,
    0xCA, 0x17, 0xA9, 0x61, 0xD5, 0x5D, 0x0B, 0x8C, 0x3C, 0x77, 0x51, 0x22, 0x42, 0x3F, 0x54, 0x41, 0x80, 0xCC, 0x86,
    0xB3, 0x18, 0x2E, 0x57, 0x06, 0x62, 0xF4, 0x36, 0xD1, 0x6B, 0x1B, 0x65, 0x75, 0x10, 0xDA, 0x49, 0x26, 0xF9, 0xCB,
    0x66, 0xE7, 0xBA, 0xAE, 0x50, 0x52, 0xAB, 0x05, 0xF0, 0x0D, 0x73, 0x3B, 0x04, 0x20, 0xFE, 0xDD, 0xF5, 0xB4, 0x5F,
    0x0A, 0xB5, 0xC0, 0xA0, 0x71, 0xA5, 0x2D, 0x60, 0x72, 0x93, 0x39, 0x08, 0x83, 0x21, 0x5C, 0x87, 0xB1, 0xE0, 0x00,
    0xC3, 0x12, 0x91, 0x8A, 0x02, 0x1C, 0xE6, 0x45, 0xC2, 0xC4, 0xFD, 0xBF, 0x44, 0xA1, 0x4C, 0x33, 0xC5, 0x84, 0x23,
    0x7C, 0xB0, 0x25, 0x15, 0x35, 0x69, 0xFF, 0x94, 0x4D, 0x70, 0xA2, 0xAF, 0xCD, 0xD6, 0x6C, 0xB7, 0xF8, 0x09, 0xF3,
    0x67, 0xA4, 0xEA, 0xEC, 0xB6, 0xD4, 0xD2, 0x14, 0x1E, 0xE1, 0x24, 0x38, 0xC6, 0xDB, 0x4B, 0x7A, 0x3A, 0xDE, 0x5E,
    0xDF, 0x95, 0xFC, 0xAA, 0xD7, 0xCE, 0x07, 0x0F, 0x3D, 0x58, 0x9A, 0x98, 0x9C, 0xF2, 0xA7, 0x11, 0x7E, 0x8B, 0x43,
    0x03, 0xE2, 0xDC, 0xE5, 0xB2, 0x4E, 0xC7, 0x6D, 0xE9, 0x27, 0x40, 0xD8, 0x37, 0x92, 0x8F, 0x01, 0x1D, 0x53, 0x3E,
    0x59, 0xC1, 0x4F, 0x32, 0x16, 0xFA, 0x74, 0xFB, 0x63, 0x9F, 0x34, 0x1A, 0x2A, 0x5A, 0x8D, 0xC9, 0xCF, 0xF6, 0x90,
    0x28, 0x88, 0x9B, 0x31, 0x0E, 0xBD, 0x4A, 0xE8, 0x96, 0xA6, 0x0C, 0xC8, 0x79, 0xBC, 0xBE, 0xEF, 0x6E, 0x46, 0x97,
    0x5B, 0xED, 0x19, 0xD9, 0xAC, 0x99, 0xA8, 0x29, 0x64, 0x1F, 0xAD, 0x55, 0x13, 0xBB, 0xF7, 0x6F, 0xB9, 0x47, 0x2F,
    0xEE, 0xB8, 0x7B, 0x89, 0x30, 0xD3, 0x7F, 0x76, 0x82,
};

// First row of the circulant diffusion matrix; row k is it rotated k places right.
constexpr uint8_t kMatrixRow[8] = {1, 1, 3, 1, 5, 8, 9, 5};
constexpr int kRounds = 10;

// Multiplication in GF(2^8) modulo x^8 + x^4 + x^3 + x^2 + 1.
constexpr uint8_t gfMul(uint8_t a, uint8_t b)
{
    unsigned product = 0;
    unsigned x = a;
    for (; b != 0; b >>= 1) {
        if (b & 1)
            product ^= x;
        x <<= 1;
        if (x & 0x100)
            x ^= 0x11D;
    }
    return static_cast<uint8_t>(product);
}

// kTable[k][x]: the contribution of input byte x in column k of a row to the
// whole output row after substitution and mixing. Output column j holds
// S[x] * C[k][j] with C[k][j] = row[(j - k) mod 8]; column 0 is the most
// significant byte of the word.
struct Tables {
    uint64_t t[8][256];
    uint64_t roundConstant[kRounds]; // first row of each round constant
};

constexpr Tables makeTables()
{
    Tables tables{};
    for (int k = 0; k < 8; ++k) {
        for (int x = 0; x < 256; ++x) {
            uint64_t word = 0;
            for (int j = 0; j < 8; ++j)
                word = (word << 8) | gfMul(kSbox[x], kMatrixRow[(j - k + 8) % 8]);
            tables.t[k][x] = word;
        }
    }
    for (int r = 0; r < kRounds; ++r) {
        uint64_t word = 0;
        for (int j = 0; j < 8; ++j)
            word = (word << 8) | kSbox[8 * r + j];
        tables.roundConstant[r] = word;
    }
    return tables;
}

constexpr Tables kTables = makeTables();

using State = std::array<uint64_t, 8>;

// Substitution, the column shift (column j moves down j rows: new row i takes
// column k from old row i - k) and the row mixing; the round key is added by
// the caller.
inline State roundFunction(const State& in)
{
    State out;
    for (int i = 0; i < 8; ++i) {
        uint64_t row = 0;
        for (int k = 0; k < 8; ++k)
            row ^= kTables.t[k][(in[(i - k + 8) & 7] >> (56 - 8 * k)) & 0xFF];
        out[i] = row;
    }
    return out;
}

} // namespace

void Whirlpool0::processBlock(const uint8_t* block)
{
    State message;
    for (int i = 0; i < 8; ++i) {
        uint64_t row = 0;
        for (int j = 0; j < 8; ++j)
            row = (row << 8) | block[8 * i + j];
        message[i] = row;
    }

    State key = m_hash;
    State state;
    for (int i = 0; i < 8; ++i)
        state[i] = message[i] ^ key[i];
    for (int r = 0; r < kRounds; ++r) {
        key = roundFunction(key);
        key[0] ^= kTables.roundConstant[r];
        state = roundFunction(state);
        for (int i = 0; i < 8; ++i)
            state[i] ^= key[i];
    }
    // Miyaguchi-Preneel: the new chaining value is E(H, m) ^ H ^ m.
    for (int i = 0; i < 8; ++i)
        m_hash[i] ^= state[i] ^ message[i];
}

void Whirlpool0::update(std::span<const uint8_t> data)
{
    m_byteCount += data.size();
    const uint8_t* p = data.data();
    size_t left = data.size();
    if (m_buffered > 0) {
        const size_t take = std::min(left, kBlockSize - m_buffered);
        std::memcpy(m_buffer.data() + m_buffered, p, take);
        m_buffered += take;
        p += take;
        left -= take;
        if (m_buffered < kBlockSize)
            return;
        processBlock(m_buffer.data());
        m_buffered = 0;
    }
    for (; left >= kBlockSize; p += kBlockSize, left -= kBlockSize)
        processBlock(p);
    if (left > 0) {
        std::memcpy(m_buffer.data(), p, left);
        m_buffered = left;
    }
}

Whirlpool0::Digest Whirlpool0::finish()
{
    // 0x80, zeros up to 32 bytes short of a block boundary, then the bit
    // length as a 256-bit big-endian number.
    const uint64_t byteCount = m_byteCount;
    m_buffer[m_buffered++] = 0x80;
    if (m_buffered > kBlockSize - 32) {
        std::memset(m_buffer.data() + m_buffered, 0, kBlockSize - m_buffered);
        processBlock(m_buffer.data());
        m_buffered = 0;
    }
    std::memset(m_buffer.data() + m_buffered, 0, kBlockSize - m_buffered);
    const uint64_t bitsLow = byteCount << 3;
    const uint64_t bitsHigh = byteCount >> 61;
    for (int i = 0; i < 8; ++i) {
        m_buffer[kBlockSize - 1 - i] = static_cast<uint8_t>(bitsLow >> (8 * i));
        m_buffer[kBlockSize - 9 - i] = static_cast<uint8_t>(bitsHigh >> (8 * i));
    }
    processBlock(m_buffer.data());

    Digest digest;
    for (int i = 0; i < 8; ++i)
        for (int j = 0; j < 8; ++j)
            digest[8 * i + j] = static_cast<uint8_t>(m_hash[i] >> (56 - 8 * j));
    *this = Whirlpool0();
    return digest;
}

Whirlpool0::Digest Whirlpool0::hash(std::span<const uint8_t> data)
{
    Whirlpool0 hasher;
    hasher.update(data);
    return hasher.finish();
}

} // namespace vantorel
