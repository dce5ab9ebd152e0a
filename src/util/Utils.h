#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

// Path separator of the platform ('\\' on Windows, '/' elsewhere).
char pathSeparator();

// A path the program holds as text: in the system's ANSI code page on
// Windows (as the profile functions and QString::toLocal8Bit have it), in
// the file system's own bytes elsewhere.
std::filesystem::path pathFromText(const std::string& text);

// Appends one path separator unless the path is empty or already ends in one.
std::string addTrailingBackslash(const std::string& path);
// Creates a directory and every missing parent; the result is that of the last
// creation performed (true when the directory already exists).
bool forceDirectoryPath(const std::string& path);

// Windows only; elsewhere empty, false and 0.
std::string getSpecialFolderPath(int csidl);
bool isWow64();
int getWindowsVersionCode();

// ASCII a..z and the nine Polish lower-case letters of code page 1250 to capitals.
std::string upperCasePolish(std::string_view text);

// Two upper-case hex digits and `separator` per byte: "abc", "." -> "61.62.63.".
std::string bytesToHexText(const uint8_t* data, size_t size, std::string_view separator);
std::string bytesToHexText(const std::vector<uint8_t>& bytes, std::string_view separator);

// Value of one hex digit character (either case), -1 for anything else.
int hexDigitValue(char c);
// Value of one upper-case hex digit, -1 for anything else (lower case included).
int upperHexDigitValue(char c);
// Two upper-case hex digits: 0x0A -> "0A".
std::string hexByteText(uint8_t value);

// Pairs of hex digits each naming one ASCII hex digit: "3132" -> 0x12 = 18.
uint32_t asciiHexToInt(std::string_view text);
// Up to 8 hex digits, either case; empty -> 0.
uint32_t hexTextToInt(std::string_view text);

// The languages a command-line program is asked to speak, best first, read from
// the environment (`variable` gives a variable's value or null) as gettext reads
// it: the locale of messages is LC_ALL, else LC_MESSAGES, else LANG (the first
// set and not empty); "C", "C.<codeset>" and "POSIX" (or none) ask for English,
// an empty list. Otherwise LANGUAGE, a colon-separated list ("pl:de"), comes
// first when set, else the locale itself ("pl_PL.UTF-8"). The entries stay as
// written ("pl_PL.UTF-8", "de_DE@euro"): the language is their first part.
std::vector<std::string> messageLanguages(const std::function<const char*(const char*)>& variable);

// Four "%.3d" groups, lowest byte first: 0x009F007F -> "127000159000".
std::string intToDecimalTriplets(uint32_t value);
// The inverse; 0 for a text that is not exactly 12 characters.
uint32_t decimalTripletsToInt(std::string_view text);

} // namespace vantorel
