// Building blocks of the firmware file: Whirlpool-0, AES-256, Base64.

#include "firmware/domain/Aes256.h"
#include "firmware/domain/Base64.h"
#include "firmware/domain/Whirlpool0.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace vantorel;

namespace {

std::string hex(std::span<const uint8_t> bytes)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    for (const uint8_t b : bytes) {
        text += kDigits[b >> 4];
        text += kDigits[b & 0x0F];
    }
    return text;
}

std::vector<uint8_t> bytesOf(std::string_view text)
{
    return {text.begin(), text.end()};
}

std::vector<uint8_t> fromHex(std::string_view text)
{
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i + 1 < text.size(); i += 2)
        bytes.push_back(static_cast<uint8_t>(std::stoi(std::string(text.substr(i, 2)), nullptr, 16)));
    return bytes;
}

struct HashVector {
    std::vector<uint8_t> input;
    const char* digest;
};

// Published Whirlpool-0 digests. The 32- and 43-byte inputs need the 256-bit
// length field (a 64-bit one gives other digests there); the 64- and 80-byte
// ones span two blocks.
std::vector<HashVector> publishedVectors()
{
    std::vector<uint8_t> highBit(64, 0x00);
    highBit[0] = 0x80;
    std::string digits;
    for (int i = 0; i < 8; ++i)
        digits += "1234567890";
    return {
        {{},
         "b3e1ab6eaf640a34f784593f2074416accd3b8e62c620175fca0997b1ba2347339aa0d79e754c308209ea36811dfa40c1c32f1a2b9004"
         "725d987d3635165d3c8"},
        {highBit,
         "8786611bb3601e913e9f9e0a77181fa6279b286f162e48d32c779ad2ca0168eae66bf50bb69fb889eaeabafd5613ff8d0aecba52d8a1b"
         "cdd48935fa416a10cb8"},
        {bytesOf("abc"),
         "54ee18b0bbd4dd38a211699f2829793156e5842df502a2a25995c6c541f28cc050ff57d4af772dee7cedcc4c34c3b8ec06446c6657f2f"
         "36c2c06464399879b86"},
        {bytesOf(digits),
         "e5965b4565b041a0d459610e5e48e944c4830cd16feba02d9d263e7da8de6a6b88966709bf28a5328d928312e7a172da4cff72fe6de02"
         "277dae4b1dba49689a2"},
        {bytesOf("abcdbcdecdefdefgefghfghighijhijk"),
         "76c8bc5f445140921ceaaed2afce4d0b0722fde3aea20145d9b14a72d22799f2ebb88446b7b46f4646eb33fc7e6f153183b2fd9e9a545"
         "57f41b10ab633b8b6e1"},
        {bytesOf("The quick brown fox jumps over the lazy dog"),
         "4f8f5cb531e3d49a61cf417cd133792ccfa501fd8da53ee368fed20e5fe0248c3a0b64f98a6533cee1da614c3a8ddec791ff05fee6d97"
         "1d57c1348320f4eb42d"},
    };
}

TEST(Whirlpool0, ReproducesThePublishedDigests)
{
    for (const HashVector& v : publishedVectors())
        EXPECT_EQ(hex(Whirlpool0::hash(v.input)), v.digest) << "input of " << v.input.size() << " bytes";
}

TEST(Whirlpool0, MillionTimesAFedInUnevenPieces)
{
    // Pieces of 1..97 bytes cross every block-boundary position.
    const std::vector<uint8_t> a(1000, 'a');
    Whirlpool0 hash;
    size_t fed = 0;
    for (size_t piece = 1; fed < 1000000; piece = piece % 97 + 1) {
        const size_t n = std::min(piece, 1000000 - fed);
        hash.update(std::span<const uint8_t>(a.data(), n));
        fed += n;
    }
    EXPECT_EQ(hex(hash.finish()),
              "bb6cba9730d6c029c0c15fb7a2aa3597cf9442dad96a676c5ee9a1d55f1d64d5e0d1ed0e71250ed960a1bd2e065642cfff1c976e"
              "061bab70d6c54d284eaaefb9");
    // finish() starts afresh.
    EXPECT_EQ(hex(hash.finish()), publishedVectors()[0].digest);
}

TEST(Aes256, KnownAnswerBothWays)
{
    const std::vector<uint8_t> key = fromHex("000102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f");
    const Aes256 aes(std::span<const uint8_t, 32>(key.data(), 32));
    const std::vector<uint8_t> p = fromHex("00112233445566778899aabbccddeeff");
    const std::vector<uint8_t> c = fromHex("8ea2b7ca516745bfeafc49904b496089");
    Aes256::Block block;
    std::copy(p.begin(), p.end(), block.begin());
    EXPECT_EQ(hex(aes.encrypt(block)), hex(c));
    std::copy(c.begin(), c.end(), block.begin());
    EXPECT_EQ(hex(aes.decrypt(block)), hex(p));

    // Several blocks at once, in place: each block on its own (no chaining).
    std::vector<uint8_t> three;
    for (int i = 0; i < 3; ++i)
        three.insert(three.end(), c.begin(), c.end());
    aes.decryptBlocks(three.data(), three.data(), 3);
    EXPECT_EQ(hex(three), hex(p) + hex(p) + hex(p));
}

TEST(Base64, SkipsForeignCharactersAndStopsAtTheFirstPad)
{
    EXPECT_EQ(decodeBase64("TWFu"), bytesOf("Man"));
    EXPECT_EQ(decodeBase64("T\r\nW F\tu\n"), bytesOf("Man"));
    EXPECT_EQ(decodeBase64("TWE="), bytesOf("Ma"));
    EXPECT_EQ(decodeBase64("TQ=="), bytesOf("M"));
    // Whatever follows the first "=" is not data.
    EXPECT_EQ(decodeBase64("TQ==TWFu"), bytesOf("M"));
    EXPECT_EQ(decodeBase64("+/+/"), fromHex("fbffbf"));
    EXPECT_TRUE(decodeBase64("").empty());
    EXPECT_TRUE(decodeBase64("-_.!").empty());
}

} // namespace
