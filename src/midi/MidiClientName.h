#pragma once

#include <algorithm>
#include <string>

namespace vantorel {

// Client name the system's MIDI service shows for this program.
inline constexpr const char* kMidiClientName = "VANTOREL Control Center";

// Whether a port belongs to a client of this program ("client:port ..." on
// ALSA and JACK; JACK appends "-NN" to a client name already in use).
inline bool isOwnPort(const std::string& portName)
{
    const std::string client = portName.substr(0, portName.find(':'));
    const std::string own = kMidiClientName;
    if (client == own)
        return true;
    if (client.size() <= own.size() + 1 || client.compare(0, own.size(), own) != 0 || client[own.size()] != '-')
        return false;
    return std::all_of(client.begin() + long(own.size()) + 1, client.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace vantorel
