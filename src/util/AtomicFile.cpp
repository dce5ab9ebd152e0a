#include "util/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace vantorel {

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
int openNew(const fs::path& path)
{
    return ::_wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
}
long systemWrite(int fd, const char* data, size_t size)
{
    return ::_write(fd, data, unsigned(size > 0x40000000 ? 0x40000000 : size));
}
int systemSync(int fd)
{
    return ::_commit(fd);
}
int systemClose(int fd)
{
    return ::_close(fd);
}
#else
int openNew(const fs::path& path)
{
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}
long systemWrite(int fd, const char* data, size_t size)
{
    return long(::write(fd, data, size));
}
int systemSync(int fd)
{
    return ::fsync(fd);
}
int systemClose(int fd)
{
    return ::close(fd);
}
#endif

std::string randomSuffix()
{
    std::random_device device;
    std::mt19937_64 generator(device());
    char buffer[17];
    std::snprintf(buffer, sizeof(buffer), "%016llx", static_cast<unsigned long long>(generator()));
    return buffer;
}

// Writes everything, going on after a partial write; the error number of the
// write that failed. A write that takes nothing is a full device.
int writeAll(int fd, std::string_view bytes, const FileWriteCalls* calls)
{
    while (!bytes.empty()) {
        errno = 0;
        const long written = calls && calls->write ? calls->write(fd, bytes.data(), bytes.size())
                                                   : systemWrite(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno ? errno : EIO;
        }
        if (written == 0)
            return ENOSPC;
        bytes.remove_prefix(size_t(written) > bytes.size() ? bytes.size() : size_t(written));
    }
    return 0;
}

// The file a symbolic link points to, so the link stays a link.
fs::path resolvedTarget(const fs::path& path)
{
    std::error_code ec;
    if (!fs::is_symlink(path, ec))
        return path;
    const fs::path resolved = fs::weakly_canonical(path, ec);
    return ec ? path : resolved;
}

#ifndef _WIN32
// Makes the rename itself durable; a folder that cannot be synced is no failure.
void syncFolder(const fs::path& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}
#endif

} // namespace

std::string systemErrorText(int error)
{
    const std::string text = std::generic_category().message(error);
    return text.empty() ? "error " + std::to_string(error) : text;
}

Result<void> writeFileAtomically(const fs::path& path, std::string_view bytes, const FileWriteCalls* calls)
{
    const fs::path target = resolvedTarget(path);
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    // Appended as a path, not as narrow text: a Windows name may hold letters
    // outside the ANSI code page.
    fs::path temporary = folder / target.filename();
    temporary += "." + randomSuffix() + ".tmp";

    const int fd = openNew(temporary);
    if (fd < 0)
        return Error{systemErrorText(errno ? errno : EIO)};
    int error = writeAll(fd, bytes, calls);
#ifndef _WIN32
    // A replaced file keeps its permissions.
    struct stat old { };
    if (error == 0 && ::stat(target.c_str(), &old) == 0 && ::fchmod(fd, old.st_mode & 07777) != 0)
        error = errno;
#endif
    if (error == 0) {
        errno = 0;
        if ((calls && calls->sync ? calls->sync(fd) : systemSync(fd)) != 0)
            error = errno ? errno : EIO;
    }
    // A close can report a write that failed late (NFS, quotas): it counts too.
    errno = 0;
    const int closed = calls && calls->close ? calls->close(fd) : systemClose(fd);
    if (closed != 0 && error == 0)
        error = errno ? errno : EIO;

    std::error_code ec;
    if (error == 0) {
        fs::rename(temporary, target, ec);
        if (ec)
            error = ec.value();
    }
    if (error != 0) {
        fs::remove(temporary, ec);
        return Error{systemErrorText(error)};
    }
#ifndef _WIN32
    syncFolder(folder);
#endif
    return {};
}

} // namespace vantorel
