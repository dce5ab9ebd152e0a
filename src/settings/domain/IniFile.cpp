#include "settings/domain/IniFile.h"
#include "util/AtomicFile.h"
#include "util/BoundedFile.h"
#include "util/Utils.h"

#include <cstdint>
#include <filesystem>
#include <iterator>
#include <system_error>

namespace vantorel {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (asciiLower(a[i]) != asciiLower(b[i]))
            return false;
    return true;
}

// The section name of a header line, nothing for other lines.
std::optional<std::string_view> headerName(std::string_view line)
{
    line = trim(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    line.remove_prefix(1);
    const size_t close = line.find(']');
    if (close != std::string_view::npos)
        line = line.substr(0, close);
    return trim(line);
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyLine> parseKeyLine(std::string_view line)
{
    const std::string_view trimmed = trim(line);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '[')
        return std::nullopt;
    const size_t equals = trimmed.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    return KeyLine{trim(trimmed.substr(0, equals)), trimmed.substr(equals + 1)};
}

std::string profileValue(std::string_view raw)
{
    std::string_view value = trim(raw);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

std::string oneLine(std::string_view value)
{
    std::string text(value);
    for (char& c : text)
        if (c == '\r' || c == '\n')
            c = ' ';
    return text;
}

} // namespace

std::string iniWriteErrorText(const std::string& fileName, const std::string& reason)
{
    return "Unable to write to " + fileName + (reason.empty() ? std::string() : ": " + reason);
}

IniFile IniFile::parse(std::string_view text)
{
    IniFile ini;
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        ini.m_byteOrderMark = true;
        text.remove_prefix(kByteOrderMark.size());
    }
    size_t start = 0;
    while (start < text.size()) {
        size_t end = start;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n')
            ++end;
        ini.m_lines.emplace_back(text.substr(start, end - start));
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return ini;
}

std::string IniFile::serialize() const
{
    std::string text;
    if (m_byteOrderMark)
        text += kByteOrderMark;
    for (const std::string& line : m_lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

bool IniFile::load(const std::string& path)
{
    *this = IniFile();
    std::error_code ec;
    const fs::path location = pathFromText(path);
    if (!fs::exists(location, ec))
        return !ec;
    const BoundedFileRead file = readBoundedFile(location, kIniFileLimit);
    if (!file.ok())
        return false;
    *this = parse(file.bytes);
    return true;
}

Result<void> IniFile::save(const std::string& path) const
{
    const Result<void> written = writeFileAtomically(pathFromText(path), serialize());
    if (!written)
        return Error{iniWriteErrorText(path, written.error().text())};
    return {};
}

std::optional<IniFile::Range> IniFile::findSection(std::string_view section) const
{
    for (size_t i = 0; i < m_lines.size(); ++i) {
        const auto name = headerName(m_lines[i]);
        if (!name || !sameName(*name, section))
            continue;
        size_t end = i + 1;
        while (end < m_lines.size() && !headerName(m_lines[end]))
            ++end;
        return Range{i + 1, end};
    }
    return std::nullopt;
}

std::optional<size_t> IniFile::findKey(const Range& range, std::string_view key) const
{
    for (size_t i = range.begin; i < range.end; ++i) {
        const auto line = parseKeyLine(m_lines[i]);
        if (line && sameName(line->key, key))
            return i;
    }
    return std::nullopt;
}

bool IniFile::sectionExists(std::string_view section) const
{
    return findSection(section).has_value();
}

bool IniFile::valueExists(std::string_view section, std::string_view key) const
{
    return value(section, key).has_value();
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const
{
    const auto range = findSection(section);
    if (!range)
        return std::nullopt;
    const auto index = findKey(*range, key);
    if (!index)
        return std::nullopt;
    return profileValue(parseKeyLine(m_lines[*index])->value);
}

std::string IniFile::readString(std::string_view section, std::string_view key, std::string_view defaultValue) const
{
    auto stored = value(section, key);
    return stored ? std::move(*stored) : std::string(defaultValue);
}

int IniFile::readInteger(std::string_view section, std::string_view key, int defaultValue) const
{
    const auto stored = value(section, key);
    return stored ? iniTextToInt(*stored, defaultValue) : defaultValue;
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value)
{
    // Reading trims blanks and drops a pair of enclosing quotes: a value that
    // would lose either is written in quotes, so that it reads back as itself
    // (a MIDI port name with a trailing blank, a quoted path).
    std::string text = oneLine(value);
    if (profileValue(text) != text)
        text = '"' + text + '"';
    const std::string line = std::string(key) + "=" + text;
    const auto range = findSection(section);
    if (!range) {
        m_lines.push_back("[" + std::string(section) + "]");
        m_lines.push_back(line);
        return;
    }
    if (const auto index = findKey(*range, key)) {
        m_lines[*index] = line;
        return;
    }
    // After the last line of the section that is not empty.
    size_t insertAt = range->end;
    while (insertAt > range->begin && trim(m_lines[insertAt - 1]).empty())
        --insertAt;
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(insertAt), line);
}

void IniFile::writeInteger(std::string_view section, std::string_view key, int value)
{
    writeString(section, key, std::to_string(value));
}

void IniFile::deleteKey(std::string_view section, std::string_view key)
{
    const auto range = findSection(section);
    if (!range)
        return;
    if (const auto index = findKey(*range, key))
        m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(*index));
}

int iniTextToInt(std::string_view text, int def)
{
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    bool hex = false;
    if (!text.empty() && text.front() == '$') {
        hex = true;
        text.remove_prefix(1);
    } else if (text.size() > 1 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        hex = true;
        text.remove_prefix(2);
    }
    if (text.empty())
        return def;

    if (hex) {
        uint64_t value = 0;
        for (const char c : text) {
            const int digit = hexDigitValue(c);
            if (digit < 0)
                return def;
            value = value * 16 + static_cast<uint64_t>(digit);
            if (value > 0xFFFFFFFFull)
                return def;
        }
        const auto bits = static_cast<uint32_t>(negative ? (0u - static_cast<uint32_t>(value)) : value);
        return static_cast<int>(bits);
    }

    int64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return def;
        value = value * 10 + (c - '0');
        if (value > 2147483648LL)
            return def;
    }
    if (negative)
        value = -value;
    if (value > 2147483647LL || value < -2147483648LL)
        return def;
    return static_cast<int>(value);
}

} // namespace vantorel
