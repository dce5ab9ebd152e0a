#include "util/Utils.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace fs = std::filesystem;

namespace {

std::string Sep()
{
    return std::string(1, PathSeparator());
}

// A fresh, empty directory below the system temp directory, removed afterwards.
class ForceDirectoryPathTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::mt19937_64 rng(static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
        root_ = fs::temp_directory_path() / ("vantorel-utils-" + std::to_string(rng()));
        ASSERT_TRUE(fs::create_directory(root_));
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::remove_all(root_, ec);
    }
    fs::path root_;
};

} // namespace

TEST(PathTest, AddTrailingBackslashAppendsExactlyOneSeparator)
{
    EXPECT_EQ(AddTrailingBackslash(""), "");
    EXPECT_EQ(AddTrailingBackslash("dir"), "dir" + Sep());
    EXPECT_EQ(AddTrailingBackslash("dir" + Sep()), "dir" + Sep());
    EXPECT_EQ(AddTrailingBackslash("a" + Sep() + "b"), "a" + Sep() + "b" + Sep());
}

TEST_F(ForceDirectoryPathTest, OfExistingDirectorySucceeds)
{
    EXPECT_TRUE(ForceDirectoryPath(root_.string()));
    EXPECT_TRUE(ForceDirectoryPath(AddTrailingBackslash(root_.string())));
    EXPECT_TRUE(fs::is_empty(root_));
}

TEST_F(ForceDirectoryPathTest, CreatesEveryMissingLevel)
{
    const fs::path deep = root_ / "one" / "two" / "three";
    EXPECT_TRUE(ForceDirectoryPath(deep.string()));
    EXPECT_TRUE(fs::is_directory(root_ / "one"));
    EXPECT_TRUE(fs::is_directory(root_ / "one" / "two"));
    EXPECT_TRUE(fs::is_directory(deep));
    // Trailing separator is accepted as well.
    EXPECT_TRUE(ForceDirectoryPath(AddTrailingBackslash((root_ / "x" / "y").string())));
    EXPECT_TRUE(fs::is_directory(root_ / "x" / "y"));
}

TEST_F(ForceDirectoryPathTest, ResolvesRelativePathsFromCurrentDirectory)
{
    const fs::path saved = fs::current_path();
    fs::current_path(root_);
    const bool ok = ForceDirectoryPath("rel" + Sep() + "sub");
    fs::current_path(saved);
    EXPECT_TRUE(ok);
    EXPECT_TRUE(fs::is_directory(root_ / "rel" / "sub"));
}

TEST_F(ForceDirectoryPathTest, FailsBelowAFileAndForEmptyPath)
{
    std::ofstream(root_ / "file") << "x";
    EXPECT_FALSE(ForceDirectoryPath((root_ / "file").string()));
    EXPECT_FALSE(ForceDirectoryPath((root_ / "file" / "sub").string()));
    EXPECT_FALSE(ForceDirectoryPath(""));
}

TEST(UpperCasePolishTest, MapsAsciiAndPolishLettersOnly)
{
    // l stroke, o acute, d, z acute -> capitals (code page 1250 bytes).
    EXPECT_EQ(UpperCasePolish("\xB3\xF3""d\x9F"), "\xA3\xD3""D\x8F");
    EXPECT_EQ(UpperCasePolish("\x9C\x9F\xB3\xB9\xBF\xE6\xEA\xF1\xF3"), "\x8C\x8F\xA3\xA5\xAF\xC6\xCA\xD1\xD3");
    EXPECT_EQ(UpperCasePolish("abc xyz"), "ABC XYZ");
    EXPECT_EQ(UpperCasePolish("0-9 .,;:!?{}[]@`"), "0-9 .,;:!?{}[]@`");
    // Capitals and other high bytes pass unchanged.
    EXPECT_EQ(UpperCasePolish("\xA3\xE9\xFF\x80"), "\xA3\xE9\xFF\x80");
    EXPECT_EQ(UpperCasePolish(""), "");
}

TEST(HexTextTest, BytesToHexTextIsUpperCaseWithSeparator)
{
    const std::vector<uint8_t> abc = {'a', 'b', 'c'};
    EXPECT_EQ(BytesToHexText(abc, "."), "61.62.63.");
    EXPECT_EQ(BytesToHexText(std::vector<uint8_t>{0x0A, 0xFF, 0x00}, ""), "0AFF00");
    EXPECT_EQ(BytesToHexText(std::vector<uint8_t>{}, "."), "");
    EXPECT_EQ(BytesToHexText(nullptr, 0, " "), "");
}

TEST(HexTextTest, HexTextToInt)
{
    EXPECT_EQ(HexTextToInt(""), 0u);
    EXPECT_EQ(HexTextToInt("ff"), 255u);
    EXPECT_EQ(HexTextToInt("DEADbeef"), 0xDEADBEEFu);
    EXPECT_EQ(HexTextToInt("00000042"), 0x42u);
    // Stops at the first non-hex character.
    EXPECT_EQ(HexTextToInt("12G4"), 0x12u);
    EXPECT_EQ(HexTextToInt("x12"), 0u);
    // More than eight digits: the low 32 bits remain.
    EXPECT_EQ(HexTextToInt("123456789"), 0x23456789u);
}

TEST(HexTextTest, AsciiHexToIntReadsPairsOfCharacterCodes)
{
    EXPECT_EQ(AsciiHexToInt("3132"), 18u);
    EXPECT_EQ(AsciiHexToInt("4146"), 175u);
    EXPECT_EQ(AsciiHexToInt(""), 0u);
    EXPECT_EQ(AsciiHexToInt("3030303030303432"), 0x42u);
    EXPECT_EQ(AsciiHexToInt("4646464646464646"), 0xFFFFFFFFu);
    EXPECT_EQ(AsciiHexToInt("3530"), 0x50u);  // the type letter "P" as sent
    // Pairs that name no hex digit are skipped; a lone last character is ignored.
    EXPECT_EQ(AsciiHexToInt("31613232"), 0x122u);
    EXPECT_EQ(AsciiHexToInt("3A47403132"), 0x12u);
    EXPECT_EQ(AsciiHexToInt("313"), 1u);
}

TEST(DecimalTripletsTest, FormatsLowestByteFirstAndRoundTrips)
{
    EXPECT_EQ(IntToDecimalTriplets(0x009F007Fu), "127000159000");
    EXPECT_EQ(IntToDecimalTriplets(0xFFFFFFFFu), "255255255255");
    EXPECT_EQ(DecimalTripletsToInt("127000159000"), 0x009F007Fu);
    for (uint32_t v : {0u, 1u, 0x80u, 0xFF00FF00u, 0xFFFFFFFFu})
        EXPECT_EQ(DecimalTripletsToInt(IntToDecimalTriplets(v)), v) << v;
}

TEST(DecimalTripletsTest, RejectsMalformedTexts)
{
    EXPECT_EQ(DecimalTripletsToInt("12700015900"), 0u);    // 11 characters
    EXPECT_EQ(DecimalTripletsToInt("1270001590000"), 0u);  // 13 characters
    EXPECT_EQ(DecimalTripletsToInt(""), 0u);
    EXPECT_EQ(DecimalTripletsToInt("12700015900x"), 0u);
    EXPECT_EQ(DecimalTripletsToInt(" 27000159000"), 0u);
    // Groups are taken modulo 256.
    EXPECT_EQ(DecimalTripletsToInt("256001000000"), 0x0100u);
}
