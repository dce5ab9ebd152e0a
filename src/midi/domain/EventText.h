#pragma once

#include "midi/domain/MidiEvent.h"

#include <string>

namespace vantorel {

// One-line text form of an event, as shown in the debug window's event list.
std::string formatMidiEvent(const MidiEvent& event);

// "Sysex (N): " followed by at most the first 200 bytes as "XX " groups.
std::string formatSysexBytes(const uint8_t* data, size_t size);

} // namespace vantorel
