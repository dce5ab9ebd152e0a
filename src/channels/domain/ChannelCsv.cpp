#include "channels/domain/ChannelCsv.h"
#include "util/Translate.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace vantorel {

namespace {

const char* const kLineEnd = "\r\n";
constexpr std::string_view kHeaderStart = "DMX ch.";

// Blanks and control characters, as trimmed from both ends of a line.
bool isTrimmed(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

std::string_view trimmed(std::string_view line)
{
    size_t first = 0;
    while (first < line.size() && isTrimmed(line[first]))
        ++first;
    size_t end = line.size();
    while (end > first && isTrimmed(line[end - 1]))
        --end;
    return line.substr(first, end - first);
}

// Code points of the bytes 0x80..0xFF of Windows-1250.
constexpr uint16_t kWindows1250High[128] = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179, // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7, // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9, // F8
};

void appendUtf8(std::string& out, uint32_t code)
{
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xC0 | (code >> 6));
        out += char(0x80 | (code & 0x3F));
    } else {
        out += char(0xE0 | (code >> 12));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    }
}

// The file has no quoting: a cell must not hold a field separator or a line
// end, or it would come back as other cells or lines. Each becomes one blank
// (CR LF together), on writing and on reading alike, so that what a file
// loads as is saved as the same text.
std::string csvCellText(std::string_view cell)
{
    std::string text;
    text.reserve(cell.size());
    for (size_t i = 0; i < cell.size(); ++i) {
        const char c = cell[i];
        if (c == '\r' && i + 1 < cell.size() && cell[i + 1] == '\n')
            ++i;
        text += (c == ',' || c == ';' || c == '\r' || c == '\n') ? ' ' : c;
    }
    return text;
}

// A field as an error message shows it: control characters (a NUL would
// end the message) as \xNN, and at most 40 characters of a long one.
std::string shownField(std::string_view field)
{
    constexpr size_t kShownMax = 40;
    std::string shown;
    for (size_t i = 0; i < field.size() && i < kShownMax; ++i) {
        const auto c = static_cast<unsigned char>(field[i]);
        if (c < 0x20 || c == 0x7F) {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", unsigned(c));
            shown += escaped;
        } else {
            shown += char(c);
        }
    }
    if (field.size() > kShownMax)
        shown += "...";
    return shown;
}

} // namespace

std::string channelCsvHeader()
{
    std::string line;
    for (const std::string& caption : channelColumnCaptions())
        line += caption + ',';
    return line;
}

std::string channelCsvLine(const ChannelRecord& record)
{
    std::string line;
    for (int column = 0; column < kChannelColumnCount; ++column) {
        line += csvCellText(record.cell(column));
        line += ',';
    }
    return line;
}

std::string writeChannelCsv(const ChannelTable& rows)
{
    std::string text = channelCsvHeader() + kLineEnd;
    text.reserve(text.size() * (rows.size() + 1));
    for (const ChannelRecord& record : rows) {
        text += channelCsvLine(record);
        text += kLineEnd;
    }
    return text;
}

std::vector<std::string> splitChannelFileLines(std::string_view text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.emplace_back(text.substr(start));
    return lines;
}

ChannelCsvLoad readChannelCsv(std::string_view text)
{
    ChannelCsvLoad load;
    const std::vector<std::string> lines = splitChannelFileLines(text);
    if (lines.size() < 2) {
        load.status = ChannelCsvLoad::Status::Empty;
        return load;
    }
    if (lines.front().compare(0, kHeaderStart.size(), kHeaderStart) != 0) {
        load.status = ChannelCsvLoad::Status::BadHeader;
        return load;
    }

    char separator = ',';
    ChannelTable rows;
    std::vector<int> rowLines;
    rows.reserve(lines.size() - 1);
    for (size_t index = 1; index < lines.size(); ++index) {
        std::string line(trimmed(lines[index]));
        if (line.empty())
            continue;
        if (line.find(';') != std::string::npos)
            separator = ';';
        if (line.back() != separator)
            line += separator;

        // The DMX field: three characters are taken as they are, anything
        // else must be an integer and is written with three digits. A field
        // holding the other separator is no number either: saved, it would
        // start a line with other fields.
        size_t end = line.find(separator);
        ChannelRecord record;
        std::string dmx = line.substr(0, end);
        if (dmx.size() != 3 || dmx.find_first_of(",;") != std::string::npos) {
            const auto number = parseInteger(dmx);
            if (!number) {
                load.status = ChannelCsvLoad::Status::BadLine;
                load.line = int(index) + 1;
                load.field = std::move(dmx);
                return load;
            }
            dmx = dmxChannelText(*number);
        }
        record.dmxChannel = std::move(dmx);

        // Up to nine further fields; missing ones stay empty, extra ones are dropped.
        int column = 1;
        size_t start = end + 1;
        while (column < kChannelColumnCount && (end = line.find(separator, start)) != std::string::npos) {
            record.cell(column++) = csvCellText(std::string_view(line).substr(start, end - start));
            start = end + 1;
        }
        for (; column < kChannelColumnCount; ++column)
            record.cell(column).clear();
        rows.push_back(std::move(record));
        rowLines.push_back(int(index) + 1);
    }
    // In DMX channel order; rows with the same channel keep their file order.
    std::vector<size_t> order(rows.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&rows](size_t a, size_t b) {
        return compareDmxCells(rows[a].dmxChannel, rows[b].dmxChannel) < 0;
    });
    for (const size_t i : order) {
        load.rows.push_back(std::move(rows[i]));
        load.lines.push_back(rowLines[i]);
    }
    return load;
}

