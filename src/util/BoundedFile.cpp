#include "util/BoundedFile.h"

#include "util/AtomicFile.h"
#include "util/Translate.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace vantorel {

namespace {

#ifdef _WIN32
int openForReading(const std::filesystem::path& path)
{
    return ::_wopen(path.c_str(), _O_RDONLY | _O_BINARY);
}
bool isRegular(int fd, long long& size)
{
    struct _stat64 info { };
    if (::_fstat64(fd, &info) != 0)
        return false;
    size = info.st_size;
    return (info.st_mode & _S_IFMT) == _S_IFREG;
}
long readSome(int fd, char* data, size_t size)
{
    return ::_read(fd, data, unsigned(size));
}
void close(int fd)
{
    ::_close(fd);
}
#else
int openForReading(const std::filesystem::path& path)
{
    // Without O_NONBLOCK, opening a FIFO waits for a writer.
    return ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
}
bool isRegular(int fd, long long& size)
{
    struct stat info { };
    if (::fstat(fd, &info) != 0)
        return false;
    size = info.st_size;
    return S_ISREG(info.st_mode);
}
long readSome(int fd, char* data, size_t size)
{
    return long(::read(fd, data, size));
}
void close(int fd)
{
    ::close(fd);
}
#endif

} // namespace

std::string byteSizeText(size_t bytes)
{
    if (bytes >= 1024 * 1024 && bytes % (1024 * 1024) == 0)
        return std::to_string(bytes / (1024 * 1024)) + " MiB";
    if (bytes >= 1024 && bytes % 1024 == 0)
        return std::to_string(bytes / 1024) + " KiB";
    return std::to_string(bytes) + " bytes";
}

Error BoundedFileRead::problem(size_t limit) const
{
    constexpr const char* kContext = "vantorel::BoundedFile";
    switch (status) {
    case Status::Ok: return Error{};
    case Status::SystemError: return Error{systemErrorText(error)};
    case Status::NotRegular:
        return markedError(kContext, VANTOREL_TRANSLATE_NOOP("vantorel::BoundedFile", "not a regular file"));
    case Status::TooLarge:
        return markedError(kContext, VANTOREL_TRANSLATE_NOOP("vantorel::BoundedFile", "the file is larger than %1"),
                           byteSizeText(limit));
    }
    return Error{};
}

std::string BoundedFileRead::reason(size_t limit) const
{
    return problem(limit).text();
}

BoundedFileRead readBoundedFile(const std::filesystem::path& path, size_t limit)
{
    BoundedFileRead result;
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        result.status = BoundedFileRead::Status::SystemError;
        result.error = EISDIR;
        return result;
    }
    const int fd = openForReading(path);
    if (fd < 0) {
        result.status = BoundedFileRead::Status::SystemError;
        result.error = errno ? errno : EIO;
        return result;
    }
    long long size = 0;
    if (!isRegular(fd, size)) {
        close(fd);
        result.status = BoundedFileRead::Status::NotRegular;
        return result;
    }
    if (size < 0 || static_cast<unsigned long long>(size) > limit) {
        close(fd);
        result.status = BoundedFileRead::Status::TooLarge;
        return result;
    }
    // The file may grow while it is read: never more than the limit plus one byte.
    result.bytes.resize(size_t(size) + 1);
    size_t have = 0;
    while (true) {
        if (have == result.bytes.size()) {
            if (have > limit)
                break;
            result.bytes.resize(std::min(limit + 1, have * 2 + 4096));
        }
        const long got = readSome(fd, result.bytes.data() + have, result.bytes.size() - have);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            result.status = BoundedFileRead::Status::SystemError;
            result.error = errno ? errno : EIO;
            close(fd);
            result.bytes.clear();
            return result;
        }
        if (got == 0)
            break;
        have += size_t(got);
    }
    close(fd);
    result.bytes.resize(have);
    if (have > limit) {
        result.status = BoundedFileRead::Status::TooLarge;
        result.bytes.clear();
    }
    return result;
}

} // namespace vantorel
