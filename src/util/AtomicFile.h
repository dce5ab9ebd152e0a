#pragma once

#include "util/Result.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace vantorel {

// Every file this program writes goes through writeFileAtomically: the bytes
// go to a new temporary file in the target's folder, which is written in
// full, synced and closed, and only then renamed over the target. Any failure
// on the way (a short write, a full disk, an error reported by the sync or
// the close) removes the temporary file and leaves the target as it was, byte
// for byte.

// The system calls the writer makes, replaceable to inject faults in tests.
// Each follows its POSIX namesake: a negative result with errno set on failure;
// `write` may write fewer bytes than asked.
struct FileWriteCalls {
    std::function<long(int fd, const char* data, size_t size)> write;
    std::function<int(int fd)> sync;
    std::function<int(int fd)> close;
};

// Replaces `path` (the file a symbolic link points to, for a link) with
// `bytes`. A new file gets the default permissions, a replaced one keeps its
// own. A failure carries the system's reason of the step that failed, e.g.
// "No space left on device".
Result<void> writeFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                                 const FileWriteCalls* calls = nullptr);

// The text of a system error number; never empty.
std::string systemErrorText(int error);

} // namespace vantorel
