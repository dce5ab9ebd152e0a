#pragma once

// A real, small file system for tests of full disks: a tmpfs of a given size
// mounted on a fresh folder, in a mount namespace of the calling thread's own
// (so nothing is visible outside and nothing is left mounted if the test
// dies). Needs the privilege to mount (root, or CAP_SYS_ADMIN); without it
// mounted() is false and the test skips.

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <sched.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <fcntl.h>

namespace vantorel {

class SmallTmpfs {
public:
    explicit SmallTmpfs(size_t bytes)
    {
        char folder[] = "/tmp/vantorel-tmpfs-XXXXXX";
        if (!mkdtemp(folder))
            return;
        m_path = folder;
        if (!privateMounts())
            return;
        const std::string options = "size=" + std::to_string(bytes);
        m_mounted = ::mount("tmpfs", m_path.c_str(), "tmpfs", 0, options.c_str()) == 0;
    }
    ~SmallTmpfs()
    {
        if (m_mounted)
            ::umount2(m_path.c_str(), MNT_DETACH);
        if (!m_path.empty())
            ::rmdir(m_path.c_str());
    }
    SmallTmpfs(const SmallTmpfs&) = delete;
    SmallTmpfs& operator=(const SmallTmpfs&) = delete;

    bool mounted() const { return m_mounted; }
    const std::string& path() const { return m_path; }
    std::string file(const std::string& name) const { return m_path + "/" + name; }

    size_t freeBytes() const
    {
        struct statvfs info { };
        return ::statvfs(m_path.c_str(), &info) == 0 ? size_t(info.f_bavail) * info.f_frsize : 0;
    }
    // Writes the file "filler" so that about `left` bytes stay free.
    bool fillLeaving(size_t left)
    {
        const size_t free = freeBytes();
        if (free < left)
            return false;
        const std::string bytes(free - left, 'f');
        std::FILE* out = std::fopen(file("filler").c_str(), "wb");
        if (!out)
            return false;
        const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
        return std::fclose(out) == 0 && ok;
    }
    void removeFiller() { ::unlink(file("filler").c_str()); }

private:
    // Once per process: mounts made here stay in this process.
    static bool privateMounts()
    {
        static const bool ok
            = ::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
        return ok;
    }

    std::string m_path;
    bool m_mounted = false;
};

} // namespace vantorel
