#pragma once

#include "util/qt/Clock.h"
#include "link/DeviceOperations.h"
#include "channels/domain/ChannelCodec.h"
#include "channels/domain/ChannelTable.h"
#include "util/Result.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

namespace vantorel {

class DeviceLink;

// Reading the device's channel table ("B", answered by one "b" per stored
// channel) and writing a table to it ("C" per row, each acknowledged by "c"),
// for the main window and vantorelctl alike.

inline constexpr int kChannelReplyWaitMs = 2000;

// "B": `emptyTable` runs once the operation holds the link, before the
// request is sent. The wait ends with the first dump reply ("Data ready." when
// `haveRows` then says so); the device's further replies keep arriving through
// DeviceLink::channelDumpReceived after this returns. A timeout is reported by
// noResponse and "No data received.".
OpResult readChannelsFromDevice(DeviceLink& link, const std::function<void()>& emptyTable,
                                const std::function<bool()>& haveRows);

// "B" as above, then the device's stream to its end: the operation holds the
// link until the device has fallen silent (DumpSilence: eight mean gaps
// between its replies, from 100 ms up to `quietMs`) or says that it holds no
// channels, so that nothing is sent to the device while it is still sending.
// Progress is reported as `rowCount` of `total` `unit`s (total 0: not known;
// otherwise that many rows are due and the read waits up to `quietMs` for them,
// unless the highest of them, DMX channel `lastChannel`, has come);
// a cancel ends the wait and says how many channels were received. A
// cancelled wait for the first reply is Cancelled as well.
inline constexpr int kChannelDumpQuietMs = 2000;
OpResult readAllChannelsFromDevice(DeviceLink& link, const std::function<void()>& emptyTable,
                                   const std::function<int()>& rowCount, int quietMs = kChannelDumpQuietMs,
                                   const QString& unit = QStringLiteral("rows"), int total = 0, int lastChannel = 0);

// The payloads of every row in table order. When a row cannot be encoded (a
// cell outside its value list, a number out of range), the error names every
// such row.
Result<std::vector<std::string>> prepareChannelPayloads(const ChannelTable& rows);

enum class ChannelWriteResult {
    Done, // every row acknowledged
    NoAnswer, // a row was not acknowledged; the rows after it were not sent
    Busy, // another device operation waits; nothing was sent
    SendFailed, // the MIDI output refused a command
    NothingToWrite, // empty table ("Nothing to write...")
    RowsRefused, // rows that cannot be encoded; nothing was sent
    Cancelled, // cancelled by the user; the acknowledged rows are written
};

// Refuses a table of which nothing may be sent, through DeviceLink::messageBox:
// the empty table (NothingToWrite, "Nothing to write...") and rows that cannot
// be encoded (RowsRefused, each named). Done when the whole table can be
// sent; `prepared` then holds its payloads.
ChannelWriteResult checkTableWritable(DeviceLink& link, const ChannelTable& rows,
                                      std::vector<std::string>* prepared = nullptr);

struct ChannelWriteReport {
    ChannelWriteResult result = ChannelWriteResult::Done;
    int acknowledged = 0; // rows the device acknowledged
};

// Writes `rows` in their order, one "C" per row, each waiting up to 2000 ms
// for its "c". Every row is checked before anything is sent; refusals and the
// empty table are reported through DeviceLink::messageBox. `showRow` runs
// before row i is sent (the main window shows the row there); `rowWritten`
// after its acknowledgement. Progress is reported in "rows"; a cancel
// (DeviceLink::requestCancel) lets the row in flight be acknowledged and
// sends no further row.
ChannelWriteReport writeChannelsToDevice(DeviceLink& link, const ChannelTable& rows,
                                         const std::function<void(int row)>& showRow = {},
                                         const std::function<void(int row)>& rowWritten = {});

// "Cancelled: 200 of 512 channels written."
QString cancelledWriteText(int written, int total);

// Collects the channel dump replies as they arrive, for callers without a
// channel list (vantorelctl). Rows are kept in table order; a channel number
// the device sends again replaces its earlier row.
class ChannelDumpCollector : public QObject {
    Q_OBJECT
public:
    explicit ChannelDumpCollector(DeviceLink& link, QObject* parent = nullptr);

    const ChannelTable& rows() const { return m_rows; }
    int replies() const { return m_replies; }
    // The device said it holds no channels (a reply with number 0).
    bool deviceEmpty() const { return m_deviceEmpty; }
    // Replies that were left out: unreadable, or note numbers without a label.
    const QStringList& problems() const { return m_problems; }
    void clear();

    // Waits until `quietMs` pass without a dump reply, or a port of the link
    // disappears (DeviceLink::portLost(): the rows are then incomplete).
    void waitUntilQuiet(int quietMs);

signals:
    void rowReceived(const ChannelRecord& record);
    // `record` came again and replaced the earlier row of its channel.
    void rowRepeated(const ChannelRecord& record);
    void replyLeftOut(const QString& text);

private:
    void onDump(const QString& payload);

    DeviceLink& m_link;
    ChannelTable m_rows;
    int m_replies = 0;
    bool m_deviceEmpty = false;
    QStringList m_problems;
    ClockTimer m_quiet;
};

} // namespace vantorel