Error channelCsvProblem(const ChannelCsvLoad& load)
{
    constexpr const char* kContext = "vantorel::ChannelCsv";
    switch (load.status) {
    case ChannelCsvLoad::Status::Ok: return Error{};
    case ChannelCsvLoad::Status::Empty:
        return markedError(kContext, VANTOREL_TRANSLATE_NOOP("vantorel::ChannelCsv", "Empty data file!"));
    case ChannelCsvLoad::Status::BadHeader:
        return markedError(kContext, VANTOREL_TRANSLATE_NOOP("vantorel::ChannelCsv", "Unrecognized header data!"));
    case ChannelCsvLoad::Status::BadLine: break;
    }
    return markedError(kContext,
                       VANTOREL_TRANSLATE_NOOP("vantorel::ChannelCsv",
                                               "Improper data format in line %1: the DMX "
                                               "channel \"%2\" is not a number.\r\nNothing was "
                                               "loaded."),
                       std::to_string(load.line), shownField(load.field));
}

std::string channelCsvMessage(const ChannelCsvLoad& load)
{
    return channelCsvProblem(load).text();
}

std::vector<Error> duplicateChannels(const ChannelCsvLoad& load)
{
    std::vector<Error> problems;
    for (size_t i = 0; i < load.rows.size();) {
        size_t next = i + 1;
        while (next < load.rows.size() && compareDmxCells(load.rows[next].dmxChannel, load.rows[i].dmxChannel) == 0)
            ++next;
        if (next - i > 1) {
            // "lines 2, 6 and 8": all but the last line, then the last.
            std::string lines;
            for (size_t k = i; k + 1 < next; ++k)
                lines += (k == i ? "" : ", ") + std::to_string(load.lines[k]);
            problems.push_back(markedError("vantorel::ChannelCsv",
                                           VANTOREL_TRANSLATE_NOOP("vantorel::ChannelCsv",
                                                                   "The DMX channel %1 appears more than once: lines "
                                                                   "%2 and %3."),
                                           shownField(load.rows[i].dmxChannel), lines,
                                           std::to_string(load.lines[next - 1])));
        }
        i = next;
    }
    return problems;
}

bool isValidUtf8(std::string_view bytes)
{
    size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        size_t count = 0;
        uint32_t code = 0;
        uint32_t minimum = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            count = 1;
            code = lead & 0x1F;
            minimum = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            count = 2;
            code = lead & 0x0F;
            minimum = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            count = 3;
            code = lead & 0x07;
            minimum = 0x10000;
        } else {
            return false;
        }
        if (i + count >= bytes.size())
            return false;
        for (size_t k = 1; k <= count; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        // No overlong forms, no surrogates, nothing above U+10FFFF.
        if (code < minimum || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
            return false;
        i += count + 1;
    }
    return true;
}

std::string windows1250ToUtf8(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 8);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80)
            text += c;
        else
            appendUtf8(text, kWindows1250High[byte - 0x80]);
    }
    return text;
}

std::string channelFileTextToUtf8(std::string_view bytes, EightBitToUtf8 eightBit)
{
    if (isValidUtf8(bytes)) {
        if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
            bytes.remove_prefix(3);
        return std::string(bytes);
    }
    return eightBit(bytes);
}

} // namespace vantorel
