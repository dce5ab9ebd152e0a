// Firmware files: decryption and its check, the version marker, the date text,
// and the files of an independent packer.

#include "BixPacker.h"
#include "firmware/domain/Base64.h"
#include "firmware/domain/FirmwareFile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

using namespace vantorel;

namespace {

const FirmwarePassword kDefaultPassword = {0x9D, 0x04, 0xE2, 0x7B};
const FirmwareSalt kSalt
    = {0x10, 0x32, 0x54, 0x76, 0x98, 0xBA, 0xDC, 0xFE, 0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF};

FirmwareImage imageOf(std::string_view text)
{
    return {text.begin(), text.end()};
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << path;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string dataFile(const char* name)
{
    return std::string(VANTOREL_TEST_DATA_DIR "/firmware/") + name;
}

TEST(decryptFirmwareText, ImagesWithAndWithoutCfbTail)
{
    // 0 and 64 bytes: whole blocks only; 5, 37 and 1029: a CFB tail of 5 bytes
    // (also with no whole block before it); 1 and 15: tail only.
    for (const size_t size : {0, 1, 5, 15, 16, 37, 64, 1029}) {
        const FirmwareImage image = makeTestFirmwareImage(size, 'P', "04-24-2018 10:24", uint32_t(size) + 7);
        const std::string text = packFirmwareImage(image, kSalt, kDefaultPassword);
        EXPECT_EQ(decodeBase64(text).size(), size + 32);
        EXPECT_EQ(decryptFirmwareText(text, kDefaultPassword), image) << size;
    }
}

TEST(decryptFirmwareText, LineBreaksDoNotMatter)
{
    const FirmwareImage image = makeTestFirmwareImage(300, 'B', "01-02-2019 03:04");
    for (const size_t line : {1, 7, 76})
        EXPECT_EQ(decryptFirmwareText(packFirmwareImage(image, kSalt, kDefaultPassword, line), kDefaultPassword), image)
            << line;
}

TEST(decryptFirmwareText, WrongPasswordOrTooShortIsRefused)
{
    const FirmwareImage image = makeTestFirmwareImage(100, 'E', "01-02-2019 03:04");
    const std::string text = packFirmwareImage(image, kSalt, kDefaultPassword);
    EXPECT_FALSE(decryptFirmwareText(text, FirmwarePassword{0x9D, 0x04, 0xE2, 0x7A}));

    // Fewer than 32 decoded bytes cannot hold salt and check value.
    const std::vector<uint8_t> raw = encryptFirmwareImage({}, kSalt, kDefaultPassword);
    ASSERT_EQ(raw.size(), 32u);
    EXPECT_TRUE(decryptFirmwareText(encodeBase64(raw), kDefaultPassword));
    EXPECT_FALSE(decryptFirmwareText(encodeBase64(std::span(raw.data(), 31)), kDefaultPassword));
    EXPECT_FALSE(decryptFirmwareText("", kDefaultPassword));
    EXPECT_FALSE(decryptFirmwareText("not base64 at all!", kDefaultPassword));
}

// The check covers the key (password, salt) and the last 16 ciphertext bytes,
// nothing before them.
class FlippedBit : public ::testing::TestWithParam<size_t> { };

TEST_P(FlippedBit, RefusedOnlyWhereTheCheckLooks)
{
    const size_t imageSize = GetParam(); // 96: no tail; 101: a 5-byte tail
    const FirmwareImage image = makeTestFirmwareImage(imageSize, 'B', "04-24-2018 10:24");
    const std::vector<uint8_t> raw = encryptFirmwareImage(image, kSalt, kDefaultPassword);
    const auto openFlipped = [&](size_t offset, uint8_t mask) {
        std::vector<uint8_t> damaged = raw;
        damaged[offset] ^= mask;
        return decryptFirmwareText(encodeBase64(damaged, 76), kDefaultPassword);
    };
    const size_t cipherEnd = 16 + imageSize;

    for (size_t offset : {size_t(0), size_t(9), size_t(15)})
        EXPECT_FALSE(openFlipped(offset, 0x01)) << "salt byte " << offset;
    for (size_t offset = cipherEnd - 16; offset < cipherEnd; offset += 5)
        EXPECT_FALSE(openFlipped(offset, 0x80)) << "one of the last 16 ciphertext bytes, " << offset;
    EXPECT_FALSE(openFlipped(cipherEnd - 1, 0x01));
    for (size_t offset : {cipherEnd, cipherEnd + 15})
        EXPECT_FALSE(openFlipped(offset, 0x04)) << "check value byte " << offset;

    // Second ciphertext block (image bytes 16..31): CBC garbles that block and
    // flips the same bit in the next one; the rest is untouched.
    const auto changed = openFlipped(16 + 16 + 3, 0x20);
    ASSERT_TRUE(changed);
    ASSERT_EQ(changed->size(), image.size());
    EXPECT_NE(*changed, image);
    EXPECT_TRUE(std::equal(image.begin(), image.begin() + 16, changed->begin()));
    EXPECT_FALSE(std::equal(image.begin() + 16, image.begin() + 32, changed->begin() + 16));
    for (size_t i = 32; i < image.size(); ++i)
        EXPECT_EQ((*changed)[i], image[i] ^ (i == 32 + 3 ? 0x20 : 0x00)) << i;
}

INSTANTIATE_TEST_SUITE_P(WithoutAndWithTail, FlippedBit, ::testing::Values(96, 101));

// ------------------------------------------------------------ the files of an independent packer

TEST(FirmwareSamples, DecryptToTheirImages)
{
    const struct {
        const char* file;
        const char* imageFile;
        const char* sha256;
        char letter;
        const char* dateText;
    } samples[] = {
        {"basic_tail.bix", "basic_tail.bin", "0ddbb653b5f83220c97642d6ae771a5aa5aa247017f3ca7d7df0d6560abee36b", 'B',
         "2019-11-03 16:45"},
        {"pro_tail.bix", "pro_tail.bin", "16b48dd05cb83f2237dfddd9738c37843a80166bc4b2a867b52354298240ff86", 'P',
         "2020-07-15 08:05"},
    };
    for (const auto& s : samples) {
        SCOPED_TRACE(s.file);
        const auto text = readFirmwareFileText(dataFile(s.file));
        ASSERT_TRUE(text) << text.error().message;
        const auto image = decryptFirmwareText(*text, kDefaultPassword);
        ASSERT_TRUE(image);
        EXPECT_EQ(*image, imageOf(readFile(dataFile(s.imageFile))));
        EXPECT_EQ(firmwareImageSha256(*image), s.sha256);
        const FirmwareVersion version = findFirmwareVersion(*image);
        EXPECT_EQ(version.typeLetter, s.letter);
        EXPECT_EQ(formatPackedDateTime(version.date), s.dateText);
        // Made with the default build setting: another setting must refuse them.
        EXPECT_EQ(decryptFirmwareText(*text, builtInFirmwarePassword()).has_value(),
                  builtInFirmwarePassword() == kDefaultPassword);
    }
}

TEST(readFirmwareFileText, MissingFileGivesTheSystemsReason)
{
    const auto missing = readFirmwareFileText(dataFile("no-such-file.bix"));
    ASSERT_FALSE(missing);
    EXPECT_FALSE(missing.error().message.empty());
    const auto folder = readFirmwareFileText(VANTOREL_TEST_DATA_DIR);
    ASSERT_FALSE(folder);
    EXPECT_FALSE(folder.error().message.empty());
}

// ------------------------------------------------------------ version marker and date

TEST(findFirmwareVersion, MarkerTypeAndSearchOrder)
{
    const FirmwareVersion pro = findFirmwareVersion(imageOf("\x01\x02 code FWversion:04-24-2018 10:24"));
    EXPECT_EQ(pro.typeLetter, 'P');
    EXPECT_EQ(pro.typeName, "Pro");
    EXPECT_EQ(formatPackedDateTime(pro.date), "2018-04-24 10:24");
    EXPECT_EQ(findFirmwareVersion(imageOf("FUversion:04-24-2018 10:24")).typeName, "USB");
    const FirmwareVersion none = findFirmwareVersion(imageOf("FBversion FXversion: 04-24-2018 10:24"));
    EXPECT_EQ(none.typeLetter, 'X');
    EXPECT_EQ(none.date, 0u);
    EXPECT_TRUE(none.typeName.empty());

    // "FWversion:" comes first in the image, but Basic is searched first.
    const FirmwareVersion v = findFirmwareVersion(
        imageOf("FWversion:01-01-2020 01:01....FEversion:02-02-2021 02:02....FBversion:03-03-2022 03:03"));
    EXPECT_EQ(v.typeLetter, 'B');
    EXPECT_EQ(formatPackedDateTime(v.date), "2022-03-03 03:03");
    // The first occurrence of the deciding marker counts.
    EXPECT_EQ(formatPackedDateTime(
                  findFirmwareVersion(imageOf("FEversion:05-06-2019 07:08 FEversion:01-01-2030 00:00")).date),
              "2019-05-06 07:08");
}

TEST(findFirmwareVersion, DateTextIsTrimmedAndCut)
{
    // Leading blanks and control characters go; only 20 characters after the
    // marker are looked at, and of the trimmed text the first 16.
    EXPECT_EQ(formatPackedDateTime(findFirmwareVersion(imageOf("FPx FBversion: \t\r\n04-24-2018 10:24:59 more")).date),
              "2018-04-24 10:24");
    FirmwareImage withNul = imageOf("FUversion:12-31-2099 23:59");
    withNul.push_back(0);
    withNul.push_back(0xFF);
    EXPECT_EQ(formatPackedDateTime(findFirmwareVersion(withNul).date), "2099-12-31 23:59");
    // A marker at the very end of the image: no date, but the type is known.
    const FirmwareVersion atEnd = findFirmwareVersion(imageOf("....FEversion:"));
    EXPECT_EQ(atEnd.typeLetter, 'E');
    EXPECT_EQ(atEnd.date, 0u);
    // More than 20 blanks push the date out of reach.
    EXPECT_EQ(findFirmwareVersion(imageOf("FBversion:                     04-24-2018 10:24")).date, 0u);
}

TEST(parseVersionDate, FixedPositionsAndDatesThePackedFormCannotHold)
{
    const struct {
        const char* text;
        PackedDateTime expected;
    } cases[] = {
        {"04/24/2018_10.24", makePackedDateTime(2018, 4, 24, 10, 24)}, // any separators
        {"04-24-2018 10:xx", makePackedDateTime(2018, 4, 24, 10, 0)}, // not a number: zero
        {"4?-24-2018 10:24", makePackedDateTime(2018, 0, 24, 10, 24)},
        {" 4- 2-2018  9: 5", makePackedDateTime(2018, 4, 2, 9, 5)},
        {"04-24-2018", makePackedDateTime(2018, 4, 24, 0, 0)},
        {"04-24-2255 10:24", makePackedDateTime(2255, 4, 24, 10, 24)},
        // Without a year, before 2000 or past 2255, or with a field too large
        // for its bits, the packed value would be wrong: 0, no date.
        {"", 0},
        {"04-24-yyyy 10:24", 0},
        {"04-24-1999 10:24", 0},
        {"04-24-2256 10:24", 0},
        {"16-24-2018 10:24", 0},
        {"04-32-2018 10:24", 0},
        {"04-24-2018 10:64", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseVersionDate(c.text), c.expected) << c.text;
}

} // namespace
