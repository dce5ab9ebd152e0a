#pragma once

#include <string_view>

namespace vantorel {

// True when a debugger is attached to this process (a developer run).
bool isDebuggerAttached();

// The Linux test: the "TracerPid:" line of /proc/self/status names a nonzero
// process. False when the line is missing or unreadable.
bool statusShowsTracer(std::string_view procStatusText);

} // namespace vantorel
