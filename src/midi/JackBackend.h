#pragma once

#include "midi/MidiBackend.h"

#include <memory>

namespace vantorel {

// The JACK ports of this program: one JACK client for every port it opens, so
// that opening many ports (a device scan) costs a port each, not a client each.
// libjack is loaded at run time; the error says why the backend cannot start
// (no library, no server).
Result<std::shared_ptr<MidiBackend>> createJackBackend();

} // namespace vantorel
