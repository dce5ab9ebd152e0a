#include "learn/domain/Gesture.h"

#include "channels/domain/ChannelRecord.h"
#include "learn/domain/MappingTest.h"
#include "util/Translate.h"

#include <algorithm>

namespace vantorel {

namespace {

constexpr uint8_t kNoteOnStatus = 0x90;
constexpr uint8_t kControlChangeStatus = 0xB0;
constexpr int kFirstChannelModeController = 120;

} // namespace

std::string learnedMappingText(const LearnedMapping& mapping)
{
    std::string text = std::string(mapping.controlChange ? kControlChange : kNoteOn) + ", MIDI channel "
        + std::to_string(mapping.midiChannel) + ", " + noteName(mapping.from);
    if (mapping.to != mapping.from)
        text += " to " + noteName(mapping.to);
    if (mapping.velocity)
        text += ", data type " + std::string(kVelocity);
    return text;
}

GestureRecorder::Take GestureRecorder::take(const uint8_t* data, size_t size)
{
    if (size == 0 || data[0] < 0x80 || data[0] >= 0xF0)
        return Take::Ignored;
    const uint8_t type = data[0] & 0xF0;
    if (size != 3 || (type != kNoteOnStatus && type != kControlChangeStatus) || data[1] > 0x7F || data[2] > 0x7F)
        return Take::Activity;
    const bool controlChange = type == kControlChangeStatus;
    if (!controlChange && data[2] == 0)
        return Take::Activity; // a release
    if (controlChange && data[1] >= kFirstChannelModeController)
        return Take::Activity;

    const Kind kind{data[0] & 0x0F, controlChange};
    if (m_count == 0)
        m_first = kind;
    else if (!(kind == m_first) && !m_other)
        m_other = kind;
    ++m_count;
    if (kind == m_first) {
        m_low = std::min<int>(m_low, data[1]);
        m_high = std::max<int>(m_high, data[1]);
        m_values.insert(data[2]);
    }
    return Take::Counted;
}

GestureRecorder::Outcome GestureRecorder::outcome() const
{
    Outcome outcome;
    if (m_count == 0)
        return outcome;
    if (m_other) {
        outcome.status = Outcome::Status::Mixed;
        const auto kindName
            = [](const Kind& kind) { return std::string(kind.controlChange ? kControlChange : kNoteOn); };
        outcome.message
            = markedError("vantorel::Gesture",
                          VANTOREL_TRANSLATE_NOOP("vantorel::Gesture",
                                                  "The gesture mixes %1 on MIDI channel %2 and %3 on MIDI channel "
                                                  "%4: move one control at a time."),
                          kindName(m_first), std::to_string(m_first.channel + 1), kindName(*m_other),
                          std::to_string(m_other->channel + 1));
        return outcome;
    }
    outcome.status = Outcome::Status::Learned;
    outcome.mapping.midiChannel = m_first.channel + 1;
    outcome.mapping.controlChange = m_first.controlChange;
    outcome.mapping.from = m_low;
    outcome.mapping.to = m_high;
    outcome.mapping.velocity = m_values.size() > 2;
    return outcome;
}

} // namespace vantorel
