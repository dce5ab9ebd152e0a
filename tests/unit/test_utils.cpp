#include "util/Result.h"
#include "util/Utils.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <string>

using namespace vantorel;

namespace fs = std::filesystem;

namespace {

std::string sep()
{
    return std::string(1, pathSeparator());
}

} // namespace

TEST(PathTest, AddTrailingBackslashAppendsExactlyOneSeparator)
{
    EXPECT_EQ(addTrailingBackslash(""), "");
    EXPECT_EQ(addTrailingBackslash("dir"), "dir" + sep());
    EXPECT_EQ(addTrailingBackslash("dir" + sep()), "dir" + sep());
    EXPECT_EQ(addTrailingBackslash("a" + sep() + "b"), "a" + sep() + "b" + sep());
}

TEST(ForceDirectoryPathTest, CreatesMissingLevelsAndFailsBelowAFile)
{
    const fs::path root = fs::temp_directory_path() / ("vantorel-utils-" + std::to_string(std::random_device{}()));
    ASSERT_TRUE(fs::create_directory(root));
    EXPECT_TRUE(forceDirectoryPath(addTrailingBackslash(root.string())));
    EXPECT_TRUE(fs::is_empty(root));
    EXPECT_TRUE(forceDirectoryPath((root / "one" / "two" / "three").string()));
    EXPECT_TRUE(fs::is_directory(root / "one" / "two" / "three"));
    EXPECT_TRUE(forceDirectoryPath(addTrailingBackslash((root / "x" / "y").string())));
    EXPECT_TRUE(fs::is_directory(root / "x" / "y"));

    // Relative paths start at the current directory.
    const fs::path saved = fs::current_path();
    fs::current_path(root);
    const bool ok = forceDirectoryPath("rel" + sep() + "sub");
    fs::current_path(saved);
    EXPECT_TRUE(ok);
    EXPECT_TRUE(fs::is_directory(root / "rel" / "sub"));

    std::ofstream(root / "file") << "x";
    EXPECT_FALSE(forceDirectoryPath((root / "file").string()));
    EXPECT_FALSE(forceDirectoryPath((root / "file" / "sub").string()));
    EXPECT_FALSE(forceDirectoryPath(""));
    fs::remove_all(root);
}

TEST(UpperCasePolishTest, MapsAsciiAndPolishLettersOnly)
{
    // The nine Polish small letters as code page 1250 bytes.
    EXPECT_EQ(upperCasePolish("\x9C\x9F\xB3\xB9\xBF\xE6\xEA\xF1\xF3"), "\x8C\x8F\xA3\xA5\xAF\xC6\xCA\xD1\xD3");
    EXPECT_EQ(upperCasePolish("abc xyz"), "ABC XYZ");
    EXPECT_EQ(upperCasePolish("0-9 .,;:!?{}[]@`"), "0-9 .,;:!?{}[]@`");
    // Capitals and other high bytes pass unchanged.
    EXPECT_EQ(upperCasePolish("\xA3\xE9\xFF\x80"), "\xA3\xE9\xFF\x80");
    EXPECT_EQ(upperCasePolish(""), "");
}

TEST(HexTextTest, BytesToHexTextAndHexTextToInt)
{
    EXPECT_EQ(bytesToHexText(std::vector<uint8_t>{'a', 'b', 'c'}, "."), "61.62.63.");
    EXPECT_EQ(bytesToHexText(std::vector<uint8_t>{0x0A, 0xFF, 0x00}, ""), "0AFF00");
    EXPECT_EQ(bytesToHexText(nullptr, 0, " "), "");

    EXPECT_EQ(hexTextToInt(""), 0u);
    EXPECT_EQ(hexTextToInt("DEADbeef"), 0xDEADBEEFu);
    // Stops at the first non-hex character; of more than eight digits the low 32 bits remain.
    EXPECT_EQ(hexTextToInt("12G4"), 0x12u);
    EXPECT_EQ(hexTextToInt("x12"), 0u);
    EXPECT_EQ(hexTextToInt("123456789"), 0x23456789u);
}

