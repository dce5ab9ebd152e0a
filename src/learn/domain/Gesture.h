#pragma once

#include "util/Result.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <string>

namespace vantorel {

// MIDI learn: what a user's gesture on a controller (a pad, a run of keys, a
// fader, a button) means as a channel row. Only Note On with a velocity and
// Control Change messages count. Realtime and system messages, SysEx,
// aftertouch, program change and pitch bend are ignored, as are releases
// (Note Off, Note On with velocity 0) and the channel mode messages
// (controllers 120 to 127: all notes off, reset and the like, which
// controllers send on their own).

// What a gesture programs into the edit row.
struct LearnedMapping {
    int midiChannel = 1; // 1..16
    bool controlChange = false; // Note On otherwise
    int from = 0; // lowest note or controller number
    int to = 0; // highest
    // More than two distinct data values arrived (a fader, a velocity pad):
    // the data type becomes "Velocity"; otherwise it stays as it is.
    bool velocity = false;

    bool operator==(const LearnedMapping&) const = default;
};

// "Note On, MIDI channel 1, C3/48 to B3/59", "Control Change, MIDI channel 2, D-1/2"
// (one number shown once), ", data type Velocity" when the gesture decides it.
std::string learnedMappingText(const LearnedMapping& mapping);

class GestureRecorder {
public:
    enum class Take {
        Ignored, // no channel voice message: it does not even count as activity
        Activity, // a channel message that is not learned (a release, pitch bend, ...)
        Counted, // part of the gesture
    };
    // One complete message (a short message or a whole SysEx message).
    Take take(const uint8_t* data, size_t size);

    // Counted messages so far.
    int count() const { return m_count; }

    struct Outcome {
        enum class Status { Nothing, Learned, Mixed };
        Status status = Status::Nothing;
        LearnedMapping mapping; // Learned
        Error message; // Mixed: which two kinds were mixed
    };
    Outcome outcome() const;

private:
    struct Kind {
        int channel = 0; // 0..15
        bool controlChange = false;
        bool operator==(const Kind&) const = default;
    };

    int m_count = 0;
    Kind m_first;
    std::optional<Kind> m_other; // the first message of another channel or type
    int m_low = 127;
    int m_high = 0;
    std::set<int> m_values;
};

} // namespace vantorel
