// Saving and reading files safely: a save that cannot complete (a full disk,
// a short write, a sync or close that reports an error) leaves the old file
// byte for byte and says why; reading refuses what is not a regular file or
// is too large, without blocking.

#include "../support/SmallTmpfs.h"
#include "settings/domain/IniFile.h"
#include "util/AtomicFile.h"
#include "util/BoundedFile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

using namespace vantorel;

namespace fs = std::filesystem;

namespace {

std::string readAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "<missing>";
}

void write(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::vector<std::string> names(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class SafeFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("vantorel-safe-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        target = dir / "show.csv";
        write(target, old);
    }
    void TearDown() override { fs::remove_all(dir); }

    void expectOldFileAlone()
    {
        EXPECT_EQ(readAll(target), old);
        EXPECT_EQ(names(dir), std::vector<std::string>{"show.csv"}); // no temporary file left
    }

    fs::path dir;
    fs::path target;
    const std::string old = "DMX ch.,old contents\r\n";
    const std::string next = std::string(50000, 'n');
};

} // namespace

// The faults a disk gives: a write that takes part of the data and then
// fails, a write that takes nothing, a sync or a close that fails (NFS,
// quotas report there). Each fails the save with the system's reason.
TEST_F(SafeFiles, EveryFailedStepKeepsTheOldFileAndNamesTheReason)
{
    struct Case {
        const char* what;
        FileWriteCalls calls;
        const char* reason;
    };
    size_t calls = 0;
    const Case cases[] = {
        {"short write, then ENOSPC",
         {[&](int fd, const char* data, size_t size) -> long {
              if (calls++ == 0)
                  return long(::write(fd, data, size / 3));
              errno = ENOSPC;
              return -1;
          },
          {},
          {}},
         "No space left on device"},
        {"a write that takes nothing",
         {[](int, const char*, size_t) -> long { return 0; }, {}, {}},
         "No space left on device"},
        {"sync fails",
         {{},
          [](int) {
              errno = EIO;
              return -1;
          },
          {}},
         "Input/output error"},
        {"close fails",
         {{},
          {},
          [](int fd) {
              ::close(fd);
              errno = EDQUOT;
              return -1;
          }},
         "Disk quota exceeded"},
    };
    for (const Case& c : cases) {
        calls = 0;
        const Result<void> result = writeFileAtomically(target, next, &c.calls);
        ASSERT_FALSE(result) << c.what;
        EXPECT_EQ(result.error().message, c.reason) << c.what;
        expectOldFileAlone();
    }
    // Interrupted writes go on where they stopped.
    calls = 0;
    const FileWriteCalls interrupted{[&](int fd, const char* data, size_t size) -> long {
                                         if (calls++ % 2 == 0) {
                                             errno = EINTR;
                                             return -1;
                                         }
                                         return long(::write(fd, data, std::min<size_t>(size, 1000)));
                                     },
                                     {},
                                     {}};
    EXPECT_TRUE(writeFileAtomically(target, next, &interrupted));
    EXPECT_EQ(readAll(target), next);
}

TEST_F(SafeFiles, ReplacedFileKeepsPermissionsAndLinksStayLinks)
{
    ::chmod(target.c_str(), 0640);
    fs::create_symlink("show.csv", dir / "link.csv");
    ASSERT_TRUE(writeFileAtomically(dir / "link.csv", next));
    EXPECT_TRUE(fs::is_symlink(dir / "link.csv"));
    EXPECT_EQ(readAll(target), next);
    struct stat info { };
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);

    // A folder that does not exist: the reason, nothing created.
    const Result<void> missing = writeFileAtomically(dir / "no" / "x.csv", next);
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error().message, "No such file or directory");
}

// A real full file system: a 40 KiB tmpfs holding the old file and a filler.
// Small files as well as large ones: a small one fits any write buffer, so
// only a checked sync and close notice the full disk.
TEST(FullDisk, SaveOntoAFullFileSystemFailsAndKeepsTheOldFile)
{
    SmallTmpfs disk(40 * 1024);
    if (!disk.mounted())
        GTEST_SKIP() << "no privilege to mount a tmpfs";
    const std::string old = "DMX ch.,old contents\r\n";
    write(disk.file("show.csv"), old);
    ASSERT_TRUE(disk.fillLeaving(4096));

    for (const size_t size : {size_t(10000), size_t(100000)}) {
        const Result<void> result = writeFileAtomically(disk.file("show.csv"), std::string(size, 'x'));
        ASSERT_FALSE(result) << size;
        EXPECT_EQ(result.error().message, "No space left on device") << size;
        EXPECT_EQ(readAll(disk.file("show.csv")), old) << size;
        EXPECT_EQ(names(disk.path()), (std::vector<std::string>{"filler", "show.csv"})) << size;
    }
    // The INI files go the same way and say so.
    IniFile ini;
    for (int n = 0; n < 400; ++n)
        ini.writeString("FormsSizes", "Window" + std::to_string(n), std::string(40, 'x'));
    const Result<void> saved = ini.save(disk.file("show.csv"));
    ASSERT_FALSE(saved) << "saved onto a full disk";
    EXPECT_EQ(saved.error().message, "Unable to write to " + disk.file("show.csv") + ": No space left on device");
    EXPECT_EQ(readAll(disk.file("show.csv")), old);

    disk.removeFiller();
    EXPECT_TRUE(writeFileAtomically(disk.file("show.csv"), std::string(10000, 'x')));
    EXPECT_EQ(readAll(disk.file("show.csv")), std::string(10000, 'x'));
}

// What the user names is read only when it is a regular file within the
// limit: a FIFO without a writer does not block, a device never ends, a
// large file is refused before it is read.
TEST_F(SafeFiles, BoundedReadRefusesWhatIsNoRegularFileOrTooLarge)
{
    const BoundedFileRead whole = readBoundedFile(target, old.size());
    ASSERT_TRUE(whole.ok());
    EXPECT_EQ(whole.bytes, old);

    const BoundedFileRead large = readBoundedFile(target, old.size() - 1);
    EXPECT_EQ(large.status, BoundedFileRead::Status::TooLarge);
    EXPECT_EQ(large.reason(4 * 1024 * 1024), "the file is larger than 4 MiB");
    EXPECT_TRUE(large.bytes.empty());

    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    EXPECT_EQ(readBoundedFile(dir / "fifo", 1000).status, BoundedFileRead::Status::NotRegular);
    EXPECT_EQ(readBoundedFile("/dev/zero", 1000).status, BoundedFileRead::Status::NotRegular);
    EXPECT_EQ(readBoundedFile(dir, 1000).reason(1000), "Is a directory");
    EXPECT_EQ(readBoundedFile(dir / "missing", 1000).reason(1000), "No such file or directory");
    EXPECT_EQ(byteSizeText(512 * 1024), "512 KiB");
    EXPECT_EQ(byteSizeText(1000), "1000 bytes");
}