TEST(HexTextTest, AsciiHexToIntReadsPairsOfCharacterCodes)
{
    EXPECT_EQ(asciiHexToInt("4146"), 175u);
    EXPECT_EQ(asciiHexToInt(""), 0u);
    EXPECT_EQ(asciiHexToInt("3030303030303432"), 0x42u);
    EXPECT_EQ(asciiHexToInt("4646464646464646"), 0xFFFFFFFFu);
    // Pairs that name no hex digit are skipped; a lone last character is ignored.
    EXPECT_EQ(asciiHexToInt("31613232"), 0x122u);
    EXPECT_EQ(asciiHexToInt("3A47403132"), 0x12u);
    EXPECT_EQ(asciiHexToInt("313"), 1u);
}

TEST(DecimalTripletsTest, LowestByteFirstAndOnlyTwelveDigits)
{
    EXPECT_EQ(intToDecimalTriplets(0x009F007Fu), "127000159000");
    EXPECT_EQ(decimalTripletsToInt("127000159000"), 0x009F007Fu);
    for (uint32_t v : {0u, 0x80u, 0xFF00FF00u, 0xFFFFFFFFu})
        EXPECT_EQ(decimalTripletsToInt(intToDecimalTriplets(v)), v) << v;
    for (const char* bad : {"12700015900", "1270001590000", "", "12700015900x", " 27000159000"})
        EXPECT_EQ(decimalTripletsToInt(bad), 0u) << bad;
    // Groups are taken modulo 256.
    EXPECT_EQ(decimalTripletsToInt("256001000000"), 0x0100u);
}

TEST(ResultTest, HoldsEitherAValueOrTheErrorAndMovesOnlyTypesOut)
{
    Result<std::unique_ptr<int>> opened = std::make_unique<int>(7);
    ASSERT_TRUE(opened);
    std::unique_ptr<int> port = std::move(opened).value();
    EXPECT_EQ(*port, 7);

    const Result<int> failed = Error{"Port busy"};
    EXPECT_FALSE(failed.has_value());
    EXPECT_EQ(failed.error().message, "Port busy");
    EXPECT_EQ(failed.value_or(-1), -1);
    EXPECT_ANY_THROW((void)failed.value()); // a caller's fault, never a failure report

    const Result<void> done;
    const Result<void> refused = Error{"Disk full"};
    EXPECT_TRUE(done);
    EXPECT_FALSE(refused);
    EXPECT_EQ(refused.error().message, "Disk full");
    EXPECT_ANY_THROW((void)done.error());
}

TEST(MessageLanguagesTest, ReadsTheEnvironmentAsGettextDoes)
{
    struct Row {
        std::map<std::string, std::string> environment;
        std::vector<std::string> languages;
    };
    const Row rows[] = {
        {{}, {}},
        {{{"LANG", "pl_PL.UTF-8"}}, {"pl_PL.UTF-8"}},
        {{{"LANG", "pl_PL.UTF-8"}, {"LC_MESSAGES", "de_DE.UTF-8"}}, {"de_DE.UTF-8"}},
        {{{"LC_ALL", "C"}, {"LC_MESSAGES", "de_DE.UTF-8"}, {"LANGUAGE", "pl"}}, {}}, // C ignores LANGUAGE
        {{{"LANG", "C.UTF-8"}, {"LANGUAGE", "pl"}}, {}},
        {{{"LC_ALL", ""}, {"LANG", "en_GB.UTF-8"}, {"LANGUAGE", "fr::de:pl"}}, {"fr", "de", "pl"}},
        {{{"LANG", "de_AT.UTF-8"}, {"LANGUAGE", ""}}, {"de_AT.UTF-8"}},
    };
    for (const Row& row : rows) {
        const auto variable = [&](const char* name) {
            const auto found = row.environment.find(name);
            return found == row.environment.end() ? nullptr : found->second.c_str();
        };
        EXPECT_EQ(messageLanguages(variable), row.languages) << testing::PrintToString(row.environment);
    }
}
