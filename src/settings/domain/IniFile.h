#pragma once

#include "util/Result.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

// The message of a failed write of an INI file: "Unable to write to <file
// name>", with the system's reason when there is one: "...: <reason>".
std::string iniWriteErrorText(const std::string& fileName, const std::string& reason = {});

// A Windows INI file held as its lines: "[Section]" headers and "Key=Value"
// lines, values kept as raw bytes (no escaping, no quoting, no encoding).
// Lookups ignore the letter case of section and key names. Lines the class
// does not write (comments, unknown sections and keys) are kept as they are.
//
// Reading follows the Windows profile functions: names and values are taken
// without surrounding blanks, a value enclosed in a pair of equal quotes loses
// them, the first of several equal sections or keys counts, and lines starting
// with ';' are comments. Integers read like the Delphi-era INI classes: the
// whole value must be a decimal number (or hex with "$" or "0x"), otherwise
// the default is returned.
class IniFile {
public:
    IniFile() = default;

    // Text with CR LF, LF or CR line ends; a UTF-8 byte order mark is kept.
    static constexpr size_t kIniFileLimit = 1024 * 1024;

    static IniFile parse(std::string_view text);
    // Every line ends with CR LF.
    std::string serialize() const;

    // Reads a file of at most kIniFileLimit bytes. A missing file gives an empty INI file and true; a file
    // that exists but cannot be read gives an empty one and false.
    bool load(const std::string& path);
    // Writes the whole file to a temporary file in the same folder and then
    // replaces `path` with it, so the old file stays intact when anything
    // fails; the error is iniWriteErrorText's.
    Result<void> save(const std::string& path) const;

    bool sectionExists(std::string_view section) const;
    bool valueExists(std::string_view section, std::string_view key) const;
    // The value as the profile functions return it; nothing when the section
    // or the key is missing.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;

    std::string readString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    int readInteger(std::string_view section, std::string_view key, int defaultValue) const;

    // Replaces the key's line, or adds it at the end of its section, or adds
    // the section at the end of the file. Line breaks inside a value would
    // start new lines in the file and become blanks. A value with blanks
    // around it, or enclosed in quotes, is written in quotes so that it
    // reads back unchanged.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, int value);
    // Removes the key's line (the first of equal keys); the section stays.
    void deleteKey(std::string_view section, std::string_view key);

    bool empty() const { return m_lines.empty(); }

private:
    struct Range {
        size_t begin; // first line after the header
        size_t end; // the next header or the end of the file
    };
    std::optional<Range> findSection(std::string_view section) const;
    std::optional<size_t> findKey(const Range& range, std::string_view key) const;

    std::vector<std::string> m_lines;
    bool m_byteOrderMark = false;
};

// Delphi's StrToIntDef for INI values: optional sign, then decimal digits or
// "$"/"0x" and up to eight hex digits (taken as a 32-bit pattern). Anything
// else, an empty text or a decimal value outside the int range gives `def`.
int iniTextToInt(std::string_view text, int def);

} // namespace vantorel
