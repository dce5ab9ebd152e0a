// Loading a channel settings file: the bytes of any file go through the
// encoding detection and the CSV reader. What loads must survive being saved
// and loaded again unchanged, since that is what the user does with it.

#include "FuzzCheck.h"
#include "FuzzScratch.h"

#include "channels/ChannelFile.h"
#include "channels/domain/ChannelCodec.h"
#include "util/AtomicFile.h"
#include "util/qt/TextConversions.h"
#include "channels/domain/ChannelCsv.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace vantorel;

namespace {

// The way the window and vantorelctl go: the bytes as a file on disk,
// opened, saved over the same file and opened again.
void CheckFilePath(std::string_view bytes, const ChannelTable& rows)
{
    static const QString folder = QString::fromStdString(FuzzScratchFolder());
    const QString path = folder + QStringLiteral("/table.csv");
    FUZZ_CHECK(writeFileAtomically(toFileSystemPath(path), bytes));
    const ChannelFileLoad opened = loadChannelFile(path);
    FUZZ_CHECK(opened.ok() && opened.csv.rows == rows);
    FUZZ_CHECK(saveChannelFile(path, opened.csv.rows));
    const ChannelFileLoad reopened = loadChannelFile(path);
    FUZZ_CHECK(reopened.ok() && reopened.csv.rows == rows);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string text = channelFileTextToUtf8(bytes);
    FUZZ_CHECK(isValidUtf8(text));

    const ChannelCsvLoad load = readChannelCsv(text);
    const std::string message = channelCsvMessage(load);
    FUZZ_CHECK(load.ok() == message.empty());
    if (!load.ok()) {
        FUZZ_CHECK(load.rows.empty());
        return 0;
    }

    for (size_t i = 0; i < load.rows.size(); ++i) {
        const ChannelRecord& row = load.rows[i];
        if (i > 0)
            FUZZ_CHECK(compareDmxCells(load.rows[i - 1].dmxChannel, row.dmxChannel) <= 0);
        // What a row is sent to the device as: either refused or a payload of
        // 14 upper-case hex digits that decodes to the same numbers.
        if (const auto values = readChannelValues(row)) {
            const std::string payload = encodeChannelPayload(*values);
            FUZZ_CHECK(payload.size() == 14);
            const auto dump = decodeChannelPayload(payload);
            FUZZ_CHECK(dump.has_value());
            FUZZ_CHECK(dump->number == values->dmxChannel);
            FUZZ_CHECK(dump->from == values->from && dump->to == values->to);
        }
    }

    // Saved and loaded again, the table is the same. (An empty table saves
    // as the header alone, which loads as "Empty data file!".)
    const std::string saved = writeChannelCsv(load.rows);
    FUZZ_CHECK(isValidUtf8(saved));
    const ChannelCsvLoad again = readChannelCsv(channelFileTextToUtf8(saved));
    if (load.rows.empty()) {
        FUZZ_CHECK(again.status == ChannelCsvLoad::Status::Empty);
        return 0;
    }
    FUZZ_CHECK(again.ok());
    FUZZ_CHECK(again.rows == load.rows);
    CheckFilePath(bytes, load.rows);
    return 0;
}
