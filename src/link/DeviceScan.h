#pragma once

#include "firmware/domain/PackedDateTime.h"
#include "midi/MidiBackend.h"
#include "util/Result.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

class QEventLoop;

namespace vantorel {

// A device that answered the identification request "J".
struct FoundDevice {
    QString input; // the port its answer came in on
    QString output; // the port that reached it; empty when that stayed unclear
    char type = 'X'; // 'P', 'B', 'E' (or another letter the device reported)
    uint32_t deviceId = 0;
    PackedDateTime bootloaderDate = 0; // 0 when the device answered "k"
    PackedDateTime firmwareDate = 0;
};

// "VANTOREL Pro", "VANTOREL Basic", "VANTOREL Eco", or "Unknown (U)".
QString deviceTypeName(char type);

// Finds every device on every port pair at once: opens every input and every
// output of `ports`, sends "J" on all outputs together and pairs each answer
// with the output that caused it. The first round lasts until its answers
// stop coming (twice the slowest answer so far). Further rounds ask subsets of
// the outputs: each output has a code with the same number of bits set, round
// r asks the outputs whose code has bit r, and the rounds an input answered in
// spell the code of its output. When an answer was lost or doubled there (a
// device spelled no code), came well after the slowest of the first round or
// twice in one round (a link that stalled for a moment), or came from an
// output no device spelled (asked once more at the end), those rounds are
// asked again if there is time; otherwise every output is found by name, or
// stays unclear, rather than a wrong one named. Then, as
// long as an input has not answered, the scan waits for slow devices up to
// the identify timeout (2000 ms) after the first request; a device first
// heard after the first round is paired by name. Never longer than its
// deadline, unless opening the ports took so long that the first request's
// identify timeout ends later. Devices on one input are told apart by their
// IDs. Runs a nested event loop; never uses the ports of a DeviceLink (close
// those first when they share a device).
class DeviceScan : public QObject {
    Q_OBJECT
public:
    static constexpr int kDeadlineMs = 2400;
    static constexpr int kFirstRoundMs = 600; // a cancel ends a scan well within this

    explicit DeviceScan(MidiBackend& ports, QObject* parent = nullptr);

    // The devices found, in the order of their input ports.
    std::vector<FoundDevice> run(int deadlineMs = kDeadlineMs);
    // Confirms a pair of ports before it is used: one "J" on exactly
    // `output`, and an answer with `deviceId` on exactly `input` within
    // `timeoutMs`. A scan pairs by the rounds an answer came in, which a
    // link that stalls can mislead in ways its checks miss; a port gone
    // since is no pair either. The error says why a pair is not confirmed.
    static constexpr int kConfirmTimeoutMs = 2000;
    Result<void> confirm(const QString& input, const QString& output, uint32_t deviceId,
                         int timeoutMs = kConfirmTimeoutMs);
    // Ends a running scan or confirmation at once (a scan with what was found so far).
    void cancel();
    bool cancelled() const { return m_cancelled; }
    // Ports that could not be opened or refused the request.
    const QStringList& problems() const { return m_problems; }

signals:
    void progressChanged(int elapsedMs, int totalMs);

private:
    MidiBackend& m_ports;
    QStringList m_problems;
    bool m_cancelled = false;
    QEventLoop* m_loop = nullptr;
};

class DeviceLink;

// A scan for the window: runs as one device operation of `link` (refused,
// with an empty result, while another one waits), with the link's ports
// closed so that the answers change none of its labels, and the progress and
// cancel of the link. The link's ports are open again afterwards. `refused`
// tells a refusal from a scan that found nothing.
std::vector<FoundDevice> scanFromLink(DeviceLink& link, bool* refused = nullptr);

// The devices whose ID is `deviceId` and whose output is known.
std::vector<FoundDevice> devicesWithId(const std::vector<FoundDevice>& devices, uint32_t deviceId);

// DeviceScan::confirm for the window: one device operation of `link` with its
// ports closed during the exchange (refused while another one waits).
Result<void> confirmFromLink(DeviceLink& link, const FoundDevice& device);

} // namespace vantorel
