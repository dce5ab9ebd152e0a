#pragma once

#include "channels/domain/ChannelTable.h"
#include "util/Result.h"

#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

// The channel settings file: a header line of the column captions, then one
// line per row with the ten cell texts, each field followed by "," and every
// line ended by CR LF. Texts are written without quoting: a ",", ";" or
// line end inside a cell becomes a blank (also when a file is read), so what
// loads from a file saves as the same cells.
//
// Cell texts are UTF-8 in memory; the bytes of a file are converted with
// channelFileTextToUtf8 before they are parsed.

// The header line (without its line end).
std::string channelCsvHeader();
// The line of one row (without its line end).
std::string channelCsvLine(const ChannelRecord& record);
// Header and one line per row, in table order, each ended by CR LF.
std::string writeChannelCsv(const ChannelTable& rows);

// The lines of a text: CR LF, a lone LF and a lone CR each end a line; a line
// end at the very end of the text does not start another line.
std::vector<std::string> splitChannelFileLines(std::string_view text);

struct ChannelCsvLoad {
    enum class Status {
        Ok,
        Empty, // fewer than two lines
        BadHeader, // the first line does not begin with "DMX ch."
        BadLine, // a DMX field that is neither three characters nor an integer
    };
    Status status = Status::Ok;
    ChannelTable rows; // Ok: every row of the file, in ascending order
    std::vector<int> lines; // Ok: the line of each row in the file, from 1
    int line = 0; // BadLine: the line's number in the file, from 1
    std::string field; // BadLine: the DMX field that failed

    bool ok() const { return status == Status::Ok; }
};

// Parses a whole file (UTF-8 text). Both "," and ";" separate fields: a line
// holding ";" switches to ";" for itself and every later line. A line that is
// empty once blanks and control characters are trimmed is skipped. The result
// is all or nothing: a line that fails leaves `rows` empty.
ChannelCsvLoad readChannelCsv(std::string_view text);

// Why a load failed: "Empty data file!", "Unrecognized header data!" or which
// line failed and why, marked for translation (errorText() shows it); an empty
// message for a load that succeeded.
Error channelCsvProblem(const ChannelCsvLoad& load);
// The same in English.
std::string channelCsvMessage(const ChannelCsvLoad& load);

// One problem per DMX channel that more than one row of a loaded file holds,
// with the file's line numbers ("The DMX channel 007 appears more than once:
// lines 3 and 5."); none when every channel is once. The table may hold such
// rows; the device keeps one row per channel.
std::vector<Error> duplicateChannels(const ChannelCsvLoad& load);

// Text encodings of channel files.
bool isValidUtf8(std::string_view bytes);
// Windows-1250 bytes to UTF-8 (the five unassigned bytes pass as U+0081 etc.).
std::string windows1250ToUtf8(std::string_view bytes);
// The bytes of a file as UTF-8 text: taken as they are when they are valid
// UTF-8 (a leading byte order mark is dropped), otherwise read with
// `eightBit`, the 8-bit code page the platform writes channel files in.
using EightBitToUtf8 = std::string (*)(std::string_view bytes);
std::string channelFileTextToUtf8(std::string_view bytes, EightBitToUtf8 eightBit = windows1250ToUtf8);

} // namespace vantorel
