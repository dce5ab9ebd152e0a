#pragma once

#include "link/DeviceOperations.h"
#include "modes/domain/ModeRecord.h"

#include <functional>
#include <map>
#include <vector>

namespace vantorel {

class DeviceLink;

// The four operations on the device's Basic/Eco modes. Each holds the link for
// its whole run (OpResult::Busy while another operation waits), reports its
// progress on the status line and waits for each reply with the wait timer at 2000 ms.
// `prepare` runs once the operation holds the link, before anything is sent
// (the modes page resets its slots there).

// "F": the wait ends at the first reply "f"; the device's further replies
// arrive afterwards through DeviceLink::modeReceived.
OpResult readModes(DeviceLink& link, const std::function<void()>& prepare = {});

// After the first reply "f", the device's further ones follow back to back;
// this much silence means it has sent them all.
inline constexpr int kQuietAfterLastModeMs = 500;

// The modes the device holds: readModes, then its replies until `quietMs`
// pass without one.
struct StoredModes {
    OpResult result = OpResult::Done;
    std::map<int, ModeRecord> bySlot; // valid records as received, by slot
    int count = 0; // the highest slot received: the number of modes in use
    std::vector<ModeRecord> invalid; // records with a value out of range
};
StoredModes readStoredModes(DeviceLink& link, int quietMs = kQuietAfterLastModeMs);

// "G" once per record, in the order given, each acknowledged by "g"; stops at
// the first record without acknowledgement. `acknowledged` (optional) receives
// the number of records the device acknowledged. Invalid records are refused
// before anything is sent (OpResult::Failed). A cancel lets the record in
// flight be acknowledged and sends no further one (OpResult::Cancelled,
// "Cancelled: 2 of 4 mode(s) stored.").
OpResult storeModes(DeviceLink& link, const std::vector<ModeRecord>& records, int* acknowledged = nullptr);

// "I" with the number of modes (1..5), acknowledged by "i". A count outside
// 1..5 is refused before anything is sent.
OpResult storeModesCount(DeviceLink& link, int count, const std::function<void()>& prepare = {});

// "H": the device returns its modes to its defaults and answers "h".
OpResult resetModesToDefault(DeviceLink& link, const std::function<void()>& prepare = {});

} // namespace vantorel
