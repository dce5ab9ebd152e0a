#pragma once

#include "util/Result.h"

#include <cstddef>
#include <filesystem>
#include <string>

namespace vantorel {

// Reading a whole file the user named, bounded: only a regular file is read
// (a FIFO, a device or a folder is refused without blocking), and a file
// larger than the limit is refused before anything is read.

struct BoundedFileRead {
    enum class Status { Ok, SystemError, NotRegular, TooLarge };
    Status status = Status::Ok;
    int error = 0; // the system's error number for SystemError
    std::string bytes; // the whole file when ok()

    bool ok() const { return status == Status::Ok; }
    // Why the file was not read, marked for translation (errorText() shows
    // it): "No such file or directory" (the system's words), "not a regular
    // file", "the file is larger than 4 MiB"; an empty message when ok().
    Error problem(size_t limit) const;
    // The same in English.
    std::string reason(size_t limit) const;
};

BoundedFileRead readBoundedFile(const std::filesystem::path& path, size_t limit);

// "4 MiB", "512 KiB", "100 bytes".
std::string byteSizeText(size_t bytes);

} // namespace vantorel
