#pragma once

#include <string>
#include <vector>

namespace vantorel {

// A port's name without the numbers the MIDI system hands out when a device
// is plugged in, so that a saved name finds the same device after a replug or
// a reboot:
// - ALSA: RtMidi appends the sequencer address "client:port"
//   ("UM-ONE:UM-ONE MIDI 1 24:0" becomes "UM-ONE:UM-ONE MIDI 1");
// - WinMM: RtMidi appends the device number (" 2"), and Windows puts "N- "
//   in front of the second and later devices of one kind ("2- USB MIDI");
// - JACK: a client whose name was taken gets "-NN" ("emu-01:out" becomes
//   "emu:out"); the ALSA bridge puts the ALSA client number in brackets into
//   its port names ("a2j:UM-ONE [24] (capture): UM-ONE MIDI 1").
// Names without such numbers are returned unchanged. Each system's rule is
// applied to its own names only: a trailing " 2" is a device number on WinMM
// but part of the name on JACK. Native: the naming of a name listed on this
// platform (WinMM on Windows; on Linux ALSA for names that end in a sequencer
// address, otherwise JACK; none on macOS, where CoreMIDI hands out no numbers).
enum class PortNaming { Native, Alsa, Jack, WinMM, Plain };
std::string stablePortName(const std::string& name, PortNaming naming = PortNaming::Native);

// Index of the port `saved` denotes in `names`: the first exact match, else
// the first name whose stable form equals that of `saved`; -1 when none.
int findStablePort(const std::vector<std::string>& names, const std::string& saved,
                   PortNaming naming = PortNaming::Native);

} // namespace vantorel
